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

} // namespace

std::optional<Scaled_Decimal> Read_Decimal(std::string_view text, int exponent) {
    Scaled_Decimal number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string whole(text.substr(0, point));
    std::string decimals(point < text.size() ? text.substr(point + 1) : std::string_view());
    if (whole.size() + decimals.size() == 0 || !all_decimal_digits(whole) || !all_decimal_digits(decimals))
        return std::nullopt;
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
