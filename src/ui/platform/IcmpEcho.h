#pragma once

#include "core/image/DeviceTest.h"

#include <string>

namespace ui {

// One ICMP echo over IPv4, so that the device test can run against a fake.
class IcmpEcho {
public:
    virtual ~IcmpEcho() = default;

    // Sends one echo request with data_size data bytes to an IPv4 address in dotted decimal and
    // waits at most timeout_ms for its reply. No name is ever looked up: a text that is not such an
    // address fails to send.
    virtual cfg::image::Echo_Outcome echo(const std::string& address, int data_size, int timeout_ms) = 0;
};

} // namespace ui
