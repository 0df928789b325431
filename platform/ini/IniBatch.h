#pragma once
// Many reads and writes of one INI file with one read and one write: open, then
// the same calls as in PrivateProfile.h, then commit. The committed file is
// byte for byte what the same writes made key by key would give. A writing batch
// holds the writers' lock of the file from open to commit (or destruction); a
// write after a commit takes the lock again and first rereads the file.
// Reads see the batch's own writes. Writing the same file key by key from the
// thread that holds an open batch of it loses those writes at commit.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ini {

class FolderLock;
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

    // False only for a name that cannot be written (see IniDocument.h).
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);
    bool writeStruct(std::string_view section, std::string_view key, const void* data, std::size_t size);
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);

    // Writes the file atomically when anything changed and releases the lock; true
    // on success or when nothing changed. False for a batch opened for reading
    // only, or when the lock or the file could not be had. The batch stays
    // usable afterwards.
    bool commit();

private:
    void load();
    void prepareWrite();

    std::string path_;
    bool forWriting_;
    bool readable_ = true;
    bool dirty_ = false;
    std::unique_ptr<FolderLock> lock_;
    std::unique_ptr<IniDocument> document_;
};

}  // namespace platform::ini
