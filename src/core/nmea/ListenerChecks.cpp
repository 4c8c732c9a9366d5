#include "core/nmea/ListenerChecks.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/SentenceCatalogue.h"

#include <limits>

namespace cfg::nmea {
namespace {

// The message telling the range of an Index: each range has its own text.
int index_rule_text(const Index_Range& range) {
    switch (range.last) {
    case 10:
        return listener_text::Index_Out_Of_1_To_10;
    case 50:
        return listener_text::Index_Out_Of_1_To_50;
    case 36:
        return listener_text::Index_Out_Of_1_To_36;
    default:
        return listener_text::Index_Out_Of_1_To_9;
    }
}

// A text that is not a number counts as outside every range.
bool integer_between(const std::string& text, int first, int last) {
    constexpr int not_a_number = std::numeric_limits<int>::min();
    const int value = Text_To_Int(text, not_a_number);
    return value != not_a_number && value >= first && value <= last;
}

// The text index of the first rule the row breaks, 0 when it passes.
int first_broken_rule(const Listener_Table& table, int row) {
    using C = Listener_Column;
    if (trimmed(table.text(row, C::Serial_Channel)).empty())
        return listener_text::Serial_Channel_Missing;
    const int n = GetIndexSentence(trimmed(table.text(row, C::Sentence)));
    const int f = GetIndexDataField(n, upper_ascii(trimmed(table.text(row, C::DataField))));
    if (const std::optional<Index_Range> range = Index_Range_Of(n, f)) {
        if (!integer_between(table.text(row, C::Index), range->first, range->last))
            return index_rule_text(*range);
    }
    if (trimmed(table.text(row, C::DataField)).empty())
        return listener_text::Data_Field_Missing;
    if (trimmed(table.text(row, C::PortOperation)).empty())
        return listener_text::Post_Operation_Missing;
    if (!integer_between(table.text(row, C::Position), 0, NMEA_Array_Size - 1))
        return listener_text::Position_Out_Of_Range;
    return 0;
}

} // namespace

std::optional<Row_Error> Controllo_dati(const Listener_Table& table, const Lang_Strings& texts) {
    for (int row = 1; row <= Listener_Row_Count; ++row) {
        if (!table.is_used(row) || !table.is_checked(row, Listener_Column::Enable))
            continue;
        const int rule = first_broken_rule(table, row);
        if (rule == 0)
            continue;
        std::string message = texts[listener_text::Error_Row] + std::to_string(row) + texts[rule];
        if (rule == listener_text::Position_Out_Of_Range)
            message += std::to_string(NMEA_Array_Size);
        return Row_Error{row, rule, std::move(message)};
    }
    return std::nullopt;
}

} // namespace cfg::nmea
