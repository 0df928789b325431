#include "mousesim/ControlClient.h"

#include <vector>

namespace mousesim {

std::optional<ControlClient> ControlClient::connect(const std::string& socketPath)
{
    FileDescriptor fd = connectTo(socketPath);
    if (!fd.valid()) return std::nullopt;
    return ControlClient(std::move(fd));
}

std::optional<control::Reply> ControlClient::send(std::string_view commandLine, int timeoutMs)
{
    if (!fd_.valid()) return std::nullopt;
    if (!sendPacketNow(fd_.get(), control::encodeRequest(commandLine))) {
        fd_.reset();
        return std::nullopt;
    }
    std::vector<std::uint8_t> packet;
    if (receivePacketWithin(fd_.get(), packet, control::kMaxReply, timeoutMs) != ReceiveResult::Packet) {
        fd_.reset();
        return std::nullopt;
    }
    auto reply = control::decodeReply(std::string_view(reinterpret_cast<const char*>(packet.data()), packet.size()));
    if (!reply) fd_.reset();
    return reply;
}

}  // namespace mousesim
