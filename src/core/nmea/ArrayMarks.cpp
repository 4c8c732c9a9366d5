#include "core/nmea/ArrayMarks.h"

#include "core/common/ByteRange.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ListenerPositions.h"

#include <algorithm>

namespace cfg::nmea {
namespace {

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string overlap_mark(const std::vector<int>& rows, const Lang_Strings& texts) {
    std::vector<std::string> numbers;
    for (int row : rows)
        numbers.push_back(std::to_string(row));
    return texts[rows.size() == 1 ? listener_text::Overlaps_Row : listener_text::Overlaps_Rows] +
           joined(numbers, texts[listener_text::List_Separator]);
}

// How many pairs of fields share at least one byte.
int overlap_count(const std::vector<Array_Field>& fields) {
    int pairs = 0;
    for (const Array_Field& field : fields)
        pairs += static_cast<int>(std::count_if(field.overlapping_rows.begin(), field.overlapping_rows.end(),
                                                [&field](int other) { return other > field.row; }));
    return pairs;
}

} // namespace

bool Is_Marked(const Array_Field& field) {
    return !field.overlapping_rows.empty() || field.outside_array;
}

std::string Field_Marks(const Array_Field& field, const Lang_Strings& texts) {
    std::vector<std::string> marks;
    if (!field.overlapping_rows.empty())
        marks.push_back(overlap_mark(field.overlapping_rows, texts));
    if (field.first_byte < 0)
        marks.push_back(texts[listener_text::Before_Array]);
    if (field.last_byte() >= NMEA_Array_Size)
        marks.push_back(texts[listener_text::Past_Byte] + std::to_string(NMEA_Array_Size - 1));
    return joined(marks, texts[listener_text::Mark_Separator]);
}

std::string Array_Status(const std::vector<Array_Field>& fields, const Lang_Strings& texts) {
    std::string used = texts[listener_text::None];
    if (!fields.empty()) {
        const auto first =
            std::min_element(fields.begin(), fields.end(), [](const Array_Field& a, const Array_Field& b) {
                return a.first_byte < b.first_byte;
            });
        const auto last =
            std::max_element(fields.begin(), fields.end(), [](const Array_Field& a, const Array_Field& b) {
                return a.last_byte() < b.last_byte();
            });
        used = Byte_Range_Text(first->first_byte, last->last_byte());
    }
    std::vector<std::string> parts = {texts[listener_text::Bytes_Used] + used + texts[listener_text::Of] +
                                      Byte_Range_Text(0, NMEA_Array_Size - 1)};
    if (const int overlaps = overlap_count(fields); overlaps > 0)
        parts.push_back(std::to_string(overlaps) +
                        texts[overlaps == 1 ? listener_text::Overlap : listener_text::Overlaps]);
    if (const auto outside = std::count_if(fields.begin(), fields.end(),
                                           [](const Array_Field& field) { return field.outside_array; });
        outside > 0)
        parts.push_back(std::to_string(outside) + texts[listener_text::Outside]);
    return joined(parts, texts[listener_text::Mark_Separator]);
}

std::vector<Row_Place> Row_Places(const std::vector<Array_Field>& fields, const Lang_Strings& texts) {
    std::vector<Row_Place> places(Listener_Row_Count + 1);
    for (const Array_Field& field : fields)
        places[static_cast<std::size_t>(field.row)] = {Byte_Range_Text(field.first_byte, field.last_byte()),
                                                       Field_Marks(field, texts)};
    return places;
}

} // namespace cfg::nmea
