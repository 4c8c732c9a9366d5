#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace cfg {

// A catalogue text with its values put in: "%1" takes the first value, "%2" the second and so on,
// so that a translation may put them in the order its language wants. Any other "%" stays as it is.
std::string Fill_Text(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace cfg
