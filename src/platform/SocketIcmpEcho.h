#pragma once

#include "core/image/UpdateServices.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The real echo: an unprivileged ICMP datagram socket where the system allows one, else a raw
// socket. Where it allows neither, a request is not permitted.
class SocketIcmpEcho : public cfg::image::Echo_Client {
public:
    SocketIcmpEcho();
    ~SocketIcmpEcho() override;
    SocketIcmpEcho(const SocketIcmpEcho&) = delete;
    SocketIcmpEcho& operator=(const SocketIcmpEcho&) = delete;

    cfg::image::Echo_Send send(const std::string& address, int data_size) override;
    cfg::image::Echo_Reply reply() override;

    // Whether the system lets this program open an ICMP socket of either kind.
    static bool available();

private:
    struct Request;
    std::unique_ptr<Request> request_;
    std::uint16_t sequence_ = 0;
};

} // namespace platform
