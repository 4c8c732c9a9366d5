#pragma once

#include <string>

namespace cfg::nmea {

// The first failing check of a table: the row, the text index of the rule that failed, and the
// message as the error box shows it ("Error row " + row + the rule's text, run together).
struct Row_Error {
    int row;
    int rule_text;
    std::string message;
    bool operator==(const Row_Error&) const = default;
};

} // namespace cfg::nmea
