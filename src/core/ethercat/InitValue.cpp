#include "core/ethercat/InitValue.h"

#include "core/common/TextToInt.h"
#include "core/ethercat/VariableTypeCode.h"

#include <bit>
#include <charconv>
#include <string>

namespace cfg::ethercat {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The integer in the text, or nothing: Text_To_Int64 answers with its default for a text that is
// not a number, so two different defaults tell the cases apart.
std::optional<std::int64_t> integer_of(std::string_view text) {
    const std::int64_t value = Text_To_Int64(text, 0);
    if (value == 0 && Text_To_Int64(text, 1) != 0)
        return std::nullopt;
    return value;
}

// Types 1 to 7 are the integers ("Bool" among them).
bool is_integer_type(std::uint8_t Data_Type) {
    return Data_Type >= type_code::Bool && Data_Type <= type_code::UInt32;
}

} // namespace

std::optional<float> Decimal_Text_To_Single(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    // Rebuild the number in the one form from_chars reads: no "+", "." as the separator. Users
    // type the separator of their region, so both "." and "," are taken.
    std::string number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            number += '-';
        ++pos;
    }
    bool digits = false;
    bool separator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (is_digit(c)) {
            digits = true;
            number += c;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        number += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            number += text[pos++];
        const std::size_t exponent_start = pos;
        while (pos < text.size() && is_digit(text[pos]))
            number += text[pos++];
        if (pos == exponent_start)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    // Read straight into a float: going through a double would round twice.
    float value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

bool Is_Float32_Init_Value(std::string_view InitValue) {
    return InitValue.find_first_not_of(' ') == std::string_view::npos ||
           Decimal_Text_To_Single(InitValue).has_value();
}

std::array<std::uint8_t, 8> Init_Value_Bytes(std::uint8_t Data_Type, std::string_view InitValue) {
    std::array<std::uint8_t, 8> bytes{};
    if (Data_Type == type_code::Float32) {
        const auto bits = std::bit_cast<std::uint32_t>(Decimal_Text_To_Single(InitValue).value_or(0.0f));
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        return bytes;
    }
    if (!is_integer_type(Data_Type))
        return bytes;
    const std::optional<std::int64_t> value = integer_of(InitValue);
    if (!value)
        return bytes;
    auto pattern = static_cast<std::uint64_t>(*value);
    if (Data_Type == type_code::Bool)
        pattern &= 1;
    for (std::size_t i = 0; i < Type_Size_Of(Data_Type); ++i)
        bytes[i] = static_cast<std::uint8_t>(pattern >> (8 * i));
    return bytes;
}

} // namespace cfg::ethercat
