#pragma once

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

} // namespace cfg::mqtt
