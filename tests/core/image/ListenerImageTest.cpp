#include "core/image/ListenerImage.h"
#include "ImageTestFiles.h"
#include "core/common/ConfigError.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using cfg::image::Bank_Images;
using cfg::image::test::Configuration;
using cfg::image::test::Listener_Row;
using cfg::image::test::slice;
using Bytes = std::vector<std::uint8_t>;

const std::string gga_latitude = "Latitude, Minutes [floating point]";

Listener_Row gga_row() {
    Listener_Row row;
    row.Sentence = "GGA";
    row.DataField = gga_latitude;
    row.PortOperation = "x 100";
    row.SwapAll = "Y";
    row.Position = "2";
    return row;
}

std::uint32_t listener_count(const Bank_Images& banks) {
    const Bytes count = slice(banks.bank1, 0x6F8, 4);
    return count[0] | count[1] << 8 | count[2] << 16 | static_cast<std::uint32_t>(count[3]) << 24;
}

TEST(ListenerImage, TheWorkedGgaEntry) {
    Configuration configuration;
    configuration.par_gen("");
    configuration.listener({gga_row()});
    const Bank_Images banks = configuration.compile();
    EXPECT_EQ(slice(banks.bank2, 0, 12),
              (Bytes{0x07, 0x00, 0x02, 0x00, 0x00, 0x06, 0x06, 0x01, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(slice(banks.bank2, 12, 1536 - 12), Bytes(1536 - 12, 0));
    EXPECT_EQ(listener_count(banks), 1u);
}

TEST(ListenerImage, SkippedRowsLeaveNoGap) {
    Configuration configuration;
    configuration.par_gen("");
    Listener_Row inactive = gga_row();
    inactive.Enable = "N";
    Listener_Row active = gga_row();
    active.Position = "9";
    configuration.listener({inactive, active});
    const Bank_Images banks = configuration.compile();
    EXPECT_EQ(slice(banks.bank2, 0, 24),
              (Bytes{0x07, 0x00, 0x09, 0x00, 0x00, 0x06, 0x06, 0x01, 0x00, 0x00, 0x00, 0x00,
                     0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0}));
    EXPECT_EQ(listener_count(banks), 1u);
}

// Whoever reports per row what the device was told gets the row each entry comes from.
TEST(ListenerImage, EntriesKeepTheirRows) {
    Configuration configuration;
    Listener_Row inactive = gga_row();
    inactive.Enable = "N";
    configuration.listener({inactive, gga_row(), inactive, gga_row()});
    const std::string file = cfg::test::read_bytes(configuration.files().File_NMEA_0183_Set_Access);
    const std::vector<cfg::image::Listener_Image_Row> rows = cfg::image::Read_Listener_Image_Rows(
        {"NMEA_0183_Set_Access.xml", file}, cfg::image::Serial_RS232_Bit);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].row, 2);
    EXPECT_EQ(rows[1].row, 4);
    EXPECT_EQ(rows[1].entry.Position, 2);
}

TEST(ListenerImage, WithoutParGenNoSerialPortIsInUseAndEveryRowIsDropped) {
    Configuration configuration;
    configuration.listener({gga_row()});
    const Bank_Images banks = configuration.compile();
    EXPECT_EQ(banks.bank2, Bytes(1536, 0));
    EXPECT_EQ(listener_count(banks), 0u);
}

// The device gets the rows the listener screen shows, however many the file holds.
TEST(ListenerImage, OnlyTheRowsOfTheListenerTableCompile) {
    struct Case {
        int inactive; // rows in front, disabled
        int active;
        std::uint32_t entries;
    };
    for (const Case& c : {Case{0, 100, 100}, Case{0, 130, 100}, Case{100, 1, 0}, Case{99, 5, 1}}) {
        Configuration configuration;
        configuration.par_gen("");
        std::vector<Listener_Row> rows;
        for (int i = 0; i < c.inactive + c.active; ++i) {
            Listener_Row row = gga_row();
            row.Enable = i < c.inactive ? "N" : "Y";
            row.Position = std::to_string(i);
            rows.push_back(row);
        }
        configuration.listener(rows);
        const Bank_Images banks = configuration.compile();
        EXPECT_EQ(listener_count(banks), c.entries) << c.inactive << " + " << c.active;
        if (c.entries > 0) {
            // the last entry is the last row of the table
            EXPECT_EQ(slice(banks.bank2, (c.entries - 1) * 12, 4), (Bytes{0x07, 0x00, 99, 0x00}));
        }
        EXPECT_EQ(slice(banks.bank2, c.entries * 12, 1536 - c.entries * 12), Bytes(1536 - c.entries * 12, 0));
    }
}

// One row with the ParGen.xml of this model; the entry it compiles to, or nothing when dropped.
struct RowCase {
    const char* label;
    Listener_Row row;
    std::optional<Bytes> entry;
};

std::ostream& operator<<(std::ostream& out, const RowCase& c) {
    return out << c.label;
}

class ListenerRow : public testing::TestWithParam<RowCase> {};

TEST_P(ListenerRow, CompilesOrIsDropped) {
    Configuration configuration;
    configuration.par_gen("");
    configuration.listener({GetParam().row});
    const Bank_Images banks = configuration.compile();
    if (GetParam().entry) {
        EXPECT_EQ(slice(banks.bank2, 0, 12), *GetParam().entry);
        EXPECT_EQ(listener_count(banks), 1u);
    } else {
        EXPECT_EQ(banks.bank2, Bytes(1536, 0));
        EXPECT_EQ(listener_count(banks), 0u);
    }
}

// A row of the given sentence and field, changed by `change`.
template <typename Change>
Listener_Row row(const std::string& sentence, const std::string& field, Change change) {
    Listener_Row row;
    row.Sentence = sentence;
    row.DataField = field;
    change(row);
    return row;
}

Listener_Row gga(void (*change)(Listener_Row&)) {
    return row("GGA", gga_latitude, change);
}

// GGA latitude at position 1 with no operation and no swaps, except for the byte at `offset`.
Bytes gga_entry(std::size_t offset, std::uint8_t value) {
    Bytes entry{0x07, 0x00, 0x01, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    entry[offset] = value;
    return entry;
}

const Bytes plain_gga = gga_entry(0, 0x07);

INSTANTIATE_TEST_SUITE_P(
    SkipRules, ListenerRow,
    testing::Values(
        RowCase{"enabled", gga([](Listener_Row&) {}), plain_gga},
        RowCase{"Enable N", gga([](Listener_Row& r) { r.Enable = "N"; }), std::nullopt},
        RowCase{"Enable in lower case", gga([](Listener_Row& r) { r.Enable = "y"; }), std::nullopt},
        RowCase{"Enable empty", gga([](Listener_Row& r) { r.Enable = ""; }), std::nullopt},
        RowCase{"RS232 in lower case", gga([](Listener_Row& r) { r.Serial_Channel = "rs232"; }), plain_gga},
        RowCase{"RS232 with blanks", gga([](Listener_Row& r) { r.Serial_Channel = " RS232 "; }), plain_gga},
        RowCase{"RS485 2 is not in use", gga([](Listener_Row& r) { r.Serial_Channel = "RS485 2"; }),
                std::nullopt},
        RowCase{"RS485 1 is not in use", gga([](Listener_Row& r) { r.Serial_Channel = "RS485 1"; }),
                std::nullopt},
        RowCase{"no serial channel", gga([](Listener_Row& r) { r.Serial_Channel = ""; }), std::nullopt},
        RowCase{"sentence in lower case", gga([](Listener_Row& r) { r.Sentence = " gga"; }), plain_gga},
        RowCase{"sentence not offered", row("BWC", "", [](Listener_Row&) {}), std::nullopt},
        RowCase{"sentence unknown", gga([](Listener_Row& r) { r.Sentence = "XYZ"; }), std::nullopt},
        RowCase{"data field in upper case",
                gga([](Listener_Row& r) { r.DataField = "LATITUDE, MINUTES [FLOATING POINT]"; }), plain_gga},
        RowCase{"data field with blanks around",
                gga([](Listener_Row& r) { r.DataField = "  " + gga_latitude + " "; }), plain_gga},
        RowCase{"data field of another sentence",
                gga([](Listener_Row& r) { r.DataField = "UTC of position, Minutes [decimal]"; }),
                std::nullopt},
        RowCase{"no data field", gga([](Listener_Row& r) { r.DataField = ""; }), std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Values, ListenerRow,
    testing::Values(
        RowCase{"post operation : 10", gga([](Listener_Row& r) { r.PortOperation = ": 10"; }),
                gga_entry(6, 1)},
        RowCase{"post operation x 10000", gga([](Listener_Row& r) { r.PortOperation = "x 10000"; }),
                gga_entry(6, 8)},
        RowCase{"post operation trimmed", gga([](Listener_Row& r) { r.PortOperation = " x 100 "; }),
                gga_entry(6, 6)},
        RowCase{"post operation unknown", gga([](Listener_Row& r) { r.PortOperation = "x100"; }),
                gga_entry(6, 0)},
        RowCase{"Swap16 in lower case", gga([](Listener_Row& r) { r.Swap16 = "y"; }), gga_entry(7, 2)},
        RowCase{"both swaps", gga([](Listener_Row& r) {
                    r.SwapAll = "Y";
                    r.Swap16 = " Y";
                }),
                gga_entry(7, 3)},
        RowCase{"position trimmed", gga([](Listener_Row& r) { r.Position = " 12 "; }), gga_entry(2, 12)},
        RowCase{"position not a number", gga([](Listener_Row& r) { r.Position = "abc"; }), gga_entry(2, 0)},
        RowCase{"position keeps 16 bits", gga([](Listener_Row& r) { r.Position = "70000"; }),
                (Bytes{0x07, 0x00, 0x70, 0x11, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00})},
        RowCase{"an index where the field takes none", gga([](Listener_Row& r) { r.Index = "5"; }),
                plain_gga}));

// Sentence number, field index and Index byte of an entry at position 1.
Bytes indexed_entry(std::uint8_t sentence, std::uint8_t field, std::uint8_t index) {
    return {sentence, 0x00, 0x01, 0x00, 0x00, field, 0x00, 0x00, index, 0x00, 0x00, 0x00};
}

INSTANTIATE_TEST_SUITE_P(
    Index, ListenerRow,
    testing::Values(
        RowCase{"GSV total satellites takes no index",
                row("GSV", "Total number of satellites in view [decimal]",
                    [](Listener_Row& r) { r.Index = "5"; }),
                indexed_entry(10, 2, 0)},
        RowCase{"GSV satellite ID takes its index",
                row("GSV", "Satellite ID number [decimal]", [](Listener_Row& r) { r.Index = "5"; }),
                indexed_entry(10, 3, 5)},
        RowCase{"GSV sentence number takes its index",
                row("GSV", "Sentence number [decimal]", [](Listener_Row& r) { r.Index = " 3 "; }),
                indexed_entry(10, 1, 3)},
        RowCase{"GSV SNR takes its index",
                row("GSV", "SNR (C/No) 00-99 dB-Hz, null when not tracking [decimal]",
                    [](Listener_Row& r) { r.Index = "36"; }),
                indexed_entry(10, 6, 36)},
        RowCase{"GSV signal ID takes no index",
                row("GSV", "Signal ID [decimal]", [](Listener_Row& r) { r.Index = "2"; }),
                indexed_entry(10, 7, 0)},
        RowCase{"XDR",
                row("XDR", "Measurement data [floating point]", [](Listener_Row& r) { r.Index = "7"; }),
                indexed_entry(34, 1, 7)},
        RowCase{"$PJELA", row("$PJELA", "Alarm [character]", [](Listener_Row& r) { r.Index = "50"; }),
                indexed_entry(35, 0, 50)},
        RowCase{"an index that is not a number",
                row("XDR", "Transducer type [character]", [](Listener_Row& r) { r.Index = "x"; }),
                indexed_entry(34, 0, 0)},
        RowCase{"an index keeps its low 8 bits",
                row("XDR", "Transducer type [character]", [](Listener_Row& r) { r.Index = "300"; }),
                indexed_entry(34, 0, 0x2C)}));

TEST(ListenerImage, AFileWithoutNmeaListenerStopsTheCompile) {
    Configuration configuration;
    configuration.par_gen("");
    configuration.write("NMEA_0183_Set_Access.xml", "<NMEA_0183><Listener/></NMEA_0183>");
    EXPECT_THROW(configuration.compile(), cfg::ConfigError);
}

} // namespace
