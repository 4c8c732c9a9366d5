#pragma once

#include <string>
#include <vector>

namespace cfg {

struct BuiltinText {
    int index;
    std::string text;
};

// The built-in English texts in index order; every index not listed holds a single blank.
const std::vector<BuiltinText>& builtin_texts();

} // namespace cfg
