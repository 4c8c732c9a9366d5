#include "core/report/HtmlReport.h"
#include "core/app/Application.h"
#include "core/app/CompileConfiguration.h"
#include "core/app/ConfigurationFolders.h"
#include "core/image/BankFiles.h"
#include "core/report/ReportTexts.h"
#include "core/report/Sha256.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <chrono>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// A name and a mnemonic holding what HTML reserves, two listener rows sharing bytes, compiled banks.
class Html_Report : public testing::Test {
protected:
    Html_Report() {
        const fs::path folder = dir / R"(Plant <&> "1")";
        fs::copy(cfg::test::copy_fixture("cli/good", dir), folder, fs::copy_options::recursive);
        std::string listeners = cfg::test::read_bytes(folder / "NMEA_0183_Set_Access.xml");
        listeners.replace(listeners.find("Position=\"6\""), 12, "Position=\"4\"");
        listeners.replace(listeners.find("Mnemonic=\"GPS\""), 14,
                          R"(Mnemonic="&lt;b&gt;GPS&amp;&quot;&apos;")");
        cfg::test::write_bytes(folder / "NMEA_0183_Set_Access.xml", listeners);
        app.Lang_Strings = cfg::default_texts();
        cfg::Open_Project_Folder(app, folder);
    }

    pugi::xml_document parsed() const {
        html = cfg::report::Configuration_Report_Html(app, sys_days{2025y / 3 / 4} + 13h + 5min);
        pugi::xml_document doc;
        const pugi::xml_parse_result result = doc.load_string(html.c_str());
        EXPECT_TRUE(result) << result.description() << " at " << result.offset;
        return doc;
    }

    cfg::test::TempDir dir;
    cfg::Application app;
    mutable std::string html;
};

TEST_F(Html_Report, IsWellFormedAndKeepsEveryValueAsText) {
    const pugi::xml_document doc = parsed();
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_STREQ(doc.select_node("/html/head/title").node().text().get(),
                 R"(Configuration Report: Plant <&> "1")");
    EXPECT_TRUE(doc.select_node(R"(//tr[th='Configuration' and td='Plant <&> "1"'])"));
    EXPECT_TRUE(doc.select_node(R"(//tr[th='Date and Time' and td='2025-03-04 13:05 UTC'])"));
    EXPECT_TRUE(doc.select_node(R"(//tr[th='Program Version' and td='SW52C40 1.000'])"));
    // The mnemonic is a cell's text, not markup.
    EXPECT_TRUE(doc.select_node("//td[.=concat('<b>GPS&', '\"', \"'\")]"));
    EXPECT_FALSE(doc.select_node("//b"));
}

TEST_F(Html_Report, ShowsEachPartOfTheConfiguration) {
    cfg::image::Compile_Configuration(app);
    const pugi::xml_document doc = parsed();
    // The parameters grouped as on their screen.
    EXPECT_TRUE(doc.select_node("//h3[.='3. Ethernet']/following-sibling::table[1][tr[th='IP Address' and "
                                "td='192.168.0.10']]"));
    // The listener rows with the screen's headers, the rows that share bytes marked.
    const pugi::xml_node listeners =
        doc.select_node("//h2[.='NMEA 0183 Access']/following-sibling::table[1]").node();
    EXPECT_EQ(listeners.select_nodes("thead/tr/th").size(), 12u);
    EXPECT_TRUE(listeners.select_node(
        "tbody/tr[td[1]='2' and td[10]='4–7' and td[12]='overlaps row 1']/td[@class='marked']"));
    EXPECT_FALSE(listeners.select_node("tbody/tr[td[1]='3']/td[@class='marked']"));
    // The variables with their places in the process image.
    EXPECT_TRUE(doc.select_node("//p[.='process image: 7 bytes']"));
    EXPECT_TRUE(doc.select_node("//tr[td[1]='4' and td[5]='Id' and td[7]='3' and td[8]='0']"));
    EXPECT_TRUE(doc.select_node("//div[@class='byte-map']/*[local-name()='svg']"));
    // The ESI identity, and that no ESI file was written for it.
    EXPECT_TRUE(doc.select_node("//tr[th='Vendor' and td='Brimlow (#x00000B5D)']"));
    EXPECT_TRUE(doc.select_node("//tr[th='Revision Number' and td='#x02']"));
    EXPECT_TRUE(doc.select_node("//tr[th='Slave Name' and td='Bridge']"));
    EXPECT_TRUE(doc.select_node("//tr[th='Process Image' and starts-with(td, 'Warning: no ESI file')]"));
    // Each bank with its size, its own checksum where it has one, and the file's SHA-256.
    const std::array<fs::path, 3> banks = cfg::image::Bank_File_Paths(app.Path_Project);
    const std::string sha = cfg::report::Sha256_Hex(cfg::test::read_bytes(banks[0]));
    EXPECT_TRUE(doc.select_node(
        ("//tr[td[1]='bank1.bin' and td[2]='2048' and starts-with(td[4], '0x') and td[5]='" + sha + "']")
            .c_str()));
    EXPECT_TRUE(doc.select_node("//tr[td[1]='bank2.bin' and td[2]='1536' and td[4]='none']"));
}

TEST_F(Html_Report, SaysWhatIsNotThere) {
    fs::remove(app.File_NMEA_0183_Set_Access);
    const pugi::xml_document doc = parsed();
    EXPECT_TRUE(doc.select_node("//h2[.='NMEA 0183 Access']/following-sibling::*[1][self::p and .='none']"));
    EXPECT_TRUE(doc.select_node("//tr[td[1]='bank3.bin' and td[2]='not compiled']"));
}

// A view without SVG gets the pictures it draws itself, one under the other, in place of the map.
TEST_F(Html_Report, PutsTheGivenPicturesInPlaceOfTheMap) {
    int map_height = 0;
    html = cfg::report::Configuration_Report_Html(
        app, sys_days{2025y / 3 / 4}, [&](const cfg::bytemap::Byte_Map& map) {
            map_height = map.height;
            return std::vector<cfg::report::Report_Picture>{{"map-1", 300, 200}, {"map-2", 300, 100}};
        });
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(html.c_str()));
    EXPECT_GT(map_height, 0);
    EXPECT_FALSE(doc.select_node("//*[local-name()='svg']"));
    const pugi::xpath_node_set pictures = doc.select_nodes("//div[@class='byte-map']/img");
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_STREQ(pictures[0].node().attribute("src").value(), "map-1");
    EXPECT_EQ(pictures[0].node().attribute("width").as_int(), 300);
    EXPECT_EQ(pictures[1].node().attribute("height").as_int(), 100);
}

TEST_F(Html_Report, SpeaksTheLanguageInUse) {
    app.Lang_Strings.set(cfg::report::text::Report_Title, "Rapporto");
    app.Lang_Strings.set(1122, "Nome <host>");
    const pugi::xml_document doc = parsed();
    EXPECT_TRUE(doc.select_node("//h1[.='Rapporto']"));
    EXPECT_TRUE(doc.select_node("//th[.='Nome <host>']"));
}

} // namespace
