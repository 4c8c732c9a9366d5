#pragma once

// The system's ICMP echo, for the device test of both front ends.
#ifdef _WIN32
#include "platform/WindowsIcmpEcho.h"
namespace platform {
using IcmpEcho = WindowsIcmpEcho;
}
#else
#include "platform/SocketIcmpEcho.h"
namespace platform {
using IcmpEcho = SocketIcmpEcho;
}
#endif
