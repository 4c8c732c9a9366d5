#pragma once

#include "core/nmea/ListenerTable.h"
#include "core/preview/CaptureSurvey.h"

#include <span>
#include <string>
#include <vector>

namespace cfg::preview {

// A listener row proposed for a field of a capture.
struct Learned_Row {
    int row = 0; // may lie beyond the table when it has no room
    int Ind_Sent = 0;
    int field_index = 0;
    int Index = 0; // 0 for a field that takes no Index
    int Position = 0;
    std::string sample;
    bool operator==(const Learned_Row&) const = default;
};

// One row for each field, in order, in the rows after the table's last used row. The first takes the
// position proposed after the last byte any active row of the table uses, wherever that row stands;
// each further one the position proposed after the row before it.
std::vector<Learned_Row> Propose_Learned_Rows(const nmea::Listener_Table& table,
                                              std::span<const Seen_Field> fields);

// Writes the rows into the table: enabled, on RS232, the field's sentence, Index (empty where the field
// takes none) and description, "None", no swaps, the proposed position. False, and the table as it was,
// when a row lies beyond the table or names no catalogue field.
bool Add_Learned_Rows(nmea::Listener_Table& table, std::span<const Learned_Row> rows);

} // namespace cfg::preview
