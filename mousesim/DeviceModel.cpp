#include "mousesim/DeviceModel.h"

#include <sstream>

#include "mousesim/Protocol.h"

namespace mousesim {
namespace {

const char* phaseName(FlashPhase phase) {
    switch (phase) {
        case FlashPhase::Idle: return "idle";
        case FlashPhase::Started: return "started";
        case FlashPhase::Sized: return "sized";
        case FlashPhase::Prepared: return "prepared";
        case FlashPhase::HeaderReceived: return "header-received";
        case FlashPhase::Failed: return "failed";
    }
    return "?";
}

std::string selectionText(const Selection& s) {
    std::string text = std::to_string(s.profile) + ' ';
    if (s.item == select::kProfileSettings) return text + "settings";
    if (s.item == select::kButtonTable) return text + "buttons";
    return text + "macro " + std::to_string(s.item);
}

}  // namespace

DeviceModel::DeviceModel(MouseMemory memory, DeviceEnvironment environment)
    : memory_(std::move(memory)),
      environment_(std::move(environment)),
      log_(environment_.log, environment_.clock),
      flash_(environment_.signatures),
      reports_(memory_, flash_),
      buttons_(memory_) {}

bool DeviceModel::setFeature(std::span<const std::uint8_t> report) {
    if (!plugged_) return false;
    log_.record(LogDirection::Set, report);
    bool accepted = false;
    if (faults_.takeFailedSet()) {
        reports_.noteRefusedWrite();
    } else {
        const FeatureReports::SetResult result = reports_.set(report);
        accepted = result.accepted;
        if (result.memoryChanged) memoryChanged();
    }
    afterReport();
    return accepted;
}

std::optional<Bytes> DeviceModel::getFeature(std::uint8_t reportId, std::size_t length) {
    if (!plugged_) return std::nullopt;
    std::optional<Bytes> answer;
    if (!faults_.takeFailedGet()) answer = answerWithFaults(reportId, length);
    if (answer) {
        log_.record(LogDirection::Get, *answer);
    } else {
        log_.record(LogDirection::Get, std::span<const std::uint8_t>(&reportId, 1));
    }
    afterReport();
    return answer;
}

std::optional<Bytes> DeviceModel::answerWithFaults(std::uint8_t reportId, std::size_t length) {
    std::optional<Bytes> found = reports_.get(reportId);
    if (!found || length < found->size()) return std::nullopt;
    Bytes answer = std::move(*found);
    if ((reportId == report::kSelect || reportId == report::kUpdateStatus) && faults_.takeBusyStatusRead())
        answer[1] = reportId == report::kSelect ? status::kBusy : updateStatus::kBusy;
    if ((reportId == report::kButtonTable || reportId == report::kMacro) && faults_.takeBadChecksum())
        corruptChecksum(answer);
    answer.resize(length, 0);
    return answer;
}

void DeviceModel::corruptChecksum(Bytes& answer) const {
    const std::size_t low = answer.size() - 2;
    const auto sum = static_cast<std::uint16_t>((answer[low] | (answer[low + 1] << 8)) + 1);
    answer[low] = static_cast<std::uint8_t>(sum & 0xFF);
    answer[low + 1] = static_cast<std::uint8_t>(sum >> 8);
}

bool DeviceModel::press(std::uint8_t button) {
    if (!plugged_) return false;
    const ButtonFirmware::Outcome outcome = buttons_.press(button);
    if (!outcome.handled) return false;
    // The mouse reports at once; keeping its state on disk comes after.
    send(outcome.events);
    if (outcome.memoryChanged) memoryChanged();
    return true;
}

bool DeviceModel::release(std::uint8_t button) {
    if (!plugged_) return false;
    const ButtonFirmware::Outcome outcome = buttons_.release(button);
    if (!outcome.handled) return false;
    send(outcome.events);
    if (outcome.memoryChanged) memoryChanged();
    return true;
}

bool DeviceModel::sendRawEvent(std::uint8_t code, std::uint16_t value) {
    if (!plugged_) return false;
    send({makeEventReport(code, value)});
    return true;
}

void DeviceModel::send(const std::vector<EventReport>& events) {
    for (const EventReport& e : events) {
        log_.record(LogDirection::In, e);
        if (environment_.outputs.sendEvent) environment_.outputs.sendEvent(e);
    }
}

bool DeviceModel::plug() {
    if (plugged_) return false;
    plugged_ = true;
    reports_.resetSession();
    if (environment_.outputs.plugChanged) environment_.outputs.plugChanged(true);
    return true;
}

bool DeviceModel::unplug() {
    if (!plugged_) return false;
    plugged_ = false;
    buttons_.releaseAll();
    reports_.resetSession();
    faults_.clearUnplug();
    if (environment_.outputs.plugChanged) environment_.outputs.plugChanged(false);
    return true;
}

void DeviceModel::faultUnplugAfter(std::uint32_t reports) {
    if (reports == 0) {
        unplug();
        return;
    }
    faults_.unplugAfterReports(reports);
}

void DeviceModel::afterReport() {
    if (faults_.countReportAndCheckUnplug()) unplug();
}

void DeviceModel::memoryChanged() {
    if (environment_.state && !environment_.state->save(memory_)) ++failedSaves_;
}

DeviceStatus DeviceModel::status() const {
    DeviceStatus s;
    s.plugged = plugged_;
    s.activeProfile = memory_.activeProfile;
    s.firmwareVersion = memory_.firmwareVersion;
    s.padtuneLevel = memory_.padtuneLevel;
    s.trackControl = memory_.trackControl;
    const SessionState& session = reports_.session();
    s.selection = session.selection;
    s.statusByte = session.status;
    s.hostPresence = session.hostPresence;
    s.sensorCaptures = session.sensorCaptures;
    s.calibrationsKept = session.calibrationsKept;
    s.colorChunksReceived = session.colorChunksReceived;
    s.flashPhase = flash_.phase();
    s.flashBlocksWritten = flash_.blocksWritten();
    s.flashBlockCount = flash_.blockCount();
    for (std::uint8_t b = 0; b < kPhysicalButtonCount; ++b)
        if (buttons_.isHeld(b)) ++s.heldButtons;
    s.dualkeyHeld = buttons_.dualkeyHeld();
    s.faults = faults_.pending();
    s.flashFailAt = flash_.pendingWriteFailure();
    s.failedSaves = failedSaves_;
    return s;
}

std::string formatStatus(const DeviceStatus& s) {
    std::ostringstream out;
    out << "plugged " << (s.plugged ? 1 : 0) << '\n';
    out << "active-profile " << unsigned{s.activeProfile} << '\n';
    out << "firmware " << unsigned{s.firmwareVersion} << '\n';
    out << "padtune " << unsigned{s.padtuneLevel} << '\n';
    out << "track-control " << unsigned{s.trackControl} << '\n';
    out << "selected " << selectionText(s.selection) << '\n';
    out << "status " << unsigned{s.statusByte} << '\n';
    out << "host-presence " << (s.hostPresence ? std::to_string(*s.hostPresence) : "none") << '\n';
    out << "sensor-captures " << s.sensorCaptures << '\n';
    out << "calibrations-kept " << s.calibrationsKept << '\n';
    out << "color-chunks " << s.colorChunksReceived << '\n';
    out << "flash " << phaseName(s.flashPhase) << ' ' << s.flashBlocksWritten << '/' << s.flashBlockCount << '\n';
    out << "held-buttons " << unsigned{s.heldButtons} << (s.dualkeyHeld ? " dualkey" : "") << '\n';
    out << "fault busy " << s.faults.busyStatusReads << '\n';
    out << "fault fail-set " << s.faults.failedSets << '\n';
    out << "fault fail-get " << s.faults.failedGets << '\n';
    out << "fault bad-checksum " << (s.faults.badChecksum ? 1 : 0) << '\n';
    out << "fault unplug-after "
        << (s.faults.reportsBeforeUnplug ? std::to_string(*s.faults.reportsBeforeUnplug) : "none") << '\n';
    out << "fault flash-fail-at " << (s.flashFailAt ? std::to_string(*s.flashFailAt) : "none") << '\n';
    out << "failed-saves " << s.failedSaves << '\n';
    return out.str();
}

}  // namespace mousesim
