#include "platform/registry/PointerSettings.h"

#include "platform/registry/DesktopPointerControl.h"
#include "platform/registry/RegistryStore.h"

#include <string>

namespace platform {
namespace {

constexpr int kDefaultDoubleClickTime = 500;
constexpr int kMaxDoubleClickTime = 5000;
constexpr int kMinPointerSpeed = 1;
constexpr int kMaxPointerSpeed = 20;
constexpr int kMaxAccelerationSpeed = 2;
constexpr int kWheelScrollPage = -1;

class SystemPointerSettings final : public PointerSettings {
public:
    explicit SystemPointerSettings(std::unique_ptr<DesktopPointerControl> desktop) : desktop_(std::move(desktop)) {}

    bool setDoubleClickTime(int milliseconds) override
    {
        if (milliseconds < 0) return false;
        if (milliseconds == 0) milliseconds = kDefaultDoubleClickTime;
        if (milliseconds > kMaxDoubleClickTime) milliseconds = kMaxDoubleClickTime;
        const bool applied = desktop_->setDoubleClickTime(milliseconds);
        return keep({{kDoubleClickTimeValue, milliseconds}}) || applied;
    }

    bool setMouseAcceleration(int threshold1, int threshold2, int speed) override
    {
        if (threshold1 < 0 || threshold2 < 0 || speed < 0 || speed > kMaxAccelerationSpeed) return false;
        const bool applied = desktop_->setAcceleration(threshold1, threshold2, speed);
        const bool kept = keep({{kMouseThreshold1Value, threshold1},
                                {kMouseThreshold2Value, threshold2},
                                {kMouseAccelerationValue, speed}});
        return applied || kept;
    }

    bool setPointerSpeed(int speed) override
    {
        if (speed < kMinPointerSpeed || speed > kMaxPointerSpeed) return false;
        const bool applied = desktop_->setPointerSpeed(speed);
        return keep({{kPointerSpeedValue, speed}}) || applied;
    }

    bool setWheelScrollLines(int lines) override
    {
        if (lines < kWheelScrollPage) return false;
        return keep({{kWheelScrollLinesValue, lines}});
    }

    bool setWheelScrollChars(int chars) override
    {
        if (chars < 0) return false;
        return keep({{kWheelScrollCharsValue, chars}});
    }

    bool setMouseTrails(int trails) override
    {
        if (trails < 0) return false;
        return keep({{kMouseTrailsValue, trails}});
    }

private:
    struct NamedValue {
        const char* name;
        int value;
    };

    static bool keep(std::initializer_list<NamedValue> values)
    {
        auto key = RegistryKey::openOrCreate(kSystemParametersKey);
        if (!key) return false;
        bool kept = true;
        for (const NamedValue& entry : values) kept = key->writeString(entry.name, std::to_string(entry.value)) && kept;
        return kept;
    }

    std::unique_ptr<DesktopPointerControl> desktop_;
};

}  // namespace

std::unique_ptr<PointerSettings> createSystemPointerSettings()
{
    return createPointerSettings(openDesktopPointerControl());
}

std::unique_ptr<PointerSettings> createPointerSettings(std::unique_ptr<DesktopPointerControl> desktop)
{
    return std::make_unique<SystemPointerSettings>(std::move(desktop));
}

}  // namespace platform
