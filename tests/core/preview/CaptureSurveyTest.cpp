#include "core/preview/CaptureSurvey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::preview::Seen_Field;
using cfg::preview::Seen_Sentence;

TEST(CaptureSurvey, EverySentenceAndFieldWithItsLastValue) {
    cfg::preview::Capture_Survey survey;
    for (const std::string line : {"$GPRMB,A,0.66,L", "$HEHDT,272.5,T",
                                   "$GPGSV,1,1,02,04,77,048,42,05,35,272,", "$HEHDT,,T", "$PGRME,1,M"})
        survey.Feed(cfg::nmea::Read_Nmea_Line(line).sentence);

    EXPECT_EQ(survey.sentences(),
              (std::vector<Seen_Sentence>{
                  {"RMB", 1, false}, {"HDT", 2, true}, {"GSV", 1, true}, {"$PGRME", 1, false}}));
    constexpr int HDT = 13, GSV = 10;
    EXPECT_EQ(survey.fields(), (std::vector<Seen_Field>{
                                   {HDT, 0, 0, "272.5"}, // an empty heading later keeps the sample
                                   {HDT, 1, 0, "T"},
                                   {GSV, 0, 0, "1"},
                                   {GSV, 2, 0, "02"},
                                   {GSV, 1, 1, "1"},
                                   {GSV, 3, 1, "04"},
                                   {GSV, 4, 1, "77"},
                                   {GSV, 5, 1, "048"},
                                   {GSV, 6, 1, "42"},
                                   {GSV, 3, 2, "05"},
                                   {GSV, 4, 2, "35"},
                                   {GSV, 5, 2, "272"},
                                   {GSV, 6, 2, ""}, // seen, never with a value
                               }));
}

// Codes past the bound are only counted; the offered sentences that come after them are still learned.
TEST(CaptureSurvey, KeepsTheCodesWithinABound) {
    constexpr std::size_t Others = cfg::nmea::Code_Counts::Other_Codes_Kept;
    cfg::preview::Capture_Survey survey;
    for (std::size_t i = 0; i < Others + 300; ++i)
        survey.Feed(cfg::nmea::Read_Nmea_Line("$PX" + std::to_string(i) + ",1").sentence);
    survey.Feed(cfg::nmea::Read_Nmea_Line("$PX0,2").sentence);
    survey.Feed(cfg::nmea::Read_Nmea_Line("$HEHDT,272.5,T").sentence);

    const std::vector<Seen_Sentence> sentences = survey.sentences();
    ASSERT_EQ(sentences.size(), Others + 1);
    EXPECT_EQ(sentences.front(), (Seen_Sentence{"$PX0", 2, false}));
    EXPECT_EQ(sentences.back(), (Seen_Sentence{"HDT", 1, true}));
    EXPECT_EQ(survey.sentences_not_kept(), 300u);
    constexpr int HDT = 13;
    EXPECT_EQ(survey.fields(), (std::vector<Seen_Field>{{HDT, 0, 0, "272.5"}, {HDT, 1, 0, "T"}}));
}

} // namespace
