#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace cfg::preview {

using Milliseconds = std::chrono::milliseconds;

// When a log line was recorded, from what stands before its sentence: a date and time
// "2026-12-10T20:15:30.250Z" (a blank for the "T", any zone, which is not used), a time of day
// "20:15:30.250", a UNIX time in seconds "1796933731.25", or the "c:" UNIX time of a tag block
// (seconds; milliseconds when its whole part has more than ten digits). Nothing when the line has
// none, or names a time after the year 9999.
std::optional<Milliseconds> Line_Time(std::string_view line);

// A log without time stamps plays at this many milliseconds a line.
inline constexpr Milliseconds Steady_Line_Interval{100};
// A longer pause in a recording is played as this long, so a log with a gap of hours still moves.
inline constexpr Milliseconds Longest_Pause{2000};

// Plays a log at its own pace: each line waits for the time between its stamp and the stamp before
// (never less than nothing, never more than Longest_Pause); a line without a stamp comes with the one
// before it. Until the first stamp, lines come at the steady interval; a blank line takes no time.
class Log_Pace {
public:
    Milliseconds Wait_Before(std::string_view line);

private:
    std::optional<Milliseconds> last_;
};

} // namespace cfg::preview
