#pragma once
// `mousesim serve`: the simulated mouse on the virtual bus, or with `--uhid` on
// the kernel's HID stack, driven through the control socket. One thread runs everything on one poll loop, so every call
// into the device model is serialized. SIGTERM and SIGINT reach the loop
// through a signal descriptor and stop it cleanly: the device and control
// sockets are removed and the mouse's memory is saved.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "mousesim/CommandLine.h"
#include "mousesim/ControlServer.h"
#include "mousesim/DeviceModel.h"
#include "mousesim/DeviceSide.h"
#include "mousesim/SeqPacket.h"

namespace mousesim {

class Simulator final : public CommandTarget, public FeatureCollection {
public:
    // `stopFd`: the loop ends when it becomes readable (a signal descriptor in the program).
    Simulator(ServeOptions options, std::string busFolder, int stopFd);
    ~Simulator() override;

    // Loads the state, opens the log and the sockets; a message for the user on failure.
    std::optional<std::string> start();
    // Serves until the stop descriptor becomes readable, then takes everything down.
    void run();
    void shutDown();

    control::Reply execute(const ControlCommand& command) override;
    std::size_t inputReaderCount() const override { return host_ ? host_->inputReaderCount() : 0; }

    bool setFeature(std::span<const std::uint8_t> report) override;
    std::optional<std::vector<std::uint8_t>> getFeature(std::uint8_t reportId, std::size_t length) override;

private:
    // Follows the mouse onto or off the bus after each call that may have moved it.
    void followPlugState();
    void sendInputReport(std::span<const std::uint8_t> report);
    control::Reply eventReply(bool sent, std::string_view refusal);
    control::Reply injectInputReport(const std::vector<std::uint8_t>& report);
    std::string statusText() const;

    ServeOptions options_;
    std::string busFolder_;
    int stopFd_;
    MillisecondClock clock_;
    FileLineSink log_;
    std::unique_ptr<FileStateStore> state_;
    std::unique_ptr<DeviceModel> model_;
    std::unique_ptr<DeviceSide> host_;  // the virtual bus or the kernel
    std::unique_ptr<ControlServer> control_;
    std::optional<std::uint64_t> firstSendNs_;  // of the command being carried out
    bool stopped_ = false;
};

}  // namespace mousesim
