#include "core/nmea/ListenerChecks.h"

#include "ListenerRows.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace cfg::nmea;
using cfg::nmea::test::listener_table;
using cfg::nmea::test::Row;

const std::string gsv_total = "Total number of sentences [decimal]";
const std::string gsv_number = "Sentence number [decimal]";
const std::string gsv_satellite = "Satellite ID number [decimal]";
const std::string gsv_snr = "SNR (C/No) 00-99 dB-Hz, null when not tracking [decimal]";
const std::string gga_hours = "UTC of position, Hours [decimal]";
const std::string xdr_type = "Transducer type [character]";

Row ok(const std::string& sentence, const std::string& field, const std::string& index = "") {
    return Row{true, sentence, field, "0", index};
}

struct CheckCase {
    const char* name;
    std::vector<Row> rows;
    int failing_row; // 0: every row passes
    int rule_text;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) {
    return out << c.name;
}

class ListenerCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ListenerCheckTest, ReportsTheFirstFailingRowAndRule) {
    const CheckCase& c = GetParam();
    const std::optional<Row_Error> error = Controllo_dati(listener_table(c.rows), cfg::default_texts());
    if (c.failing_row == 0) {
        EXPECT_FALSE(error.has_value()) << error->message;
        return;
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->row, c.failing_row);
    EXPECT_EQ(error->rule_text, c.rule_text);
}

Row with_position(Row row, std::string position) {
    row.position = std::move(position);
    return row;
}

Row with_post_operation(Row row, std::string post_operation) {
    row.post_operation = std::move(post_operation);
    return row;
}

Row disabled(Row row) {
    row.enable = false;
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Listener, ListenerCheckTest,
    testing::Values(
        CheckCase{"EmptyTablePasses", {}, 0, 0},
        CheckCase{"GsvSatelliteIndexZero", {ok("GSV", gsv_satellite, "0")}, 1, 1044},
        CheckCase{"GsvSatelliteIndex37", {ok("GSV", gsv_satellite, "37")}, 1, 1044},
        CheckCase{"GsvSatelliteIndex36", {ok("GSV", gsv_satellite, "36")}, 0, 0},
        CheckCase{"GsvSnrIndexNotANumber", {ok("GSV", gsv_snr, "x")}, 1, 1044},
        CheckCase{"GsvSnrIndexWithTrailingBlank", {ok("GSV", gsv_snr, "5 ")}, 1, 1044},
        CheckCase{"GsvSentenceNumberIndex10", {ok("GSV", gsv_number, "10")}, 1, 1045},
        CheckCase{"GsvSentenceNumberIndex9", {ok("GSV", gsv_number, "9")}, 0, 0},
        CheckCase{"GsvTotalTakesAnyIndex", {ok("GSV", gsv_total, ""), ok("GSV", gsv_total, "500")}, 0, 0},
        CheckCase{"XdrIndex11", {ok("XDR", xdr_type, "11")}, 1, 1042},
        CheckCase{"XdrIndex10", {ok("XDR", xdr_type, "10")}, 0, 0},
        CheckCase{"XdrIndexCheckedBeforeTheMissingDataField", {ok("XDR", "", "")}, 1, 1042},
        CheckCase{"PjelaIndex50", {ok("$PJELA", "Alarm [character]", "50")}, 0, 0},
        CheckCase{"PjelaIndex51", {ok("$PJELA", "Alarm [character]", "51")}, 1, 1043},
        CheckCase{"PjelaIndexInHex", {ok("$PJELA", "Alarm [character]", "$32")}, 0, 0},
        CheckCase{"EmptyDataField", {ok("GGA", "")}, 1, 1036},
        CheckCase{"BlankDataField", {ok("GGA", "   ")}, 1, 1036},
        CheckCase{"EmptyPostOperation", {with_post_operation(ok("GGA", gga_hours), " ")}, 1, 1037},
        CheckCase{"Position2000", {with_position(ok("GGA", gga_hours), "2000")}, 1, 1038},
        CheckCase{"PositionMinusOne", {with_position(ok("GGA", gga_hours), "-1")}, 1, 1038},
        CheckCase{"PositionEmpty", {with_position(ok("GGA", gga_hours), "")}, 1, 1038},
        CheckCase{"Position1999ForAFourByteField",
                  {with_position(ok("GGA", "Latitude, Minutes [floating point]"), "1999")},
                  0,
                  0},
        CheckCase{
            "InactiveRowWithEmptyDataFieldIsSkipped", {disabled(ok("GGA", "")), ok("GGA", gga_hours)}, 0, 0},
        CheckCase{
            "ActiveRowBelowAnEmptyRowIsStillChecked", {ok("GGA", gga_hours), Row{}, ok("GGA", "")}, 3, 1036},
        CheckCase{"UnknownSentenceAndForeignFieldPass",
                  {ok("ABC", "anything"), ok("GGA", "Alarm [character]")},
                  0,
                  0},
        CheckCase{"DuplicatesAndOverlapsPass", {ok("GGA", gga_hours), ok("GGA", gga_hours)}, 0, 0},
        CheckCase{"OnlyTheFirstFailureIsReported",
                  {ok("GGA", gga_hours), ok("GGA", ""), ok("XDR", xdr_type, "0")},
                  2,
                  1036}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(ListenerChecks, MessageRunsTheTextsAndTheRowNumberTogether) {
    Listener_Table table = listener_table({ok("GGA", gga_hours), ok("GGA", gga_hours), ok("GGA", "")});
    EXPECT_EQ(Controllo_dati(table, cfg::default_texts())->message,
              "Error row 3!! Data Field Must be Selected");

    table.set_text(3, Listener_Column::DataField, gga_hours);
    table.set_text(3, Listener_Column::Position, "2000");
    EXPECT_EQ(Controllo_dati(table, cfg::default_texts())->message,
              "Error row 3!! Position Must be Between 0 and 2000");
}

TEST(ListenerChecks, MessagesComeFromTheCatalogueInUse) {
    cfg::Lang_Strings texts = cfg::default_texts();
    texts.set(1033, "Fehler Zeile ");
    texts.set(1044, " Index 1..36");
    const Listener_Table table = listener_table({ok("GSV", gsv_satellite, "0")});
    EXPECT_EQ(Controllo_dati(table, texts)->message, "Fehler Zeile 1 Index 1..36");
}

TEST(ListenerChecks, AnEmptySerialChannelIsRefused) {
    Listener_Table table = listener_table({ok("GGA", gga_hours)});
    table.set_text(1, Listener_Column::Serial_Channel, " ");
    const std::optional<Row_Error> error = Controllo_dati(table, cfg::default_texts());
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, "Error row 1!! Serial Channel Must be Selected");
}

} // namespace
