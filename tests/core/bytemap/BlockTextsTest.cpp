#include "core/bytemap/BlockTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace cfg::bytemap;

const cfg::Lang_Strings texts = cfg::default_texts();

TEST(BlockTexts, AFieldIsLabelledByItsMnemonicOrElseItsSentence) {
    cfg::nmea::Array_Field field{3, "GGA", "Latitude, Minutes [floating point]", 12, 4, {}, false, "GPS"};
    EXPECT_EQ(Field_Label(field), "3 GPS");
    field.Mnemonic = "  ";
    EXPECT_EQ(Field_Label(field), "3 GGA");
}

TEST(BlockTexts, AFieldsHoverNamesRowSentenceFieldBytesAndMarks) {
    const cfg::nmea::Array_Field field{3, "GGA", "Latitude, Minutes [floating point]", 12, 4, {1}, false, ""};
    EXPECT_EQ(Field_Hover(field, texts), "Row 3\n"
                                         "Sentence: GGA\n"
                                         "Data Field: Latitude, Minutes [floating point]\n"
                                         "Bytes: 12\u201315\n"
                                         "overlaps row 1");
}

TEST(BlockTexts, AVariablesHoverNamesRowNameTypeAndBytes) {
    const cfg::ethercat::Variable_Place word{2, true, "Int16", "Speed", 1, 0, 2, false};
    EXPECT_EQ(Variable_Label(word), "2 Speed");
    EXPECT_EQ(Variable_Hover(word, texts), "Row 2\nName: Speed\nType: Int16\nBytes: 1\u20132");

    const cfg::ethercat::Variable_Place flag{5, true, "Bool", "", 3, 6, 0, true};
    EXPECT_EQ(Variable_Label(flag), "5 Bool");
    EXPECT_EQ(Variable_Hover(flag, texts), "Row 5\nName: \nType: Bool\nBytes: 3\nStart Bit: 6");

    const cfg::ethercat::Variable_Place empty{6, true, "String", "Id", 4, 0, 0, false};
    EXPECT_EQ(Variable_Hover(empty, texts), "Row 6\nName: Id\nType: String\nBytes: none");
}

} // namespace
