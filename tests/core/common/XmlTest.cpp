#include "core/common/Xml.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::TempDir;

TEST(Xml, AMissingFileReadsAsNothingAndIsNoError) {
    TempDir dir;
    EXPECT_EQ(cfg::xml::read_file(dir / "ParGen.xml"), std::nullopt);
}

TEST(Xml, AMalformedFileRaisesNamingTheFileAndThePosition) {
    pugi::xml_document doc;
    try {
        cfg::xml::load(doc, {"/a/ParGen.xml", "<Par_Gen>\n<a></b></Par_Gen>"});
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("\"/a/ParGen.xml\" is not well-formed XML"), std::string::npos) << message;
        EXPECT_NE(message.find("line 2"), std::string::npos) << message;
    }
}

TEST(Xml, TheRootIsTheElementBehindADeclarationAndComments) {
    pugi::xml_document doc;
    cfg::xml::load(doc, {"a.xml", "<?xml version=\"1.0\"?><!--x--><Par_Gen/><!--SW_VERSION = 1.000-->"});
    EXPECT_STREQ(cfg::xml::root_element(doc).name(), "Par_Gen");
}

TEST(Xml, ATextOfBlanksIsAValueWhileBlanksBetweenElementsAreNot) {
    pugi::xml_document doc;
    cfg::xml::load(doc, {"a.xml", "<r>\n  <name>   </name>\n  <rows>\n  </rows>\n</r>"});
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

// One pass over the attributes finds what a lookup by name finds, whatever their order.
TEST(Xml, FindingAttributesTogetherAgreesWithLookingEachUp) {
    const char* const names[] = {"Enable", "Sentence", "Index", "Mnemonic"};
    const char* const rows[] = {
        R"(<row Enable="Y" Sentence="GGA" Index="2" Mnemonic="m"/>)",
        R"(<row Mnemonic="m" Index="2" Sentence="GGA" Enable="N"/>)",
        R"(<row Enable="Y" Other="o" Mnemonic="m"/>)",
        R"(<row Enable="Y" Sentence="A" Enable="N" Sentence="B"/>)",
        R"(<row Sentence="A" Enable="Y" Sentence="B" Index="" Mnemonic="m" Enable="N"/>)",
        R"(<row/>)",
    };
    for (const char* text : rows) {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(text)) << text;
        const pugi::xml_node row = doc.first_child();
        const char* values[std::size(names)];
        cfg::xml::find_attributes(row, names, values);
        for (std::size_t i = 0; i < std::size(names); ++i)
            EXPECT_EQ(cfg::xml::attribute_or(values[i], "-"), cfg::xml::attribute_text(row, names[i], "-"))
                << text << ' ' << names[i];
    }
}

TEST(Xml, SavesUtf8WithoutDeclarationOrIndentationAndTheVersionAfterTheRoot) {
    pugi::xml_document doc;
    pugi::xml_node root = cfg::xml::start_document(doc, "Par_Gen", "1.000");
    cfg::xml::append_text_element(root, "Name", "A & <\xC3\xA9>");
    cfg::xml::append_text_element(root, "Empty", "");
    EXPECT_EQ(cfg::xml::to_bytes(doc),
              "<Par_Gen><Name>A &amp; &lt;\xC3\xA9&gt;</Name><Empty/></Par_Gen><!--SW_VERSION = 1.000-->");
}

// What a reader loads reads back the same after a save: a raw carriage return would come back as
// a line feed, and blanks, tabs and control characters must stay as they are, in texts and in
// attributes alike.
TEST(Xml, TextsAndAttributesReadBackExactly) {
    for (const std::string value :
         {"a\rb", "a\r\nb", "\r", "a\nb", " \t a \t ", "x\x01y", "A & <\xC3\xA9>\"'"}) {
        pugi::xml_document doc;
        pugi::xml_node root = cfg::xml::start_document(doc, "r", "1.000");
        cfg::xml::append_text_element(root, "Name", value);
        root.append_child("row").append_attribute("Name") = value.c_str();
        const std::string bytes = cfg::xml::to_bytes(doc);

        pugi::xml_document back;
        cfg::xml::load(back, {"r.xml", bytes});
        const pugi::xml_node back_root = cfg::xml::root_element(back);
        EXPECT_EQ(cfg::xml::child_text(back_root, "Name", ""), value) << bytes;
        EXPECT_EQ(cfg::xml::attribute_text(back_root.child("row"), "Name", ""), value) << bytes;
    }
}

} // namespace
