#pragma once
// Many reads and writes of one INI file with one read and one write: open, then
// the same calls as in PrivateProfile.h, then commit. The committed file is
// byte for byte what the same writes made key by key would give. The file stays
// locked against other writers from open to commit (or destruction).

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ini {

class IniDocument;

class IniBatch {
public:
    // Reads the file (a missing file is an empty document). `forWriting` takes the
    // writers' lock until commit or destruction.
    explicit IniBatch(std::string path, bool forWriting = true);
    ~IniBatch();

    IniBatch(const IniBatch&) = delete;
    IniBatch& operator=(const IniBatch&) = delete;

    const std::string& path() const { return path_; }
    // False when the file exists but could not be read.
    bool readable() const { return readable_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) const;
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool readStruct(std::string_view section, std::string_view key, void* out, std::size_t size) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);
    void writeStruct(std::string_view section, std::string_view key, const void* data, std::size_t size);
    void deleteKey(std::string_view section, std::string_view key);
    void deleteSection(std::string_view section);

    // Writes the file atomically when anything changed; true on success or when
    // nothing changed. The batch stays usable afterwards.
    bool commit();

private:
    std::string path_;
    bool forWriting_;
    bool readable_ = true;
    bool dirty_ = false;
    int lockFd_ = -1;
    std::unique_ptr<IniDocument> document_;
};

}  // namespace platform::ini
