#include "platform/registry/PointerSettings.h"

#include "platform/registry/PointerMapping.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/X11PointerControl.h"

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
    bool setDoubleClickTime(int milliseconds) override
    {
        if (milliseconds < 0) return false;
        if (milliseconds == 0) milliseconds = kDefaultDoubleClickTime;
        if (milliseconds > kMaxDoubleClickTime) milliseconds = kMaxDoubleClickTime;
        return keep({{kDoubleClickTimeValue, milliseconds}});
    }

    bool setMouseAcceleration(int threshold1, int threshold2, int speed) override
    {
        if (threshold1 < 0 || threshold2 < 0 || speed < 0 || speed > kMaxAccelerationSpeed) return false;
        const bool applied = x11_.setAcceleration(xPointerAcceleration(threshold1, threshold2, speed));
        const bool kept = keep({{kMouseThreshold1Value, threshold1},
                                {kMouseThreshold2Value, threshold2},
                                {kMouseAccelerationValue, speed}});
        return applied || kept;
    }

    bool setPointerSpeed(int speed) override
    {
        if (speed < kMinPointerSpeed || speed > kMaxPointerSpeed) return false;
        const bool applied = x11_.setLibinputAccelSpeed(libinputAccelSpeed(speed));
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

    X11PointerControl x11_;
};

}  // namespace

std::unique_ptr<PointerSettings> createSystemPointerSettings()
{
    return std::make_unique<SystemPointerSettings>();
}

}  // namespace platform
