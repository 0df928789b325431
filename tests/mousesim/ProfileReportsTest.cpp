// Writes and reads of the per-profile reports, the select request, the active
// profile and the small device reports, with what the mouse refuses.

#include "MouseConversation.h"

#include <algorithm>

namespace mousesim::test {
namespace {

constexpr const char* kSettingsWritten =
    "06 1F 02 01 09 09 03 02 04 06 08 0A 00 02 04 06 08 0A 01 00 00 01 00 00 00 FF 11 22 33 04 05";

class SettingsReport : public MouseConversation {};

TEST_F(SettingsReport, ColourWrittenAsRedBlueGreenReadsBackAsRedGreenBlue) {
    ASSERT_TRUE(hostSends(kSettingsWritten));  // red 11, blue 22, green 33
    ASSERT_TRUE(hostSends("04 02 80"));
    EXPECT_EQ(mouseAnswers(6, 31),
              "06 1F 02 01 09 09 03 02 04 06 08 0A 00 02 04 06 08 0A 01 00 00 01 00 00 00 FF 11 33 22 04 05");
    EXPECT_EQ(mouse.memory().profiles[2].settings.green, 0x33);
    EXPECT_EQ(mouse.memory().profiles[2].settings.blue, 0x22);
}

TEST_F(SettingsReport, AProfileSurvivesAWriteAndAReadByTheHost) {
    // The host writes red, blue, green and reads red, green, blue: writing what
    // it read, reordered that way, must change nothing.
    ASSERT_TRUE(hostSends("04 03 80"));
    Bytes before = *read(6, 31);
    std::swap(before[27], before[28]);
    ASSERT_TRUE(hostSends(before));
    EXPECT_EQ(mouse.memory().profiles[3], factoryMemory().profiles[3]);
}

TEST_F(SettingsReport, IsRefusedWithAWrongLengthLengthByteOrProfile) {
    Bytes wrongLengthByte = hex(kSettingsWritten);
    wrongLengthByte[1] = 0x1E;
    Bytes profile5 = hex(kSettingsWritten);
    profile5[2] = 5;
    Bytes tooShort = hex(kSettingsWritten);
    tooShort.pop_back();
    Bytes tooLong = hex(kSettingsWritten);
    tooLong.push_back(0);

    for (const Bytes& bad : {wrongLengthByte, profile5, tooShort, tooLong}) {
        SCOPED_TRACE(hexText(bad));
        EXPECT_FALSE(hostSends(bad));
    }
    EXPECT_EQ(mouse.memory(), factoryMemory());
    EXPECT_EQ(store.saves, 0);
}

class ButtonTableReport : public MouseConversation {};

TEST_F(ButtonTableReport, ShortcutEntriesKeepModifierAndKey) {
    Bytes table = buttonTable(1, {{0, 1}, {3, 5}, {17, 48}});
    table[3 + 3 * 3 + 1] = 0x04;  // Ctrl
    table[3 + 3 * 3 + 2] = 0x06;  // C
    ASSERT_TRUE(hostSends(withChecksum(table)));
    ASSERT_TRUE(hostSends("04 01 90"));
    EXPECT_EQ(mouseAnswers(7, 59), hexText(withChecksum(table)));
}

TEST_F(ButtonTableReport, IsRefusedWithABadChecksumOrLengthByte) {
    Bytes badChecksum = buttonTable(1, {{0, 48}});
    badChecksum[57] ^= 0x01;
    Bytes badLengthByte = buttonTable(1, {{0, 48}});
    badLengthByte[1] = 0x3A;
    badLengthByte = withChecksum(badLengthByte);  // the sum is right, the length byte is not
    Bytes profile5 = withChecksum([] { Bytes b = buttonTable(1, {}); b[2] = 5; return b; }());

    for (const Bytes& bad : {badChecksum, badLengthByte, profile5}) {
        SCOPED_TRACE(hexText(bad));
        EXPECT_FALSE(hostSends(bad));
    }
    EXPECT_EQ(mouse.memory(), factoryMemory());
}

class MacroReport : public MouseConversation {};

TEST_F(MacroReport, ReadsBackWhatWasWrittenAfterSelectingTheButton) {
    const Bytes macro = macroReport(4, 12, 3, hex("04 01 32 00 04 02 0A 00 05 01 32 00 05 02 0A 00"), "Reload");
    ASSERT_TRUE(hostSends(macro));
    ASSERT_TRUE(hostSends("04 04 0C"));
    EXPECT_EQ(read(8, 2082), macro);
    // Only that button's macro was stored.
    ASSERT_TRUE(hostSends("04 04 0B"));
    EXPECT_EQ(read(8, 2082), macroReport(4, 11, 0, {}));
}

TEST_F(MacroReport, IsRefusedWhenDamagedOrTooLargeForTheMouse) {
    Bytes badChecksum = macroReport(0, 5, 1, hex("04 01 0A 00"));
    badChecksum[80] = 0x05;  // the event changed after the sum was taken
    Bytes badLength = macroReport(0, 5, 1, hex("04 01 0A 00"));
    badLength[1] = 0x21;
    Bytes button18 = macroReport(0, 5, 1, hex("04 01 0A 00"));
    button18[4] = 18;
    Bytes tooManyEvents = macroReport(0, 5, 1, hex("04 01 0A 00"));
    tooManyEvents[78] = 0xF5, tooManyEvents[79] = 0x01;  // 501 events

    for (Bytes bad : {badChecksum, withChecksum(badLength), withChecksum(button18), withChecksum(tooManyEvents)}) {
        SCOPED_TRACE(hexText({bad.begin(), bad.begin() + 8}));
        EXPECT_FALSE(hostSends(bad));
    }
    EXPECT_EQ(mouse.memory(), factoryMemory());
}

TEST_F(MacroReport, AcceptsExactly500Events) {
    EXPECT_TRUE(hostSends(macroReport(0, 5, 1, Bytes(2000, 0x01))));
    EXPECT_TRUE(mouse.memory().profiles[0].macros[5].has_value());
}

TEST_F(MacroReport, CannotBeReadWhileNoButtonIsSelected) {
    EXPECT_EQ(mouseAnswers(8, 2082), "(failed)");
    ASSERT_TRUE(hostSends("04 00 90"));
    EXPECT_EQ(mouseAnswers(8, 2082), "(failed)");
}

class SelectRequest : public MouseConversation {};

TEST_F(SelectRequest, RefusesProfile5Button18AndUnknownItems) {
    ASSERT_TRUE(hostSends("04 03 80"));
    EXPECT_FALSE(hostSends("04 05 80"));
    EXPECT_FALSE(hostSends("04 00 12"));
    EXPECT_FALSE(hostSends("04 00 81"));
    EXPECT_FALSE(hostSends("04 00 80 00"));
    // The last good selection stays in force.
    EXPECT_EQ(mouseAnswers(6, 31).substr(0, 8), "06 1F 03");
}

TEST_F(SelectRequest, ChoosesTheProfileForReadsOfSettingsAndButtons) {
    ASSERT_TRUE(hostSends("04 04 90"));
    EXPECT_EQ(mouseAnswers(7, 59).substr(0, 8), "07 3B 04");
    EXPECT_EQ(mouseAnswers(6, 31).substr(0, 8), "06 1F 04");
}

class ActiveProfile : public MouseConversation {};

TEST_F(ActiveProfile, WriteMakesTheProfileActive) {
    EXPECT_TRUE(hostSends("05 03 04"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 04");
    EXPECT_EQ(store.saves, 1);
    ASSERT_TRUE(store.last);
    EXPECT_EQ(store.last->activeProfile, 4);
}

TEST_F(ActiveProfile, RefusesProfile5AndAWrongLengthByte) {
    EXPECT_FALSE(hostSends("05 03 05"));
    EXPECT_FALSE(hostSends("05 02 01"));
    EXPECT_FALSE(hostSends("05 03 01 00"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 00");
}

class StatusReport : public MouseConversation {};

TEST_F(StatusReport, IsReadyAfterAWriteAndFailedAfterARefusedOne) {
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
    ASSERT_TRUE(hostSends(kSettingsWritten));
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
    ASSERT_FALSE(hostSends("05 03 07"));
    EXPECT_EQ(mouseAnswers(4, 3), "04 02 00");
    EXPECT_EQ(mouseAnswers(4, 3), "04 02 00");
    ASSERT_TRUE(hostSends("05 03 01"));
    EXPECT_EQ(mouseAnswers(4, 3), "04 01 00");
}

class ReadLength : public MouseConversation {};

TEST_F(ReadLength, AShortReadFailsALongerOneGetsTheReportFilledUpWithZeros) {
    ASSERT_TRUE(hostSends("05 03 02"));
    EXPECT_EQ(mouseAnswers(5, 2), "(failed)");
    EXPECT_EQ(mouseAnswers(5, 6), "05 03 02 00 00 00");
}

TEST_F(ReadLength, WriteOnlyAndUnknownReportsCannotBeRead) {
    for (std::uint8_t id : {0, 1, 3, 14, 16, 26, 27, 99}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(mouseAnswers(id, 2082), "(failed)");
    }
    EXPECT_FALSE(hostSends("1C 01 00"));
    EXPECT_FALSE(hostSends("63 00 00"));
}

class DeviceReports : public MouseConversation {};

TEST_F(DeviceReports, TrackingSetsPadtuneAndKeepsTheFlagOn0xFF) {
    ASSERT_TRUE(hostSends("0F 06 03 01 FF FF"));
    EXPECT_EQ(mouseAnswers(15, 6), "0F 06 03 01 00 00");
    ASSERT_TRUE(hostSends("0F 06 01 FF FF FF"));
    EXPECT_EQ(mouseAnswers(15, 6), "0F 06 01 01 00 00");
    EXPECT_FALSE(hostSends("0F 06 04 FF FF FF"));  // no Padtune level 4
    EXPECT_FALSE(hostSends("0F 06 01 FF FF 02"));  // no such decision
    EXPECT_EQ(mouse.memory().padtuneLevel, 1);
}

TEST_F(DeviceReports, SensorCaptureGivesAnImageThatChangesFromCaptureToCapture) {
    const auto beforeCapture = read(12, 1028);
    ASSERT_TRUE(beforeCapture);
    EXPECT_TRUE(std::all_of(beforeCapture->begin() + 1, beforeCapture->end(), [](std::uint8_t b) { return b == 0; }));

    ASSERT_TRUE(hostSends("0C 03 01 00"));
    const auto first = read(12, 1028);
    ASSERT_TRUE(hostSends("0C 03 01 00"));
    const auto second = read(12, 1028);
    ASSERT_TRUE(first && second);
    EXPECT_EQ((*first)[0], 0x0C);
    EXPECT_NE(*first, *second);
    const auto nonZero = std::count_if(first->begin() + 3, first->begin() + 903, [](std::uint8_t b) { return b != 0; });
    EXPECT_GT(nonZero, 800);
    EXPECT_TRUE(std::all_of(first->begin() + 903, first->end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_FALSE(hostSends("0C 03 01 01"));
}

TEST_F(DeviceReports, OnlyACaptureCanBeKeptAsCalibrationAndOnlyOnce) {
    ASSERT_TRUE(hostSends("0F 06 02 FF FF 01"));
    EXPECT_EQ(mouse.status().calibrationsKept, 0u);
    ASSERT_TRUE(hostSends("0C 03 01 00"));
    ASSERT_TRUE(hostSends("0F 06 02 FF FF 01"));
    ASSERT_TRUE(hostSends("0F 06 02 FF FF 01"));
    EXPECT_EQ(mouse.status().calibrationsKept, 1u);
    ASSERT_TRUE(hostSends("0C 03 01 00"));
    ASSERT_TRUE(hostSends("0F 06 02 FF FF 00"));  // discarded
    ASSERT_TRUE(hostSends("0F 06 02 FF FF 01"));
    EXPECT_EQ(mouse.status().calibrationsKept, 1u);
}

TEST_F(DeviceReports, HostPresenceAndParleyStateAreTaken) {
    EXPECT_TRUE(hostSends("0E 03 01"));
    EXPECT_FALSE(hostSends("0E 03 02"));
    EXPECT_EQ(mouse.status().hostPresence, 1);
    EXPECT_TRUE(hostSends("10 10 01 FF FF FF 00 00 00 00 00 00 00 00 00 00"));
    EXPECT_FALSE(hostSends("10 0F 01 FF FF FF 00 00 00 00 00 00 00 00 00 00"));
}

TEST_F(DeviceReports, ColourDatabaseChunksNeedTheirChecksum) {
    Bytes chunk(1029, 0xAB);
    chunk[0] = 0x1A, chunk[1] = 0x02, chunk[2] = 0x00;
    EXPECT_TRUE(hostSends(withChecksum(chunk)));
    Bytes damaged = withChecksum(chunk);
    damaged[500] ^= 0xFF;
    EXPECT_FALSE(hostSends(damaged));
    chunk[2] = 0x01;  // index 258
    EXPECT_FALSE(hostSends(withChecksum(chunk)));
    EXPECT_EQ(mouse.status().colorChunksReceived, 1u);
}

}  // namespace
}  // namespace mousesim::test
