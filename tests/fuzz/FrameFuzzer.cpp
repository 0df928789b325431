// libFuzzer target: a byte stream from another process, cut into frames as the
// frame server reads it, in pieces of a size the input chooses. Every frame read
// must encode back to exactly the bytes it came from; once the stream is
// malformed it stays so; nothing may crash or read outside the buffer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/windows/Frame.h"

using platform::windows::Frame;
using platform::windows::FrameReader;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::size_t piece = data[0] % 64 + 1;
    const std::uint8_t* stream = data + 1;
    const std::size_t length = size - 1;

    FrameReader reader;
    std::size_t appended = 0;
    std::size_t framed = 0;  // bytes of the frames read so far
    bool malformed = false;
    while (appended < length && !malformed) {
        const std::size_t count = std::min(piece, length - appended);
        reader.append(stream + appended, count);
        appended += count;
        Frame frame;
        for (;;) {
            const FrameReader::Status status = reader.next(frame);
            if (status == FrameReader::Status::NeedMore) break;
            if (status == FrameReader::Status::Malformed) {
                malformed = true;
                break;
            }
            const std::vector<std::uint8_t> bytes = platform::windows::encodeFrame(frame);
            if (bytes.empty() || framed + bytes.size() > appended ||
                std::memcmp(bytes.data(), stream + framed, bytes.size()) != 0)
                std::abort();
            framed += bytes.size();
        }
        if (!malformed && reader.buffered() != appended - framed) std::abort();
    }
    Frame frame;
    if (malformed && reader.next(frame) != FrameReader::Status::Malformed) std::abort();
    return 0;
}
