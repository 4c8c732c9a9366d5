#include "core/nmea/SentenceCatalogue.h"

#include "core/common/Text.h"
#include "core/nmea/SentenceFields.h"

#include <algorithm>

namespace cfg::nmea {

const std::array<TNMEA_Sentence, Sentence_Count + 1> NMEA_Sentences = {{
    {"", false},      // unused
    {"ZDA", true},    // 1
    {"BWC", false},   // 2
    {"BWR", false},   // 3
    {"DBT", true},    // 4
    {"DPT", true},    // 5
    {"DSC", false},   // 6
    {"GGA", true},    // 7
    {"GLL", true},    // 8
    {"GSA", true},    // 9
    {"GSV", true},    // 10
    {"HDG", true},    // 11
    {"HDM", false},   // 12
    {"HDT", true},    // 13
    {"HSC", false},   // 14
    {"MDA", true},    // 15
    {"MTW", true},    // 16
    {"MWD", true},    // 17
    {"MWV", true},    // 18
    {"RMB", false},   // 19
    {"RMC", true},    // 20
    {"ROT", true},    // 21
    {"RPM", false},   // 22
    {"RSA", true},    // 23
    {"VBW", true},    // 24
    {"VDM", false},   // 25
    {"VDO", false},   // 26
    {"VDR", false},   // 27
    {"VHW", true},    // 28
    {"VLW", false},   // 29
    {"VTG", true},    // 30
    {"VWR", true},    // 31
    {"XTE", true},    // 32
    {"THS", true},    // 33
    {"XDR", true},    // 34
    {"$PJELA", true}, // 35
    {"DBK", true},    // 36
    {"DBS", true},    // 37
    {"DTM", true},    // 38
    {"VWT", true},    // 39
    {"$PJELC", true}, // 40
}};

void Init_Sentence_Maps(Sentence_Map_Array& maps) {
    for (TMNEA0183_Map& map : maps)
        map.Fields.clear();
    for (const Sentence_Field& field : Sentence_Fields())
        maps[static_cast<std::size_t>(field.sentence)].Fields.push_back(
            {std::string(field.description), field.dimension});
}

const Sentence_Map_Array& Sentence_Maps() {
    static const Sentence_Map_Array maps = [] {
        Sentence_Map_Array built;
        Init_Sentence_Maps(built);
        return built;
    }();
    return maps;
}

int Find_Sentence(std::string_view Sentence) {
    // Every sentence of a log is looked up: the first letter rules out most names without a compare.
    for (int n = 1; n <= Sentence_Count; ++n) {
        const std::string_view name = NMEA_Sentences[n].Name;
        if (name.size() == Sentence.size() && name.front() == Sentence.front() && name == Sentence)
            return n;
    }
    return -1;
}

int GetIndexSentence(std::string_view Sentence) {
    return Find_Sentence(Sentence);
}

int GetIndexDataField(int Ind_Sent, std::string_view DataField) {
    if (Ind_Sent < 1 || Ind_Sent > Sentence_Count)
        return -1;
    const std::vector<TFieldSentence>& fields = Sentence_Maps()[Ind_Sent].Fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (upper_ascii(trimmed(fields[i].Field)) == DataField)
            return static_cast<int>(i);
    }
    return -1;
}

const TFieldSentence* Find_Field(int Ind_Sent, int field_index) {
    if (Ind_Sent < 1 || Ind_Sent > Sentence_Count || field_index < 0)
        return nullptr;
    const std::vector<TFieldSentence>& fields = Sentence_Maps()[Ind_Sent].Fields;
    if (field_index >= static_cast<int>(fields.size()))
        return nullptr;
    return &fields[static_cast<std::size_t>(field_index)];
}

std::vector<std::string> Offered_Sentence_Codes() {
    std::vector<std::string> codes;
    for (int n = 1; n <= Sentence_Count; ++n) {
        if (NMEA_Sentences[n].Enabled)
            codes.emplace_back(NMEA_Sentences[n].Name);
    }
    return codes;
}

std::vector<std::string> Sorted_Offered_Sentence_Codes() {
    std::vector<std::string> codes = Offered_Sentence_Codes();
    std::stable_sort(codes.begin(), codes.end(), [](const std::string& a, const std::string& b) {
        return upper_ascii(a) < upper_ascii(b);
    });
    return codes;
}

std::vector<std::string> Field_Descriptions(int Ind_Sent) {
    std::vector<std::string> descriptions;
    if (Ind_Sent < 1 || Ind_Sent > Sentence_Count)
        return descriptions;
    for (const TFieldSentence& field : Sentence_Maps()[Ind_Sent].Fields)
        descriptions.push_back(field.Field);
    return descriptions;
}

bool Is_Offered_Sentence(int Ind_Sent) {
    return Ind_Sent >= 1 && Ind_Sent <= Sentence_Count &&
           NMEA_Sentences[static_cast<std::size_t>(Ind_Sent)].Enabled;
}

std::optional<Index_Range> Index_Range_Of(int Ind_Sent, int field_index) {
    if (Ind_Sent == Sentence_XDR)
        return Index_Range{1, 10};
    if (Ind_Sent == Sentence_PJELA)
        return Index_Range{1, 50};
    if (Ind_Sent == Sentence_GSV) {
        if (field_index >= 3 && field_index <= 6) // satellite ID, elevation, azimuth, SNR
            return Index_Range{1, 36};
        if (field_index == 1) // sentence number
            return Index_Range{1, 9};
    }
    return std::nullopt;
}

bool Sentence_Takes_Index(int Ind_Sent) {
    return Ind_Sent == Sentence_GSV || Ind_Sent == Sentence_XDR || Ind_Sent == Sentence_PJELA;
}

} // namespace cfg::nmea
