#include "hidbridge/ReportDescriptor.h"

#include <array>
#include <map>
#include <optional>

namespace hidbridge {
namespace {

// Item tags of the HID 1.11 report descriptor.
enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2, kReserved = 3 };
constexpr std::uint8_t kTagInput = 0x8, kTagOutput = 0x9, kTagFeature = 0xB,
                       kTagCollection = 0xA, kTagEndCollection = 0xC;
constexpr std::uint8_t kTagUsagePage = 0x0, kTagReportSize = 0x7, kTagReportId = 0x8,
                       kTagReportCount = 0x9, kTagPush = 0xA, kTagPop = 0xB;
constexpr std::uint8_t kTagUsage = 0x0;
constexpr std::uint8_t kLongItemPrefix = 0xFE;

// Limits past which a descriptor is taken as malformed rather than parsed.
constexpr std::size_t kMaxNesting = 32;
constexpr std::size_t kMaxGlobalStack = 16;
constexpr std::uint32_t kMaxReportSizeBits = 256;
constexpr std::uint32_t kMaxReportCount = 4096;
constexpr std::uint32_t kMaxReportBits = 0xFFFE * 8;  // the byte length must fit 16 bits

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

enum ReportKind { kInput = 0, kOutput = 1, kFeature = 2 };

struct OpenCollection {
    CollectionCaps caps;
    // Bits per report ID, per report kind.
    std::array<std::map<std::uint32_t, std::uint32_t>, 3> bits;
};

std::uint16_t byteLength(const std::map<std::uint32_t, std::uint32_t>& bitsById)
{
    std::uint32_t longest = 0;
    for (const auto& [id, bits] : bitsById) longest = std::max(longest, bits);
    if (bitsById.empty()) return 0;
    return static_cast<std::uint16_t>(1 + (longest + 7) / 8);
}

}  // namespace

std::vector<CollectionCaps> parseReportDescriptor(const std::uint8_t* data, std::size_t size)
{
    std::vector<CollectionCaps> result;
    if (data == nullptr) return result;

    Globals globals;
    std::vector<Globals> globalStack;
    std::uint32_t pendingUsage = 0;
    bool hasPendingUsage = false;
    std::size_t depth = 0;
    std::optional<OpenCollection> top;  // the top-level collection being read

    std::size_t pos = 0;
    while (pos < size) {
        const std::uint8_t prefix = data[pos];
        if (prefix == kLongItemPrefix) {
            // Long items carry no data we use; skip them whole, or fail when cut.
            if (pos + 3 > size) return {};
            const std::size_t dataSize = data[pos + 1];
            if (pos + 3 + dataSize > size) return {};
            pos += 3 + dataSize;
            continue;
        }
        const std::size_t dataSize = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        const auto type = static_cast<ItemType>((prefix >> 2) & 0x3);
        const std::uint8_t tag = prefix >> 4;
        if (pos + 1 + dataSize > size) return {};
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < dataSize; ++i) value |= std::uint32_t(data[pos + 1 + i]) << (8 * i);
        pos += 1 + dataSize;

        switch (type) {
        case kGlobal:
            switch (tag) {
            case kTagUsagePage: globals.usagePage = value; break;
            case kTagReportSize:
                if (value > kMaxReportSizeBits) return {};
                globals.reportSize = value;
                break;
            case kTagReportCount:
                if (value > kMaxReportCount) return {};
                globals.reportCount = value;
                break;
            case kTagReportId:
                if (value == 0 || value > 0xFF) return {};
                globals.reportId = value;
                break;
            case kTagPush:
                if (globalStack.size() >= kMaxGlobalStack) return {};
                globalStack.push_back(globals);
                break;
            case kTagPop:
                if (globalStack.empty()) return {};
                globals = globalStack.back();
                globalStack.pop_back();
                break;
            default: break;
            }
            break;
        case kLocal:
            if (tag == kTagUsage) {
                // A 4-byte usage carries its own page in the high half.
                pendingUsage = dataSize == 4 ? value : ((globals.usagePage & 0xFFFF) << 16) | (value & 0xFFFF);
                hasPendingUsage = true;
            }
            break;
        case kMain:
            switch (tag) {
            case kTagCollection:
                if (depth >= kMaxNesting) return {};
                if (depth == 0) {
                    OpenCollection c;
                    const std::uint32_t usage = hasPendingUsage ? pendingUsage : globals.usagePage << 16;
                    c.caps.usagePage = static_cast<std::uint16_t>(usage >> 16);
                    c.caps.usage = static_cast<std::uint16_t>(usage & 0xFFFF);
                    top = c;
                }
                ++depth;
                break;
            case kTagEndCollection:
                if (depth == 0) return {};
                --depth;
                if (depth == 0 && top) {
                    top->caps.inputReportLength = byteLength(top->bits[kInput]);
                    top->caps.outputReportLength = byteLength(top->bits[kOutput]);
                    top->caps.featureReportLength = byteLength(top->bits[kFeature]);
                    result.push_back(top->caps);
                    top.reset();
                }
                break;
            case kTagInput:
            case kTagOutput:
            case kTagFeature: {
                if (!top) return {};  // a report outside any collection
                const int kind = tag == kTagInput ? kInput : tag == kTagOutput ? kOutput : kFeature;
                std::uint32_t& bits = top->bits[kind][globals.reportId];
                bits += globals.reportSize * globals.reportCount;
                if (bits > kMaxReportBits) return {};
                break;
            }
            default: return {};
            }
            hasPendingUsage = false;  // local items apply to the next main item only
            break;
        case kReserved:
            return {};
        }
    }
    if (depth != 0) return {};  // a collection left open
    return result;
}

}  // namespace hidbridge
