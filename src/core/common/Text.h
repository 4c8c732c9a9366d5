#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace cfg {

// Removes every character with a code up to 32 (blanks and control characters) at both ends.
std::string trimmed(std::string_view text);

// Changes the ASCII letters a to z to upper case and leaves every other character as it is.
std::string upper_ascii(std::string_view text);

// Whether every character is a digit 0 to 9; true for an empty text.
bool all_decimal_digits(std::string_view text);

// Equality after changing ASCII letters to upper case.
bool equal_ignoring_ascii_case(std::string_view a, std::string_view b);

// UTF-8 <-> UTF-16. A byte sequence that is not valid UTF-8 stands for U+FFFD; an unpaired
// surrogate becomes U+FFFD on the way back.
std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view utf16);

// The character at utf8[pos], moving pos past it; a byte that starts no valid UTF-8 sequence gives
// U+FFFD and pos moves past that byte alone. For walking a text without converting it whole.
char32_t next_code_point(std::string_view utf8, std::size_t& pos);
// Appends the character in UTF-8.
void append_utf8(std::string& out, char32_t code);
// The text with every byte sequence that is not valid UTF-8 replaced by U+FFFD, as the round trip
// through UTF-16 gives it.
std::string valid_utf8(std::string_view utf8);

// Appends the text to out for a writer that changes few characters: each run of bytes that
// keeps(byte) accepts is copied in one go, and every other character goes to change(out, code) as
// next_code_point decodes it. keeps must accept ASCII bytes only, so what it copies is valid UTF-8.
template <typename Keeps, typename Change>
void append_changing(std::string& out, std::string_view utf8, Keeps keeps, Change change) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t run_end =
            static_cast<std::size_t>(std::find_if_not(utf8.begin() + pos, utf8.end(), keeps) - utf8.begin());
        out.append(utf8, pos, run_end - pos);
        pos = run_end;
        if (pos < utf8.size())
            change(out, next_code_point(utf8, pos));
    }
}

// Where a limit counts "characters" it counts UTF-16 code units, as the device and the screens do.
std::size_t utf16_length(std::string_view utf8);

// One byte per UTF-16 code unit: its low 8 bits (the device stores names this way).
std::string utf16_low_bytes(std::string_view utf8);

} // namespace cfg
