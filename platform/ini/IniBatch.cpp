#include "platform/ini/IniBatch.h"

#include "platform/ini/AtomicFile.h"
#include "platform/ini/FolderLock.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/ProfileValues.h"

#include <utility>

namespace platform::ini {

IniBatch::IniBatch(std::string path, bool forWriting)
    : path_(std::move(path)), forWriting_(forWriting), document_(std::make_unique<IniDocument>())
{
    if (forWriting_) {
        lock_ = std::make_unique<FolderLock>(path_);
        if (lock_->locked()) removeLeftoverTemporary(path_);
    }
    load();
}

IniBatch::~IniBatch() = default;

void IniBatch::load()
{
    const auto bytes = readWholeFile(path_);
    readable_ = bytes.has_value();
    *document_ = bytes ? IniDocument::parse(*bytes) : IniDocument();
}

void IniBatch::prepareWrite()
{
    // After a commit the lock is free and another writer may have changed the file.
    if (forWriting_ && !lock_) {
        lock_ = std::make_unique<FolderLock>(path_);
        if (lock_->locked()) removeLeftoverTemporary(path_);
        load();
    }
}

std::string IniBatch::readString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const
{
    return readStringFrom(*document_, section, key, defaultValue);
}

int IniBatch::readInt(std::string_view section, std::string_view key, int defaultValue) const
{
    return readIntFrom(*document_, section, key, defaultValue);
}

bool IniBatch::readStruct(std::string_view section, std::string_view key, void* out,
                          std::size_t size) const
{
    return readStructFrom(*document_, section, key, out, size);
}

bool IniBatch::hasKey(std::string_view section, std::string_view key) const
{
    return document_->value(section, key).has_value();
}

std::vector<std::string> IniBatch::sectionNames() const
{
    return document_->sectionNames();
}

namespace {

bool noteEdit(Edit edit, bool& dirty)
{
    if (edit == Edit::Changed)
        dirty = true;
    return edit != Edit::Rejected;
}

}  // namespace

bool IniBatch::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    prepareWrite();
    return noteEdit(document_->setValue(section, key, value), dirty_);
}

bool IniBatch::writeInt(std::string_view section, std::string_view key, int value)
{
    prepareWrite();
    return noteEdit(writeIntTo(*document_, section, key, value), dirty_);
}

bool IniBatch::writeStruct(std::string_view section, std::string_view key, const void* data,
                           std::size_t size)
{
    prepareWrite();
    return noteEdit(writeStructTo(*document_, section, key, data, size), dirty_);
}

bool IniBatch::deleteKey(std::string_view section, std::string_view key)
{
    prepareWrite();
    return noteEdit(document_->removeKey(section, key), dirty_);
}

bool IniBatch::deleteSection(std::string_view section)
{
    prepareWrite();
    return noteEdit(document_->removeSection(section), dirty_);
}

bool IniBatch::commit()
{
    if (dirty_) {
        if (!forWriting_ || !readable_ || !lock_ || !lock_->locked())
            return false;
        if (!replaceFileAtomically(path_, document_->serialize()))
            return false;
        dirty_ = false;
    }
    lock_.reset();
    return true;
}

}  // namespace platform::ini
