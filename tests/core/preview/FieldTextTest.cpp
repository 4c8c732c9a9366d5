#include "core/preview/FieldText.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/FieldSources.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using cfg::nmea::Read_Nmea_Line;
using cfg::nmea::Received_Sentence;
using cfg::preview::Occurrence;
using cfg::preview::Occurrences;
using cfg::preview::Take_Field;
using Text = std::optional<std::string>;

Received_Sentence sentence(const std::string& line) {
    const cfg::nmea::Read_Line read = Read_Nmea_Line(line);
    EXPECT_EQ(read.kind, cfg::nmea::Line_Kind::Sentence) << line;
    return read.sentence;
}

// The text field f takes, or nothing when the sentence does not carry it.
Text text_of(const Received_Sentence& s, int field, int Index = 0) {
    const auto taken = Take_Field(s, cfg::nmea::Find_Sentence(s.code), field, Index);
    if (!taken)
        return std::nullopt;
    return taken->text ? *taken->text : "<" + taken->received + ">";
}

TEST(FieldSources, OneSourceForEveryCatalogueField) {
    for (int n = 0; n <= cfg::nmea::Sentence_Count + 1; ++n) {
        const std::size_t fields = n >= 1 && n <= cfg::nmea::Sentence_Count
                                       ? cfg::nmea::Sentence_Maps()[static_cast<std::size_t>(n)].Fields.size()
                                       : 0;
        EXPECT_EQ(cfg::preview::Field_Sources(n).size(), fields) << "sentence " << n;
    }
}

TEST(FieldSources, TheFieldsThatTakeAnIndexRepeat) {
    for (int n = 1; n <= cfg::nmea::Sentence_Count; ++n) {
        const auto sources = cfg::preview::Field_Sources(n);
        for (std::size_t f = 0; f < sources.size(); ++f) {
            const Occurrence o = sources[f].occurrence;
            const bool repeats =
                o == Occurrence::Group || o == Occurrence::Satellite || o == Occurrence::Sentence_Number;
            EXPECT_EQ(repeats, cfg::nmea::Index_Range_Of(n, static_cast<int>(f)).has_value())
                << "sentence " << n << " field " << f;
        }
    }
}

struct Sentence_Case {
    std::string line;
    std::vector<Text> texts; // every catalogue field, in order
};

