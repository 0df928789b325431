#pragma once
// A key source that tells its owner after every key it handed on, so a panel
// can show what its recorder or capture made of the key (and notice that it
// stopped by itself).
#include <functional>
#include <utility>

#include "option/core/KeyCapture.h"

namespace option::app {

class ObservedKeySource final : public core::KeySource, private core::KeyListener {
public:
    ObservedKeySource(core::KeySource& keys, std::function<void()> afterKey)
        : keys_(keys), afterKey_(std::move(afterKey))
    {
    }
    ~ObservedKeySource() override { remove(); }

    bool install(core::KeyListener& listener) override
    {
        target_ = &listener;
        if (keys_.install(*this))
            return true;
        target_ = nullptr;
        return false;
    }
    void remove() override
    {
        if (target_)
            keys_.remove();
        target_ = nullptr;
    }

private:
    void keyMessage(const core::KeyMessage& message) override
    {
        if (!target_)
            return;
        target_->keyMessage(message);
        if (afterKey_)
            afterKey_();
    }

    core::KeySource& keys_;
    std::function<void()> afterKey_;
    core::KeyListener* target_ = nullptr;
};

}  // namespace option::app
