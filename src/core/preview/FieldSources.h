#pragma once

#include <span>

// Where each catalogue field of an offered sentence comes from in a received sentence. The
// catalogue's fields are not the sentence's comma-separated fields: a time is split into hours,
// minutes, seconds and fraction, a latitude into degrees and minutes, and the fields that take an
// Index repeat within a sentence or over a series of sentences.
namespace cfg::preview {

// Which part of a received field a catalogue field takes.
enum class Field_Part {
    Whole,
    Hours,         // hh of a time hhmmss.ss
    Minutes,       // mm of a time
    Seconds,       // ss of a time
    Fraction,      // the digits after the time's point, as they are written
    Day,           // dd of a date ddmmyy
    Month,         // mm of a date
    Year,          // yy of a date
    Degrees,       // the digits before the last two whole digits of ddmm.mm or dddmm.mm
    Angle_Minutes, // the last two whole digits and the decimals of ddmm.mm or dddmm.mm
};

// How a row's Index picks the occurrence of a field.
enum class Occurrence {
    Single,           // the field is once in every sentence; the Index is not used
    Group,            // Index k takes the field from group k of a run of whole groups
    Satellite,        // Index k takes satellite k of a GSV series: block (k - 1) % 4 of the run of whole
                      // blocks in the sentence numbered (k + 3) / 4
    Sentence_Number,  // Index k takes the field only from the GSV sentence numbered k
    After_Satellites, // the field after the run of whole satellite blocks, when the sentence has one
};

struct Field_Source {
    int field; // the 0-based field after the address; in the first group of a run
    Field_Part part = Field_Part::Whole;
    Occurrence occurrence = Occurrence::Single;
    int group_size = 0; // fields of a group or satellite block
    int run = 0;        // the first field of the run of groups or blocks
};

// The sources of the fields of sentence Ind_Sent, one per catalogue field in catalogue order;
// empty for a sentence that is not offered or a number outside 1 to 40.
std::span<const Field_Source> Field_Sources(int Ind_Sent);

} // namespace cfg::preview
