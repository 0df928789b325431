#include "mousesim/Simulator.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

#include "mousesim/BusPaths.h"
#include "mousesim/BusServer.h"
#include "mousesim/DeviceDescriptor.h"
#include "mousesim/UhidDevice.h"

namespace mousesim {
namespace {

std::uint64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
}

control::Reply ok(std::string text = {}) { return {control::Outcome::Ok, std::move(text)}; }
control::Reply refused(std::string reason) { return {control::Outcome::Refused, std::move(reason)}; }

}  // namespace

Simulator::Simulator(ServeOptions options, std::string busFolder, int stopFd)
    : options_(std::move(options)), busFolder_(std::move(busFolder)), stopFd_(stopFd), clock_(steadyClockFromNow())
{
}

Simulator::~Simulator() { shutDown(); }

std::optional<std::string> Simulator::start()
{
    if (mkdir(busFolder_.c_str(), 0700) != 0 && errno != EEXIST) return "cannot create the bus folder " + busFolder_;
    const std::string controlPath = busFolder_ + std::string(kControlSocketName);
    if (connectTo(controlPath).valid()) return std::string("another simulator is running");
    unlink(controlPath.c_str());  // left by a simulator that did not stop cleanly

    const LoadedState loaded = loadStateFile(options_.stateFile);
    if (loaded.outcome == StateLoadOutcome::Damaged)
        std::fprintf(stderr, "mousesim: the state file is damaged; the mouse starts factory-fresh\n");
    if (!log_.open(options_.logFile)) return "cannot open the log file " + options_.logFile.string();
    state_ = std::make_unique<FileStateStore>(options_.stateFile);
    if (!saveStateFile(options_.stateFile, loaded.memory))
        return "cannot write the state file " + options_.stateFile.string();

    DeviceEnvironment environment;
    environment.clock = clock_;
    environment.log = &log_;
    environment.state = state_.get();
    environment.outputs.sendEvent = [this](std::span<const std::uint8_t> report) { sendInputReport(report); };
    model_ = std::make_unique<DeviceModel>(loaded.memory, std::move(environment));

    const BusIdentity identity{options_.vendorId.value_or(kVendorId), kProductId, kDeviceVersion};
    if (options_.uhid) {
        std::string error;
        host_ = UhidDevice::open(identity, *this, error);
        if (!host_) return error;
    } else {
        host_ = std::make_unique<BusServer>(busFolder_, identity, *this);
    }
    control_ = std::make_unique<ControlServer>(controlPath, *this);
    if (!control_->start()) return "cannot create the control socket " + controlPath;
    if (!host_->plugIn())
        return options_.uhid ? std::string("cannot create the device through /dev/uhid")
                             : std::string("cannot create the device sockets in ") + busFolder_;
    return std::nullopt;
}

void Simulator::run()
{
    std::vector<pollfd> entries;
    for (;;) {
        entries.clear();
        entries.push_back({stopFd_, POLLIN, 0});
        const std::size_t controlBegin = entries.size();
        control_->appendPollEntries(entries);
        const std::size_t hostBegin = entries.size();
        host_->appendPollEntries(entries);
        const std::uint64_t hostGeneration = host_->generation();

        const int ready = poll(entries.data(), entries.size(), control_->millisecondsToNextDeadline());
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || entries[0].revents != 0) break;

        const std::span<const pollfd> all(entries);
        control_->handlePollEntries(all.subspan(controlBegin, hostBegin - controlBegin));
        // A plug or unplug just now made the host side's entries stale; the next round has fresh ones.
        if (host_->generation() == hostGeneration) host_->handlePollEntries(all.subspan(hostBegin));
        followPlugState();
        control_->answerDueWaits();
    }
    shutDown();
}

void Simulator::shutDown()
{
    if (stopped_ || !model_) return;
    stopped_ = true;
    // A start that failed may have left either one unmade.
    if (host_) host_->unplug();
    if (control_) control_->stop();
    saveStateFile(options_.stateFile, model_->memory());
}

