#include "mousesim/UhidMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace mousesim::uhid {
namespace {

constexpr std::size_t kTypeSize = sizeof(Event::type);

Event emptyEvent(std::uint32_t type)
{
    Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

// The request part of a message of `type`, when the message holds at least `size` bytes of it.
bool holds(std::span<const std::uint8_t> message, std::size_t size) { return message.size() >= kTypeSize + size; }

}  // namespace

std::optional<Event> createMessage(const DeviceIdentity& identity, std::span<const std::uint8_t> descriptor)
{
    Event event = emptyEvent(UHID_CREATE2);
    uhid_create2_req& create = event.u.create2;
    if (descriptor.empty() || descriptor.size() > sizeof create.rd_data) return std::nullopt;
    // The name stays NUL-terminated however long it is.
    std::memcpy(create.name, identity.name.data(), std::min(identity.name.size(), sizeof create.name - 1));
    create.rd_size = static_cast<std::uint16_t>(descriptor.size());
    create.bus = identity.bus;
    create.vendor = identity.vendorId;
    create.product = identity.productId;
    create.version = identity.version;
    std::memcpy(create.rd_data, descriptor.data(), descriptor.size());
    return event;
}

Event destroyMessage() { return emptyEvent(UHID_DESTROY); }

std::optional<Event> inputMessage(std::span<const std::uint8_t> report)
{
    Event event = emptyEvent(UHID_INPUT2);
    if (report.empty() || report.size() > sizeof event.u.input2.data) return std::nullopt;
    event.u.input2.size = static_cast<std::uint16_t>(report.size());
    std::memcpy(event.u.input2.data, report.data(), report.size());
    return event;
}

Event getReportReply(std::uint32_t id, const std::optional<std::vector<std::uint8_t>>& report)
{
    Event event = emptyEvent(UHID_GET_REPORT_REPLY);
    uhid_get_report_reply_req& reply = event.u.get_report_reply;
    reply.id = id;
    if (!report || report->empty() || report->size() > sizeof reply.data) {
        reply.err = EIO;
        return event;
    }
    reply.size = static_cast<std::uint16_t>(report->size());
    std::memcpy(reply.data, report->data(), report->size());
    return event;
}

Event setReportReply(std::uint32_t id, bool accepted)
{
    Event event = emptyEvent(UHID_SET_REPORT_REPLY);
    event.u.set_report_reply.id = id;
    event.u.set_report_reply.err = accepted ? 0 : EIO;
    return event;
}

std::optional<Request> decodeRequest(std::span<const std::uint8_t> message)
{
    if (message.size() < kTypeSize) return std::nullopt;
    // Copied whole, so every field is read where the kernel put it; the checks
    // below make sure the fields read were in the message.
    Event event = emptyEvent(0);
    std::memcpy(&event, message.data(), std::min(message.size(), sizeof event));
    switch (event.type) {
    case UHID_GET_REPORT: {
        if (!holds(message, sizeof(uhid_get_report_req))) return std::nullopt;
        const uhid_get_report_req& get = event.u.get_report;
        return GetReport{get.id, get.rnum, get.rtype == UHID_FEATURE_REPORT};
    }
    case UHID_SET_REPORT: {
        const uhid_set_report_req& set = event.u.set_report;
        constexpr std::size_t header = offsetof(uhid_set_report_req, data);
        if (!holds(message, header) || set.size > sizeof set.data || !holds(message, header + set.size))
            return std::nullopt;
        return SetReport{set.id, set.rnum, set.rtype == UHID_FEATURE_REPORT,
                         std::vector<std::uint8_t>(set.data, set.data + set.size)};
    }
    case UHID_OPEN: return OpenChanged{true};
    case UHID_CLOSE: return OpenChanged{false};
    default: return Ignored{};
    }
}

}  // namespace mousesim::uhid
