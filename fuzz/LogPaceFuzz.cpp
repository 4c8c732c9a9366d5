// The pace of a log: the input is a log, cut into lines as the preview window cuts it. Every line's
// time stamp is read without overflow, and every wait lies between nothing and the longest the
// preview plays, whatever the stamps hold.
#include "FuzzInput.h"
#include "core/nmea/NmeaSentence.h"
#include "core/preview/LogPace.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cfg;
    const preview::Milliseconds longest = std::max(preview::Longest_Pause, preview::Steady_Line_Interval);
    preview::Log_Pace pace;
    const nmea::Log_Lines::Visit take = [&](std::string_view line, bool) {
        preview::Line_Time(line);
        const preview::Milliseconds wait = pace.Wait_Before(line);
        fuzz::require(wait >= preview::Milliseconds{0} && wait <= longest,
                      "a wait lies within the longest pause");
    };
    nmea::Log_Lines lines;
    lines.Feed(fuzz::as_text(data, size), take);
    lines.Finish(take);
    return 0;
}
