#include "platform/WindowsIcmpEcho.h"

#include "core/image/DeviceTest.h"
#include "platform/Ipv4Address.h"

// The Windows headers in the order they need one another (each its own block, so none is sorted).
#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

#include <icmpapi.h>
#include <winternl.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

using cfg::image::Echo_Reply;
using cfg::image::Echo_Send;

class Owned_Handle {
public:
    Owned_Handle(HANDLE handle, void (*close)(HANDLE)) : handle_(handle), close_(close) {}
    ~Owned_Handle() {
        if (is_open())
            close_(handle_);
    }
    Owned_Handle(const Owned_Handle&) = delete;
    Owned_Handle& operator=(const Owned_Handle&) = delete;

    bool is_open() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
    void (*close_)(HANDLE);
};

void close_icmp(HANDLE handle) {
    IcmpCloseHandle(handle);
}

void close_event(HANDLE handle) {
    CloseHandle(handle);
}

} // namespace

// One request in flight. The service writes into the reply buffer until it signals the event, so
// a request that is dropped first waits for that signal (at most the echo's time-out).
struct WindowsIcmpEcho::Request {
    Owned_Handle event{CreateEventW(nullptr, TRUE, FALSE, nullptr), close_event};
    Owned_Handle service{IcmpCreateFile(), close_icmp};
    IPAddr target = 0;
    std::vector<unsigned char> data;
    std::vector<unsigned char> replies;
    bool pending = false;
    Echo_Reply answer = Echo_Reply::Waiting;

    ~Request() {
        if (pending)
            WaitForSingleObject(event.get(), INFINITE);
    }
};

WindowsIcmpEcho::WindowsIcmpEcho() = default;
WindowsIcmpEcho::~WindowsIcmpEcho() = default;

bool WindowsIcmpEcho::available() {
    return Owned_Handle(IcmpCreateFile(), close_icmp).is_open();
}

Echo_Send WindowsIcmpEcho::send(const std::string& address, int data_size) {
    request_.reset();
    const auto bytes = ipv4_bytes(address);
    if (!bytes || data_size < 0 || data_size > 0xFFFF)
        return Echo_Send::Failed;
    auto request = std::make_unique<Request>();
    if (!request->service.is_open() || !request->event.is_open())
        return Echo_Send::Not_Permitted;
    std::memcpy(&request->target, bytes->data(), bytes->size());
    request->data.resize(static_cast<std::size_t>(data_size));
    for (std::size_t i = 0; i < request->data.size(); ++i)
        request->data[i] = static_cast<unsigned char>(i + 8); // as the socket echo fills its data
    // Room for one reply with the data echoed, an ICMP error message and the status block.
    request->replies.resize(sizeof(ICMP_ECHO_REPLY) + request->data.size() + 8 + sizeof(IO_STATUS_BLOCK));
    const DWORD started = IcmpSendEcho2(
        request->service.get(), request->event.get(), nullptr, nullptr, request->target, request->data.data(),
        static_cast<WORD>(request->data.size()), nullptr, request->replies.data(),
        static_cast<DWORD>(request->replies.size()), cfg::image::Echo_Time_Out_Ms);
    if (started == 0 && GetLastError() != ERROR_IO_PENDING)
        return Echo_Send::Failed;
    request->pending = started == 0;
    if (!request->pending)
        SetEvent(request->event.get());
    request_ = std::move(request);
    return Echo_Send::Sent;
}

Echo_Reply WindowsIcmpEcho::reply() {
    if (!request_)
        return Echo_Reply::No_Reply;
    Request& request = *request_;
    if (request.answer != Echo_Reply::Waiting)
        return request.answer;
    if (WaitForSingleObject(request.event.get(), 0) != WAIT_OBJECT_0)
        return Echo_Reply::Waiting;
    request.pending = false;
    // No reply at all (time-out, unreachable) parses as none; an empty one has no data.
    request.answer = Echo_Reply::No_Reply;
    if (IcmpParseReplies(request.replies.data(), static_cast<DWORD>(request.replies.size())) > 0) {
        const auto* echo = reinterpret_cast<const ICMP_ECHO_REPLY*>(request.replies.data());
        if (echo->Status == IP_SUCCESS && echo->Address == request.target && echo->DataSize > 0)
            request.answer = Echo_Reply::Reply;
    }
    return request.answer;
}

} // namespace platform
