#include "core/nmea/NmeaSentence.h"

#include <gtest/gtest.h>

#include <sstream>

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
                      std::string(5000, 'x') + "\n$IIHDT,275.00,T"; // the last line has no end
    std::istringstream in(log);
    std::vector<std::string> seen;
    const cfg::nmea::Log_Summary summary = cfg::nmea::Read_Nmea_Log(
        in, [&](const Received_Sentence& s) { seen.push_back(s.code + s.fields[0]); });
    EXPECT_EQ(seen, (std::vector<std::string>{"GGA123519", "HDT274.07", "HDT275.00"}));
    EXPECT_EQ(summary.lines, 6u);
    EXPECT_EQ(summary.sentences, 3u);
    EXPECT_EQ(summary.bad_checksums, 1u);
    EXPECT_EQ(summary.malformed, 2u); // "garbage" and the overlong line
    EXPECT_EQ(summary.sentences_by_code, (std::map<std::string, std::size_t>{{"GGA", 1}, {"HDT", 2}}));
}

} // namespace
