#include "core/common/Xml.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

TEST(Xml, AMissingFileLoadsNothingAndIsNoError) {
    TempDir dir;
    pugi::xml_document doc;
    EXPECT_FALSE(cfg::xml::load_file(doc, dir / "ParGen.xml"));
    EXPECT_FALSE(cfg::xml::root_element(doc));
}

TEST(Xml, AMalformedFileRaisesNamingTheFileAndThePosition) {
    TempDir dir;
    write_bytes(dir / "ParGen.xml", "<Par_Gen>\n<a></b></Par_Gen>");
    pugi::xml_document doc;
    try {
        cfg::xml::load_file(doc, dir / "ParGen.xml");
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find((dir / "ParGen.xml").string()), std::string::npos) << message;
        EXPECT_NE(message.find("line 2"), std::string::npos) << message;
    }
}

TEST(Xml, TheRootIsTheElementBehindADeclarationAndComments) {
    TempDir dir;
    write_bytes(dir / "a.xml", "<?xml version=\"1.0\"?><!--x--><Par_Gen/><!--SW_VERSION = 1.000-->");
    pugi::xml_document doc;
    ASSERT_TRUE(cfg::xml::load_file(doc, dir / "a.xml"));
    EXPECT_STREQ(cfg::xml::root_element(doc).name(), "Par_Gen");
}

TEST(Xml, ATextOfBlanksIsAValueWhileBlanksBetweenElementsAreNot) {
    TempDir dir;
    write_bytes(dir / "a.xml", "<r>\n  <name>   </name>\n  <rows>\n  </rows>\n</r>");
    pugi::xml_document doc;
    ASSERT_TRUE(cfg::xml::load_file(doc, dir / "a.xml"));
    const pugi::xml_node root = cfg::xml::root_element(doc);
    EXPECT_EQ(cfg::xml::child_text(root, "name", "d"), "   ");
    EXPECT_EQ(std::distance(root.children().begin(), root.children().end()), 2);
}

TEST(Xml, ReadsTextsAndAttributesWithDefaultsForMissingOnes) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<r><a>  x  </a><b/><row n=\"\" m=\"Y\"/></r>"));
    const pugi::xml_node root = doc.first_child();
    EXPECT_EQ(cfg::xml::child_text(root, "a", "d"), "  x  ");
    EXPECT_EQ(cfg::xml::child_text(root, "b", "d"), "");
    EXPECT_EQ(cfg::xml::child_text(root, "c", "d"), "d");
    EXPECT_EQ(cfg::xml::child_text(root, "A", "d"), "d"); // names match exactly
    const pugi::xml_node row = root.child("row");
    EXPECT_EQ(cfg::xml::attribute_text(row, "n", "d"), "");
    EXPECT_EQ(cfg::xml::attribute_text(row, "m", "d"), "Y");
    EXPECT_EQ(cfg::xml::attribute_text(row, "z", "d"), "d");
}

TEST(Xml, SavesUtf8WithoutDeclarationOrIndentationAndTheVersionAfterTheRoot) {
    TempDir dir;
    pugi::xml_document doc;
    pugi::xml_node root = cfg::xml::start_document(doc, "Par_Gen", "1.000");
    cfg::xml::append_text_element(root, "Name", "A & <\xC3\xA9>");
    cfg::xml::append_text_element(root, "Empty", "");
    cfg::xml::save_file(doc, dir / "ParGen.xml");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml"),
              "<Par_Gen><Name>A &amp; &lt;\xC3\xA9&gt;</Name><Empty/></Par_Gen><!--SW_VERSION = 1.000-->");

    pugi::xml_document back;
    ASSERT_TRUE(cfg::xml::load_file(back, dir / "ParGen.xml"));
    EXPECT_EQ(cfg::xml::child_text(cfg::xml::root_element(back), "Name", ""), "A & <\xC3\xA9>");
}

} // namespace
