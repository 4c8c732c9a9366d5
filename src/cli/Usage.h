#pragma once

#include <string_view>

namespace cfg::cli {

// The text --help prints and every usage error repeats.
std::string_view usage_text();

} // namespace cfg::cli
