#pragma once
// The messages between the mouse and the kernel's user-space HID driver
// (/dev/uhid): what the mouse writes (create, destroy, input report, the
// replies to report requests) and what it reads (start, open, close, report
// requests). One message is one `uhid_event` of the kernel's ABI, read or
// written whole. Building and reading them needs no device.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include <linux/uhid.h>

namespace mousesim::uhid {

using Event = uhid_event;

// The layout the kernel reads and writes, checked where this code relies on it.
static_assert(sizeof(Event) == 4380);
static_assert(offsetof(Event, u) == 4);
static_assert(offsetof(uhid_create2_req, rd_size) == 256);
static_assert(offsetof(uhid_create2_req, rd_data) == 276);
static_assert(offsetof(uhid_get_report_reply_req, data) == 8);
static_assert(offsetof(uhid_set_report_req, data) == 8);

struct DeviceIdentity {
    std::string name;
    std::uint16_t bus = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
};

// Nothing when the descriptor is empty or longer than the kernel takes.
std::optional<Event> createMessage(const DeviceIdentity& identity, std::span<const std::uint8_t> descriptor);
Event destroyMessage();
// One input report, report ID in byte 0; nothing when it is empty or too long.
std::optional<Event> inputMessage(std::span<const std::uint8_t> report);
// The answer to report request `id`: the report, or failure when there is none.
Event getReportReply(std::uint32_t id, const std::optional<std::vector<std::uint8_t>>& report);
Event setReportReply(std::uint32_t id, bool accepted);

// What the kernel asks of the mouse.
struct GetReport {
    std::uint32_t id = 0;
    std::uint8_t reportId = 0;
    bool feature = false;  // else an input or output report
};
struct SetReport {
    std::uint32_t id = 0;
    std::uint8_t reportId = 0;
    bool feature = false;
    std::vector<std::uint8_t> data;  // report ID in byte 0, as the host sent it
};
// A program opened the device (the first) or closed it (the last).
struct OpenChanged {
    bool open = false;
};
// Start, stop and output reports: nothing for the mouse to answer.
struct Ignored {};
using Request = std::variant<GetReport, SetReport, OpenChanged, Ignored>;

// One message as read; nothing when it is cut short or its length field is out
// of range.
std::optional<Request> decodeRequest(std::span<const std::uint8_t> message);

}  // namespace mousesim::uhid
