#include "core/bytemap/ByteMapSvg.h"
#include "core/bytemap/ByteMapBuilder.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>

namespace {

using namespace cfg::bytemap;

const cfg::Lang_Strings texts = cfg::default_texts();

pugi::xml_document parsed(const std::string& svg) {
    pugi::xml_document doc;
    const pugi::xml_parse_result result = doc.load_string(svg.c_str());
    EXPECT_TRUE(result) << result.description();
    return doc;
}

Byte_Map overlapping_map(const std::string& mnemonic) {
    return Build_Byte_Map(
        {{{1, "GGA", "Latitude", 0, 4, {2}, false, mnemonic}, {2, "GGA", "Hours", 3, 1, {1}, false, ""}}, {}},
        texts);
}

TEST(ByteMapSvg, IsAnSvgOfTheMapsSize) {
    const Byte_Map map = overlapping_map("GPS");
    const pugi::xml_document doc = parsed(Byte_Map_Svg(map));
    const pugi::xml_node svg = doc.document_element();
    EXPECT_STREQ(svg.name(), "svg");
    EXPECT_STREQ(svg.attribute("xmlns").value(), "http://www.w3.org/2000/svg");
    EXPECT_EQ(svg.attribute("width").as_int(), map.width);
    EXPECT_EQ(svg.attribute("height").as_int(), map.height);
}

TEST(ByteMapSvg, BlocksCarryTheirHoverTextAsTitles) {
    const pugi::xml_document doc = parsed(Byte_Map_Svg(overlapping_map("GPS")));
    const pugi::xpath_node title = doc.select_node("//title[starts-with(., 'Row 1')]");
    ASSERT_TRUE(title);
    EXPECT_EQ(std::string(title.node().text().get()), "Row 1\nSentence: GGA\nData Field: Latitude\n"
                                                      "Bytes: 0\u20133\noverlaps row 2");
}

TEST(ByteMapSvg, HatchingUsesAPatternOfItsColour) {
    const pugi::xml_document doc = parsed(Byte_Map_Svg(overlapping_map("")));
    const std::string warning = Hex(palette::Warning);
    const pugi::xpath_node pattern = doc.select_node("//pattern[@id='hatch-e8590c']");
    ASSERT_TRUE(pattern);
    EXPECT_EQ(std::string(pattern.node().child("line").attribute("stroke").value()), warning);
    EXPECT_TRUE(doc.select_node("//rect[@fill='url(#hatch-e8590c)']"));
}

TEST(ByteMapSvg, LabelsAreEscapedAndCutAtTheirBlock) {
    const Byte_Map map = overlapping_map("<a & b>");
    const pugi::xml_document doc = parsed(Byte_Map_Svg(map));
    // Row 2 lies inside row 1's bytes: its label joins row 1's.
    const pugi::xpath_node label = doc.select_node("//svg/svg[text='1 <a & b> / 2 GGA']");
    ASSERT_TRUE(label);
    const Map_Rect piece = Lane_Rect(Map_Lane::Listener, 0, 3);
    EXPECT_EQ(label.node().attribute("x").as_int(), piece.x);
    EXPECT_EQ(label.node().attribute("width").as_int(), piece.width);
}

} // namespace
