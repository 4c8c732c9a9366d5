#include "core/preview/PreviewSession.h"

#include "core/preview/DeviceRows.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using cfg::test::fixture;

// A serial port hands on bytes in pieces that cut lines anywhere; the session must end where a
// reading of the whole log ends.
TEST(PreviewSession, BytesInPiecesGiveWhatTheWholeLogGives) {
    const auto rows = cfg::preview::Read_Device_Rows(fixture("preview/Ship/ParGen.xml"),
                                                     fixture("preview/Ship/NMEA_0183_Set_Access.xml"));
    ASSERT_FALSE(rows.empty());
    cfg::preview::Converter_Model whole(rows);
    cfg::preview::Capture_Survey survey;
    const cfg::nmea::Log_Summary summary = cfg::nmea::Read_Nmea_Log_File(
        fixture("preview/ship.log"), [&](const cfg::nmea::Received_Sentence& s) {
            whole.Feed(s);
            survey.Feed(s);
        });
    const std::string log = cfg::test::read_bytes(fixture("preview/ship.log"));

    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
        cfg::preview::Preview_Session session(rows);
        cfg::nmea::Log_Lines lines;
        const auto take = [&](std::string_view line, bool too_long) { session.Take_Line(line, too_long); };
        for (std::size_t at = 0; at < log.size(); at += piece)
            lines.Feed(std::string_view(log).substr(at, piece), take);
        lines.Finish(take);
        EXPECT_EQ(session.model().array(), whole.array()) << piece;
        EXPECT_EQ(session.model().states(), whole.states()) << piece;
        EXPECT_EQ(session.survey().fields(), survey.fields()) << piece;
        EXPECT_EQ(session.summary().lines, summary.lines) << piece;
        EXPECT_EQ(session.summary().sentences_by_code, summary.sentences_by_code) << piece;
        EXPECT_EQ(session.summary().bad_checksums, summary.bad_checksums) << piece;
        EXPECT_EQ(session.summary().malformed, summary.malformed) << piece;
    }
}

} // namespace
