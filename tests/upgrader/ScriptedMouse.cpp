#include "ScriptedMouse.h"

#include <cstdio>
#include <numeric>

namespace upgrader::test {
namespace {

std::string hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFF);
    return text;
}

}  // namespace

bool ScriptedMouse::setFeature(std::span<const std::uint8_t> r)
{
    if (refuseSetsFrom >= 0 && static_cast<int>(reports.size()) >= refuseSetsFrom)
        return false;
    reports.emplace_back(r.begin(), r.end());
    if (r.size() != 1026 || r[0] != 0x1B) {
        commands.push_back("malformed");
        return true;
    }
    switch (r[1]) {
        case 0x00: commands.push_back("start"); break;
        case 0x01: commands.push_back("size " + std::to_string(r[4] | r[5] << 8 | r[6] << 16 | r[7] << 24)); break;
        case 0x02: commands.push_back("prepare"); break;
        case 0x03:
            headerIndex_ = r[4] | r[5] << 8;
            commands.push_back("header " + std::to_string(headerIndex_) + " sum " + hex4(r[6] | r[7] << 8));
            break;
        case 0x04: commands.push_back("data " + std::to_string(headerIndex_) + " first " + hex4(r[2])); break;
        case 0x0F: commands.push_back("finish"); break;
        default: commands.push_back("unknown"); break;
    }
    return true;
}

bool ScriptedMouse::getFeature(std::span<std::uint8_t> buffer)
{
    if (buffer.size() != 3 || buffer[0] != 0x1C)
        return false;
    ++statusReads;
    int status = afterScript;
    if (!statuses.empty()) {
        status = statuses.front();
        statuses.pop_front();
    }
    if (status < 0)
        return false;
    buffer[1] = static_cast<std::uint8_t>(status);
    return true;
}

bool ScriptedMouse::wait(std::chrono::milliseconds duration)
{
    if (cutWaitsFrom >= 0 && static_cast<int>(waits.size()) >= cutWaitsFrom)
        return false;
    waits.push_back(static_cast<long>(duration.count()));
    return true;
}

long ScriptedMouse::waitedMs() const
{
    return std::accumulate(waits.begin(), waits.end(), 0L);
}

}  // namespace upgrader::test
