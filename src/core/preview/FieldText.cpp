#include "core/preview/FieldText.h"

#include "core/common/Text.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/FieldSources.h"

#include <algorithm>

namespace cfg::preview {
namespace {

constexpr std::size_t GSV_Sentence_Number_Field = 1;
constexpr int Satellites_Per_Sentence = 4;

// The number of a GSV sentence within its series, when its field holds a plain number.
std::optional<int> sentence_number(const nmea::Received_Sentence& sentence) {
    if (sentence.fields.size() <= GSV_Sentence_Number_Field)
        return std::nullopt;
    const std::string& text = sentence.fields[GSV_Sentence_Number_Field];
    if (text.empty() || text.size() > 2 || !all_decimal_digits(text))
        return std::nullopt;
    return std::stoi(text);
}

// The place of a field in group Index of a repeating run: only whole groups count, so a signal ID
// after the last satellite block, or a cut sentence, is never taken for part of a group.
std::optional<std::size_t> place_in_group(const nmea::Received_Sentence& sentence, const Field_Source& source,
                                          int group) {
    const auto first_of_group = static_cast<std::size_t>(source.run + group * source.group_size);
    if (first_of_group + static_cast<std::size_t>(source.group_size) > sentence.fields.size())
        return std::nullopt;
    return static_cast<std::size_t>(source.field + group * source.group_size);
}

// Where the occurrence Index of the field lies in the sentence, when the sentence carries it.
std::optional<std::size_t> field_place(const nmea::Received_Sentence& sentence, const Field_Source& source,
                                       int Index) {
    const std::size_t size = sentence.fields.size();
    switch (source.occurrence) {
    case Occurrence::Single:
        return static_cast<std::size_t>(source.field) < size
                   ? std::optional(static_cast<std::size_t>(source.field))
                   : std::nullopt;
    case Occurrence::Group:
        if (Index < 1)
            return std::nullopt;
        return place_in_group(sentence, source, Index - 1);
    case Occurrence::Satellite:
        if (Index < 1 ||
            sentence_number(sentence) != (Index + Satellites_Per_Sentence - 1) / Satellites_Per_Sentence)
            return std::nullopt;
        return place_in_group(sentence, source, (Index - 1) % Satellites_Per_Sentence);
    case Occurrence::Sentence_Number:
        if (Index < 1 || sentence_number(sentence) != Index)
            return std::nullopt;
        return static_cast<std::size_t>(source.field);
    case Occurrence::After_Satellites: {
        // Whole blocks and one field more: that field is the signal ID.
        const auto run = static_cast<std::size_t>(source.run);
        if (size > run && (size - run) % static_cast<std::size_t>(source.group_size) == 1)
            return size - 1;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

// hhmmss, optionally followed by a point and decimals.
bool is_time(std::string_view text) {
    if (text.size() < 6 || !all_decimal_digits(text.substr(0, 6)))
        return false;
    return text.size() == 6 || (text[6] == '.' && all_decimal_digits(text.substr(7)));
}

// ddmm.mm or dddmm.mm: at least one digit of degrees and two of minutes before the point.
bool is_angle(std::string_view text) {
    const std::size_t point = std::min(text.find('.'), text.size());
    return point >= 3 && all_decimal_digits(text.substr(0, point)) &&
           (point == text.size() || all_decimal_digits(text.substr(point + 1)));
}

// Where a two-digit part starts in hhmmss or ddmmyy.
std::size_t two_digit_offset(Field_Part part) {
    if (part == Field_Part::Minutes || part == Field_Part::Month)
        return 2;
    if (part == Field_Part::Seconds || part == Field_Part::Year)
        return 4;
    return 0;
}

std::optional<std::string_view> part_of(std::string_view text, Field_Part part) {
    if (part == Field_Part::Whole || text.empty())
        return text;
    switch (part) {
    case Field_Part::Hours:
    case Field_Part::Minutes:
    case Field_Part::Seconds:
        if (!is_time(text))
            return std::nullopt;
        return text.substr(two_digit_offset(part), 2);
    case Field_Part::Fraction:
        if (!is_time(text))
            return std::nullopt;
        return text.size() > 7 ? text.substr(7) : std::string_view();
    case Field_Part::Day:
    case Field_Part::Month:
    case Field_Part::Year:
        if (text.size() != 6 || !all_decimal_digits(text))
            return std::nullopt;
        return text.substr(two_digit_offset(part), 2);
    case Field_Part::Degrees:
    case Field_Part::Angle_Minutes: {
        if (!is_angle(text))
            return std::nullopt;
        const std::size_t minutes = std::min(text.find('.'), text.size()) - 2;
        return part == Field_Part::Degrees ? text.substr(0, minutes) : text.substr(minutes);
    }
    case Field_Part::Whole:
        break;
    }
    return text;
}

} // namespace

std::optional<Taken_View> Take_Field_View(const nmea::Received_Sentence& sentence, int Ind_Sent,
                                          int field_index, int Index) {
    const std::span<const Field_Source> sources = Field_Sources(Ind_Sent);
    if (field_index < 0 || static_cast<std::size_t>(field_index) >= sources.size())
        return std::nullopt;
    const Field_Source& source = sources[static_cast<std::size_t>(field_index)];
    const std::optional<std::size_t> place = field_place(sentence, source, Index);
    if (!place)
        return std::nullopt;
    const std::string& received = sentence.fields[*place];
    return Taken_View{received, part_of(received, source.part)};
}

std::optional<Taken_Text> Take_Field(const nmea::Received_Sentence& sentence, int Ind_Sent, int field_index,
                                     int Index) {
    const std::optional<Taken_View> taken = Take_Field_View(sentence, Ind_Sent, field_index, Index);
    if (!taken)
        return std::nullopt;
    return Taken_Text{std::string(taken->received),
                      taken->text ? std::optional<std::string>(*taken->text) : std::nullopt};
}

std::vector<int> Occurrences(const nmea::Received_Sentence& sentence, int Ind_Sent, int field_index) {
    const std::optional<nmea::Index_Range> range = nmea::Index_Range_Of(Ind_Sent, field_index);
    if (!range)
        return Take_Field_View(sentence, Ind_Sent, field_index, 0) ? std::vector<int>{0} : std::vector<int>{};
    std::vector<int> indexes;
    for (int Index = range->first; Index <= range->last; ++Index) {
        if (Take_Field_View(sentence, Ind_Sent, field_index, Index))
            indexes.push_back(Index);
    }
    return indexes;
}

} // namespace cfg::preview
