#include "core/nmea/ListenerChecks.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/SentenceCatalogue.h"

#include <limits>

namespace cfg::nmea {
namespace {

constexpr int Text_Error_Row = 1033;
constexpr int Text_Serial_Channel = 1034;
constexpr int Text_Data_Field = 1036;
constexpr int Text_Post_Operation = 1037;
constexpr int Text_Position = 1038;

// The message telling the range of an Index: each range has its own text.
int index_rule_text(const Index_Range& range) {
    switch (range.last) {
    case 10:
        return 1042;
    case 50:
        return 1043;
    case 36:
        return 1044;
    default:
        return 1045; // 1 to 9
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
        return Text_Serial_Channel;
    const int n = GetIndexSentence(trimmed(table.text(row, C::Sentence)));
    const int f = GetIndexDataField(n, upper_ascii(trimmed(table.text(row, C::DataField))));
    if (const std::optional<Index_Range> range = Index_Range_Of(n, f)) {
        if (!integer_between(table.text(row, C::Index), range->first, range->last))
            return index_rule_text(*range);
    }
    if (trimmed(table.text(row, C::DataField)).empty())
        return Text_Data_Field;
    if (trimmed(table.text(row, C::PortOperation)).empty())
        return Text_Post_Operation;
    if (!integer_between(table.text(row, C::Position), 0, NMEA_Array_Size - 1))
        return Text_Position;
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
        std::string message = texts[Text_Error_Row] + std::to_string(row) + texts[rule];
        if (rule == Text_Position)
            message += std::to_string(NMEA_Array_Size);
        return Row_Error{row, rule, std::move(message)};
    }
    return std::nullopt;
}

} // namespace cfg::nmea
