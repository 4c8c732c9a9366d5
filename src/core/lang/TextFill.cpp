#include "core/lang/TextFill.h"

namespace cfg {

std::string Fill_Text(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
                                 static_cast<std::size_t>(text[i + 1] - '0') <= values.size();
        if (placeholder) {
            filled += values.begin()[text[i + 1] - '1'];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace cfg
