#include "core/mqtt/TopicTemplate.h"

#include <algorithm>

namespace cfg::mqtt {

bool Error_In_Topic_Template(std::string_view text) {
    return std::ranges::count(text, '$') % 2 != 0;
}

std::vector<TopicKeyword> topic_keywords() {
    return {};
}

} // namespace cfg::mqtt
