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

// The check takes a Float32 initial value exactly when the image stores it as itself (1e-40 is a
// subnormal single, 1e-50 too small for one).
TEST(VariableCheck, Float32InitValuesMustBeNumbersWithinTheSinglesRange) {
    struct Case {
        const char* init_value;
        bool accepted;
    };
    const Case cases[] = {
        {"", true},         {"   ", true},   {"1.5", true},          {"1,5", true},
        {" -2.5E1 ", true}, {"+.5", true},   {"3.4028235e38", true}, {"-3.4028235e38", true},
        {"1e-40", true},    {"1e39", false}, {"-1e39", false},       {"3.4028236e38", false},
        {"1e-50", false},   {"abc", false},  {"nan", false},         {"inf", false},
        {"1.5.2", false},   {"0x10", false}, {"1e", false}};
    const cfg::Lang_Strings texts = cfg::default_texts();
    for (const Case& c : cases) {
        const cfg::Table table =
            variable_table(true, {{"Bool", "1", true, "", "1e39"}, {"Float32", "4", true, "", c.init_value}});
        const cfg::ethercat::Variable_Check_Result result = cfg::ethercat::Controllo_dati(table, texts);
        EXPECT_EQ(result.ok(), c.accepted) << '"' << c.init_value << '"';
        if (!c.accepted) {
            EXPECT_EQ(result.row, 2);
            EXPECT_EQ(result.text_index, 1554);
            EXPECT_EQ(result.message,
                      "Error row 2!! Init Value must be a number within the range of Float32");
        }
    }
}

TEST(VariableCheck, OnlyEnabledUsedFloat32RowsOfTheSlaveToMasterTableAreChecked) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    // Disabled, not exactly the type name (the image stores no single for it), and below the used rows.
    EXPECT_TRUE(cfg::ethercat::Controllo_dati(variable_table(true, {{"Float32", "4", false, "", "1e39"},
                                                                    {"float32", "4", true, "", "1e39"},
                                                                    {"", ""},
                                                                    {"Float32", "4", true, "", "1e39"}}),
                                              texts)
                    .ok());
    // The Master To Slave table has no initial value at all.
    EXPECT_TRUE(cfg::ethercat::Controllo_dati(variable_table(false, {{"Float32", "4"}}), texts).ok());
}

TEST(VariableCheck, RowsAreCheckedInOrderWhicheverRuleTheyBreak) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    const cfg::ethercat::Variable_Check_Result float_first = cfg::ethercat::Controllo_dati(
        variable_table(true, {{"Float32", "4", true, "", "x"}, {"String", "300"}}), texts);
    EXPECT_EQ(float_first.row, 1);
    EXPECT_EQ(float_first.text_index, 1554);
    const cfg::ethercat::Variable_Check_Result string_first = cfg::ethercat::Controllo_dati(
        variable_table(true, {{"String", "300"}, {"Float32", "4", true, "", "x"}}), texts);
    EXPECT_EQ(string_first.row, 1);
    EXPECT_EQ(string_first.text_index, 1552);
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
