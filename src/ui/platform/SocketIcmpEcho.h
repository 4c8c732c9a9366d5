#pragma once

#include "ui/platform/IcmpEcho.h"

#include <cstdint>

namespace ui {

// The real echo: an unprivileged ICMP datagram socket where the system allows one, else a raw
// socket. Without either every request fails to send.
class SocketIcmpEcho : public IcmpEcho {
public:
    cfg::image::Echo_Outcome echo(const std::string& address, int data_size, int timeout_ms) override;

    // Whether the system lets this program open an ICMP socket of either kind.
    static bool available();

private:
    std::uint16_t sequence_ = 0;
};

} // namespace ui
