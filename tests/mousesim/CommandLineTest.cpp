// The command words of the simulator: what is taken, and what is a usage error
// before anything reaches a running simulator.

#include <gtest/gtest.h>

#include "mousesim/CommandLine.h"
#include "mousesim/ControlProtocol.h"

namespace mousesim {
namespace {

Invocation parse(std::string_view line) { return parseCommandLine(splitWords(line)); }

std::optional<ControlCommand> command(std::string_view line)
{
    const Invocation parsed = parse(line);
    if (const auto* control = std::get_if<ControlInvocation>(&parsed)) return control->command;
    return std::nullopt;
}

TEST(CommandLineTest, CommandsCarryTheirNumbersInDecimalOrHex)
{
    const auto press = command("press 17");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->verb, Verb::Press);
    EXPECT_EQ(press->number, 17u);

    const auto event = command("event 0x90 4660");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->verb, Verb::Event);
    EXPECT_EQ(event->number, 0x90u);
    EXPECT_EQ(event->value, 0x1234u);

    const auto busy = command("fault busy 0xFFFFFFFF");
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->verb, Verb::FaultBusy);
    EXPECT_EQ(busy->number, 0xFFFFFFFFu);

    const auto input = command("input 03 01 9a FF");
    ASSERT_TRUE(input);
    EXPECT_EQ(input->bytes, (std::vector<std::uint8_t>{0x03, 0x01, 0x9A, 0xFF}));

    const auto wait = command("wait-input-readers 2");
    ASSERT_TRUE(wait);
    EXPECT_EQ(wait->number, 2u);
    EXPECT_EQ(wait->value, kDefaultWaitMs);
}

TEST(CommandLineTest, EveryFaultKindIsKnown)
{
    const std::pair<const char*, Verb> faults[] = {
        {"fault busy 3", Verb::FaultBusy},
        {"fault fail-set 1", Verb::FaultFailSet},
        {"fault fail-get 2", Verb::FaultFailGet},
        {"fault bad-checksum", Verb::FaultBadChecksum},
        {"fault unplug-after 0", Verb::FaultUnplugAfter},
        {"fault flash-fail-at 65535", Verb::FaultFlashFailAt},
    };
    for (const auto& [line, verb] : faults) {
        const auto parsed = command(line);
        ASSERT_TRUE(parsed) << line;
        EXPECT_EQ(parsed->verb, verb) << line;
    }
}

TEST(CommandLineTest, OutOfRangeOrMalformedArgumentsAreUsageErrors)
{
    for (const char* line : {"", "press", "press 18", "press -1", "press 1 2", "release x", "event 256 0",
                             "event 0x90 65536", "event 0x90", "event 0x 1", "fault", "fault busy",
                             "fault busy 4294967296", "fault flash-fail-at 65536", "fault bad-checksum 1",
                             "fault melt 1", "plug now", "status 1", "input", "input 3", "input 0G", "input 123",
                             "wait-input-readers", "wait-input-readers 65", "wait-input-readers 1 60001",
                             "launch"}) {
        EXPECT_TRUE(std::holds_alternative<UsageError>(parse(line))) << '"' << line << '"';
    }
    std::string longInput = "input";
    for (std::size_t i = 0; i <= kMaxInputReport; ++i) longInput += " 00";
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse(longInput)));
}

TEST(CommandLineTest, ServeNeedsItsStateAndLogFiles)
{
    const Invocation full = parse("serve --state s.txt --log l.txt --vendor 0xFFFF");
    const auto* options = std::get_if<ServeOptions>(&full);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->stateFile, "s.txt");
    EXPECT_EQ(options->logFile, "l.txt");
    EXPECT_EQ(options->vendorId, 0xFFFF);

    const Invocation plain = parse("serve --log l.txt --state s.txt");
    ASSERT_TRUE(std::holds_alternative<ServeOptions>(plain));
    EXPECT_FALSE(std::get<ServeOptions>(plain).vendorId);
    EXPECT_FALSE(std::get<ServeOptions>(plain).uhid);

    // The flag takes no value, wherever it stands.
    for (const char* line : {"serve --uhid --state s.txt --log l.txt", "serve --state s.txt --uhid --log l.txt",
                             "serve --state s.txt --log l.txt --uhid"}) {
        const Invocation parsed = parse(line);
        const auto* uhid = std::get_if<ServeOptions>(&parsed);
        ASSERT_NE(uhid, nullptr) << line;
        EXPECT_TRUE(uhid->uhid) << line;
        EXPECT_EQ(uhid->logFile, "l.txt") << line;
    }

    for (const char* line : {"serve", "serve --state s.txt", "serve --log l.txt", "serve --state s --log l --vendor",
                             "serve --state s --log l --vendor 0x10000", "serve --state s --log l --port 1"}) {
        EXPECT_TRUE(std::holds_alternative<UsageError>(parse(line))) << line;
    }
}

TEST(ControlProtocolTest, RequestsOfAnotherProtocolVersionAreNotTaken)
{
    EXPECT_EQ(control::decodeRequest(control::encodeRequest("press 3")), "press 3");
    EXPECT_FALSE(control::decodeRequest("mousesim-control/2 press 3"));
    EXPECT_FALSE(control::decodeRequest("mousesim-control/1"));
    EXPECT_FALSE(control::decodeRequest("press 3"));
}

TEST(ControlProtocolTest, RepliesKeepTheirOutcomeAndText)
{
    for (const control::Reply& reply : {control::Reply{control::Outcome::Ok, "plugged 1\nfirmware 107\n"},
                                        control::Reply{control::Outcome::Refused, "button 3 is not held"},
                                        control::Reply{control::Outcome::Usage, "no command"}}) {
        const auto decoded = control::decodeReply(control::encodeReply(reply));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->outcome, reply.outcome);
        EXPECT_EQ(decoded->text, reply.text);
    }
    EXPECT_FALSE(control::decodeReply("fine\n"));
    EXPECT_FALSE(control::decodeReply("ok"));
    EXPECT_EQ(control::answerValue("plugged 1\nsent-at-ns 42\n", "sent-at-ns"), "42");
    EXPECT_FALSE(control::answerValue("plugged 1\n", "plug"));
}

}  // namespace
}  // namespace mousesim
