#include "core/params/TypedLimit.h"

#include <algorithm>

namespace cfg {
namespace {

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

Typed_Text Limit_Typed_Text(std::size_t length_before, std::u16string_view after, std::size_t cursor,
                            std::size_t limit) {
    cursor = std::min(cursor, after.size());
    const std::size_t allowed = std::max(limit, length_before);
    if (after.size() <= allowed)
        return {std::u16string(after), cursor};
    // What was typed ends at the cursor, so the excess is taken from just before it.
    std::size_t cut_from = cursor - std::min(after.size() - allowed, cursor);
    if (cut_from > 0 && is_high_surrogate(after[cut_from - 1]))
        --cut_from;
    std::u16string text(after.substr(0, cut_from));
    text.append(after.substr(cursor));
    return {text, cut_from};
}

} // namespace cfg
