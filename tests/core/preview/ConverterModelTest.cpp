#include "core/preview/ConverterModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::image::Listener_Image_Row;
using cfg::nmea::Read_Nmea_Line;
using cfg::preview::Converter_Model;
using cfg::preview::Value_State;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t All = cfg::image::Swap_All_Bit;
constexpr std::uint8_t W16 = cfg::image::Swap_16_Bit;

Listener_Image_Row row_for(int row, int Ind_Sent, int field, int Position, int post_operation = 0,
                           std::uint8_t swaps = 0, int Index = 0) {
    cfg::image::Listener_Entry entry;
    entry.Ind_Sent = static_cast<std::uint16_t>(Ind_Sent);
    entry.data_field = static_cast<std::uint8_t>(field);
    entry.Position = static_cast<std::uint16_t>(Position);
    entry.post_operation = static_cast<std::uint8_t>(post_operation);
    entry.swap_flags = swaps;
    entry.Index = static_cast<std::uint8_t>(Index);
    return {row, entry};
}

void feed(Converter_Model& model, const std::string& line) {
    const cfg::nmea::Read_Line read = Read_Nmea_Line(line);
    ASSERT_EQ(read.kind, cfg::nmea::Line_Kind::Sentence) << line;
    model.Feed(read.sentence);
}

Bytes array_bytes(const Converter_Model& model, std::size_t first, std::size_t count) {
    return Bytes(model.array().begin() + static_cast<std::ptrdiff_t>(first),
                 model.array().begin() + static_cast<std::ptrdiff_t>(first + count));
}

constexpr int ZDA = 1, DPT = 5, GGA = 7, GSV = 10, XDR = 34, DTM = 38;
constexpr int At = 10; // every case writes from here; the bytes around stay 0

const std::string Dpt = "$SDDPT,11.0,0.5,100";
const std::string Gga = "$GPGGA,201530.25,5330.1234,N,00915.5678,E,2,09,0.9,12.5,M,46.9,M,3.2,0120";
const std::string Zda = "$GPZDA,201530.25,10,12,2026,-05,30";
const std::string Xdr = "$YXXDR,C,19.5,C,AIRTEMP,P,1.0132,B,BARO";
const std::string Dtm = "$GPDTM,W84,,0.02,S,0.01,W,1.5,W84";

struct Model_Case {
    const char* label;
    std::string line;
    Listener_Image_Row row;
    Bytes bytes;
};

