#include "core/bytemap/BlockTexts.h"

#include "core/common/ByteRange.h"
#include "core/common/Text.h"
#include "core/ethercat/ImageTexts.h"
#include "core/lang/EtherCATTexts.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ArrayMarks.h"

#include <initializer_list>
#include <utility>

namespace cfg::bytemap {
namespace {

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
    const std::string& separator = texts[listener_text::Label_Separator];
    std::string text =
        hover(texts[listener_text::Row] + std::to_string(field.row), separator,
              {{texts[listener_text::Sentence_Header], field.Sentence},
               {texts[listener_text::Data_Field_Header], field.DataField},
               {texts[listener_text::Bytes_Header], Byte_Range_Text(field.first_byte, field.last_byte())}});
    if (const std::string marks = nmea::Field_Marks(field, texts); !marks.empty())
        text += "\n" + marks;
    return text;
}

std::string Variable_Label(const ethercat::Variable_Place& place) {
    return label(place.row, place.Name, place.Type);
}

std::string Variable_Hover(const ethercat::Variable_Place& place, const Lang_Strings& texts) {
    const std::string row = texts[ethercat_text::Row] + std::to_string(place.row);
    const std::string& separator = texts[ethercat_text::Label_Separator];
    const std::string& name = texts[ethercat_text::Name_Header];
    const std::string& type = texts[ethercat_text::Type_Header];
    const std::string& bytes = texts[ethercat_text::Bytes_Header];
    if (place.is_bit)
        return hover(row, separator,
                     {{name, place.Name},
                      {type, place.Type},
                      {bytes, std::to_string(place.position)},
                      {texts[ethercat_text::Start_Bit_Header], std::to_string(place.bit)}});
    const std::string taken = place.size > 0
                                  ? Byte_Range_Text(place.position, place.position + place.size - 1)
                                  : texts[ethercat_text::No_Bytes];
    return hover(row, separator, {{name, place.Name}, {type, place.Type}, {bytes, taken}});
}

} // namespace cfg::bytemap
