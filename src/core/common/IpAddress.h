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

} // namespace cfg
