#include "core/ethercat/LengthText.h"

#include "core/common/TextToInt.h"

#include <algorithm>

namespace cfg::ethercat {
namespace {

bool all_decimal_digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::int32_t decimal_length(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos != std::string_view::npos && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    // Text_To_Int alone would also take hexadecimal digits.
    if (pos == std::string_view::npos || !all_decimal_digits(text.substr(pos)))
        return 0;
    return Text_To_Int(text, 0);
}

bool is_byte_length(std::string_view text) {
    if (!all_decimal_digits(text))
        return false;
    const std::int32_t value = Text_To_Int(text, -1);
    return value >= 0 && value <= 255;
}

} // namespace cfg::ethercat
