#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets exchange them: fields in double quotes may hold the
// delimiter, line breaks and doubled quotes; records end with CR LF or LF.
namespace cfg {

using Csv_Record = std::vector<std::string>;

// The first byte of a file in UTF-8 with a byte-order mark, which spreadsheets need to read
// accented letters as such.
inline constexpr std::string_view Utf8_Bom = "\xEF\xBB\xBF";

// The delimiter of a file, from its first record: ";" (the list separator of many locales) when
// it holds more semicolons than commas outside quotes, "," otherwise.
char Csv_Delimiter(std::string_view text);

struct Csv_Read {
    std::vector<Csv_Record> records;
    // The record (counted from 1) whose quoted field is never closed; the records stop before it.
    std::optional<int> unclosed_quote_record;
};

// Reads the records of a file in UTF-8 (a leading byte-order mark is dropped); a file that is not
// valid UTF-8 is read as Windows-1252, as spreadsheets save "CSV" without a byte-order mark. The
// delimiter is found from the first record. A line break after the last record ends it and gives
// no empty record. A quote inside a field that does not start with one is an ordinary character.
Csv_Read Read_Csv(std::string_view bytes);
// The same with the delimiter given: a tab for the cells spreadsheets put on the clipboard.
Csv_Read Read_Csv(std::string_view bytes, char delimiter);

// The bytes of a file: UTF-8 with a byte-order mark, records ending with CR LF, a field quoted
// only when it holds the delimiter, a quote, a line break or blanks at either end.
std::string Csv_Bytes(const std::vector<Csv_Record>& records, char delimiter = ',');
// The same records as text without the byte-order mark, as the clipboard carries them.
std::string Csv_Text(const std::vector<Csv_Record>& records, char delimiter = ',');

} // namespace cfg
