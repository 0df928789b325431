#pragma once
// The mouse's feature collection: validates each received report, stores what it
// carries, and builds the answer to each read. Faults, logging and the bus state
// are the DeviceModel's business; this is the mouse working as designed.
//
// Device behaviour where the host protocol leaves it open:
// - The select request chooses a profile and an item; it stays in force for
//   every following read until the next select. Reads of reports 6 and 7 answer
//   for the selected profile whatever the item; a read of report 8 needs a
//   button selected, else it fails. Before any select: profile 0, settings.
// - A select of a button that holds no macro reads back an empty macro: that
//   button number, loop count 0, empty names, 0 events, valid checksum.
// - The status report answers ready, or failure after a refused write until
//   the next accepted one. The mouse stores a write at once, so it never
//   answers busy by itself (only under the busy fault).
// - Writes must have exactly their report's length; a read must ask for at
//   least the report's length.
// - Report 9 answers the firmware version in byte 2 and again in byte 3, the
//   byte the update tool reads; byte 1 holds the report length 6.
// - Restore defaults brings back the factory profiles, deletes every macro and
//   makes profile 0 active; Padtune level, tracking flag and firmware stay.
// - A macro with more than 500 events is refused.
// - Tracking write: byte 2 is the Padtune level (0-3); byte 3 sets the tracking
//   flag unless 0xFF; byte 5 keeps (1) or discards (0) the last sensor capture
//   as the surface calibration, 0xFF leaves it; other values are refused.
// - The sensor image is a fixed pattern that differs from capture to capture;
//   colour-database chunks (index 0-255) and Parley states are taken and counted.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "mousesim/FirmwareFlash.h"
#include "mousesim/MouseMemory.h"
#include "mousesim/ProfileReports.h"
#include "mousesim/Protocol.h"

namespace mousesim {

struct Selection {
    std::uint8_t profile = 0;
    std::uint8_t item = select::kProfileSettings;
};

struct SessionState {
    Selection selection;
    std::uint8_t status = status::kReady;
    std::optional<std::uint8_t> hostPresence;
    std::optional<std::array<std::uint8_t, length::kParleyState>> parleyState;
    std::size_t colorChunksReceived = 0;
    std::uint32_t sensorCaptures = 0;
    bool calibrationPending = false;
    std::uint32_t calibrationsKept = 0;
};

class FeatureReports {
public:
    FeatureReports(MouseMemory& memory, FirmwareFlash& flash);

    struct SetResult {
        bool accepted = false;
        bool memoryChanged = false;
    };
    SetResult set(std::span<const std::uint8_t> report);
    // The whole answer of a readable report; nothing for a report the mouse
    // cannot answer now.
    std::optional<Bytes> get(std::uint8_t reportId) const;
    // A write refused before it reached the handlers above.
    void noteRefusedWrite() { session_.status = status::kFailed; }
    // Power-on state of everything that is not kept in memory.
    void resetSession();

    const SessionState& session() const { return session_; }

private:
    bool setSelect(std::span<const std::uint8_t> r);
    bool setActiveProfile(std::span<const std::uint8_t> r);
    bool setProfileSettings(std::span<const std::uint8_t> r);
    bool setButtonTable(std::span<const std::uint8_t> r);
    bool setMacro(std::span<const std::uint8_t> r);
    bool setRestoreDefaults(std::span<const std::uint8_t> r);
    bool setSensorCapture(std::span<const std::uint8_t> r);
    bool setHostPresence(std::span<const std::uint8_t> r);
    bool setTracking(std::span<const std::uint8_t> r);
    bool setParleyState(std::span<const std::uint8_t> r);
    bool setColorDatabaseChunk(std::span<const std::uint8_t> r);
    SetResult setUpdateCommand(std::span<const std::uint8_t> r);

    Bytes statusReport() const;
    Bytes activeProfileReport() const;
    std::optional<Bytes> macroReport() const;
    Bytes firmwareVersionReport() const;
    Bytes sensorImageReport() const;
    Bytes trackingReport() const;

    MouseMemory& memory_;
    FirmwareFlash& flash_;
    SessionState session_;
    std::vector<bool> colorChunks_;
};

}  // namespace mousesim
