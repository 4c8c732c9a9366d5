#pragma once

#include <span>
#include <string_view>

namespace cfg {

struct BuiltinText {
    int index;
    std::string_view text;
};

// The built-in English texts in index order; every index not listed holds a single blank. A
// constant table: nothing is built at start but the catalogue the texts are copied into.
std::span<const BuiltinText> builtin_texts();

} // namespace cfg
