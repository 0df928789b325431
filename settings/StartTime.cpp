#include "settings/StartTime.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/ini/IniBatch.h"

namespace settings {
namespace {

constexpr char kSection[] = "StartTime";

}  // namespace

StartTime localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return StartTime{};
    return StartTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

bool recordFirstStart(const InstallFolder& folder, const StartTime& now)
{
    const std::string path = folder.runsStartIni();
    std::error_code error;
    if (std::filesystem::exists(path, error) || error)
        return !error;
    platform::ini::IniBatch file(path);
    file.writeInt(kSection, "Year", now.year);
    file.writeInt(kSection, "Month", now.month);
    file.writeInt(kSection, "Day", now.day);
    file.writeInt(kSection, "Hour", now.hour);
    file.writeInt(kSection, "Minute", now.minute);
    return file.commit();
}

StartTime readFirstStart(const InstallFolder& folder)
{
    const platform::ini::IniBatch file(folder.runsStartIni(), false);
    return StartTime{file.readInt(kSection, "Year", -1), file.readInt(kSection, "Month", -1),
                     file.readInt(kSection, "Day", -1), file.readInt(kSection, "Hour", -1),
                     file.readInt(kSection, "Minute", -1)};
}

}  // namespace settings
