// GNOME's pointer settings, through GIO's GSettings: the same keys GNOME's own
// mouse panel writes, which the compositor applies to every mouse at once.

#include "platform/registry/DesktopPointerControl.h"
#include "platform/registry/PointerMapping.h"
#include "platform/system/DebugOutput.h"

#include <gio/gio.h>

#include <mutex>

namespace platform {
namespace {

constexpr const char* kMouseSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kSpeedKey = "speed";
constexpr const char* kAccelProfileKey = "accel-profile";
constexpr const char* kDoubleClickKey = "double-click";

class GnomePointerControl final : public DesktopPointerControl {
public:
    ~GnomePointerControl() override
    {
        if (settings_ != nullptr) g_object_unref(settings_);
    }

    bool setAcceleration(int, int, int speed) override
    {
        const char* profile = accelerationProfile(speed) == AccelerationProfile::Flat ? "flat" : "adaptive";
        std::lock_guard lock(mutex_);
        GSettings* settings = open();
        return settings != nullptr && written(g_settings_set_string(settings, kAccelProfileKey, profile));
    }

    bool setPointerSpeed(int speed) override
    {
        std::lock_guard lock(mutex_);
        GSettings* settings = open();
        return settings != nullptr && written(g_settings_set_double(settings, kSpeedKey, libinputAccelSpeed(speed)));
    }

    bool setDoubleClickTime(int milliseconds) override
    {
        std::lock_guard lock(mutex_);
        GSettings* settings = open();
        return settings != nullptr && written(g_settings_set_int(settings, kDoubleClickKey, milliseconds));
    }

private:
    // GSettings ends the process for a schema that is not installed, so it is
    // looked up first.
    GSettings* open()
    {
        if (settings_ != nullptr || openTried_) return settings_;
        openTried_ = true;
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kMouseSchema, TRUE) : nullptr;
        if (schema == nullptr) {
            debugPrintf("pointer settings: the schema %s is not installed\n", kMouseSchema);
            return nullptr;
        }
        settings_ = g_settings_new_full(schema, nullptr, nullptr);
        g_settings_schema_unref(schema);
        return settings_;
    }

    bool written(gboolean accepted)
    {
        // Hands the change to the backend (dconf) before returning.
        g_settings_sync();
        return accepted != FALSE;
    }

    std::mutex mutex_;
    GSettings* settings_ = nullptr;
    bool openTried_ = false;
};

}  // namespace

std::unique_ptr<DesktopPointerControl> openGnomePointerControl()
{
    return std::make_unique<GnomePointerControl>();
}

}  // namespace platform