void Simulator::followPlugState()
{
    if (model_->isPlugged() == host_->pluggedIn()) return;
    if (model_->isPlugged()) {
        if (!host_->plugIn()) model_->unplug();
    } else {
        host_->unplug();
    }
}

void Simulator::sendInputReport(std::span<const std::uint8_t> report)
{
    if (!firstSendNs_) firstSendNs_ = monotonicNanoseconds();
    host_->sendInputReport(report);
}

control::Reply Simulator::eventReply(bool sent, std::string_view refusal)
{
    if (!sent) return refused(std::string(refusal));
    if (!firstSendNs_) return ok();
    return ok(std::string(control::kSentAtKey) + " " + std::to_string(*firstSendNs_) + "\n");
}

control::Reply Simulator::injectInputReport(const std::vector<std::uint8_t>& report)
{
    if (!model_->isPlugged()) return refused("the mouse is unplugged");
    log_.writeLine(formatLogLine(clock_(), LogDirection::In, report));
    sendInputReport(report);
    return eventReply(true, {});
}

control::Reply Simulator::execute(const ControlCommand& command)
{
    firstSendNs_.reset();
    const bool plugged = model_->isPlugged();
    const std::string button = std::to_string(command.number);
    control::Reply reply = ok();
    switch (command.verb) {
        case Verb::Plug:
            if (!model_->plug()) return refused("the mouse is plugged in already");
            followPlugState();
            if (!model_->isPlugged()) return refused("the device could not be created");
            break;
        case Verb::Unplug:
            if (!model_->unplug()) return refused("the mouse is unplugged already");
            break;
        case Verb::Status: reply = ok(statusText()); break;
        case Verb::Press:
            reply = eventReply(model_->press(static_cast<std::uint8_t>(command.number)),
                               plugged ? "button " + button + " is held already" : "the mouse is unplugged");
            break;
        case Verb::Release:
            reply = eventReply(model_->release(static_cast<std::uint8_t>(command.number)),
                               plugged ? "button " + button + " is not held" : "the mouse is unplugged");
            break;
        case Verb::Event:
            reply = eventReply(model_->sendRawEvent(static_cast<std::uint8_t>(command.number),
                                                    static_cast<std::uint16_t>(command.value)),
                               "the mouse is unplugged");
            break;
        case Verb::Input: reply = injectInputReport(command.bytes); break;
        case Verb::FaultBusy: model_->faultBusy(command.number); break;
        case Verb::FaultFailSet: model_->faultFailSet(command.number); break;
        case Verb::FaultFailGet: model_->faultFailGet(command.number); break;
        case Verb::FaultBadChecksum: model_->faultBadChecksum(); break;
        case Verb::FaultUnplugAfter: model_->faultUnplugAfter(command.number); break;
        case Verb::FaultFlashFailAt: model_->faultFlashFailAt(static_cast<std::uint16_t>(command.number)); break;
        case Verb::WaitInputReaders: return {control::Outcome::Usage, "wait-input-readers is answered by the control socket"};
    }
    followPlugState();
    return reply;
}

std::string Simulator::statusText() const
{
    char vendor[16];
    std::snprintf(vendor, sizeof vendor, "0x%04X", options_.vendorId.value_or(kVendorId));
    return formatStatus(model_->status()) + "vendor " + vendor + "\n" + "input-readers " +
           std::to_string(host_->inputReaderCount()) + "\n" + "missed-input-reports " +
           std::to_string(host_->missedInputReports()) + "\n";
}

bool Simulator::setFeature(std::span<const std::uint8_t> report) { return model_->setFeature(report); }

std::optional<std::vector<std::uint8_t>> Simulator::getFeature(std::uint8_t reportId, std::size_t length)
{
    return model_->getFeature(reportId, length);
}

}  // namespace mousesim