// One real-looking sentence of every offered code without an Index, each catalogue field's text.
TEST(FieldText, EveryFieldOfEveryOfferedSentence) {
    const std::vector<Sentence_Case> cases = {
        {"$GPZDA,201530.25,10,12,2026,-05,30", {"20", "15", "30", "25", "10", "12", "2026", "-05", "30"}},
        {"$SDDBT,0036.1,f,0011.0,M,0006.0,F", {"0036.1", "f", "0011.0", "M", "0006.0", "F"}},
        {"$SDDPT,11.0,0.5,100", {"11.0", "0.5", "100"}},
        {"$GPGGA,201530.25,5330.1234,N,00915.5678,E,2,09,0.9,12.5,M,46.9,M,3.2,0120",
         {"20", "15", "30", "25", "53", "N", "30.1234", "009", "E", "15.5678", "2", "09", "0.9", "12.5", "M",
          "46.9", "M", "3.2", "0120"}},
        {"$GNGLL,5330.1250,N,00915.5690,E,201531.00,A,D",
         {"30.1250", "53", "N", "15.5690", "009", "E", "20", "15", "31", "00", "A", "D"}},
        {"$GPGSA,A,3,04,05,09,12,,,,,,,,,2.5,1.3,2.1,1",
         {"A", "3", "04", "05", "09", "12", "", "", "", "", "", "", "", "", "2.5", "1.3", "2.1", "1"}},
        {"$HCHDG,271.3,0.5,E,2.1,W", {"271.3", "0.5", "E", "2.1", "W"}},
        {"$HEHDT,272.5,T", {"272.5", "T"}},
        {"$WIMDA,29.92,I,1.0132,B,18.5,C,12.3,C,65.0,,10.2,C,245.0,T,243.1,M,12.4,N,6.4,M",
         {"29.92", "I", "1.0132", "B", "18.5",  "C", "12.3", "C", "65.0", "",
          "10.2",  "C", "245.0",  "T", "243.1", "M", "12.4", "N", "6.4",  "M"}},
        {"$YXMTW,12.3,C", {"12.3", "C"}},
        {"$WIMWD,245.0,T,243.1,M,12.4,N,6.4,M", {"245.0", "T", "243.1", "M", "12.4", "N", "6.4", "M"}},
        {"$WIMWV,045.0,R,12.4,N,A", {"045.0", "R", "12.4", "N", "A"}},
        {"$GPRMC,201531.00,A,5330.1250,N,00915.5690,E,5.2,084.4,101226,2.1,W,D,V",
         {"20",      "15",  "31",    "00", "A",  "53", "N",   "30.1250", "009", "E",
          "15.5690", "5.2", "084.4", "10", "12", "26", "2.1", "W",       "D",   "V"}},
        {"$TIROT,-3.5,A", {"-3.5", "A"}},
        {"$AGRSA,-2.5,A,,V", {"-2.5", "A", "", "V"}},
        {"$VDVBW,5.1,-0.2,A,5.3,-0.1,A,0.3,A,0.2,A",
         {"5.1", "-0.2", "A", "5.3", "-0.1", "A", "0.3", "A", "0.2", "A"}},
        {"$VWVHW,272.5,T,270.4,M,5.1,N,9.4,K", {"272.5", "T", "270.4", "M", "5.1", "N", "9.4", "K"}},
        {"$GPVTG,084.4,T,082.3,M,5.2,N,9.6,K,D", {"084.4", "T", "082.3", "M", "5.2", "N", "9.6", "K", "D"}},
        {"$WIVWR,045.0,R,12.4,N,6.4,M,23.0,K", {"045.0", "R", "12.4", "N", "6.4", "M", "23.0", "K"}},
        {"$GPXTE,A,A,0.25,L,N,D", {"A", "A", "0.25", "L", "N", "D"}},
        {"$HETHS,272.5,A", {"272.5", "A"}},
        {"$SDDBK,0033.5,f,0010.2,M,0005.6,F", {"0033.5", "f", "0010.2", "M", "0005.6", "F"}},
        {"$SDDBS,0039.0,f,0011.9,M,0006.5,F", {"0039.0", "f", "0011.9", "M", "0006.5", "F"}},
        {"$GPDTM,W84,,0.02,S,0.01,W,1.5,W84", {"W84", "", "0.02", "S", "0.01", "W", "1.5", "W84"}},
        {"$WIVWT,045.0,L,12.4,N,6.4,M,23.0,K", {"045.0", "L", "12.4", "N", "6.4", "M", "23.0", "K"}},
        {"$PJELC,12.5,15.0,0.75,A,B,C", {"12.5", "15.0", "0.75", "A", "B", "C"}},
    };
    for (const Sentence_Case& c : cases) {
        const Received_Sentence s = sentence(c.line);
        ASSERT_EQ(c.texts.size(), cfg::preview::Field_Sources(cfg::nmea::Find_Sentence(s.code)).size())
            << c.line;
        for (std::size_t f = 0; f < c.texts.size(); ++f)
            EXPECT_EQ(text_of(s, static_cast<int>(f)), c.texts[f]) << c.line << " field " << f;
    }
}

const std::string Gsv_1 = "$GPGSV,3,1,10,04,77,048,42,05,35,272,39,09,22,310,,12,60,135,45,1";
const std::string Gsv_2 = "$GPGSV,3,2,10,14,10,190,30,17,48,222,41,20,05,330,,22,33,065,38,1";
const std::string Gsv_3 = "$GLGSV,3,3,10,29,05,020,30,31,15,100,33,1";
const std::string Gsv_3_Without_Signal = "$GPGSV,3,3,10,29,05,020,30,31,15,100,33";
const std::string Xdr = "$YXXDR,C,19.5,C,AIRTEMP,P,1.0132,B,BARO";
const std::string Pjela = "$PJELA,0,1,0,A";

struct Index_Case {
    const char* label;
    std::string line;
    int field;
    int Index;
    Text text;
};

