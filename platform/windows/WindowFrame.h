#pragma once
// The wire format between a sender and a window's socket. Each packet of a
// sequenced-packet connection starts a frame with a fixed header; a payload that
// does not fit the header packet follows in continuation packets. Every value is
// little-endian.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Types.h"

namespace platform::msgwin {

enum class FrameKind : std::uint16_t {
    Post = 1,      // queued for the window's thread, no answer
    Send = 2,      // handled at once, answered by a Reply
    CopyData = 3,  // like Send, with a payload
    Reply = 4,     // the handler's result, in lParam
};

struct FrameHeader {
    FrameKind kind = FrameKind::Post;
    WindowHandle target = 0;
    MessageId message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    WindowHandle sender = 0;
    std::uint32_t dwData = 0;
    std::uint32_t payloadSize = 0;
};

inline constexpr std::uint32_t kFrameMagic = 0x4D574E5A;  // "ZNWM"
inline constexpr std::uint16_t kFrameVersion = 1;
inline constexpr std::size_t kFrameHeaderSize = 48;
inline constexpr std::uint32_t kMaxPayloadSize = 1u << 20;
// Packets stay well below the smallest socket buffer a sender may have.
inline constexpr std::size_t kMaxPacketSize = kFrameHeaderSize + 32 * 1024;

void encodeFrameHeader(const FrameHeader& header, std::uint8_t* out);
// Empty when the bytes are not a header of this version, name no known kind, or
// announce a payload over the limit.
std::optional<FrameHeader> decodeFrameHeader(const std::uint8_t* data, std::size_t size);

// The packets that carry one frame, the first of them holding the header.
std::vector<std::vector<std::uint8_t>> framePackets(const FrameHeader& header,
                                                    const std::uint8_t* payload);

// Rebuilds frames from the packets of one connection.
class FrameAssembler {
public:
    enum class Result { Incomplete, Complete, Malformed };

    Result feed(const std::uint8_t* packet, std::size_t size);
    const FrameHeader& header() const { return header_; }
    const std::vector<std::uint8_t>& payload() const { return payload_; }

private:
    bool inFrame_ = false;
    FrameHeader header_;
    std::vector<std::uint8_t> payload_;
};

}  // namespace platform::msgwin
