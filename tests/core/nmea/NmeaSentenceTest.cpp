#include "core/nmea/NmeaSentence.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace {

using cfg::nmea::Line_Kind;
using cfg::nmea::Read_Nmea_Line;
using cfg::nmea::Received_Sentence;

// The widely published GGA example and its checksum.
constexpr const char* Gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

struct Line_Case {
    const char* label;
    std::string line;
    Line_Kind kind;
    Received_Sentence sentence = {};
};

TEST(NmeaSentence, LinesOfALog) {
    const std::vector<std::string> gga_fields{"123519", "4807.038", "N", "01131.000", "E", "1", "08",
                                              "0.9",    "545.4",    "M", "46.9",      "M", "",  ""};
    const Line_Case cases[] = {
        {"good", Gga, Line_Kind::Sentence, {"GGA", "GP", gga_fields}},
        {"CR LF", std::string(Gga) + "\r\n", Line_Kind::Sentence, {"GGA", "GP", gga_fields}},
        {"lower-case checksum",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6a",
         Line_Kind::Sentence,
         {"RMC",
          "GP",
          {"123519", "A", "4807.038", "N", "01131.000", "E", "022.4", "084.4", "230394", "003.1", "W"}}},
        {"wrong checksum", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48",
         Line_Kind::Bad_Checksum},
        {"a changed field", "$GPGGA,123519,4807.039,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
         Line_Kind::Bad_Checksum},
        {"no checksum", "$IIHDT,274.07,T", Line_Kind::Sentence, {"HDT", "II", {"274.07", "T"}}},
        {"checksum of one digit", "$IIHDT,274.07,T*2", Line_Kind::Malformed},
        {"time stamp in front",
         "2026-12-10T13:24:43.120Z " + std::string(Gga),
         Line_Kind::Sentence,
         {"GGA", "GP", gga_fields}},
        {"tag block",
         "\\s:r003,c:1577836800*5B\\" + std::string(Gga),
         Line_Kind::Sentence,
         {"GGA", "GP", gga_fields}},
        {"unclosed tag block", "\\s:r003,c:1577836800*5B" + std::string(Gga), Line_Kind::Malformed},
        {"proprietary", "$PJELA,12.5", Line_Kind::Sentence, {"$PJELA", "", {"12.5"}}},
        {"empty fields",
         "$GNVTG,,,,,,,,,",
         Line_Kind::Sentence,
         {"VTG", "GN", {"", "", "", "", "", "", "", "", ""}}},
        {"no fields", "$GPZDA", Line_Kind::Sentence, {"ZDA", "GP", {}}},
        {"address too short", "$GGA,1,2", Line_Kind::Malformed},
        {"lower-case address", "$gpgga,1,2", Line_Kind::Malformed},
        {"no dollar", "GPGGA,123519", Line_Kind::Malformed},
        {"binary noise", std::string("$GPHDT,1\x01\xff,T", 12), Line_Kind::Malformed},
        {"serial noise before the dollar",
         std::string("\x00\xfe\x13\x7f", 4) + Gga,
         Line_Kind::Sentence,
         {"GGA", "GP", gga_fields}},
        {"byte-order mark",
         "\xef\xbb\xbf" + std::string(Gga),
         Line_Kind::Sentence,
         {"GGA", "GP", gga_fields}},
        {"a control byte after the dollar", "$IIHDT,274.07,\x1bT", Line_Kind::Malformed},
        {"noise and no dollar", "\xef\xbb\xbfGPGGA,123519", Line_Kind::Malformed},
        {"blank", "  \r\n", Line_Kind::Empty},
    };
    for (const Line_Case& c : cases) {
        const cfg::nmea::Read_Line read = Read_Nmea_Line(c.line);
        EXPECT_EQ(read.kind, c.kind) << c.label;
        if (c.kind == Line_Kind::Sentence) {
            EXPECT_EQ(read.sentence, c.sentence) << c.label;
        }
    }
}

