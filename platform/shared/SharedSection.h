#pragma once
// Named shared memory of a fixed size, private to the user, in place of a named
// file mapping. The creator owns it and removes it when it is destroyed.

#include <cstddef>
#include <memory>
#include <string_view>

namespace platform {

class SharedSection {
public:
    // Creates the section, or opens it when a live owner already has it.
    // `alreadyExisted` (optional) tells which. nullptr on failure.
    static std::unique_ptr<SharedSection> create(std::string_view name, std::size_t size,
                                                 bool* alreadyExisted = nullptr);
    // Opens the section of a live owner; nullptr when there is none or its size differs.
    static std::unique_ptr<SharedSection> open(std::string_view name, std::size_t size);

    virtual ~SharedSection() = default;
    virtual void* data() = 0;
    virtual std::size_t size() const = 0;

protected:
    SharedSection() = default;
    SharedSection(const SharedSection&) = delete;
    SharedSection& operator=(const SharedSection&) = delete;
};

}  // namespace platform
