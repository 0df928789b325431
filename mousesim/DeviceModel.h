#pragma once
// The simulated mouse as one object: its feature collection (setFeature,
// getFeature), its buttons (press, release), raw events, the bus (plug,
// unplug), the faults a test can put in, and a status summary. Every report in
// or out is logged; every change of the mouse's memory is saved through the
// state store at once, as the mouse writes its flash.
//
// Behaviour of the mouse on the bus:
// - It starts plugged in. While unplugged it takes no report (sets and gets
//   fail and are not logged) and sends no events; unplugging lets go of every
//   button and ends an update in progress; plugging in again starts with the
//   power-on session (select profile 0 settings, status ready).
// - A fault-failed set is logged, changes nothing and leaves the status report
//   at failure; a fault-failed get is logged with the report ID alone.
// - The busy fault answers busy (3) to the next N reads of either status report
//   (4 and 28). The checksum fault adds one to the checksum of the next answer
//   that carries one (report 7 or 8). The unplug fault counts sets and gets; the
//   mouse drops off the bus right after the Nth (at once for 0). The flash
//   fault fails the flash write of the given block in the next transfer.
// - A successful firmware update changes the version in place; the mouse does
//   not leave the bus for it.
// Not thread-safe: the caller serializes all calls. Callbacks run inside the
// call that caused them and must not call back into the model.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "mousesim/ButtonFirmware.h"
#include "mousesim/EventReport.h"
#include "mousesim/FeatureReports.h"
#include "mousesim/FirmwareFlash.h"
#include "mousesim/Faults.h"
#include "mousesim/MouseMemory.h"
#include "mousesim/ReportLog.h"
#include "mousesim/StateFile.h"

namespace mousesim {

struct DeviceOutputs {
    // Each event report the mouse sends on its event collection.
    std::function<void(std::span<const std::uint8_t> report)> sendEvent;
    // The mouse arrived on (true) or left (false) the bus.
    std::function<void(bool plugged)> plugChanged;
};

struct DeviceEnvironment {
    MillisecondClock clock;
    LineSink* log = nullptr;      // no log when null
    StateStore* state = nullptr;  // memory not kept when null
    DeviceOutputs outputs;
    FirmwareSignatures signatures = defaultFirmwareSignatures();
};

struct DeviceStatus {
    bool plugged = false;
    std::uint8_t activeProfile = 0;
    std::uint8_t firmwareVersion = 0;
    std::uint8_t padtuneLevel = 0;
    std::uint8_t trackControl = 0;
    Selection selection;
    std::uint8_t statusByte = 0;
    std::optional<std::uint8_t> hostPresence;
    std::uint32_t sensorCaptures = 0;
    std::uint32_t calibrationsKept = 0;
    std::size_t colorChunksReceived = 0;
    FlashPhase flashPhase = FlashPhase::Idle;
    std::size_t flashBlocksWritten = 0;
    std::size_t flashBlockCount = 0;
    std::uint8_t heldButtons = 0;  // physical buttons held
    bool dualkeyHeld = false;
    PendingFaults faults;
    std::optional<std::uint16_t> flashFailAt;
    std::uint32_t failedSaves = 0;
};

// One "name value" pair per line, for the command line's status answer.
std::string formatStatus(const DeviceStatus& status);

class DeviceModel {
public:
    DeviceModel(MouseMemory memory, DeviceEnvironment environment);
    DeviceModel(const DeviceModel&) = delete;
    DeviceModel& operator=(const DeviceModel&) = delete;

    bool setFeature(std::span<const std::uint8_t> report);
    // The answer of a feature read, exactly `length` bytes (zeros after the
    // report's own bytes); nothing when the read fails, including a requested
    // length shorter than the report.
    std::optional<Bytes> getFeature(std::uint8_t reportId, std::size_t length);

    // Device buttons 0-17; false for an unknown button, a press of a held
    // button, a release of a button not held, or while unplugged.
    bool press(std::uint8_t button);
    bool release(std::uint8_t button);
    // A raw event report with this code and value; false while unplugged.
    bool sendRawEvent(std::uint8_t code, std::uint16_t value);

    // False when the mouse already was in that state.
    bool plug();
    bool unplug();
    bool isPlugged() const { return plugged_; }

    void faultBusy(std::uint32_t statusReads) { faults_.busyStatusReads(statusReads); }
    void faultFailSet(std::uint32_t sets) { faults_.failSets(sets); }
    void faultFailGet(std::uint32_t gets) { faults_.failGets(gets); }
    void faultBadChecksum() { faults_.corruptNextChecksum(); }
    void faultUnplugAfter(std::uint32_t reports);
    void faultFlashFailAt(std::uint16_t block) { flash_.failWriteAtBlock(block); }

    DeviceStatus status() const;
    const MouseMemory& memory() const { return memory_; }

private:
    std::optional<Bytes> answerWithFaults(std::uint8_t reportId, std::size_t length);
    void afterReport();
    void memoryChanged();
    void send(const std::vector<EventReport>& events);
    void corruptChecksum(Bytes& answer) const;

    MouseMemory memory_;
    DeviceEnvironment environment_;
    ReportLog log_;
    FirmwareFlash flash_;
    FeatureReports reports_;
    ButtonFirmware buttons_;
    Faults faults_;
    bool plugged_ = true;
    std::uint32_t failedSaves_ = 0;
};

}  // namespace mousesim
