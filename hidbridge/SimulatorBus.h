#pragma once
// The virtual bus between the simulated mouse (mousesim) and the bridge's
// simulator backend. It stands where hidraw and udev stand for a real mouse:
//
// - Each plugged virtual HID device is one listening SOCK_SEQPACKET socket named
//   "<device>.hid" in the folder "hidsim/" of the per-user runtime directory.
//   A device appears by rename() of its bound and listening socket into that
//   name, and disappears by unlink(); the bridge sees both through inotify, as it
//   sees udev's add and remove for hidraw nodes.
// - A connection to a device is a request/reply channel: one packet per request,
//   one packet per reply. A connection that subscribes to input reports becomes a
//   one-way stream of input reports instead.
// - Every packet starts with its kind byte; numbers are little-endian.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hidbridge::simbus {

inline constexpr std::string_view kFolderName = "hidsim";
inline constexpr std::string_view kDeviceSuffix = ".hid";
inline constexpr std::size_t kMaxPacket = 8192;

enum Kind : std::uint8_t {
    // host -> device: [kInfo]
    // device -> host: [kInfo][vendor:2][product:2][version:2][report descriptor...]
    kInfo = 1,
    // host -> device: [kSetFeature][report, byte 0 = report ID]
    // device -> host: [kSetFeature][ok:1]
    kSetFeature = 2,
    // host -> device: [kGetFeature][length:2][report ID:1]
    // device -> host: [kGetFeature][ok:1][report of `length` bytes when ok]
    kGetFeature = 3,
    // host -> device: [kWriteOutput][report]
    // device -> host: [kWriteOutput][ok:1]
    kWriteOutput = 4,
    // host -> device: [kSubscribeInput]; no reply: the connection then carries
    // only device -> host [kInputReport][report] packets.
    kSubscribeInput = 5,
    kInputReport = 6,
};

}  // namespace hidbridge::simbus
