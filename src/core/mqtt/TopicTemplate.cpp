#include "core/mqtt/TopicTemplate.h"

#include <algorithm>
#include <string>

namespace cfg::mqtt {

bool Error_In_Topic_Template(std::string_view text) {
    return std::ranges::count(text, '$') % 2 != 0;
}

std::vector<TopicKeyword> topic_keywords() {
    return {};
}

Table make_keyword_table(const std::vector<TopicKeyword>& keywords) {
    const int rows = std::max(1, static_cast<int>(keywords.size()));
    Table table(rows + 1, keyword::Column_Count);
    table.set_column_visible(keyword::Number, false);
    for (int r = 1; r <= rows; ++r)
        table.set_text(r, keyword::Number, std::to_string(r));
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        table.set_text(row, keyword::Keyword, keywords[i].keyword);
        table.set_text(row, keyword::Description, keywords[i].description);
    }
    return table;
}

} // namespace cfg::mqtt
