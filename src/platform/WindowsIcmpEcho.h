#pragma once

#include "core/image/UpdateServices.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The real echo on Windows: the system's ICMP service (IcmpSendEcho2), which needs no privilege.
// The request runs on its own and signals an event when its reply or its time-out has come, so
// reply() never waits and the window goes on painting.
class WindowsIcmpEcho : public cfg::image::Echo_Client {
public:
    WindowsIcmpEcho();
    ~WindowsIcmpEcho() override;
    WindowsIcmpEcho(const WindowsIcmpEcho&) = delete;
    WindowsIcmpEcho& operator=(const WindowsIcmpEcho&) = delete;

    cfg::image::Echo_Send send(const std::string& address, int data_size) override;
    cfg::image::Echo_Reply reply() override;

    // Whether the system's ICMP service can be opened.
    static bool available();

private:
    struct Request;
    std::unique_ptr<Request> request_;
};

} // namespace platform
