#include "core/preview/LearnedRows.h"

#include "core/nmea/ArrayLayout.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"

#include <algorithm>
#include <limits>

namespace cfg::preview {

std::vector<Learned_Row> Propose_Learned_Rows(const nmea::Listener_Table& table,
                                              std::span<const Seen_Field> fields) {
    int row = nmea::Listener_Row_Count;
    while (row >= 1 && !table.is_used(row))
        --row;
    std::int64_t after = nmea::End_Of_Used_Bytes(table);
    std::vector<Learned_Row> rows;
    for (const Seen_Field& seen : fields) {
        const nmea::TFieldSentence* field = nmea::Find_Field(seen.Ind_Sent, seen.field_index);
        const int Position = nmea::Proposed_Position(
            static_cast<int>(std::min<std::int64_t>(after, std::numeric_limits<int>::max())), field);
        rows.push_back({++row, seen.Ind_Sent, seen.field_index, seen.Index, Position, seen.sample});
        after = std::int64_t{Position} + (field ? field->Dimension : 0);
    }
    return rows;
}

bool Add_Learned_Rows(nmea::Listener_Table& table, std::span<const Learned_Row> rows) {
    using C = nmea::Listener_Column;
    const auto out_of_place = [](const Learned_Row& r) {
        return r.row < 1 || r.row > nmea::Listener_Row_Count || !nmea::Find_Field(r.Ind_Sent, r.field_index);
    };
    if (std::any_of(rows.begin(), rows.end(), out_of_place))
        return false;
    for (const Learned_Row& learned : rows) {
        const nmea::TFieldSentence* field = nmea::Find_Field(learned.Ind_Sent, learned.field_index);
        table.Reset_Row(learned.row);
        table.set_text(learned.row, C::Sentence,
                       std::string(nmea::NMEA_Sentences[static_cast<std::size_t>(learned.Ind_Sent)].Name));
        table.set_text(learned.row, C::Index, learned.Index > 0 ? std::to_string(learned.Index) : "");
        table.set_text(learned.row, C::DataField, field->Field);
        table.set_text(learned.row, C::PortOperation, nmea::PostOpe_SL().front());
        table.set_text(learned.row, C::Position, std::to_string(learned.Position));
    }
    return true;
}

} // namespace cfg::preview
