#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cfg {

struct IpAddressCheck {
    bool valid = false;
    std::array<std::string, 4> parts; // trimmed; meaningful only when valid
};

// An IPv4 address in dotted decimal: blanks and control characters around the text and the dots
// are dropped; each part must be decimal digits with a value from 0 to 255.
IpAddressCheck Check_IP_Address(std::string_view text);

// A valid address's parts as plain numbers: "192.168.002.205" gives "192.168.2.205", the form every
// system reads alike (some take a part with a leading 0 for octal).
std::string Dotted_Decimal(const IpAddressCheck& address);

} // namespace cfg
