#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the configurator knows of NMEA 0183: the 40 sentence codes, which of them are offered, and
// the data fields of each offered sentence with the bytes each takes in the device's data array.
// Sentence numbers and field indices go into the configuration image, so both orders are fixed.
namespace cfg::nmea {

constexpr int Sentence_Count = 40;

struct TNMEA_Sentence {
    std::string_view Name;
    bool Enabled; // offered in the sentence lists
};

// Indexed by sentence number 1 to 40; entry 0 is unused.
extern const std::array<TNMEA_Sentence, Sentence_Count + 1> NMEA_Sentences;

struct TFieldSentence {
    std::string Field;      // the description the user picks and the files store
    std::int32_t Dimension; // bytes in the data array
};

struct TMNEA0183_Map {
    std::vector<TFieldSentence> Fields;
};

// Indexed like NMEA_Sentences; a sentence that is not offered has no fields.
using Sentence_Map_Array = std::array<TMNEA0183_Map, Sentence_Count + 1>;

// Empties every entry, then fills the offered sentences with their fields in catalogue order.
void Init_Sentence_Maps(Sentence_Map_Array& maps);

// The catalogue, built once on first use and never changed afterwards.
const Sentence_Map_Array& Sentence_Maps();

// The number of the first sentence whose code equals the text exactly (case-sensitive, untrimmed),
// or -1. Codes that are not offered are found too. Find_Sentence is the legacy screen's name for
// the rule (called by the image compiler and the objects map), GetIndexSentence the listener's.
int Find_Sentence(std::string_view Sentence);
int GetIndexSentence(std::string_view Sentence);

// The 0-based index of the first field of sentence Ind_Sent whose description, trimmed and in
// upper case, equals DataField; -1 when there is none or Ind_Sent is outside 1 to 40. DataField is
// compared as given, so callers pass it in upper case.
int GetIndexDataField(int Ind_Sent, std::string_view DataField);

// Whether the number is a sentence of the catalogue that is offered (its fields can be listened to).
bool Is_Offered_Sentence(int Ind_Sent);

// The field of a sentence, or null when either number is outside the catalogue.
const TFieldSentence* Find_Field(int Ind_Sent, int field_index);

// The codes of the offered sentences in catalogue order (the listener's list).
std::vector<std::string> Offered_Sentence_Codes();

// The same codes sorted alphabetically without regard to letter case (the legacy screen's list).
std::vector<std::string> Sorted_Offered_Sentence_Codes();

// The descriptions of a sentence's fields in catalogue order; empty outside 1 to 40.
std::vector<std::string> Field_Descriptions(int Ind_Sent);

constexpr int Sentence_GSV = 10;
constexpr int Sentence_XDR = 34;
constexpr int Sentence_PJELA = 35;

// Allowed values of a row's Index: which occurrence of the field in the received sentences it takes.
struct Index_Range {
    int first;
    int last;
    bool operator==(const Index_Range&) const = default;
};

// The range of Index for a field, or nothing for the fields that take no Index. XDR and $PJELA
// take one whatever the field; GSV only for "Sentence number" (1) and the per-satellite fields (3-6).
std::optional<Index_Range> Index_Range_Of(int Ind_Sent, int field_index);

// Whether the listener screen lets the user type an Index for a row holding this sentence.
bool Sentence_Takes_Index(int Ind_Sent);

} // namespace cfg::nmea
