#include "settings/ProfileFile.h"

#include <fstream>
#include <string_view>

#include "platform/ini/IniBatch.h"
#include "platform/ini/IniText.h"
#include "settings/ChangeFlags.h"
#include "settings/FixedText.h"
#include "settings/RecordBytes.h"

namespace settings {
namespace {

constexpr std::string_view kSection = "Setting";
constexpr int kMissingInt = -1;

struct IntKey {
    const char* name;
    std::int32_t ProfileRecord::*field;
    int missing = kMissingInt;
};

// In file order; the byte arrays and the CPI levels sit between the two tables.
const IntKey kPointerAndSensitivityKeys[] = {
    {"DbleClickSpeed", &ProfileRecord::DbleClickSpeed},
    {"ScrollWheelSpeed", &ProfileRecord::ScrollWheelSpeed},
    {"ScrollWheelFlag", &ProfileRecord::ScrollWheelFlag},
    {"MouseSpeed", &ProfileRecord::MouseSpeed},
    {"Acceleration", &ProfileRecord::Acceleration},
    {"AccelerationFlag", &ProfileRecord::AccelerationFlag},
    {"MouseTrails", &ProfileRecord::MouseTrails},
    {"TiltSpeed", &ProfileRecord::TiltSpeed},
    {"MediaOption", &ProfileRecord::MediaOption},
    {"HDDKeyboard", &ProfileRecord::HDDKeyboard},
    {"Orientation", &ProfileRecord::Orientation},
    {"XYSynchronous", &ProfileRecord::XYSynchronous},
    {"Sensitivity_X", &ProfileRecord::Sensitivity_X},
    {"Sensitivity_Y", &ProfileRecord::Sensitivity_Y},
    {"Sensitivity", &ProfileRecord::Sensitivity},
};

const IntKey kPollingLightingSoundKeys[] = {
    {"PollingRate", &ProfileRecord::PollingRate},
    {"LightOnFlag", &ProfileRecord::LightOnFlag},
    {"LightEffectMode", &ProfileRecord::LightEffectMode},
    {"LightColorFlow", &ProfileRecord::LightColorFlow},
    {"LightEffectType", &ProfileRecord::LightEffectType},
    {"LightEffectSpeed", &ProfileRecord::LightEffectSpeed},
    {"SoundProfile", &ProfileRecord::SoundProfile},
    {"SoundDpi", &ProfileRecord::SoundDpi},
    {"SoundSens", &ProfileRecord::SoundSens},
    {"VolumeUpDown", &ProfileRecord::VolumeUpDown},
    {"SoundTrophy", &ProfileRecord::SoundTrophy},
    {"SoundVolume", &ProfileRecord::SoundVolume},
    {"UseColorForAll", &ProfileRecord::UseColorForAll, 0},
    {"LtChoseType", &ProfileRecord::LtChoseType, 0},
    {"ASnapFlag", &ProfileRecord::ASnapFlag},
    {"ASnap", &ProfileRecord::ASnap},
    {"SAlignmentFlag", &ProfileRecord::SAlignmentFlag},
    {"SAlignment", &ProfileRecord::SAlignment},
};

std::string numbered(std::string_view name, int index)
{
    return std::string(name) + std::to_string(index);
}

template <std::size_t N>
void readText(const platform::ini::IniBatch& file, std::string_view key, char (&field)[N])
{
    setFieldText(field, file.readString(kSection, key));
}

template <std::size_t N>
void readBytes(const platform::ini::IniBatch& file, std::string_view name, std::uint8_t (&bytes)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = static_cast<std::uint8_t>(file.readInt(kSection, numbered(name, static_cast<int>(i)), kMissingInt));
}

template <std::size_t N>
void writeBytes(platform::ini::IniBatch& file, std::string_view name, const std::uint8_t (&bytes)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        file.writeInt(kSection, numbered(name, static_cast<int>(i)), bytes[i]);
}

template <typename Record>
void readRecord(const platform::ini::IniBatch& file, const std::string& key, Record& record)
{
    if (!file.readStruct(kSection, key, &record, sizeof(Record)))
        zeroBytes(record);
}

template <typename Record>
void writeRecord(platform::ini::IniBatch& file, const std::string& key, const Record& record)
{
    file.writeStruct(kSection, key, &record, sizeof(Record));
}

bool canOpenForReading(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    return stream.good();
}

}  // namespace

void readProfile(const platform::ini::IniBatch& file, ProfileRecord& profile)
{
    zeroBytes(profile);
    readText(file, "ProFileName", profile.ProFileName);
    readText(file, "GameFile0", profile.GameFile0);
    readText(file, "GameFile1", profile.GameFile1);
    readText(file, "GameFile2", profile.GameFile2);
    for (const IntKey& key : kPointerAndSensitivityKeys)
        profile.*key.field = file.readInt(kSection, key.name, key.missing);
    readBytes(file, "dpi", profile.dpi);
    profile.Cpi_X = file.readInt(kSection, "Cpi_X", kMissingInt);
    profile.Cpi_Y = file.readInt(kSection, "Cpi_Y", kMissingInt);
    readBytes(file, "XYCpiFlag", profile.XYCpiFlag);
    for (int i = 0; i < kCpiLevelCount; ++i)
        profile.CpiLevel_X[i] = file.readInt(kSection, numbered("CpiLevel_X", i), kMissingInt);
    for (int i = 0; i < kCpiLevelCount; ++i)
        profile.CpiLevel_Y[i] = file.readInt(kSection, numbered("CpiLevel_Y", i), kMissingInt);
    for (const IntKey& key : kPollingLightingSoundKeys)
        profile.*key.field = file.readInt(kSection, key.name, key.missing);
    for (int i = 0; i < kColorRecordCount; ++i)
        readRecord(file, numbered("LightInfo", i), profile.LightInfo[i]);
    for (int i = 0; i < kColorRecordCount; ++i)
        readRecord(file, numbered("CustomLightInfo", i), profile.CustomLightInfo[i]);
    for (int s = 0; s < kButtonSlotCount; ++s)
        readRecord(file, numbered("MacroKeyInfo", s), profile.MacroKeyInfo[s]);
}

void writeProfile(platform::ini::IniBatch& file, const ProfileRecord& profile)
{
    file.writeString(kSection, "ProFileName", fieldText(profile.ProFileName));
    file.writeString(kSection, "GameFile0", fieldText(profile.GameFile0));
    file.writeString(kSection, "GameFile1", fieldText(profile.GameFile1));
    file.writeString(kSection, "GameFile2", fieldText(profile.GameFile2));
    for (const IntKey& key : kPointerAndSensitivityKeys)
        file.writeInt(kSection, key.name, profile.*key.field);
    writeBytes(file, "dpi", profile.dpi);
    file.writeInt(kSection, "Cpi_X", profile.Cpi_X);
    file.writeInt(kSection, "Cpi_Y", profile.Cpi_Y);
    writeBytes(file, "XYCpiFlag", profile.XYCpiFlag);
    for (int i = 0; i < kCpiLevelCount; ++i)
        file.writeInt(kSection, numbered("CpiLevel_X", i), profile.CpiLevel_X[i]);
    for (int i = 0; i < kCpiLevelCount; ++i)
        file.writeInt(kSection, numbered("CpiLevel_Y", i), profile.CpiLevel_Y[i]);
    for (const IntKey& key : kPollingLightingSoundKeys)
        file.writeInt(kSection, key.name, profile.*key.field);
    for (int i = 0; i < kColorRecordCount; ++i)
        writeRecord(file, numbered("LightInfo", i), profile.LightInfo[i]);
    for (int i = 0; i < kColorRecordCount; ++i)
        writeRecord(file, numbered("CustomLightInfo", i), profile.CustomLightInfo[i]);
    for (int s = 0; s < kButtonSlotCount; ++s)
        writeRecord(file, numbered("MacroKeyInfo", s), profile.MacroKeyInfo[s]);
}

bool loadProfileFile(ProfileRecord& profile, const std::string& path)
{
    if (!canOpenForReading(path))
        return false;
    const platform::ini::IniBatch file(path, false);
    if (!file.readable())
        return false;
    readProfile(file, profile);
    return true;
}

bool holdsProfile(const std::string& path)
{
    if (!canOpenForReading(path))
        return false;
    const platform::ini::IniBatch file(path, false);
    if (!file.readable())
        return false;
    const std::string wanted = platform::ini::toLowerAscii(kSection);
    for (const std::string& section : file.sectionNames())
        if (platform::ini::toLowerAscii(section) == wanted)
            return true;
    return false;
}

bool saveProfileFile(const ProfileRecord& profile, const std::string& path)
{
    platform::ini::IniBatch file(path);
    writeProfile(file, profile);
    return file.commit();
}

bool loadProfileIntoSlot(SettingsBlock& block, int slot, const std::string& path)
{
    if (!isValidProfileIndex(slot) || !loadProfileFile(block.Profiles[slot], path))
        return false;
    setAllButtonFlags(block, slot);
    return true;
}

}  // namespace settings