TEST(NmeaSentence, ALogIsReadInOrderAndItsFaultsCounted) {
    std::string log = std::string(Gga) + "\r\n\r\n$IIHDT,274.07,T\n$IIHDT,1,T*00\ngarbage\n" +
                      std::string(5000, 'x') + "\n$IIHDT,275.00,T*12"; // the last line has no end
    std::istringstream in(log);
    std::vector<std::string> seen;
    const cfg::nmea::Log_Summary summary = cfg::nmea::Read_Nmea_Log(
        in, [&](const Received_Sentence& s) { seen.push_back(s.code + s.fields[0]); });
    EXPECT_EQ(seen, (std::vector<std::string>{"GGA123519", "HDT274.07", "HDT275.00"}));
    EXPECT_EQ(summary.lines, 6u);
    EXPECT_EQ(summary.sentences, 3u);
    EXPECT_EQ(summary.bad_checksums, 1u);
    EXPECT_EQ(summary.malformed, 2u); // "garbage" and the overlong line
    EXPECT_EQ(summary.without_checksum, 1u);
    EXPECT_EQ(summary.sentences_by_code.entries(),
              (std::vector<cfg::nmea::Code_Counts::Entry>{{"GGA", 1}, {"HDT", 2}}));
}

struct Ending_Case {
    const char* label;
    std::string log;
    std::vector<std::string> taken; // the first field of each sentence taken
    std::size_t malformed;
    std::size_t without_checksum;
};

// A line cut before its checksum would give a shortened value ("16" of "160.5"): the last line of a
// log is used only when its end came or a checksum shows it whole. A line that ended is a sentence
// even without a checksum, and is counted so.
TEST(NmeaSentence, LinesWithoutAnEndOrAChecksum) {
    const std::string hdt = "$GPHDT,160.5,T*37";
    const Ending_Case cases[] = {
        {"last line cut before its checksum", hdt + "\r\n$GPHDT,16", {"160.5"}, 1, 0},
        {"last line whole with its checksum", hdt + "\r\n" + hdt, {"160.5", "160.5"}, 0, 0},
        {"last line cut inside its checksum", hdt + "\r\n" + hdt.substr(0, hdt.size() - 1), {"160.5"}, 1, 0},
        {"last line blank", hdt + "\r\n  ", {"160.5"}, 0, 0},
        {"a line ended without a checksum", "$GPHDT,16\r\n" + hdt + "\r\n", {"16", "160.5"}, 0, 1},
        {"every line without a checksum", "$GPHDT,1,T\n$GPHDT,2,T\n", {"1", "2"}, 0, 2},
    };
    for (const Ending_Case& c : cases) {
        std::istringstream in(c.log);
        std::vector<std::string> taken;
        const cfg::nmea::Log_Summary summary =
            cfg::nmea::Read_Nmea_Log(in, [&](const Received_Sentence& s) { taken.push_back(s.fields[0]); });
        EXPECT_EQ(taken, c.taken) << c.label;
        EXPECT_EQ(summary.malformed, c.malformed) << c.label;
        EXPECT_EQ(summary.without_checksum, c.without_checksum) << c.label;
    }
}

// However many codes a log holds, the summary keeps the catalogue's codes and the first others by
// name and only counts the sentences of the rest.
TEST(NmeaSentence, TheCodesOfALogAreKeptWithinABound) {
    constexpr std::size_t Others = cfg::nmea::Code_Counts::Other_Codes_Kept;
    std::string log;
    for (std::size_t i = 0; i < Others + 300; ++i)
        log += "$PX" + std::to_string(i) + ",1\n";
    log += "$GPHDT,1,T\n$PX0,2\n$PX" + std::to_string(Others) + ",2\n";
    std::istringstream in(log);
    std::size_t taken = 0;
    const cfg::nmea::Log_Summary summary =
        cfg::nmea::Read_Nmea_Log(in, [&](const Received_Sentence&) { ++taken; });
    EXPECT_EQ(taken, Others + 303); // every sentence is still used
    EXPECT_EQ(summary.sentences, Others + 303);
    const std::vector<cfg::nmea::Code_Counts::Entry>& kept = summary.sentences_by_code.entries();
    ASSERT_EQ(kept.size(), Others + 1);
    EXPECT_EQ(kept.front(), (cfg::nmea::Code_Counts::Entry{"$PX0", 2}));
    EXPECT_EQ(kept[Others - 1].code, "$PX" + std::to_string(Others - 1));
    EXPECT_EQ(kept.back(), (cfg::nmea::Code_Counts::Entry{"HDT", 1})); // a catalogue code past the bound
    EXPECT_TRUE(summary.sentences_by_code.contains("HDT"));
    EXPECT_FALSE(summary.sentences_by_code.contains("$PX" + std::to_string(Others)));
    EXPECT_EQ(summary.sentences_by_code.sentences_not_kept(), 301u);
}

} // namespace