TEST(FieldText, AnIndexPicksItsOccurrence) {
    const Index_Case cases[] = {
        {"first satellite", Gsv_1, 3, 1, "04"},
        {"fourth satellite's azimuth", Gsv_1, 5, 4, "135"},
        {"SNR not tracked", Gsv_1, 6, 3, ""},
        {"satellite 5 is in sentence 2", Gsv_1, 3, 5, std::nullopt},
        {"satellite 5", Gsv_2, 3, 5, "14"},
        {"satellite 8's azimuth", Gsv_2, 5, 8, "065"},
        {"satellite 10, any talker", Gsv_3, 4, 10, "15"},
        {"no eleventh satellite", Gsv_3, 3, 11, std::nullopt},
        {"Index 0 takes no satellite", Gsv_1, 3, 0, std::nullopt},
        {"sentence number 2", Gsv_2, 1, 2, "2"},
        {"sentence number 2 is not sentence 1", Gsv_1, 1, 2, std::nullopt},
        {"signal ID after the blocks", Gsv_3, 7, 0, "1"},
        {"signal ID after four blocks", Gsv_1, 7, 0, "1"},
        {"no signal ID", Gsv_3_Without_Signal, 7, 0, std::nullopt},
        {"total sentences", Gsv_1, 0, 0, "3"},
        {"sentence number not a number", "$GPGSV,3,x,10,04,77,048,42", 3, 1, std::nullopt},
        {"first transducer", Xdr, 0, 1, "C"},
        {"second transducer's data", Xdr, 1, 2, "1.0132"},
        {"second transducer's name", Xdr, 3, 2, "BARO"},
        {"no third transducer", Xdr, 0, 3, std::nullopt},
        {"a cut group is no group", "$YXXDR,C,19.5,C,AIRTEMP,P,1.0132,B", 0, 2, std::nullopt},
        {"Index 0 takes no transducer", Xdr, 0, 0, std::nullopt},
        {"second alarm", Pjela, 0, 2, "1"},
        {"fourth alarm", Pjela, 0, 4, "A"},
        {"no fifth alarm", Pjela, 0, 5, std::nullopt},
    };
    for (const Index_Case& c : cases)
        EXPECT_EQ(text_of(sentence(c.line), c.field, c.Index), c.text) << c.label;
}

struct Part_Case {
    const char* label;
    std::vector<std::string> fields; // of a GGA or RMC
    const char* code;
    int field;
    Text text; // "<...>": the whole field, the part cannot be taken
};

TEST(FieldText, PartsOfTimesDatesAndAngles) {
    const Part_Case cases[] = {
        {"seconds without decimals", {"201530"}, "GGA", 2, "30"},
        {"no decimals, no fraction", {"201530"}, "GGA", 3, ""},
        {"a point without decimals", {"201530."}, "GGA", 3, ""},
        {"fraction as written", {"201530.500"}, "GGA", 3, "500"},
        {"time too short", {"2015"}, "GGA", 0, "<2015>"},
        {"time with a letter", {"20153a.00"}, "GGA", 1, "<20153a.00>"},
        {"empty time, empty hours", {""}, "GGA", 0, ""},
        {"three degree digits", {"", "5330.1", "N", "17959.99"}, "GGA", 7, "179"},
        {"minutes of a longitude", {"", "5330.1", "N", "17959.99"}, "GGA", 9, "59.99"},
        {"angle without decimals", {"", "0530"}, "GGA", 4, "05"},
        {"angle without a degree digit", {"", "30.5"}, "GGA", 6, "<30.5>"},
        {"signed angle", {"", "-5330.1"}, "GGA", 4, "<-5330.1>"},
        {"year of a date", {"", "", "", "", "", "", "", "", "010100"}, "RMC", 15, "00"},
        {"date too short", {"", "", "", "", "", "", "", "", "10126"}, "RMC", 13, "<10126>"},
        {"a field the sentence lacks", {"201530"}, "GGA", 18, std::nullopt},
    };
    for (const Part_Case& c : cases)
        EXPECT_EQ(text_of(Received_Sentence{c.code, "GP", c.fields}, c.field), c.text) << c.label;
}

struct Occurrences_Case {
    const char* label;
    std::string line;
    int field;
    std::vector<int> indexes;
};

TEST(FieldText, OccurrencesACaptureHolds) {
    std::string many_alarms = "$PJELA";
    for (int i = 0; i < 60; ++i)
        many_alarms += ",0";
    std::vector<int> first_fifty(50);
    for (int i = 0; i < 50; ++i)
        first_fifty[static_cast<std::size_t>(i)] = i + 1;
    const Occurrences_Case cases[] = {
        {"four satellites", Gsv_1, 3, {1, 2, 3, 4}},
        {"the last two satellites", Gsv_3, 5, {9, 10}},
        {"the sentence's own number", Gsv_2, 1, {2}},
        {"a field without an Index", Gsv_2, 0, {0}},
        {"a signal ID", Gsv_3, 7, {0}},
        {"no signal ID", Gsv_3_Without_Signal, 7, {}},
        {"two transducers", Xdr, 3, {1, 2}},
        {"alarms up to the Index range", many_alarms, 0, first_fifty},
        {"an older sentence without the field",
         "$GPRMC,201531.00,A,5330.1250,N,00915.5690,E,5.2,084.4,101226,2.1,W",
         18,
         {}},
    };
    for (const Occurrences_Case& c : cases) {
        const Received_Sentence s = sentence(c.line);
        EXPECT_EQ(Occurrences(s, cfg::nmea::Find_Sentence(s.code), c.field), c.indexes) << c.label;
    }
}

} // namespace
