#pragma once
// The simulated mouse as a kernel HID device: plugged in, it is one device made
// through /dev/uhid with both top-level collections in one report descriptor,
// as a USB mouse with one HID interface; the kernel gives it one hidraw node.
// The kernel's report requests (HIDIOCGFEATURE, HIDIOCSFEATURE on that node)
// are answered from the mouse's feature collection; its input reports go out
// to every program that has the node open. Needs access to /dev/uhid (root).
//
// The kernel does not say how long a report it wants, so a feature read is
// answered at the length the descriptor gives that report, as a USB device
// answers; the kernel hands the host no more than it asked for. Input reports
// pass the kernel's own checks first: one shorter than its report or with a
// report ID the descriptor does not have never reaches the host.

#include <memory>
#include <string>

#include "mousesim/DeviceSide.h"
#include "mousesim/SeqPacket.h"
#include "mousesim/UhidMessages.h"

namespace mousesim {

class UhidDevice final : public DeviceSide {
public:
    // Opens /dev/uhid; nothing, with `error` set, when it cannot.
    static std::unique_ptr<UhidDevice> open(const BusIdentity& identity, FeatureCollection& features,
                                            std::string& error);
    ~UhidDevice() override;
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    bool plugIn() override;
    void unplug() override;
    bool pluggedIn() const override { return created_; }
    std::uint64_t generation() const override { return generation_; }

    std::size_t sendInputReport(std::span<const std::uint8_t> report) override;
    // The kernel tells only whether any program has the device open: 1 or 0.
    std::size_t inputReaderCount() const override { return opened_ ? 1 : 0; }
    std::uint64_t missedInputReports() const override { return 0; }

    void appendPollEntries(std::vector<pollfd>& entries) const override;
    void handlePollEntries(std::span<const pollfd> entries) override;

private:
    UhidDevice(FileDescriptor fd, const BusIdentity& identity, FeatureCollection& features);
    bool write(const uhid::Event& event);
    void readMessages();
    void answer(const uhid::Request& request);

    FileDescriptor fd_;
    uhid::DeviceIdentity identity_;
    FeatureCollection& features_;
    bool created_ = false;
    bool opened_ = false;
    std::uint64_t generation_ = 0;
};

}  // namespace mousesim
