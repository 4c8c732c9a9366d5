#include "Samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {
namespace {

// Three significant digits at least, one decimal below 100.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value < 100 ? "%.1f" : "%.0f", value);
    return text;
}

} // namespace

Spread spread_of(std::vector<double> values) {
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

std::string spread_text(const Spread& spread, const char* unit) {
    return number(spread.median) + " " + unit + " (" + number(spread.min) + "-" + number(spread.max) + ")";
}

std::string ratio_text(const Spread& program, const Spread& floor) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", floor.median > 0 ? program.median / floor.median : NAN);
    return text;
}

} // namespace bench
