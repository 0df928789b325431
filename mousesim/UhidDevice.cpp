#include "mousesim/UhidDevice.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include "mousesim/DeviceDescriptor.h"

namespace mousesim {
namespace {

constexpr const char* kUhidNode = "/dev/uhid";
constexpr const char* kDeviceName = "Zuro Vell mouse (mousesim)";

}  // namespace

std::unique_ptr<UhidDevice> UhidDevice::open(const BusIdentity& identity, FeatureCollection& features,
                                             std::string& error)
{
    FileDescriptor fd(::open(kUhidNode, O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        error = std::string("cannot open ") + kUhidNode + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<UhidDevice>(new UhidDevice(std::move(fd), identity, features));
}

UhidDevice::UhidDevice(FileDescriptor fd, const BusIdentity& identity, FeatureCollection& features)
    : fd_(std::move(fd)),
      identity_{kDeviceName, BUS_USB, identity.vendorId, identity.productId, identity.version},
      features_(features)
{
}

UhidDevice::~UhidDevice() { unplug(); }

bool UhidDevice::write(const uhid::Event& event)
{
    for (;;) {
        const ssize_t n = ::write(fd_.get(), &event, sizeof event);
        if (n == static_cast<ssize_t>(sizeof event)) return true;
        if (n < 0 && errno == EINTR) continue;
        return false;
    }
}

bool UhidDevice::plugIn()
{
    if (created_) return true;
    const auto create = uhid::createMessage(identity_, combinedDescriptor());
    if (!create || !write(*create)) return false;
    created_ = true;
    opened_ = false;
    ++generation_;
    return true;
}

void UhidDevice::unplug()
{
    if (!created_) return;
    // The kernel fails every request still waiting for an answer.
    write(uhid::destroyMessage());
    created_ = false;
    opened_ = false;
    ++generation_;
}

std::size_t UhidDevice::sendInputReport(std::span<const std::uint8_t> report)
{
    if (!created_) return 0;
    const auto input = uhid::inputMessage(report);
    if (!input || !write(*input)) return 0;
    return inputReaderCount();
}

void UhidDevice::appendPollEntries(std::vector<pollfd>& entries) const { entries.push_back({fd_.get(), POLLIN, 0}); }

void UhidDevice::handlePollEntries(std::span<const pollfd> entries)
{
    if (!entries.empty() && entries[0].fd == fd_.get() && (entries[0].revents & POLLIN)) readMessages();
}

void UhidDevice::readMessages()
{
    uhid::Event event;
    for (;;) {
        const ssize_t n = ::read(fd_.get(), &event, sizeof event);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // nothing more waits
        const auto request =
            uhid::decodeRequest(std::span(reinterpret_cast<const std::uint8_t*>(&event), static_cast<std::size_t>(n)));
        if (request) answer(*request);
    }
}

void UhidDevice::answer(const uhid::Request& request)
{
    if (const auto* get = std::get_if<uhid::GetReport>(&request)) {
        std::optional<std::vector<std::uint8_t>> report;
        // A report the descriptor does not have is asked for with no length, which fails.
        if (get->feature) report = features_.getFeature(get->reportId, featureReportLength(get->reportId).value_or(0));
        write(uhid::getReportReply(get->id, report));
    } else if (const auto* set = std::get_if<uhid::SetReport>(&request)) {
        const bool accepted = set->feature && !set->data.empty() && features_.setFeature(set->data);
        write(uhid::setReportReply(set->id, accepted));
    } else if (const auto* open = std::get_if<uhid::OpenChanged>(&request)) {
        opened_ = open->open;
    }
}

}  // namespace mousesim
