#include "core/nmea/ListenerPositions.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/nmea/SerialChannels.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cfg::nmea {
namespace {

// The catalogue field a row's texts name, or null.
const TFieldSentence* named_field(std::string_view Sentence, std::string_view DataField) {
    const int n = GetIndexSentence(Sentence);
    if (n < 1)
        return nullptr;
    return Find_Field(n, GetIndexDataField(n, upper_ascii(DataField)));
}

} // namespace

const TFieldSentence* Position_Field(const Listener_Table& table, int row) {
    using C = Listener_Column;
    if (!table.is_checked(row, C::Enable))
        return nullptr;
    return named_field(table.text(row, C::Sentence), table.text(row, C::DataField));
}

int Get_Last_Position(const Listener_Table& table, int ARow) {
    using C = Listener_Column;
    for (int r = ARow - 1; r >= 1; --r) {
        if (const TFieldSentence* field = Position_Field(table, r)) {
            // A huge typed position must not overflow; the checks refuse it anyway.
            const std::int64_t next =
                std::int64_t{Text_To_Int(table.text(r, C::Position), 0)} + field->Dimension;
            return static_cast<int>(std::min<std::int64_t>(next, std::numeric_limits<std::int32_t>::max()));
        }
    }
    return 0;
}

int Proposed_Position(int after, const TFieldSentence* field) {
    if (field && (field->Dimension == 1 || field->Dimension == 3) && after < std::numeric_limits<int>::max())
        return after + 1;
    return after;
}

void Set_Position(Listener_Table& table, int ARow, std::string_view Sentence, std::string_view DataField) {
    const int position = Proposed_Position(Get_Last_Position(table, ARow), named_field(Sentence, DataField));
    table.set_text(ARow, Listener_Column::Position, std::to_string(position));
}

void Choose_Sentence(Listener_Table& table, int row, const std::string& Sentence) {
    table.set_text(row, Listener_Column::Sentence, Sentence);
    table.set_text(row, Listener_Column::Serial_Channel, std::string(Serial_RS232));
    const std::vector<std::string> fields = Field_Descriptions(GetIndexSentence(Sentence));
    const std::string first_field = fields.empty() ? std::string() : fields.front();
    table.set_text(row, Listener_Column::DataField, first_field);
    // A new row gets the post operation a row without one loads as; a chosen one stays.
    if (trimmed(table.text(row, Listener_Column::PortOperation)).empty())
        table.set_text(row, Listener_Column::PortOperation, PostOpe_SL().front());
    Set_Position(table, row, Sentence, first_field);
}

void Choose_DataField(Listener_Table& table, int row, const std::string& DataField) {
    table.set_text(row, Listener_Column::DataField, DataField);
    Set_Position(table, row, table.text(row, Listener_Column::Sentence), DataField);
}

} // namespace cfg::nmea
