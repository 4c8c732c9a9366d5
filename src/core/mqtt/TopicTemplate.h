#pragma once

#include "core/common/Table.h"

#include <string>
#include <string_view>
#include <vector>

namespace cfg::mqtt {

// True when the template is wrong: keywords stand between two "$" signs, so an odd number of them
// leaves one open. Keyword names are not checked, and an empty text is right.
bool Error_In_Topic_Template(std::string_view text);

struct TopicKeyword {
    std::string keyword;
    std::string description;
};

// The keywords offered by the template editor. The program defines none: the device decides
// which it understands, so the editor's table shows a single empty row.
std::vector<TopicKeyword> topic_keywords();

// The columns of the template editor's keyword table (ASG_Keywords); column 0 holds the row
// numbers and is hidden.
namespace keyword {
enum Column : int { Number, Keyword, Description, Column_Count };
} // namespace keyword

// The keyword table: one row per keyword, or one empty row when there is none; the header row is
// left empty for the screen's texts.
Table make_keyword_table(const std::vector<TopicKeyword>& keywords);

} // namespace cfg::mqtt
