#pragma once

#include "core/lang/LangStrings.h"
#include "core/report/Difference.h"

#include <string>
#include <vector>

namespace cfg::report {

// The heading of an area: the screen's title ("NMEA 0183 Access"), or the bank's file name.
std::string Area_Title(Diff_Area area, const Lang_Strings& texts);

// One line of a difference: "Row 3 changed: Position: "10" → "12"; Bytes: "10–13" → "12–15"" for a
// row, "IP Address: "192.168.0.10" → "192.168.0.20"" for what is not one.
std::string Difference_Line(const Difference& difference, const Lang_Strings& texts);

// The differences under the heading of their area, each line indented by two blanks; the verdict
// that the two are the same when there are none.
std::vector<std::string> Difference_Lines(const std::vector<Difference>& differences,
                                          const Lang_Strings& texts);

} // namespace cfg::report
