#pragma once

#include "core/nmea/ListenerTable.h"
#include "core/nmea/SentenceCatalogue.h"

#include <string_view>

// Proposals of a row's byte position in the NMEA data array. They are proposals only: the user may
// overwrite any position, and nothing moves other rows.
namespace cfg::nmea {

// Byte positions 0 to 1999 of the device's NMEA data array.
constexpr int NMEA_Array_Size = 2000;

// The catalogue field of a row that takes part in the positions: it is active and names a known
// sentence and one of its fields. Null for any other row.
const TFieldSentence* Position_Field(const Listener_Table& table, int row);

// The first byte after the field of the nearest row above ARow that is active and names a known
// sentence and one of its fields; 0 for row 1 or when there is none.
int Get_Last_Position(const Listener_Table& table, int ARow);

// The position proposed for a field whose row follows bytes up to, not including, after: after
// itself, plus one for a 1- or 3-byte field, so that filling rows in order keeps every field ending
// on an even boundary. A field that is not in the catalogue (null) gets no extra byte.
int Proposed_Position(int after, const TFieldSentence* field);

// Writes the proposed position of row ARow, about to hold DataField of Sentence, into its Position
// cell: the proposal after Get_Last_Position.
void Set_Position(Listener_Table& table, int ARow, std::string_view Sentence, std::string_view DataField);

// A sentence was picked in a row: its first field becomes the row's data field (none for a code
// without fields), the row listens on RS232, an empty post operation becomes "None", and a position
// is proposed. The Index cell keeps its text.
void Choose_Sentence(Listener_Table& table, int row, const std::string& Sentence);

// A data field was picked in a row: a position is proposed for it.
void Choose_DataField(Listener_Table& table, int row, const std::string& DataField);

} // namespace cfg::nmea