struct Cutting_Case {
    const char* label;
    std::string bytes;
    std::vector<std::pair<std::string, bool>> lines; // each line handed on, and whether it was cut
};

// However the bytes come in blocks (a file read in blocks, a port in bursts), the lines are the same:
// one that spans blocks is whole, and one too long is cut at the limit wherever its blocks end.
TEST(NmeaSentence, LinesAreTheSameHoweverTheBytesAreSplit) {
    const std::string longest(cfg::nmea::Longest_Log_Line, 'x');
    const Cutting_Case cases[] = {
        {"LF and CR LF",
         "$GPHDT,1,T\n$GPHDT,2,T\r\n\n",
         {{"$GPHDT,1,T", false}, {"$GPHDT,2,T\r", false}, {"", false}}},
        {"CR alone ends no line", "a\rb\n", {{"a\rb", false}}},
        {"the last line has no end", "a\nb", {{"a", false}, {"b", true}}},
        {"the last line ends with a checksum", "a\n$GPHDT,1,T*00", {{"a", false}, {"$GPHDT,1,T*00", false}}},
        {"a line of the longest length", longest + "\nb\n", {{longest, false}, {"b", false}}},
        {"a line one byte too long", longest + "y\nb\n", {{longest, true}, {"b", false}}},
        {"a line far too long", longest + longest + longest + "\n\n", {{longest, true}, {"", false}}},
    };
    for (const Cutting_Case& c : cases) {
        for (std::size_t block = 1; block <= c.bytes.size(); ++block) {
            cfg::nmea::Log_Lines lines;
            std::vector<std::pair<std::string, bool>> seen;
            const cfg::nmea::Log_Lines::Visit visit = [&](std::string_view line, bool cut) {
                seen.emplace_back(std::string(line), cut);
            };
            for (std::size_t start = 0; start < c.bytes.size(); start += block)
                lines.Feed(std::string_view(c.bytes).substr(start, block), visit);
            lines.Finish(visit);
            EXPECT_EQ(seen, c.lines) << c.label << ", blocks of " << block;
        }
    }
}

// A log's sentences are read one after another into the same storage: what a longer sentence, a
// proprietary one or a faulty line left there never shows in the next sentence.
TEST(NmeaSentence, EachSentenceOfALogIsReadAsIfItWereAlone) {
    const std::vector<std::string> lines = {
        "$GPGSV,3,1,11,04,77,048,42,05,35,272,39,09,22,310,,12,60,135,45*73",
        "$HEHDT,272.5,T*2D",
        "$PJELA,0,1,0,A*22",
        "$GPGGA,201530.25,5330.1234,N,00915.5678,E,2,09,0.9,12.5,M,46.9,M,3.2,0120*7C",
        "$GPGGA,201530.25,5330.1234,N,00915.5678,E,2,09,0.9,99.9,M,46.9,M,3.2,0120*00",
        "$GPZDA",
        "$IIHDT,274.07,\x1bT",
        "$GNVTG,,,,,,,,,",
        "$GPRMC,201531.00,A,5330.1250,N,00915.5690,E,5.2,084.4,101226,2.1,W,D,V*52",
    };
    std::string log;
    std::vector<Received_Sentence> alone;
    for (const std::string& line : lines) {
        log += line + "\r\n";
        if (const cfg::nmea::Read_Line read = Read_Nmea_Line(line); read.kind == Line_Kind::Sentence)
            alone.push_back(read.sentence);
    }
    std::istringstream in(log);
    std::vector<Received_Sentence> together;
    cfg::nmea::Read_Nmea_Log(in, [&](const Received_Sentence& s) { together.push_back(s); });
    EXPECT_EQ(together, alone);
    EXPECT_EQ(together.size(), 7u); // the wrong checksum and the control byte are left out
}
