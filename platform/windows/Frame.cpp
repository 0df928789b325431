#include "platform/windows/Frame.h"

#include <cstring>

namespace platform::windows {
namespace {

// Header layout: magic 0, version 4, kind 6, serial 8, target 12, message 16,
// sender 20, dwData 24, payload length 28, wParam 32, lParam 40.
constexpr std::size_t kOffMagic = 0;
constexpr std::size_t kOffVersion = 4;
constexpr std::size_t kOffKind = 6;
constexpr std::size_t kOffSerial = 8;
constexpr std::size_t kOffTarget = 12;
constexpr std::size_t kOffMessage = 16;
constexpr std::size_t kOffSender = 20;
constexpr std::size_t kOffDwData = 24;
constexpr std::size_t kOffPayloadLength = 28;
constexpr std::size_t kOffWParam = 32;
constexpr std::size_t kOffLParam = 40;

template <typename T>
void putLittle(std::uint8_t* at, T value)
{
    auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        at[i] = static_cast<std::uint8_t>(bits & 0xFF);
        bits >>= 8;
    }
}

template <typename T>
T getLittle(const std::uint8_t* at)
{
    std::uint64_t bits = 0;
    for (std::size_t i = sizeof(T); i > 0; --i) bits = (bits << 8) | at[i - 1];
    return static_cast<T>(bits);
}

bool knownKind(std::uint16_t kind)
{
    return kind >= static_cast<std::uint16_t>(FrameKind::Post) &&
           kind <= static_cast<std::uint16_t>(FrameKind::Reply);
}

}  // namespace

std::vector<std::uint8_t> encodeFrame(const Frame& frame)
{
    if (frame.payload.size() > kMaxFramePayload) return {};
    if (frame.kind != FrameKind::CopyData && !frame.payload.empty()) return {};

    std::vector<std::uint8_t> bytes(kFrameHeaderSize + frame.payload.size());
    std::uint8_t* h = bytes.data();
    putLittle<std::uint32_t>(h + kOffMagic, kFrameMagic);
    putLittle<std::uint16_t>(h + kOffVersion, kFrameVersion);
    putLittle<std::uint16_t>(h + kOffKind, static_cast<std::uint16_t>(frame.kind));
    putLittle<std::uint32_t>(h + kOffSerial, frame.serial);
    putLittle<std::uint32_t>(h + kOffTarget, frame.target);
    putLittle<std::uint32_t>(h + kOffMessage, frame.message);
    putLittle<std::uint32_t>(h + kOffSender, frame.sender);
    putLittle<std::uint32_t>(h + kOffDwData, frame.dwData);
    putLittle<std::uint32_t>(h + kOffPayloadLength, static_cast<std::uint32_t>(frame.payload.size()));
    putLittle<std::uint64_t>(h + kOffWParam, frame.wParam);
    putLittle<std::int64_t>(h + kOffLParam, frame.lParam);
    if (!frame.payload.empty())
        std::memcpy(h + kFrameHeaderSize, frame.payload.data(), frame.payload.size());
    return bytes;
}

void FrameReader::append(const std::uint8_t* data, std::size_t size)
{
    if (malformed_ || size == 0) return;
    // Drop what was consumed before growing, so a long stream does not pile up.
    if (consumed_ > 0) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(consumed_));
        consumed_ = 0;
    }
    buffer_.insert(buffer_.end(), data, data + size);
}

FrameReader::Status FrameReader::next(Frame& out)
{
    if (malformed_) return Status::Malformed;
    if (buffered() < kFrameHeaderSize) return Status::NeedMore;

    const std::uint8_t* h = buffer_.data() + consumed_;
    const auto magic = getLittle<std::uint32_t>(h + kOffMagic);
    const auto version = getLittle<std::uint16_t>(h + kOffVersion);
    const auto kind = getLittle<std::uint16_t>(h + kOffKind);
    const auto payloadLength = getLittle<std::uint32_t>(h + kOffPayloadLength);
    const bool payloadAllowed = kind == static_cast<std::uint16_t>(FrameKind::CopyData);
    if (magic != kFrameMagic || version != kFrameVersion || !knownKind(kind) ||
        payloadLength > kMaxFramePayload || (payloadLength > 0 && !payloadAllowed)) {
        malformed_ = true;
        buffer_.clear();
        consumed_ = 0;
        return Status::Malformed;
    }
    if (buffered() < kFrameHeaderSize + payloadLength) return Status::NeedMore;

    out.kind = static_cast<FrameKind>(kind);
    out.serial = getLittle<std::uint32_t>(h + kOffSerial);
    out.target = getLittle<std::uint32_t>(h + kOffTarget);
    out.message = getLittle<std::uint32_t>(h + kOffMessage);
    out.sender = getLittle<std::uint32_t>(h + kOffSender);
    out.dwData = getLittle<std::uint32_t>(h + kOffDwData);
    out.wParam = getLittle<std::uint64_t>(h + kOffWParam);
    out.lParam = getLittle<std::int64_t>(h + kOffLParam);
    out.payload.assign(h + kFrameHeaderSize, h + kFrameHeaderSize + payloadLength);
    consumed_ += kFrameHeaderSize + payloadLength;
    return Status::Ready;
}

}  // namespace platform::windows
