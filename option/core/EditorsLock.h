#pragma once
// The editors' lock, held by one editor (the configuration application or a
// zuroctl command) from the copy in of the block through its edits, the copy
// out, the files and the apply request, so that concurrent editors each build
// on the one before instead of overwriting it.
#include <memory>

#include "platform/shared/NamedLock.h"

namespace option::core {

class EditorsLock {
public:
    // Waits without limit. Without a runtime folder there is no lock to take:
    // held() is then false and the editor goes on alone.
    EditorsLock();
    ~EditorsLock();
    EditorsLock(const EditorsLock&) = delete;
    EditorsLock& operator=(const EditorsLock&) = delete;

    bool held() const { return held_; }

private:
    std::unique_ptr<platform::NamedLock> lock_;
    bool held_ = false;
};

}  // namespace option::core
