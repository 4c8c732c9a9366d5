#include "core/mqtt/TopicTemplate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cfg::mqtt::Error_In_Topic_Template;
namespace keyword = cfg::mqtt::keyword;

TEST(TopicTemplate, AnOddNumberOfDollarSignsIsWrong) {
    struct Case {
        std::string text;
        bool wrong;
    };
    const Case cases[] = {
        {"$VALUE$", false},
        {"", false},
        {"$$", false},                // an empty keyword is not refused
        {"{\"a\":$UNKNOWN$}", false}, // keyword names are not compared with any list
        {"$A$ and $B$", false},
        {"line 1\r\n$VALUE$\n", false}, // line breaks are part of the template
        {"$VALUE", true},
        {"$", true},
        {"$A$B$", true},
        {"$$$", true},
        {"price $5", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Error_In_Topic_Template(c.text), c.wrong) << '"' << c.text << '"';
}

TEST(TopicTemplate, TheKeywordTableHasOneRowPerKeywordAndOneEmptyRowWithoutKeywords) {
    const cfg::Table none = cfg::mqtt::make_keyword_table(cfg::mqtt::topic_keywords());
    ASSERT_EQ(none.row_count(), 2);
    EXPECT_EQ(none.column_count(), keyword::Column_Count);
    EXPECT_EQ(none.text(1, keyword::Keyword), "");
    EXPECT_EQ(none.text(1, keyword::Description), "");
    EXPECT_FALSE(none.is_column_visible(keyword::Number));

    const cfg::Table two = cfg::mqtt::make_keyword_table({{"$VALUE$", "the value"}, {"$TIME$", "the time"}});
    ASSERT_EQ(two.row_count(), 3);
    EXPECT_EQ(two.text(2, keyword::Keyword), "$TIME$");
    EXPECT_EQ(two.text(2, keyword::Description), "the time");
}

} // namespace