// Hand-computed: 11.0 is 0x41300000, 2026 is 0x07EA, 12.5 (the altitude) 0x41480000.
TEST(ConverterModel, EveryKindPostOperationAndSwap) {
    const Model_Case cases[] = {
        {"single, None", Dpt, row_for(1, DPT, 0, At, 0), {0x00, 0x00, 0x30, 0x41}},
        {"single, : 10", Dpt, row_for(1, DPT, 0, At, 1), {0xcd, 0xcc, 0x8c, 0x3f}},
        {"single, : 100", Dpt, row_for(1, DPT, 0, At, 2), {0xae, 0x47, 0xe1, 0x3d}},
        {"single, : 1000", Dpt, row_for(1, DPT, 0, At, 3), {0x58, 0x39, 0x34, 0x3c}},
        {"single, : 10000", Dpt, row_for(1, DPT, 0, At, 4), {0xe0, 0x2d, 0x90, 0x3a}},
        {"single, x 10", Dpt, row_for(1, DPT, 0, At, 5), {0x00, 0x00, 0xdc, 0x42}},
        {"single, x 100", Dpt, row_for(1, DPT, 0, At, 6), {0x00, 0x80, 0x89, 0x44}},
        {"single, x 1000", Dpt, row_for(1, DPT, 0, At, 7), {0x00, 0xe0, 0x2b, 0x46}},
        {"single, x 10000", Dpt, row_for(1, DPT, 0, At, 8), {0x00, 0xd8, 0xd6, 0x47}},
        {"word, None", Gga, row_for(1, GGA, 18, At, 0), {0x78, 0x00}},
        {"word, : 10", Gga, row_for(1, GGA, 18, At, 1), {0x0c, 0x00}},
        {"word, : 100 rounds 1.2 down", Gga, row_for(1, GGA, 18, At, 2), {0x01, 0x00}},
        {"word, : 1000", Gga, row_for(1, GGA, 18, At, 3), {0x00, 0x00}},
        {"word, : 10000", Gga, row_for(1, GGA, 18, At, 4), {0x00, 0x00}},
        {"word, x 10", Gga, row_for(1, GGA, 18, At, 5), {0xb0, 0x04}},
        {"word, x 100", Gga, row_for(1, GGA, 18, At, 6), {0xe0, 0x2e}},
        {"word, x 1000 beyond a word", Gga, row_for(1, GGA, 18, At, 7), {0xff, 0xff}},
        {"word, x 10000 beyond a word", Gga, row_for(1, GGA, 18, At, 8), {0xff, 0xff}},
        {"byte, from a split time", Gga, row_for(1, GGA, 2, At), {0x1e}},
        {"signed byte, all swaps", Zda, row_for(1, ZDA, 7, At, 0, All | W16), {0xfb}},
        {"single, SwapAll", Gga, row_for(1, GGA, 13, At, 0, All), {0x41, 0x48, 0x00, 0x00}},
        {"single, Swap16", Gga, row_for(1, GGA, 13, At, 0, W16), {0x48, 0x41, 0x00, 0x00}},
        {"single, both swaps", Gga, row_for(1, GGA, 13, At, 0, All | W16), {0x00, 0x00, 0x41, 0x48}},
        {"word, SwapAll", Zda, row_for(1, ZDA, 6, At, 0, All), {0x07, 0xea}},
        {"word, Swap16 has one word", Zda, row_for(1, ZDA, 6, At, 0, W16), {0xea, 0x07}},
        {"word, both swaps", Zda, row_for(1, ZDA, 6, At, 0, All | W16), {0x07, 0xea}},
        {"character, x 10 ignored", Gga, row_for(1, GGA, 5, At, 5, All), {0x4e}},
        {"3 characters", Dtm, row_for(1, DTM, 0, At), {0x57, 0x38, 0x34}},
        {"3 characters, SwapAll", Dtm, row_for(1, DTM, 0, At, 0, All), {0x34, 0x38, 0x57}},
        {"3 characters, Swap16 has no words", Dtm, row_for(1, DTM, 7, At, 0, W16), {0x57, 0x38, 0x34}},
        {"20 characters of the second transducer",
         Xdr,
         row_for(1, XDR, 3, At, 0, 0, 2),
         {0x42, 0x41, 0x52, 0x4f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"20 characters, Swap16 reverses the words",
         Xdr,
         row_for(1, XDR, 3, At, 0, W16, 1),
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x50, 0x00, 0x45, 0x4d, 0x52, 0x54, 0x41, 0x49}},
    };
    for (const Model_Case& c : cases) {
        Converter_Model model({c.row});
        feed(model, c.line);
        EXPECT_EQ(array_bytes(model, At - 1, c.bytes.size() + 2), [&] {
            Bytes around = {0};
            around.insert(around.end(), c.bytes.begin(), c.bytes.end());
            around.push_back(0);
            return around;
        }()) << c.label;
        EXPECT_EQ(model.states()[0].bytes, c.bytes) << c.label;
    }
}

TEST(ConverterModel, RowsWaitUntilTheirSentenceComes) {
    Converter_Model model({row_for(4, GGA, 18, 0), row_for(5, DPT, 0, 2)});
    feed(model, Gga);
    EXPECT_EQ(model.states()[0].state, Value_State::Stored);
    EXPECT_EQ(model.states()[0].received, "0120");
    EXPECT_EQ(model.states()[0].value, "120");
    EXPECT_EQ(model.states()[1], cfg::preview::Row_State{});

    cfg::nmea::Log_Summary log;
    for (const char* code : {"GGA", "RMB", "RMB"})
        log.sentences_by_code.Count(code);
    EXPECT_EQ(cfg::preview::Rows_Whose_Sentence_Never_Appeared(model.rows(), log), std::vector<int>{5});
}

