// The machine running the tests may have no audio output at all: playing must
// then return at once, stay silent and shut down cleanly.

#include "platform/sound/SoundPlayer.h"
#include "tests/platform/sound/WavBytes.h"

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

    test::WavSpec spec;
    spec.dataBytes = 16000;  // one second at 8 kHz
    const auto start = Clock::now();
    {
        auto player = openSoundPlayer();
        player->play(test::wavBytes(spec));
        player->play({'n', 'o', 'i', 's', 'e'});  // not a WAV file: silence
        player->play(test::wavBytes(spec));
        player->stop();
        player->play(test::wavBytes(spec));
    }  // destroyed while the sound plays
    EXPECT_LT(Clock::now() - start, kPromptly);
}

TEST(SoundPlayer, WithoutApplicationObjectIsSilent)
{
    auto player = openSoundPlayer();
    ASSERT_NE(player, nullptr);
    player->play(test::wavBytes());
    player->stop();
}

}  // namespace
}  // namespace platform
