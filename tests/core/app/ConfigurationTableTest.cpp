#include "core/app/ConfigurationTable.h"

#include "core/lang/LangStrings.h"
#include "core/lang/LanguageTexts.h"
#include "core/nmea/ListenerTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path Fixtures = CONFIGURATOR_FIXTURES_DIR;

struct Fixture_Table {
    const char* file;
    cfg::Configuration_Table table;
};

void PrintTo(const Fixture_Table& c, std::ostream* out) {
    *out << c.file;
}

cfg::Application application_with(const std::filesystem::path& file) {
    cfg::Application app;
    app.File_NMEA_0183_Set_Access = file;
    app.File_EtherCAT_Slave = file;
    app.File_MQTT_Set_Topic = file;
    app.Lang_Strings = cfg::default_texts();
    return app;
}

// Each table read from its own file of one configuration folder.
cfg::Application application_in(const std::filesystem::path& folder) {
    cfg::Application app;
    app.File_NMEA_0183_Set_Access = folder / "NMEA_0183_Set_Access.xml";
    app.File_EtherCAT_Slave = folder / "EtherCAT_Slave.xml";
    app.File_MQTT_Set_Topic = folder / "MQTT_Set_Topic.xml";
    app.Lang_Strings = cfg::default_texts();
    return app;
}

cfg::Table_Import import(const cfg::Opened_Table& opened, const std::string& bytes) {
    const cfg::Lang_Strings english = cfg::default_texts();
    return cfg::Import_Table_Csv(opened.table, opened.rules, bytes, std::span(&english, 1), english);
}

class RoundTrip : public testing::TestWithParam<Fixture_Table> {};

// Every cell of every column, hidden and derived ones included, comes back as it was.
TEST_P(RoundTrip, ExportedThenImportedIsTheSameTable) {
    const cfg::Opened_Table opened =
        cfg::Open_Configuration_Table(application_with(Fixtures / GetParam().file), GetParam().table);
    const cfg::Table_Import imported = import(opened, cfg::Export_Table_Csv(opened.table, opened.rules));
    ASSERT_TRUE(imported.table) << imported.refusal;
    EXPECT_EQ(*imported.table, opened.table);
}

using enum cfg::Configuration_Table;
INSTANTIATE_TEST_SUITE_P(
    Fixtures, RoundTrip,
    testing::Values(Fixture_Table{"cli/full/NMEA_0183_Set_Access.xml", Listener},
                    Fixture_Table{"cli/good/NMEA_0183_Set_Access.xml", Listener},
                    Fixture_Table{"cli/layout/Overlap/NMEA_0183_Set_Access.xml", Listener},
                    Fixture_Table{"preview/Learn/NMEA_0183_Set_Access.xml", Listener},
                    Fixture_Table{"nmea/objects_map_listener.xml", Listener},
                    Fixture_Table{"nmea/legacy_rows.xml", Legacy},
                    Fixture_Table{"cli/full/NMEA_0183_Set_Access.xml", Legacy},
                    Fixture_Table{"cli/full/EtherCAT_Slave.xml", EtherCAT},
                    Fixture_Table{"cli/good/EtherCAT_Slave.xml", EtherCAT},
                    Fixture_Table{"ethercat/worked_example/EtherCAT_Slave.xml", EtherCAT},
                    Fixture_Table{"preview/Ship/EtherCAT_Slave.xml", EtherCAT},
                    Fixture_Table{"mqtt/MQTT_Set_Topic.xml", Topics},
                    Fixture_Table{"cli/good/MQTT_Set_Topic.xml", Topics}));

struct Refusal_Case {
    const char* name;
    cfg::Configuration_Table table;
    std::string csv;
    std::string refusal;
};

void PrintTo(const Refusal_Case& c, std::ostream* out) {
    *out << c.name;
}

std::string too_many_rows() {
    std::string csv = "Enable\r\n";
    for (int row = 0; row <= 100; ++row)
        csv += "Y\r\n";
    return csv;
}

class Refusal : public testing::TestWithParam<Refusal_Case> {};

