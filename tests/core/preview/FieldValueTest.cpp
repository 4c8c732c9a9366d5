#include "core/preview/FieldValue.h"
#include "core/nmea/SentenceCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::preview::Convert_Field;
using cfg::preview::Field_Kind;
using cfg::preview::Kind_Of;
using cfg::preview::Value_State;
using Bytes = std::vector<std::uint8_t>;

// Every catalogue field gets a kind that fits its size: singles take 4 bytes, whole numbers 1 or 2,
// texts 1, 3 or 20.
TEST(FieldValue, EveryCatalogueFieldHasAKindThatFitsItsSize) {
    for (int n = 1; n <= cfg::nmea::Sentence_Count; ++n) {
        for (const cfg::nmea::TFieldSentence& field :
             cfg::nmea::Sentence_Maps()[static_cast<std::size_t>(n)].Fields) {
            const Field_Kind kind = Kind_Of(field.Field);
            const int size = field.Dimension;
            const bool fits = kind == Field_Kind::Float32      ? size == 4
                              : kind == Field_Kind::Characters ? size == 1 || size == 3 || size == 20
                                                               : size == 1 || size == 2;
            EXPECT_TRUE(fits) << field.Field;
        }
    }
}

TEST(FieldValue, KindsOfTheFieldsWithoutABracket) {
    EXPECT_EQ(Kind_Of("Wind speed, knots, Number"), Field_Kind::Float32);
    EXPECT_EQ(Kind_Of("Wind speed, knots, Unit"), Field_Kind::Characters);
    EXPECT_EQ(Kind_Of("local zone hours [decimal +/-]"), Field_Kind::Signed);
    EXPECT_EQ(Kind_Of("Transducer ID [character string] (20 characters)"), Field_Kind::Characters);
}

struct Value_Case {
    const char* label;
    std::string text;
    Field_Kind kind;
    int size;
    int exponent;
    Value_State state;
    std::string value;
    Bytes bytes;
};

