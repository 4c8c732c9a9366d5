#include "core/preview/ScaledDecimal.h"

#include "core/common/Text.h"

#include <algorithm>
#include <limits>

namespace cfg::preview {
namespace {

std::string without_leading_zeros(std::string digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

struct Decimal_Parts {
    bool negative = false;
    std::string_view whole;
    std::string_view decimals;
};

std::optional<Decimal_Parts> decimal_parts(std::string_view text) {
    Decimal_Parts parts;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = std::min(text.find('.'), text.size());
    parts.whole = text.substr(0, point);
    parts.decimals = point < text.size() ? text.substr(point + 1) : std::string_view();
    if (parts.whole.size() + parts.decimals.size() == 0 || !all_decimal_digits(parts.whole) ||
        !all_decimal_digits(parts.decimals))
        return std::nullopt;
    return parts;
}

} // namespace

bool Is_Decimal(std::string_view text) {
    return decimal_parts(text).has_value();
}

std::optional<Scaled_Decimal> Read_Decimal(std::string_view text, int exponent) {
    const std::optional<Decimal_Parts> parts = decimal_parts(text);
    if (!parts)
        return std::nullopt;
    Scaled_Decimal number;
    number.negative = parts->negative;
    std::string whole(parts->whole);
    std::string decimals(parts->decimals);
    if (exponent > 0) {
        decimals.resize(std::max(decimals.size(), static_cast<std::size_t>(exponent)), '0');
        whole += decimals.substr(0, static_cast<std::size_t>(exponent));
        decimals.erase(0, static_cast<std::size_t>(exponent));
    } else if (exponent < 0) {
        const auto shift = static_cast<std::size_t>(-exponent);
        whole.insert(0, shift > whole.size() ? shift - whole.size() : 0, '0');
        decimals.insert(0, whole.substr(whole.size() - shift));
        whole.erase(whole.size() - shift);
    }
    number.whole = without_leading_zeros(std::move(whole));
    number.decimals = std::move(decimals);
    return number;
}

std::optional<std::int64_t> Rounded(const Scaled_Decimal& number) {
    constexpr std::size_t Safe_Digits = std::numeric_limits<std::int64_t>::digits10; // 18
    if (number.whole.size() > Safe_Digits)
        return std::nullopt;
    std::int64_t magnitude = number.whole.empty() ? 0 : std::stoll(number.whole);
    if (!number.decimals.empty() && number.decimals.front() >= '5')
        ++magnitude;
    return number.negative ? -magnitude : magnitude;
}

std::string Plain_Text(const Scaled_Decimal& number) {
    std::string text = number.negative ? "-" : "";
    text += number.whole.empty() ? "0" : number.whole;
    if (!number.decimals.empty())
        text += "." + number.decimals;
    return text;
}

} // namespace cfg::preview
