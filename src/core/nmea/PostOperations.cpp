#include "core/nmea/PostOperations.h"

namespace cfg::nmea {

const std::vector<std::string>& PostOpe_SL() {
    static const std::vector<std::string> list = {"None", ": 10",  ": 100",  ": 1000", ": 10000",
                                                  "x 10", "x 100", "x 1000", "x 10000"};
    return list;
}

int GetIndexPostOperation(std::string_view PostOpe) {
    const std::vector<std::string>& list = PostOpe_SL();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == PostOpe)
            return static_cast<int>(i);
    }
    return 0;
}

int Post_Operation_Exponent(int code) {
    constexpr int Divisions = 4; // ": 10" to ": 10000" follow "None"; "x 10" to "x 10000" follow them
    if (code >= 1 && code <= Divisions)
        return -code;
    if (code > Divisions && code <= 2 * Divisions)
        return code - Divisions;
    return 0;
}

} // namespace cfg::nmea
