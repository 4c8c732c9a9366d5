#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfg::nmea {

// PostOpe_SL: the post operations a listener row may apply to its field, in list order. The
// position in the list is the code the configuration image carries; ":" divides, "x" multiplies.
const std::vector<std::string>& PostOpe_SL();

// The position of the text in PostOpe_SL (exact, case-sensitive); 0 ("None") when it is not there.
int GetIndexPostOperation(std::string_view PostOpe);

// The power of ten a post operation code multiplies the field's value by: -1 for ": 10" to -4 for
// ": 10000", 1 for "x 10" to 4 for "x 10000", 0 for "None" and for a code outside the list.
int Post_Operation_Exponent(int code);

} // namespace cfg::nmea
