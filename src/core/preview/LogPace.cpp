#include "core/preview/LogPace.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace cfg::preview {
namespace {

// Reads exactly count digits at the front of text and moves past them.
std::optional<int> digits(std::string_view& text, std::size_t count) {
    if (text.size() < count)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool skip(std::string_view& text, char c) {
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

// The milliseconds of a decimal fraction ".250" at the front of text, when there is one.
std::int64_t fraction_ms(std::string_view& text) {
    if (!skip(text, '.'))
        return 0;
    std::int64_t ms = 0;
    int place = 0;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        if (place++ < 3)
            ms = ms * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    for (; place < 3; ++place)
        ms *= 10;
    return ms;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t days_from_civil(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int year_of_era = year - era * 400;
    const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return std::int64_t{era} * 146097 + day_of_era - 719468;
}

// count digits followed by the separator.
std::optional<int> digits_then(std::string_view& text, std::size_t count, char separator) {
    const std::optional<int> value = digits(text, count);
    return value && skip(text, separator) ? value : std::nullopt;
}

std::optional<std::int64_t> time_of_day_ms(std::string_view& text) {
    const auto hours = digits_then(text, 2, ':');
    const auto minutes = hours ? digits_then(text, 2, ':') : std::nullopt;
    const auto seconds = minutes ? digits(text, 2) : std::nullopt;
    if (!seconds || *hours > 23 || *minutes > 59 || *seconds > 60)
        return std::nullopt;
    return ((*hours * 60 + *minutes) * 60 + *seconds) * std::int64_t{1000} + fraction_ms(text);
}

std::optional<std::int64_t> date_time_ms(std::string_view text) {
    const auto year = digits_then(text, 4, '-');
    const auto month = year ? digits_then(text, 2, '-') : std::nullopt;
    const auto day = month ? digits(text, 2) : std::nullopt;
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31 || (!skip(text, 'T') && !skip(text, ' ')))
        return std::nullopt;
    const auto time = time_of_day_ms(text);
    if (!time)
        return std::nullopt;
    return days_from_civil(*year, *month, *day) * 86'400'000 + *time;
}

// The latest time a stamp may name, the last millisecond of the year 9999, as late as a date reads:
// a larger number is no time of a recording, and the bound keeps the arithmetic on stamps far from the
// limits of 64 bits.
constexpr std::int64_t Latest_Stamp_Ms = 253'402'300'799'999;

std::size_t leading_digits(std::string_view text) {
    return std::min(text.find_first_not_of("0123456789"), text.size());
}

// A UNIX time standing alone at the front of text: seconds with an optional fraction
// ("1796933731.25"), or whole milliseconds.
std::optional<std::int64_t> unix_time_ms(std::string_view text, bool in_milliseconds) {
    const std::size_t whole = leading_digits(text);
    std::int64_t number = 0;
    if (whole == 0 || std::from_chars(text.data(), text.data() + whole, number).ec != std::errc() ||
        number > (in_milliseconds ? Latest_Stamp_Ms : Latest_Stamp_Ms / 1000))
        return std::nullopt;
    text.remove_prefix(whole);
    const std::int64_t fraction = fraction_ms(text);
    if (!text.empty() && text.front() != ' ' && text.front() != '\t')
        return std::nullopt; // a number that is only the start of something else
    return in_milliseconds ? number : number * 1000 + fraction;
}

// The "c:" parameter of a tag block "\s:sensor,c:1796933731*hh\": seconds, or milliseconds when its
// whole part has more than ten digits.
std::optional<std::int64_t> tag_block_ms(std::string_view block) {
    for (std::size_t start = 0; start < block.size();) {
        const std::size_t end = std::min(block.find_first_of(",*", start), block.size());
        const std::string_view parameter = block.substr(start, end - start);
        if (parameter.starts_with("c:")) {
            const std::string_view value = parameter.substr(2);
            return unix_time_ms(value, leading_digits(value) > 10);
        }
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<Milliseconds> Line_Time(std::string_view line) {
    std::string_view before = line.substr(0, std::min(line.find('$'), line.size()));
    std::optional<std::int64_t> ms;
    if (before.starts_with('\\')) {
        ms = tag_block_ms(before.substr(1, before.find('\\', 1) - 1));
    } else {
        before.remove_prefix(std::min(before.find_first_not_of(" \t"), before.size()));
        if (!(ms = date_time_ms(before))) {
            std::string_view time = before;
            ms = time_of_day_ms(time);
        }
        if (!ms)
            ms = unix_time_ms(before, false);
    }
    if (!ms)
        return std::nullopt;
    return Milliseconds{*ms};
}

Milliseconds Log_Pace::Wait_Before(std::string_view line) {
    if (line.find_first_not_of(" \t\r") == std::string_view::npos)
        return Milliseconds{0};
    const std::optional<Milliseconds> stamp = Line_Time(line);
    if (!stamp)
        return last_ ? Milliseconds{0} : Steady_Line_Interval;
    const Milliseconds wait =
        last_ ? std::clamp(*stamp - *last_, Milliseconds{0}, Longest_Pause) : Milliseconds{0};
    last_ = stamp;
    return wait;
}

} // namespace cfg::preview
