#include "core/report/DiffHtml.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace {

using cfg::report::Diff_Area;
using cfg::report::Diff_Change;
using cfg::report::Difference;

pugi::xml_document parsed(const std::string& html) {
    pugi::xml_document doc;
    const pugi::xml_parse_result result = doc.load_string(html.c_str());
    EXPECT_TRUE(result) << result.description() << " at " << result.offset;
    return doc;
}

TEST(Difference_Html, SaysWhatWasComparedAndThatTheyAreTheSame) {
    const pugi::xml_document doc =
        parsed(cfg::report::Difference_Html({}, "Plant <A>", "bank files in /x&y", cfg::default_texts()));
    EXPECT_TRUE(doc.select_node("//tr[th='Compared' and td='Plant <A>']"));
    EXPECT_TRUE(doc.select_node("//tr[th='With' and td='bank files in /x&y']"));
    EXPECT_TRUE(doc.select_node("//p[@class='same' and .='The configurations are the same.']"));
    EXPECT_FALSE(doc.select_node("//h2"));
}

// Each area under its own heading once, its differences in their order, values as text.
TEST(Difference_Html, ListsTheDifferencesUnderTheirArea) {
    const std::vector<Difference> differences = {
        {Diff_Area::Parameters,
         Diff_Change::Changed,
         0,
         "Host_Name",
         {{"Host_Name", "Host Name", "a", "<b>"}}},
        {Diff_Area::Listener, Diff_Change::Added, 3, "", {{"Mnemonic", "Mnemonic", "", "HDG"}}},
        {Diff_Area::Listener, Diff_Change::Removed, 4, "", {{"Mnemonic", "Mnemonic", "GPS", ""}}},
        {Diff_Area::Bank2, Diff_Change::Changed, 0, "size", {{"size", "size", "1536", "1540"}}},
    };
    const pugi::xml_document doc =
        parsed(cfg::report::Difference_Html(differences, "A", "B", cfg::default_texts()));
    EXPECT_TRUE(doc.select_node("//p[@class='differ' and .='The configurations differ.']"));
    const pugi::xpath_node_set headings = doc.select_nodes("//h2");
    ASSERT_EQ(headings.size(), 3u);
    EXPECT_STREQ(headings[0].node().text().get(), "Set Communication");
    EXPECT_STREQ(headings[1].node().text().get(), "NMEA 0183 Access");
    EXPECT_STREQ(headings[2].node().text().get(), "bank2.bin");
    EXPECT_TRUE(doc.select_node("//h2[1]/following-sibling::ul[1]/li[.='Host Name: \"a\" → \"<b>\"']"));
    const pugi::xml_node listener = doc.select_node("//h2[2]/following-sibling::ul[1]").node();
    EXPECT_STREQ(listener.child("li").text().get(), "Row 3 added: Mnemonic: \"HDG\"");
    EXPECT_STREQ(listener.last_child().text().get(), "Row 4 removed: Mnemonic: \"GPS\"");
    EXPECT_FALSE(doc.select_node("//b"));
}

} // namespace
