#include "settings/FirmwarePackage.h"

#include "platform/ini/PrivateProfile.h"

namespace settings {
namespace {

constexpr char kConfigIniName[] = "config.ini";
constexpr char kFirmwareSection[] = "Firmware";
constexpr char kNameKey[] = "Name";
constexpr char kVersionKey[] = "Version";

constexpr char kAnswerIniName[] = "answer.ini";
constexpr char kAnswerSection[] = "Answer";
constexpr char kAnsweredVersionKey[] = "Version";
constexpr char kAnswerKey[] = "Answer";

const char* answerText(UpgradeAnswer answer)
{
    return answer == UpgradeAnswer::Declined ? "declined" : "notice";
}

}  // namespace

FirmwarePackage::FirmwarePackage(std::string folder, std::string answerFolder)
    : folder_(std::move(folder)), answerFolder_(std::move(answerFolder))
{
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
    if (answerFolder_.empty())
        answerFolder_ = folder_;
    else if (answerFolder_.back() != '/')
        answerFolder_ += '/';
}

FirmwarePackage FirmwarePackage::ofInstallation(const InstallFolder& installation)
{
    return FirmwarePackage(installation.file(kFirmwarePackageFolder), installation.userFile(kFirmwarePackageFolder));
}

std::string FirmwarePackage::configIni() const { return folder_ + kConfigIniName; }

std::string FirmwarePackage::answerIni() const { return answerFolder_ + kAnswerIniName; }

std::string FirmwarePackage::upgraderProgram() const { return folder_ + kUpgraderProgramName; }

int FirmwarePackage::version() const
{
    return platform::ini::readInt(configIni(), kFirmwareSection, kVersionKey, kMissingPackageVersion);
}

std::string FirmwarePackage::imageName() const
{
    return platform::ini::readString(configIni(), kFirmwareSection, kNameKey);
}

std::string FirmwarePackage::imagePath() const
{
    const std::string name = imageName();
    if (!name.empty() && name.front() == '/')
        return name;
    return folder_ + name;
}

bool FirmwarePackage::recordAnswer(UpgradeAnswer answer, int packageVersion) const
{
    return platform::ini::writeInt(answerIni(), kAnswerSection, kAnsweredVersionKey, packageVersion)
           && platform::ini::writeString(answerIni(), kAnswerSection, kAnswerKey, answerText(answer));
}

std::optional<int> FirmwarePackage::answeredVersion() const
{
    const std::string text = platform::ini::readString(answerIni(), kAnswerSection, kAnsweredVersionKey);
    if (text.empty())
        return std::nullopt;
    return platform::ini::parseInt(text, kMissingPackageVersion);
}

bool FirmwarePackage::answeredCurrentVersion() const
{
    const std::optional<int> answered = answeredVersion();
    return answered && *answered == version();
}

}  // namespace settings
