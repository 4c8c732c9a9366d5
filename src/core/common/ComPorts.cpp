#include "core/common/ComPorts.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cfg {
namespace {

constexpr int highest_port = 256;

#ifdef _WIN32
bool port_present(const std::filesystem::path&, int number) {
    const std::wstring name = L"\\\\.\\COM" + std::to_wstring(number);
    HANDLE handle =
        CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return true;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}
#else
bool port_present(const std::filesystem::path& device_folder, int number) {
    const std::filesystem::path device = device_folder / ("ttyS" + std::to_string(number - 1));
    // Non-blocking, so a port waiting for carrier does not hang the probe.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EACCES || errno == EBUSY || errno == EPERM;
}
#endif

} // namespace

std::vector<std::string> List_COM_Ports(const std::filesystem::path& device_folder) {
    std::vector<std::string> ports;
    for (int number = 1; number <= highest_port; ++number) {
        if (port_present(device_folder, number))
            ports.push_back(std::to_string(number));
    }
    return ports;
}

} // namespace cfg
