#include "core/preview/FieldValue.h"

#include "core/preview/ByteText.h"
#include "core/preview/ScaledDecimal.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>
#include <system_error>

namespace cfg::preview {
namespace {

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::vector<std::uint8_t> little_endian(std::uint64_t value, int size) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

Field_Value single(const Scaled_Decimal& number) {
    const std::string text = Plain_Text(number);
    float value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    Value_State state = Value_State::Stored;
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a single: the largest of its sign. Too small: zero of its sign.
        const float magnitude = number.whole.empty() ? 0.0F : std::numeric_limits<float>::max();
        value = number.negative ? -magnitude : magnitude;
        state = number.whole.empty() ? Value_State::Stored : Value_State::Did_Not_Fit;
    }
    return {state, Single_Text(value), little_endian(std::bit_cast<std::uint32_t>(value), 4)};
}

Field_Value whole_number(const Scaled_Decimal& number, bool is_signed, int size) {
    const int bits = 8 * size;
    const std::int64_t lowest = is_signed ? -(std::int64_t{1} << (bits - 1)) : 0;
    const std::int64_t highest =
        is_signed ? (std::int64_t{1} << (bits - 1)) - 1 : (std::int64_t{1} << bits) - 1;
    const std::optional<std::int64_t> rounded = Rounded(number);
    const std::int64_t value =
        rounded ? std::clamp(*rounded, lowest, highest) : (number.negative ? lowest : highest);
    const Value_State state = rounded == value ? Value_State::Stored : Value_State::Did_Not_Fit;
    return {state, std::to_string(value), little_endian(static_cast<std::uint64_t>(value), size)};
}

Field_Value characters(std::string_view text, int size) {
    const auto room = static_cast<std::size_t>(size);
    const std::string_view kept = text.substr(0, room);
    std::vector<std::uint8_t> bytes(kept.begin(), kept.end());
    bytes.resize(room, 0);
    return {kept.size() < text.size() ? Value_State::Did_Not_Fit : Value_State::Stored, std::string(kept),
            std::move(bytes)};
}

} // namespace

Field_Kind Kind_Of(std::string_view description) {
    if (description.find("[floating point]") != std::string_view::npos || ends_with(description, ", Number"))
        return Field_Kind::Float32;
    if (description.find("[decimal +/-]") != std::string_view::npos)
        return Field_Kind::Signed;
    if (description.find("[decimal]") != std::string_view::npos)
        return Field_Kind::Unsigned;
    return Field_Kind::Characters;
}

Field_Value Convert_Field(std::string_view text, Field_Kind kind, int size, int exponent) {
    if (text.empty())
        return {Value_State::Empty, {}, {}};
    if (kind == Field_Kind::Characters)
        return characters(text, size);
    const std::optional<Scaled_Decimal> number = Read_Decimal(text, exponent);
    if (!number)
        return {Value_State::Not_A_Number, {}, {}};
    if (kind == Field_Kind::Float32)
        return single(*number);
    return whole_number(*number, kind == Field_Kind::Signed, size);
}

} // namespace cfg::preview
