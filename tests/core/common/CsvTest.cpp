#include "core/common/Csv.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Records = std::vector<cfg::Csv_Record>;

struct ReadCase {
    const char* name;
    std::string bytes;
    Records records;
    std::optional<int> unclosed = std::nullopt;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class CsvRead : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvRead, GivesTheRecords) {
    const cfg::Csv_Read read = cfg::Read_Csv(GetParam().bytes);
    EXPECT_EQ(read.records, GetParam().records);
    EXPECT_EQ(read.unclosed_quote_record, GetParam().unclosed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvRead,
    testing::Values(ReadCase{"plain_lf", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
                    ReadCase{"crlf_without_last_break", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
                    ReadCase{"bom_dropped",
                             "\xEF\xBB\xBF"
                             "a,b\r\n",
                             {{"a", "b"}}},
                    ReadCase{"quoted_delimiter_break_and_quote",
                             "\"x,y\",\"line\r\nnext\",\"say \"\"hi\"\"\"\r\n",
                             {{"x,y", "line\r\nnext", "say \"hi\""}}},
                    ReadCase{"empty_fields_kept", ",,\r\n\"\",x\r\n", {{"", "", ""}, {"", "x"}}},
                    ReadCase{"blank_line_is_one_empty_field", "a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}},
                    ReadCase{"semicolons_of_a_spreadsheet",
                             "Enable;Name\r\nY;a,b\r\n",
                             {{"Enable", "Name"}, {"Y", "a,b"}}},
                    ReadCase{"commas_win_a_tie", "a;b,c\r\n", {{"a;b", "c"}}},
                    ReadCase{"semicolon_inside_quotes_not_counted", "\"a;b;c\",d\r\n", {{"a;b;c", "d"}}},
                    ReadCase{"quote_inside_an_unquoted_field", "5\"x,y\r\n", {{"5\"x", "y"}}},
                    ReadCase{"lone_cr_is_a_character", "a\rb,c\n", {{"a\rb", "c"}}},
                    ReadCase{"windows1252_without_bom",
                             "Name\r\nGr\xFC\xDF"
                             "e\r\n",
                             {{"Name"}, {"Grüße"}}},
                    ReadCase{"utf8_without_bom", "Name\r\nGrüße\r\n", {{"Name"}, {"Grüße"}}},
                    ReadCase{"unclosed_quote", "a\r\n\"b,c\r\n", {{"a"}}, 2}, ReadCase{"empty_file", "", {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    Records records;
    char delimiter;
    std::string bytes;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class CsvWrite : public testing::TestWithParam<WriteCase> {};

// Written, then read back, a file gives the same records; the clipboard's text is the same
// without the byte-order mark.
TEST_P(CsvWrite, QuotesOnlyWhereNeededAndReadsBack) {
    const std::string bytes = cfg::Csv_Bytes(GetParam().records, GetParam().delimiter);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + GetParam().bytes);
    EXPECT_EQ(cfg::Csv_Text(GetParam().records, GetParam().delimiter), GetParam().bytes);
    EXPECT_EQ(cfg::Read_Csv(bytes, GetParam().delimiter).records, GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvWrite,
    testing::Values(
        WriteCase{"plain", {{"Enable", "Name"}, {"Y", "Grüße"}}, ',', "Enable,Name\r\nY,Grüße\r\n"},
        WriteCase{"specials_quoted",
                  {{"Name", "Mnemonic", "X"}, {"a,b", "say \"hi\"", "one\ntwo"}},
                  ',',
                  "Name,Mnemonic,X\r\n\"a,b\",\"say \"\"hi\"\"\",\"one\ntwo\"\r\n"},
        WriteCase{"blanks_at_the_ends_quoted", {{"Name"}, {" a "}}, ',', "Name\r\n\" a \"\r\n"},
        WriteCase{"semicolon_delimiter", {{"A", "B"}, {"a,b", "c;d"}}, ';', "A;B\r\na,b;\"c;d\"\r\n"},
        WriteCase{"tab_delimiter_of_the_clipboard",
                  {{"a,b", "c\td"}, {"two\r\nlines", ""}},
                  '\t',
                  "a,b\t\"c\td\"\r\n\"two\r\nlines\"\t\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

} // namespace
