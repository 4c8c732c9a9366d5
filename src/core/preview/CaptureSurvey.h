#pragma once

#include "core/nmea/CodeCounts.h"
#include "core/nmea/NmeaSentence.h"

#include <cstddef>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace cfg::preview {

// A catalogue field a capture held, with the occurrence it was found under.
struct Seen_Field {
    int Ind_Sent = 0;
    int field_index = 0;
    int Index = 0;      // 0 for a field that takes no Index
    std::string sample; // the last text it held that was not empty; empty when it never held one
    bool operator==(const Seen_Field&) const = default;
};

// A sentence code a capture held, and how often.
struct Seen_Sentence {
    std::string code;
    std::size_t count = 0;
    bool offered = false; // the listener table can take its fields
    bool operator==(const Seen_Sentence&) const = default;
};

// What a capture holds, fed one received sentence at a time: its codes, as many as Code_Counts keeps,
// and every field of the offered sentences with a sample.
class Capture_Survey {
public:
    void Feed(const nmea::Received_Sentence& sentence);

    // The kept codes in the order they first came.
    std::vector<Seen_Sentence> sentences() const;
    // Sentences of the codes that were not kept.
    std::size_t sentences_not_kept() const { return codes_.sentences_not_kept(); }

    // Sentence by sentence in the order they first came; within one, the fields without an Index in
    // catalogue order, then occurrence by occurrence.
    std::vector<Seen_Field> fields() const;

private:
    nmea::Code_Counts codes_;
    // By (place of the code in codes_, Index, field index).
    std::map<std::tuple<std::size_t, int, int>, Seen_Field> fields_;
};

// The fields that held a value at least once, in the order of fields(): those a capture can teach.
std::vector<Seen_Field> Fields_That_Held_Values(const Capture_Survey& survey);

} // namespace cfg::preview
