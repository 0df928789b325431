// The recorder's key source over a keyboard grab, and how a grabbed X key is
// named as a virtual key; no display needed.

#include <gtest/gtest.h>

#include <vector>

#include "option/app/GrabKeySource.h"
#include "platform/input/KeyboardGrab.h"
#include "platform/input/VirtualKeys.h"
#include "tests/fakes/RecordingKeyboardGrab.h"

namespace {

using option::core::KeyMessage;

// Records the keys; removes the source at its `stopAfter`-th key, as a full
// recording or a finished capture does.
class Listener final : public option::core::KeyListener {
public:
    Listener(option::app::GrabKeySource& source, std::size_t stopAfter) : source_(source), stopAfter_(stopAfter) {}
    void keyMessage(const KeyMessage& message) override
    {
        keys.push_back(message.virtualKey);
        if (keys.size() == stopAfter_)
            source_.remove();
    }
    std::vector<int> keys;

private:
    option::app::GrabKeySource& source_;
    std::size_t stopAfter_;
};

TEST(GrabKeySource, DeliversWhileInstalledAndGivesTheKeyboardBack)
{
    auto owned = std::make_unique<fakes::RecordingKeyboardGrab>();
    fakes::RecordingKeyboardGrab& grab = *owned;
    option::app::GrabKeySource source(std::move(owned));
    Listener listener(source, 2);

    ASSERT_TRUE(source.install(listener));
    grab.queue('A', false);
    grab.queue('A', true);
    grab.queue('B', false);
    source.deliverWaitingKeys();
    EXPECT_EQ(listener.keys, (std::vector<int>{'A', 'A'})) << "nothing after the listener removed the source";
    EXPECT_FALSE(grab.grabbed());
    EXPECT_EQ(grab.releases, 1);

    grab.grabbable = false;
    EXPECT_FALSE(source.install(listener)) << "another program holds the keyboard";
    EXPECT_FALSE(source.installed());
}

TEST(GrabbedKeyNames, CharacterKeysFollowTheLayoutOthersTheirPosition)
{
    // The key at the US "Q" position typing "a" (an AZERTY layout) is A.
    EXPECT_EQ(platform::virtualKeyOfGrabbedKey('a', platform::usScanCodeOfVirtualKey('Q')), 'A');
    // Modifiers keep their side whatever the keysym says.
    EXPECT_EQ(platform::virtualKeyOfGrabbedKey(0xFFE1, 0x36), platform::VK_RSHIFT);
    EXPECT_EQ(platform::virtualKeyOfGrabbedKey(0xFFE1, 0x2A), platform::VK_LSHIFT);
    // A key the layout gives no character keeps its position's key.
    EXPECT_EQ(platform::virtualKeyOfGrabbedKey(0, 0x30), 'B');
    EXPECT_EQ(platform::virtualKeyOfGrabbedKey(0, 0), 0);
}

}  // namespace
