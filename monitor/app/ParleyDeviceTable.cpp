#include "monitor/app/ParleyDeviceTable.h"

#include <algorithm>
#include <cstring>

#include "messages/MessageNumbers.h"
#include "settings/FixedText.h"

namespace monitor::app {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

std::string utf8Of(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string parleyNameFromUtf16(std::span<const std::uint8_t> utf16le, std::size_t maxBytes)
{
    const std::size_t unitCount = utf16le.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(utf16le[2 * i] | (utf16le[2 * i + 1] << 8));
    };
    std::string name;
    for (std::size_t i = 0; i < unitCount; ++i) {
        const char16_t unit = unitAt(i);
        if (unit == 0)
            break;
        char32_t c = unit;
        if (isHighSurrogate(unit) && i + 1 < unitCount && isLowSurrogate(unitAt(i + 1))) {
            c = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            c = kReplacementCharacter;
        }
        const std::string encoded = utf8Of(c);
        if (name.size() + encoded.size() > maxBytes)
            break;
        name += encoded;
    }
    return name;
}

bool decodeParleyRegistration(std::span<const std::uint8_t> payload, settings::ParleyDevice& device)
{
    if (payload.size() != kParleyRegistrationSize)
        return false;
    messages::ParleyRegistrationPayload wire;
    std::memcpy(&wire, payload.data(), sizeof wire);
    device = settings::ParleyDevice{};
    device.Vid = wire.VendorId;
    device.Pid = wire.ProductId;
    const auto name = payload.subspan(offsetof(messages::ParleyRegistrationPayload, Name), sizeof wire.Name);
    settings::setFieldText(device.Name, parleyNameFromUtf16(name, settings::kParleyDeviceNameSize - 1));
    std::memcpy(device.Cpi, wire.Cpi, sizeof device.Cpi);
    return true;
}

ParleyDeviceTable::Outcome ParleyDeviceTable::registerDevice(const settings::ParleyDevice& device)
{
    const auto known = std::find_if(devices_.begin(), devices_.end(),
                                    [&](const settings::ParleyDevice& entry) { return entry.Pid == device.Pid; });
    if (known != devices_.end()) {
        *known = device;
        return Outcome::Replaced;
    }
    if (devices_.size() >= kParleyTableCapacity)
        return Outcome::Full;
    devices_.push_back(device);
    return Outcome::Added;
}

bool ParleyDeviceTable::remove(std::uint16_t productId)
{
    const auto known = std::find_if(devices_.begin(), devices_.end(),
                                    [&](const settings::ParleyDevice& entry) { return entry.Pid == productId; });
    if (known == devices_.end())
        return false;
    devices_.erase(known);
    return true;
}

}  // namespace monitor::app
