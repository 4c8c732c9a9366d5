#pragma once

#include "core/lang/LangStrings.h"
#include "core/report/Difference.h"

#include <string>
#include <string_view>
#include <vector>

namespace cfg::report {

// The comparison of two configurations as a page with the report's look: what was compared with
// what, the verdict, and the differences under the heading of their area, a line each as
// Difference_Line words it.
std::string Difference_Html(const std::vector<Difference>& differences, std::string_view from,
                            std::string_view to, const Lang_Strings& texts);

} // namespace cfg::report
