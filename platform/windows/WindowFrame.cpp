#include "platform/windows/WindowFrame.h"

#include <algorithm>

namespace platform::msgwin {
namespace {

template <typename T>
void put(std::uint8_t* out, std::size_t offset, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
}

template <typename T>
T get(const std::uint8_t* in, std::size_t offset)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<std::uint64_t>(in[offset + i]) << (8 * i);
    return static_cast<T>(value);
}

bool isKnownKind(std::uint16_t kind)
{
    return kind >= static_cast<std::uint16_t>(FrameKind::Post) &&
           kind <= static_cast<std::uint16_t>(FrameKind::Reply);
}

}  // namespace

void encodeFrameHeader(const FrameHeader& header, std::uint8_t* out)
{
    put<std::uint32_t>(out, 0, kFrameMagic);
    put<std::uint16_t>(out, 4, kFrameVersion);
    put<std::uint16_t>(out, 6, static_cast<std::uint16_t>(header.kind));
    put<std::uint32_t>(out, 8, header.target);
    put<std::uint32_t>(out, 12, header.message);
    put<std::uint64_t>(out, 16, header.wParam);
    put<std::uint64_t>(out, 24, static_cast<std::uint64_t>(header.lParam));
    put<std::uint32_t>(out, 32, header.sender);
    put<std::uint32_t>(out, 36, header.dwData);
    put<std::uint32_t>(out, 40, header.payloadSize);
    put<std::uint32_t>(out, 44, 0);
}

std::optional<FrameHeader> decodeFrameHeader(const std::uint8_t* data, std::size_t size)
{
    if (size < kFrameHeaderSize) return std::nullopt;
    if (get<std::uint32_t>(data, 0) != kFrameMagic) return std::nullopt;
    if (get<std::uint16_t>(data, 4) != kFrameVersion) return std::nullopt;
    const auto kind = get<std::uint16_t>(data, 6);
    if (!isKnownKind(kind)) return std::nullopt;
    FrameHeader header;
    header.kind = static_cast<FrameKind>(kind);
    header.target = get<std::uint32_t>(data, 8);
    header.message = get<std::uint32_t>(data, 12);
    header.wParam = get<std::uint64_t>(data, 16);
    header.lParam = static_cast<LParam>(get<std::uint64_t>(data, 24));
    header.sender = get<std::uint32_t>(data, 32);
    header.dwData = get<std::uint32_t>(data, 36);
    header.payloadSize = get<std::uint32_t>(data, 40);
    if (header.payloadSize > kMaxPayloadSize) return std::nullopt;
    return header;
}

std::vector<std::vector<std::uint8_t>> framePackets(const FrameHeader& header,
                                                    const std::uint8_t* payload)
{
    std::vector<std::vector<std::uint8_t>> packets;
    const std::size_t total = header.payloadSize;
    std::size_t sent = std::min(total, kMaxPacketSize - kFrameHeaderSize);
    std::vector<std::uint8_t> first(kFrameHeaderSize + sent);
    encodeFrameHeader(header, first.data());
    std::copy_n(payload, sent, first.begin() + kFrameHeaderSize);
    packets.push_back(std::move(first));
    while (sent < total) {
        const std::size_t chunk = std::min(total - sent, kMaxPacketSize);
        packets.emplace_back(payload + sent, payload + sent + chunk);
        sent += chunk;
    }
    return packets;
}

FrameAssembler::Result FrameAssembler::feed(const std::uint8_t* packet, std::size_t size)
{
    if (!inFrame_) {
        const auto header = decodeFrameHeader(packet, size);
        if (!header) return Result::Malformed;
        const std::size_t carried = size - kFrameHeaderSize;
        if (carried > header->payloadSize) return Result::Malformed;
        header_ = *header;
        payload_.assign(packet + kFrameHeaderSize, packet + size);
    } else {
        const std::size_t missing = header_.payloadSize - payload_.size();
        if (size == 0 || size > missing) return Result::Malformed;
        payload_.insert(payload_.end(), packet, packet + size);
    }
    inFrame_ = payload_.size() < header_.payloadSize;
    return inFrame_ ? Result::Incomplete : Result::Complete;
}

}  // namespace platform::msgwin
