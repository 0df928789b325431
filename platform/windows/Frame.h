#pragma once
// The wire format between processes: one fixed little-endian header, then the
// payload of a copy-data frame. A reader validates every header before it trusts
// a length from it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace platform::windows {

inline constexpr std::uint32_t kFrameMagic = 0x4D57555A;  // "ZUWM"
inline constexpr std::uint16_t kFrameVersion = 1;
inline constexpr std::size_t kFrameHeaderSize = 48;
// Larger copy-data payloads are refused by the sender and by the reader.
inline constexpr std::size_t kMaxFramePayload = 1024 * 1024;

enum class FrameKind : std::uint16_t {
    Post = 1,
    Send = 2,
    CopyData = 3,
    Reply = 4,  // lParam carries the handler's result; serial names the call.
};

struct Frame {
    FrameKind kind = FrameKind::Post;
    std::uint32_t serial = 0;
    WindowHandle target = 0;
    MessageId message = 0;
    WindowHandle sender = 0;
    std::uint32_t dwData = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    std::vector<std::uint8_t> payload;
};

// The frame as bytes; empty when the payload is over the limit or the kind
// carries no payload but one was given.
std::vector<std::uint8_t> encodeFrame(const Frame& frame);

// Collects the bytes of a stream and cuts them into frames.
class FrameReader {
public:
    enum class Status { NeedMore, Ready, Malformed };

    void append(const std::uint8_t* data, std::size_t size);

    // Ready: `out` holds the next frame. Malformed: the stream cannot be trusted
    // any more and must be closed (the reader stays malformed).
    Status next(Frame& out);

    std::size_t buffered() const { return buffer_.size() - consumed_; }

private:
    std::vector<std::uint8_t> buffer_;
    std::size_t consumed_ = 0;
    bool malformed_ = false;
};

}  // namespace platform::windows
