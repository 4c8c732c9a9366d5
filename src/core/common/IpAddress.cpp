#include "core/common/IpAddress.h"

#include "core/common/Text.h"

#include <algorithm>

namespace cfg {
namespace {

// Plain decimal digits only; anything else counts as 1000, out of range.
int part_value(const std::string& part) {
    if (part.empty())
        return 1000;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            return 1000;
        value = std::min(value * 10 + (c - '0'), 1000);
    }
    return value;
}

} // namespace

IpAddressCheck Check_IP_Address(std::string_view text) {
    IpAddressCheck result;
    std::string rest = trimmed(text);
    for (int i = 0; i < 3; ++i) {
        const auto dot = rest.find('.');
        if (dot == std::string::npos)
            return result;
        result.parts[static_cast<std::size_t>(i)] = trimmed(std::string_view(rest).substr(0, dot));
        rest = trimmed(std::string_view(rest).substr(dot + 1));
    }
    result.parts[3] = rest;
    result.valid = std::all_of(result.parts.begin(), result.parts.end(), [](const std::string& part) {
        const int value = part_value(part);
        return value >= 0 && value <= 255;
    });
    return result;
}

std::string Dotted_Decimal(const IpAddressCheck& address) {
    std::string text;
    for (const std::string& part : address.parts)
        text += (text.empty() ? "" : ".") + std::to_string(part_value(part));
    return text;
}

} // namespace cfg
