// The bytes a sender writes to a window's socket, and how the stream is cut back
// into frames.

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "platform/windows/Frame.h"

namespace {

using namespace platform;
using namespace platform::windows;

constexpr std::size_t kKindOffset = 6;
constexpr std::size_t kPayloadLengthOffset = 28;

Frame sampleCopyData()
{
    Frame frame;
    frame.kind = FrameKind::CopyData;
    frame.serial = 0x01020304;
    frame.target = 0x00010203;
    frame.message = WM_COPYDATA;
    frame.sender = 0xA0B0C0D0;
    frame.dwData = 0x11223344;
    frame.wParam = 0xFEDCBA9876543210ull;
    frame.lParam = -2;
    frame.payload = {1, 2, 3, 4, 5};
    return frame;
}

void expectSameFrame(const Frame& got, const Frame& sent)
{
    EXPECT_EQ(got.kind, sent.kind);
    EXPECT_EQ(got.serial, sent.serial);
    EXPECT_EQ(got.target, sent.target);
    EXPECT_EQ(got.message, sent.message);
    EXPECT_EQ(got.sender, sent.sender);
    EXPECT_EQ(got.dwData, sent.dwData);
    EXPECT_EQ(got.wParam, sent.wParam);
    EXPECT_EQ(got.lParam, sent.lParam);
    EXPECT_EQ(got.payload, sent.payload);
}

void putLittle32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

FrameReader::Status readAll(const std::vector<std::uint8_t>& bytes, Frame& out)
{
    FrameReader reader;
    reader.append(bytes.data(), bytes.size());
    return reader.next(out);
}

TEST(FrameCodec, HeaderIsLittleEndianWithMagicAndVersionFirst)
{
    const auto bytes = encodeFrame(sampleCopyData());
    ASSERT_EQ(bytes.size(), kFrameHeaderSize + 5);
    const std::vector<std::uint8_t> start(bytes.begin(), bytes.begin() + 16);
    EXPECT_EQ(start, (std::vector<std::uint8_t>{'Z', 'U', 'W', 'M', 1, 0, 3, 0,  //
                                                 0x04, 0x03, 0x02, 0x01, 0x03, 0x02, 0x01, 0x00}));
    EXPECT_EQ(bytes[kPayloadLengthOffset], 5);
    EXPECT_EQ(bytes[32], 0x10);  // wParam, lowest byte first
    EXPECT_EQ(bytes[39], 0xFE);
    EXPECT_EQ(bytes[40], 0xFE);  // lParam -2
    EXPECT_EQ(bytes[47], 0xFF);
    EXPECT_EQ(bytes[kFrameHeaderSize], 1);
}

TEST(FrameCodec, FrameFedByteByByteComesBackWhole)
{
    const Frame sent = sampleCopyData();
    const auto bytes = encodeFrame(sent);
    FrameReader reader;
    Frame got;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        reader.append(&bytes[i], 1);
        ASSERT_EQ(reader.next(got), FrameReader::Status::NeedMore) << "after byte " << i;
    }
    reader.append(&bytes.back(), 1);
    ASSERT_EQ(reader.next(got), FrameReader::Status::Ready);
    expectSameFrame(got, sent);
    EXPECT_EQ(reader.next(got), FrameReader::Status::NeedMore);
    EXPECT_EQ(reader.buffered(), 0u);
}

TEST(FrameCodec, FramesInOneChunkComeOutInOrder)
{
    Frame post;
    post.kind = FrameKind::Post;
    post.target = 9;
    post.message = WM_USER;
    Frame reply;
    reply.kind = FrameKind::Reply;
    reply.serial = 77;
    reply.lParam = 123456789012345;
    std::vector<std::uint8_t> stream = encodeFrame(post);
    const auto second = encodeFrame(sampleCopyData());
    const auto third = encodeFrame(reply);
    stream.insert(stream.end(), second.begin(), second.end());
    stream.insert(stream.end(), third.begin(), third.end());

    FrameReader reader;
    reader.append(stream.data(), stream.size());
    Frame got;
    ASSERT_EQ(reader.next(got), FrameReader::Status::Ready);
    expectSameFrame(got, post);
    ASSERT_EQ(reader.next(got), FrameReader::Status::Ready);
    expectSameFrame(got, sampleCopyData());
    ASSERT_EQ(reader.next(got), FrameReader::Status::Ready);
    expectSameFrame(got, reply);
    EXPECT_EQ(reader.next(got), FrameReader::Status::NeedMore);
}

TEST(FrameCodec, PayloadUpToTheLimitPassesAndBeyondIsRefused)
{
    Frame big = sampleCopyData();
    big.payload.assign(kMaxFramePayload, 0xA5);
    Frame got;
    ASSERT_EQ(readAll(encodeFrame(big), got), FrameReader::Status::Ready);
    EXPECT_EQ(got.payload.size(), kMaxFramePayload);

    big.payload.push_back(0);
    EXPECT_TRUE(encodeFrame(big).empty());
    // A header that announces more than the limit is refused before any payload
    // is waited for.
    auto announced = encodeFrame(sampleCopyData());
    announced.resize(kFrameHeaderSize);
    putLittle32(announced, kPayloadLengthOffset, static_cast<std::uint32_t>(kMaxFramePayload + 1));
    EXPECT_EQ(readAll(announced, got), FrameReader::Status::Malformed);
    putLittle32(announced, kPayloadLengthOffset, 0xFFFFFFFF);
    EXPECT_EQ(readAll(announced, got), FrameReader::Status::Malformed);
}

TEST(FrameCodec, OnlyCopyDataCarriesAPayload)
{
    Frame post = sampleCopyData();
    post.kind = FrameKind::Post;
    EXPECT_TRUE(encodeFrame(post).empty());

    auto bytes = encodeFrame(sampleCopyData());
    bytes[kKindOffset] = static_cast<std::uint8_t>(FrameKind::Send);
    Frame got;
    EXPECT_EQ(readAll(bytes, got), FrameReader::Status::Malformed);
}

TEST(FrameCodec, ForeignHeadersAreMalformed)
{
    const auto good = encodeFrame(sampleCopyData());
    struct Damage {
        const char* what;
        std::size_t offset;
        std::uint8_t value;
    };
    const Damage damages[] = {
        {"magic", 0, 'X'},
        {"version", 4, 2},
        {"kind zero", kKindOffset, 0},
        {"unknown kind", kKindOffset, 5},
        {"kind high byte", kKindOffset + 1, 1},
    };
    for (const auto& damage : damages) {
        auto bytes = good;
        bytes[damage.offset] = damage.value;
        Frame got;
        EXPECT_EQ(readAll(bytes, got), FrameReader::Status::Malformed) << damage.what;
    }
}

TEST(FrameCodec, MalformedStreamStaysMalformed)
{
    FrameReader reader;
    const std::vector<std::uint8_t> garbage(kFrameHeaderSize, 0xEE);
    reader.append(garbage.data(), garbage.size());
    Frame got;
    ASSERT_EQ(reader.next(got), FrameReader::Status::Malformed);
    const auto good = encodeFrame(sampleCopyData());
    reader.append(good.data(), good.size());
    EXPECT_EQ(reader.next(got), FrameReader::Status::Malformed);
    EXPECT_EQ(reader.buffered(), 0u);
}

}  // namespace
