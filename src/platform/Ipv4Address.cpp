#include "platform/Ipv4Address.h"

#include "core/common/IpAddress.h"

namespace platform {

std::optional<std::array<std::uint8_t, 4>> ipv4_bytes(const std::string& text) {
    const cfg::IpAddressCheck check = cfg::Check_IP_Address(text);
    if (!check.valid)
        return std::nullopt;
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(std::stoi(check.parts[i]));
    return bytes;
}

} // namespace platform
