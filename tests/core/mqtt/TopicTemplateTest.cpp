#include "core/mqtt/TopicTemplate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cfg::mqtt::Error_In_Topic_Template;

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

} // namespace
