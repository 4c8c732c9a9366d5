#include "core/common/TextToInt.h"

#include <limits>
#include <optional>

namespace cfg {
namespace {

int hex_digit_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the text into a signed integer of type Int; nullopt when it is not a number of that width.
template <typename Int> std::optional<Int> parse_integer(std::string_view text) {
    using Unsigned = std::make_unsigned_t<Int>;
    constexpr int max_hex_digits = sizeof(Int) * 2;

    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }

    std::string_view rest = text.substr(pos);
    bool hexadecimal = false;
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        hexadecimal = true;
        rest.remove_prefix(2);
    } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        hexadecimal = true;
        rest.remove_prefix(1);
    }
    if (rest.empty())
        return std::nullopt;

    if (hexadecimal) {
        if (rest.size() > static_cast<std::size_t>(max_hex_digits))
            return std::nullopt;
        Unsigned pattern = 0;
        for (char c : rest) {
            const int digit = hex_digit_value(c);
            if (digit < 0)
                return std::nullopt;
            pattern = static_cast<Unsigned>((pattern << 4) | static_cast<Unsigned>(digit));
        }
        // The digits are a bit pattern: $FFFFFFFF is -1. A sign negates it in two's complement.
        if (negative)
            pattern = static_cast<Unsigned>(Unsigned{0} - pattern);
        return static_cast<Int>(pattern);
    }

    // Accumulate the magnitude unsigned so that the most negative value is reachable.
    const Unsigned limit =
        negative ? Unsigned(std::numeric_limits<Int>::max()) + 1u : Unsigned(std::numeric_limits<Int>::max());
    Unsigned magnitude = 0;
    for (char c : rest) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<Unsigned>(c - '0');
        if (magnitude > (limit - digit) / 10u)
            return std::nullopt;
        magnitude = static_cast<Unsigned>(magnitude * 10u + digit);
    }
    if (negative)
        return static_cast<Int>(Unsigned{0} - magnitude);
    return static_cast<Int>(magnitude);
}

} // namespace

std::int32_t Text_To_Int(std::string_view text, std::int32_t default_value) {
    return parse_integer<std::int32_t>(text).value_or(default_value);
}

std::int64_t Text_To_Int64(std::string_view text, std::int64_t default_value) {
    return parse_integer<std::int64_t>(text).value_or(default_value);
}

} // namespace cfg