// A field that comes empty or is no number leaves the array as it was; the row says so.
TEST(ConverterModel, AnEmptyOrBadFieldKeepsTheLastValue) {
    Converter_Model model({row_for(1, GGA, 18, 0), row_for(2, GGA, 0, 4)});
    feed(model, Gga);
    feed(model, "$GNGGA,2015,5330.1234,N,00915.5678,E,2,09,0.9,12.5,M,46.9,M,3.2,");
    EXPECT_EQ(array_bytes(model, 0, 5), (Bytes{0x78, 0x00, 0x00, 0x00, 0x14}));
    EXPECT_EQ(model.states()[0].state, Value_State::Empty);
    EXPECT_EQ(model.states()[0].received, "");
    EXPECT_EQ(model.states()[0].value, "120");
    EXPECT_EQ(model.states()[1].state, Value_State::Not_A_Number);
    EXPECT_EQ(model.states()[1].received, "2015");
    EXPECT_EQ(model.states()[1].bytes, Bytes{0x14});
}

// Rows of one sentence write in row order; a field running past byte 1999 loses what lies beyond.
TEST(ConverterModel, LaterRowsWinAndTheArrayEndsAt1999) {
    Converter_Model model({row_for(1, GGA, 13, 0), row_for(2, GGA, 18, 2), row_for(3, DPT, 0, 1998, 8),
                           row_for(4, DPT, 0, 65535)});
    feed(model, Gga);
    EXPECT_EQ(array_bytes(model, 0, 4), (Bytes{0x00, 0x00, 0x78, 0x00}));
    feed(model, Dpt);
    EXPECT_EQ(array_bytes(model, 1996, 4), (Bytes{0x00, 0x00, 0x00, 0xd8}));
    EXPECT_EQ(model.states()[2].bytes, (Bytes{0x00, 0xd8, 0xd6, 0x47}));
    EXPECT_EQ(model.states()[3].state, Value_State::Stored); // taken, though nothing lands in the array
}

TEST(ConverterModel, GsvRowsTakeTheirSatelliteFromItsSentence) {
    Converter_Model model({row_for(1, GSV, 3, 0, 0, 0, 5), row_for(2, GSV, 2, 1)});
    feed(model, "$GPGSV,2,1,06,04,77,048,42,05,35,272,39,09,22,310,,12,60,135,45");
    EXPECT_EQ(model.states()[0].state, Value_State::Waiting);
    feed(model, "$GLGSV,2,2,06,14,10,190,30,17,48,222,41");
    EXPECT_EQ(array_bytes(model, 0, 2), (Bytes{14, 6}));
    feed(model, "$GPRMB,A,0.66,L,003,004"); // not a sentence the table can take
    feed(model, "$GPGSV,2,1,07,04,77,048,42");
    EXPECT_EQ(array_bytes(model, 0, 2), (Bytes{14, 7}));
}

struct Order_Case {
    const char* label;
    std::vector<Listener_Image_Row> rows;
    std::vector<std::string> lines;
};

// Whenever the model is read, it shows what it would show had it been read after every sentence:
// overlapping rows of different sentences keep the order of their last writes, and a row whose last
// field was empty or no number keeps the value before.
TEST(ConverterModel, ReadingLateShowsWhatReadingAfterEverySentenceShows) {
    const std::string gga_empty = "$GNGGA,2015,5330.1234,N,00915.5678,E,2,09,0.9,12.5,M,46.9,M,3.2,";
    const Order_Case cases[] = {
        {"overlapping rows of two sentences, written in turn",
         {row_for(1, GGA, 13, 0), row_for(2, DPT, 0, 2), row_for(3, ZDA, 6, 1)},
         {Gga, Dpt, Zda, Gga, Dpt, Gga}},
        {"the earlier sentence last", {row_for(1, DPT, 0, 0), row_for(2, GGA, 13, 2)}, {Gga, Dpt, Gga, Dpt}},
        {"an empty and a bad field after a value",
         {row_for(1, GGA, 18, 0), row_for(2, GGA, 0, 1), row_for(3, DPT, 0, 0)},
         {Gga, Dpt, gga_empty, Dpt, gga_empty}},
        {"texts cut and padded in one place",
         {row_for(1, XDR, 0, 0, 0, 0, 2), row_for(2, DTM, 0, 1)},
         {Xdr, Dtm, Xdr}},
    };
    for (const Order_Case& c : cases) {
        Converter_Model late(c.rows);
        Converter_Model each(c.rows);
        for (const std::string& line : c.lines) {
            feed(late, line);
            feed(each, line);
            (void)each.array();
        }
        EXPECT_EQ(late.array(), each.array()) << c.label;
        EXPECT_EQ(late.states(), each.states()) << c.label;
    }
}

} // namespace