TEST_P(Refusal, NothingIsImportedAndTheMessageSaysWhy) {
    const cfg::Opened_Table opened =
        cfg::Open_Configuration_Table(application_in(Fixtures / "cli/good"), GetParam().table);
    const cfg::Table_Import imported = import(opened, GetParam().csv);
    EXPECT_FALSE(imported.table);
    EXPECT_EQ(imported.refusal, GetParam().refusal + " Nothing was imported.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    testing::Values(
        Refusal_Case{"choice_not_offered", Listener, "Enable,Sentence\r\nY,GGA\r\nY,XYZ\r\n",
                     "Row 2, column \"Sentence\": \"XYZ\" is not one of the column's choices."},
        Refusal_Case{"field_of_another_sentence", Listener, "Sentence,Data Field\r\nGGA,Heading\r\n",
                     "Row 1, column \"Data Field\": \"Heading\" is not one of the column's choices."},
        Refusal_Case{
            "check_box_state", Listener, "Enable\r\nyes\r\n",
            "Row 1, column \"Enable\": \"yes\" is not a check box state; Y (checked) or N (not checked)."},
        Refusal_Case{
            "plain_family_check_box_state", Legacy, "Enable\r\nX\r\n",
            "Row 1, column \"Enable\": \"X\" is not a check box state; Y (checked) or N (not checked)."},
        Refusal_Case{"type_not_offered", EtherCAT, "Type\r\nInt128\r\n",
                     "Row 1, column \"Type\": \"Int128\" is not one of the column's choices."},
        Refusal_Case{"more_rows_than_the_table", Listener, too_many_rows(),
                     "The file holds 101 rows; the table holds 100."},
        Refusal_Case{"unknown_header", Listener, "Enable,Colour\r\n",
                     "The column \"Colour\" of the file is not a column of this table."},
        Refusal_Case{"row_numbers_are_not_a_column", Listener, "N,Enable\r\n",
                     "The column \"N\" of the file is not a column of this table."},
        Refusal_Case{"header_twice", Listener, "Enable,enable\r\n",
                     "The column \"enable\" appears twice in the file."},
        Refusal_Case{"values_beyond_the_header", Listener, "Enable\r\nY\r\nY,x\r\n",
                     "Row 2 of the file holds more values than its header names."},
        Refusal_Case{"quote_not_closed", Listener, "Mnemonic\r\nok\r\n\"open\r\n",
                     "Row 2 of the file: a quoted value is not closed."},
        Refusal_Case{"no_header", Listener, "\xEF\xBB\xBF\r\n", "The file holds no header row."}),
    [](const testing::TestParamInfo<Refusal_Case>& info) { return std::string(info.param.name); });

// A spreadsheet saved in Italian with its own list separator and code page: headers in the language
// the screen showed, a column left out keeps the empty row's value, all-empty rows stay empty.
TEST(TableImport, TakesHeadersInAnyShippedLanguage) {
    const cfg::Opened_Table opened =
        cfg::Open_Configuration_Table(application_with(Fixtures / "missing.xml"), Listener);
    const std::vector<cfg::Lang_Strings> languages =
        cfg::Every_Language_Texts(cfg::Language_Folders(Fixtures / "../../packaging/lang"));
    const cfg::Table_Import imported = cfg::Import_Table_Csv(opened.table, opened.rules,
                                                             "Attivo;Frase;Descrizione\r\nN;GGA;Gr\xFC\xDF"
                                                             "e\r\n;;\r\nY;RMC;\r\n",
                                                             languages, cfg::default_texts());
    ASSERT_TRUE(imported.table) << imported.refusal;
    using C = cfg::nmea::Listener_Column;
    const cfg::Table& table = *imported.table;
    EXPECT_FALSE(table.is_checked(1, static_cast<int>(C::Enable)));
    EXPECT_EQ(table.text(1, static_cast<int>(C::Mnemonic)), "Grüße");
    EXPECT_EQ(table.text(1, static_cast<int>(C::Serial_Channel)), "RS232");
    EXPECT_TRUE(table.is_checked(2, static_cast<int>(C::Enable)));
    EXPECT_EQ(table.text(2, static_cast<int>(C::Sentence)), "");
    EXPECT_EQ(table.text(3, static_cast<int>(C::Sentence)), "RMC");
    EXPECT_EQ(imported.rows, 3);
}

// Values the screen derives are derived again, whatever the file says.
TEST(TableImport, RecomputesPositionsAndFixedLengths) {
    const cfg::Opened_Table opened =
        cfg::Open_Configuration_Table(application_with(Fixtures / "missing.xml"), EtherCAT);
    const cfg::Table_Import imported = import(
        opened, "Type,Length,Name,Position,Start Bit\r\nInt16,7,a,99,5\r\nString,12,b,0,0\r\nBool,,c,,\r\n");
    ASSERT_TRUE(imported.table) << imported.refusal;
    const std::vector<std::vector<std::string>> expected = {
        {"2", "0", "0"}, {"12", "2", "0"}, {"1", "14", "0"}};
    for (int row = 1; row <= 3; ++row) {
        const std::vector<std::string>& values = expected[static_cast<std::size_t>(row - 1)];
        EXPECT_EQ(imported.table->text(row, 3), values[0]) << row;
        EXPECT_EQ(imported.table->text(row, 6), values[1]) << row;
        EXPECT_EQ(imported.table->text(row, 7), values[2]) << row;
    }
}

} // namespace
