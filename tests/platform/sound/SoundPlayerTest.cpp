// The machine running the tests may have no audio output at all: playing must
// then return at once, stay silent and shut down cleanly.

#include "platform/sound/SoundPlayer.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPromptly = std::chrono::seconds(2);

TEST(SoundPlayer, PlaysStopsAndClosesPromptly)
{
    int argc = 1;
    char name[] = "sound_player_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    SoundClip second;  // one second at 8 kHz
    second.channels = 1;
    second.sampleRate = 8000;
    second.samples.assign(8000, 1000);
    const auto start = Clock::now();
    {
        auto player = openSoundPlayer();
        player->play(second);
        player->play(SoundClip{});  // nothing to play: silence
        player->play(second);
        player->stop();
        player->play(second);
    }  // destroyed while the sound plays
    EXPECT_LT(Clock::now() - start, kPromptly);
}

TEST(SoundPlayer, WithoutApplicationObjectIsSilent)
{
    auto player = openSoundPlayer();
    ASSERT_NE(player, nullptr);
    player->play(SoundClip{1, 8000, {1, 2, 3}});
    player->stop();
}

}  // namespace
}  // namespace platform
