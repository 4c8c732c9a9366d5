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

} // namespace cfg::nmea
