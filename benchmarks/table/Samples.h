#pragma once

#include <string>
#include <vector>

namespace bench {

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread spread_of(std::vector<double> values);

// "147 ms (140-160)": the median with the smallest and the largest value, in the unit given.
std::string spread_text(const Spread& spread, const char* unit);

// The ratio of two medians, two decimals.
std::string ratio_text(const Spread& program, const Spread& floor);

} // namespace bench
