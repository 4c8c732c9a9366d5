#include "core/params/SerialChoices.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"

#include <algorithm>

namespace cfg {
namespace {

constexpr int default_baud_index = 2; // 4800

// Position of the text in the list, compared in upper case; fallback when it is not there.
template <std::size_t N>
int index_ignoring_case(const std::array<std::string_view, N>& texts, std::string_view text, int fallback) {
    const auto found = std::find_if(texts.begin(), texts.end(), [&](std::string_view listed) {
        return equal_ignoring_ascii_case(listed, text);
    });
    return found == texts.end() ? fallback : static_cast<int>(found - texts.begin());
}

} // namespace

int Baud_to_Index(std::string_view Baud) {
    const int rate = Text_To_Int(Baud, 4800);
    for (std::size_t i = 0; i < Baud_Texts.size(); ++i) {
        if (Text_To_Int(Baud_Texts[i], 0) == rate)
            return static_cast<int>(i);
    }
    return default_baud_index;
}

int Parity_to_Index(std::string_view Par) {
    return index_ignoring_case(Parity_Texts, Par, 0);
}

int StopBits_to_Index(std::string_view Stop) {
    return index_ignoring_case(StopBits_Texts, Stop, 0);
}

} // namespace cfg
