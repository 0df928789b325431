#include "platform/shared/SharedSection.h"

#include <cerrno>
#include <string>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/shared/PrivateFile.h"
#include "platform/system/RuntimeDirectory.h"

// The section is a file in the runtime directory, mapped shared. Its owner holds an
// exclusive flock on it for as long as it lives; openers only map it. So a section
// whose owner died, even by SIGKILL, is seen as stale: open() refuses it and the
// next create() replaces it.

namespace platform {
namespace {

constexpr std::string_view kSectionSuffix = ".section";
constexpr std::string_view kGuardSuffix = ".section-guard";

struct SectionPaths {
    std::string section;
    std::string guard;
};

bool sectionPaths(std::string_view name, SectionPaths& paths)
{
    const std::string folder = runtimeDirectory();
    if (folder.empty()) return false;
    paths.section = folder + runtimeFileName(name, kSectionSuffix);
    paths.guard = folder + runtimeFileName(name, kGuardSuffix);
    return true;
}

class MappedSection final : public SharedSection {
public:
    MappedSection(FileDescriptor file, void* data, std::size_t size, std::string ownedPath,
                  std::string guardPath)
        : file_(std::move(file)), data_(data), size_(size), ownedPath_(std::move(ownedPath)),
          guardPath_(std::move(guardPath))
    {
    }

    ~MappedSection() override
    {
        if (!ownedPath_.empty()) {
            // Under the guard, so that no one opens the file between its removal
            // and the release of our hold on it.
            GuardFile guard(guardPath_);
            removeIfSameFile(ownedPath_, file_.get());
        }
        munmap(data_, size_);
    }

    void* data() override { return data_; }
    std::size_t size() const override { return size_; }

private:
    FileDescriptor file_;
    void* data_;
    std::size_t size_;
    std::string ownedPath_;  // empty unless we own the section
    std::string guardPath_;
};

enum class Owner { Live, Gone, Unknown };

Owner ownerOf(int fd)
{
    switch (tryLockFile(fd, LOCK_SH)) {
    case TryLockResult::Busy:
        return Owner::Live;
    case TryLockResult::Taken:
        lockFile(fd, LOCK_UN);
        return Owner::Gone;
    case TryLockResult::Failed:
        break;
    }
    return Owner::Unknown;
}

bool hasSize(int fd, std::size_t size)
{
    struct stat st {};
    return fstat(fd, &st) == 0 && st.st_size >= 0 && static_cast<std::size_t>(st.st_size) == size;
}

std::unique_ptr<SharedSection> mapSection(FileDescriptor file, std::size_t size,
                                          std::string ownedPath = {}, std::string guardPath = {})
{
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, file.get(), 0);
    if (data == MAP_FAILED) return nullptr;
    return std::make_unique<MappedSection>(std::move(file), data, size, std::move(ownedPath),
                                           std::move(guardPath));
}

// Maps a live owner's section, which must have the size the caller expects.
std::unique_ptr<SharedSection> openOwners(FileDescriptor file, std::size_t size)
{
    if (!hasSize(file.get(), size)) return nullptr;
    return mapSection(std::move(file), size);
}

// Makes a new zero-filled section owned by this process. Called under the guard.
std::unique_ptr<SharedSection> createOwned(const SectionPaths& paths, std::size_t size)
{
    FileDescriptor file = openPrivateFile(paths.section, OpenMode::CreateNew);
    if (!file.valid()) return nullptr;
    const bool ready = ftruncate(file.get(), static_cast<off_t>(size)) == 0 &&
                       tryLockFile(file.get(), LOCK_EX) == TryLockResult::Taken;
    std::unique_ptr<SharedSection> section;
    if (ready) section = mapSection(std::move(file), size, paths.section, paths.guard);
    if (!section) ::unlink(paths.section.c_str());
    return section;
}

}  // namespace

std::unique_ptr<SharedSection> SharedSection::create(std::string_view name, std::size_t size,
                                                     bool* alreadyExisted)
{
    if (alreadyExisted) *alreadyExisted = false;
    SectionPaths paths;
    if (size == 0 || !sectionPaths(name, paths)) return nullptr;
    GuardFile guard(paths.guard);
    if (!guard.held()) return nullptr;

    FileDescriptor existing = openPrivateFile(paths.section, OpenMode::ExistingOnly);
    if (existing.valid()) {
        switch (ownerOf(existing.get())) {
        case Owner::Live:
            if (alreadyExisted) *alreadyExisted = true;
            return openOwners(std::move(existing), size);
        case Owner::Gone:
            // Left behind by an owner that was killed: start afresh.
            if (::unlink(paths.section.c_str()) != 0) return nullptr;
            break;
        case Owner::Unknown:
            return nullptr;
        }
    } else if (errno != ENOENT) {
        return nullptr;  // not a file of ours: leave it alone
    }
    return createOwned(paths, size);
}

std::unique_ptr<SharedSection> SharedSection::open(std::string_view name, std::size_t size)
{
    SectionPaths paths;
    if (size == 0 || !sectionPaths(name, paths)) return nullptr;
    GuardFile guard(paths.guard);
    if (!guard.held()) return nullptr;
    FileDescriptor file = openPrivateFile(paths.section, OpenMode::ExistingOnly);
    if (!file.valid() || ownerOf(file.get()) != Owner::Live) return nullptr;
    return openOwners(std::move(file), size);
}

}  // namespace platform
