#include "core/bytemap/BlockTexts.h"

#include "core/common/ByteRange.h"
#include "core/common/Text.h"
#include "core/ethercat/ImageTexts.h"
#include "core/nmea/ArrayMarks.h"

#include <initializer_list>
#include <utility>

namespace cfg::bytemap {
namespace {

constexpr int Text_Sentence = 1017;
constexpr int Text_DataField = 1018;
constexpr int Text_Type = 1516;
constexpr int Text_Name = 1519;
constexpr int Text_Start_Bit = 1522;

std::string label(int row, const std::string& preferred, const std::string& fallback) {
    return std::to_string(row) + " " + (trimmed(preferred).empty() ? fallback : preferred);
}

// The first line names the row; each further one is a caption, the separator and a value.
std::string hover(const std::string& row_line, const std::string& separator,
                  std::initializer_list<std::pair<std::string, std::string>> lines) {
    std::string text = row_line;
    for (const auto& [caption, value] : lines)
        text += "\n" + caption + separator + value;
    return text;
}

} // namespace

std::string Field_Label(const nmea::Array_Field& field) {
    return label(field.row, field.Mnemonic, field.Sentence);
}

std::string Field_Hover(const nmea::Array_Field& field, const Lang_Strings& texts) {
    const std::string& separator = texts[nmea::Text_Label_Separator];
    std::string text =
        hover(texts[nmea::Text_Row] + std::to_string(field.row), separator,
              {{texts[Text_Sentence], field.Sentence},
               {texts[Text_DataField], field.DataField},
               {texts[nmea::Text_Bytes], Byte_Range_Text(field.first_byte, field.last_byte())}});
    if (const std::string marks = nmea::Field_Marks(field, texts); !marks.empty())
        text += "\n" + marks;
    return text;
}

std::string Variable_Label(const ethercat::Variable_Place& place) {
    return label(place.row, place.Name, place.Type);
}

std::string Variable_Hover(const ethercat::Variable_Place& place, const Lang_Strings& texts) {
    const std::string row = texts[ethercat::Text_Row] + std::to_string(place.row);
    const std::string& separator = texts[ethercat::Text_Label_Separator];
    const std::string& name = texts[Text_Name];
    const std::string& type = texts[Text_Type];
    const std::string& bytes = texts[ethercat::Text_Bytes];
    if (place.is_bit)
        return hover(row, separator,
                     {{name, place.Name},
                      {type, place.Type},
                      {bytes, std::to_string(place.position)},
                      {texts[Text_Start_Bit], std::to_string(place.bit)}});
    const std::string taken = place.size > 0
                                  ? Byte_Range_Text(place.position, place.position + place.size - 1)
                                  : texts[ethercat::Text_No_Bytes];
    return hover(row, separator, {{name, place.Name}, {type, place.Type}, {bytes, taken}});
}

} // namespace cfg::bytemap
