#include "VariableTestTable.h"

#include "core/ethercat/VariableCheck.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::variable_table;

TEST(VariableCheck, StringLengthsMustBeWholeNumbersFrom0To255) {
    struct Case {
        const char* length;
        bool accepted;
    };
    const Case cases[] = {{"0", true},    {"10", true},   {"255", true},         {"007", true},
                          {"256", false}, {"-1", false},  {"+5", false},         {"", false},
                          {"abc", false}, {"$10", false}, {"0x10", false},       {" 5", false},
                          {"5 ", false},  {"4.0", false}, {"99999999999", false}};
    const cfg::Lang_Strings texts = cfg::default_texts();
    for (const char* type : {"String", "ByteString"}) {
        for (const Case& c : cases) {
            const cfg::Table table = variable_table(true, {{"Int8", "1"}, {type, c.length}});
            const cfg::ethercat::Variable_Check_Result result = cfg::ethercat::Controllo_dati(table, texts);
            EXPECT_EQ(result.ok(), c.accepted) << type << " \"" << c.length << "\"";
            if (!c.accepted) {
                EXPECT_EQ(result.row, 2);
                EXPECT_EQ(result.text_index, 1552);
                EXPECT_EQ(result.message, "Error row 2!! Length must be a whole number between 0 and 255");
            }
        }
    }
}

TEST(VariableCheck, OnlyEnabledUsedStringRowsAreChecked) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    EXPECT_TRUE(
        cfg::ethercat::Controllo_dati(
            variable_table(
                true,
                {{"String", "-4", false}, {"Int8", "abc"}, {"string", "-1"}, {"", ""}, {"String", "-1"}}),
            texts)
            .ok());
    EXPECT_TRUE(cfg::ethercat::Controllo_dati(variable_table(false, {}), texts).ok());
}

TEST(VariableCheck, TheFirstFailingRowIsReportedWithTheCataloguesTexts) {
    cfg::Lang_Strings texts = cfg::default_texts();
    texts.set(1551, "Fehler Zeile ");
    texts.set(1552, ": Länge");
    const cfg::ethercat::Variable_Check_Result result = cfg::ethercat::Controllo_dati(
        variable_table(false, {{"Bool", "1"}, {"String", "300"}, {"String", "x"}}), texts);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(result.message, "Fehler Zeile 2: Länge");
}

} // namespace