TEST(FieldValue, TextsToBytes) {
    using K = Field_Kind;
    using S = Value_State;
    const Value_Case cases[] = {
        {"single", "12.5", K::Float32, 4, 0, S::Stored, "12.5", {0x00, 0x00, 0x48, 0x41}},
        {"single times 10", "12.5", K::Float32, 4, 1, S::Stored, "125", {0x00, 0x00, 0xfa, 0x42}},
        {"single by 100", "12.5", K::Float32, 4, -2, S::Stored, "0.125", {0x00, 0x00, 0x00, 0x3e}},
        {"negative single", "-0.75", K::Float32, 4, 0, S::Stored, "-0.75", {0x00, 0x00, 0x40, 0xbf}},
        {"nearest single", "0.1", K::Float32, 4, 0, S::Stored, "0.1", {0xcd, 0xcc, 0xcc, 0x3d}},
        {"scaled once, rounded once",
         "0.00001",
         K::Float32,
         4,
         4,
         S::Stored,
         "0.1",
         {0xcd, 0xcc, 0xcc, 0x3d}},
        {"leading plus and zeros", "+0036.1", K::Float32, 4, 1, S::Stored, "361", {0x00, 0x80, 0xb4, 0x43}},
        {"beyond a single",
         "1" + std::string(39, '0'),
         K::Float32,
         4,
         0,
         S::Did_Not_Fit,
         "340282346638528859811704183484516925440",
         {0xff, 0xff, 0x7f, 0x7f}},
        {"below a single",
         "-0." + std::string(60, '0') + "1",
         K::Float32,
         4,
         0,
         S::Stored,
         "-0",
         {0x00, 0x00, 0x00, 0x80}},
        {"byte", "08", K::Unsigned, 1, 0, S::Stored, "8", {0x08}},
        {"largest byte", "255", K::Unsigned, 1, 0, S::Stored, "255", {0xff}},
        {"byte too large", "256", K::Unsigned, 1, 0, S::Did_Not_Fit, "255", {0xff}},
        {"byte times 100 too large", "12", K::Unsigned, 1, 2, S::Did_Not_Fit, "255", {0xff}},
        {"negative into an unsigned", "-1", K::Unsigned, 1, 0, S::Did_Not_Fit, "0", {0x00}},
        {"far beyond 64 bits",
         std::string(30, '9'),
         K::Unsigned,
         2,
         0,
         S::Did_Not_Fit,
         "65535",
         {0xff, 0xff}},
        {"half rounds up", "25", K::Unsigned, 1, -1, S::Stored, "3", {0x03}},
        {"below half rounds down", "24", K::Unsigned, 1, -1, S::Stored, "2", {0x02}},
        {"a decimal text", "1.49", K::Unsigned, 1, 0, S::Stored, "1", {0x01}},
        {"half of one", "5", K::Unsigned, 1, -1, S::Stored, "1", {0x01}},
        {"less than half", "4", K::Unsigned, 1, -4, S::Stored, "0", {0x00}},
        {"word", "2026", K::Unsigned, 2, 0, S::Stored, "2026", {0xea, 0x07}},
        {"word times 100", "0535", K::Unsigned, 2, 2, S::Stored, "53500", {0xfc, 0xd0}},
        {"word too large", "65536", K::Unsigned, 2, 0, S::Did_Not_Fit, "65535", {0xff, 0xff}},
        {"signed byte", "-05", K::Signed, 1, 0, S::Stored, "-5", {0xfb}},
        {"lowest signed byte", "-128", K::Signed, 1, 0, S::Stored, "-128", {0x80}},
        {"signed byte too low", "-129", K::Signed, 1, 0, S::Did_Not_Fit, "-128", {0x80}},
        {"negative half away from zero", "-2.5", K::Signed, 1, 0, S::Stored, "-3", {0xfd}},
        {"signed times 10", "-12", K::Signed, 1, 1, S::Stored, "-120", {0x88}},
        {"signed times 10 too low", "-13", K::Signed, 1, 1, S::Did_Not_Fit, "-128", {0x80}},
        {"character", "N", K::Characters, 1, 0, S::Stored, "N", {0x4e}},
        {"character takes no post operation", "5", K::Characters, 1, 4, S::Stored, "5", {0x35}},
        {"two characters into one", "AB", K::Characters, 1, 0, S::Did_Not_Fit, "A", {0x41}},
        {"datum code", "W84", K::Characters, 3, 0, S::Stored, "W84", {0x57, 0x38, 0x34}},
        {"short text padded", "W8", K::Characters, 3, 0, S::Stored, "W8", {0x57, 0x38, 0x00}},
        {"empty number", "", K::Float32, 4, 0, S::Empty, "", {}},
        {"empty character", "", K::Characters, 1, 0, S::Empty, "", {}},
        {"a second point", "1.2.3", K::Float32, 4, 0, S::Not_A_Number, "", {}},
        {"an exponent", "1e5", K::Float32, 4, 0, S::Not_A_Number, "", {}},
        {"a letter", "12a", K::Unsigned, 1, 0, S::Not_A_Number, "", {}},
        {"a blank", " 12", K::Unsigned, 1, 0, S::Not_A_Number, "", {}},
        {"a sign alone", "-", K::Signed, 1, 0, S::Not_A_Number, "", {}},
        {"a point alone", ".", K::Float32, 4, 0, S::Not_A_Number, "", {}},
        {"no digit before the point", "-.5", K::Float32, 4, 0, S::Stored, "-0.5", {0x00, 0x00, 0x00, 0xbf}},
        {"no digit after the point", "5.", K::Unsigned, 1, 0, S::Stored, "5", {0x05}},
        {"hexadecimal", "0x10", K::Unsigned, 1, 0, S::Not_A_Number, "", {}},
    };
    for (const Value_Case& c : cases) {
        const cfg::preview::Field_Value value = Convert_Field(c.text, c.kind, c.size, c.exponent);
        EXPECT_EQ(value.state, c.state) << c.label;
        EXPECT_EQ(value.value, c.value) << c.label;
        EXPECT_EQ(value.bytes, c.bytes) << c.label;
    }
}

} // namespace
