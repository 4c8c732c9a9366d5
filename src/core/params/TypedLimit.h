#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cfg {

// The parameter screen accepts at most this many typed characters (UTF-16 code units) in the host
// name and the slave name. A longer text read from ParGen.xml is kept as it is.
inline constexpr std::size_t Device_Name_Typed_Limit = 31;
inline constexpr std::size_t Slave_Name_Typed_Limit = 15;

struct Typed_Text {
    std::u16string text;
    std::size_t cursor = 0;
};

// A field holding `length_before` code units became `after` by typing or pasting text that ends at
// `cursor`. Cuts the end of what was typed so that the field grows past neither the limit nor its
// previous length; a surrogate pair is never split. Shortening edits pass unchanged.
Typed_Text Limit_Typed_Text(std::size_t length_before, std::u16string_view after, std::size_t cursor,
                            std::size_t limit);

} // namespace cfg
