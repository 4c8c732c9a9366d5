#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cfg::preview {

// A number as NMEA 0183 writes it, kept as its digits so that a power of ten moves its point
// exactly: "-12.5" scaled by 10 is "-125." without any rounding.
struct Scaled_Decimal {
    bool negative = false;
    std::string whole;    // the digits before the point, without leading zeros
    std::string decimals; // the digits after it
};

// An optional sign, digits, and an optional point with more digits; at least one digit in all.
// Anything else (blanks, an exponent, a second point) is not a number.
std::optional<Scaled_Decimal> Read_Decimal(std::string_view text, int exponent);

// Whether Read_Decimal reads the text as a number.
bool Is_Decimal(std::string_view text);

// The nearest whole number, halves away from zero; nothing when it is beyond 64 bits.
std::optional<std::int64_t> Rounded(const Scaled_Decimal& number);

// The number as plain decimal text, as std::from_chars reads it.
std::string Plain_Text(const Scaled_Decimal& number);

} // namespace cfg::preview
