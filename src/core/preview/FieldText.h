#pragma once

#include "core/nmea/NmeaSentence.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::preview {

// The text a catalogue field takes from a received sentence.
struct Taken_Text {
    std::string received;            // the sentence's field it comes from, whole
    std::optional<std::string> text; // the part the catalogue field takes; nothing when the received
                                     // field lacks the shape the part needs ("1235" for a time)
    bool operator==(const Taken_Text&) const = default;
};

// The same, as parts of a received sentence, valid while it is.
struct Taken_View {
    std::string_view received;
    std::optional<std::string_view> text;
};

// Field field_index of sentence Ind_Sent, as a row with this Index takes it from a received sentence
// of that code; nothing when the sentence does not carry that occurrence (another sentence of a GSV
// series, fewer groups or fewer fields than the occurrence needs). An empty field gives empty texts.
std::optional<Taken_Text> Take_Field(const nmea::Received_Sentence& sentence, int Ind_Sent, int field_index,
                                     int Index);
// The same without copying the texts, for a model that takes a field of every sentence of a log.
std::optional<Taken_View> Take_Field_View(const nmea::Received_Sentence& sentence, int Ind_Sent,
                                          int field_index, int Index);

// The Indexes under which a received sentence carries the field: 0 alone for a field that takes no
// Index, otherwise every occurrence it holds within the field's Index range, in order.
std::vector<int> Occurrences(const nmea::Received_Sentence& sentence, int Ind_Sent, int field_index);

} // namespace cfg::preview
