#include "core/preview/CaptureSurvey.h"

#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/FieldText.h"

#include <optional>

namespace cfg::preview {

void Capture_Survey::Feed(const nmea::Received_Sentence& sentence) {
    const std::optional<std::size_t> place = codes_.Count(sentence.code);
    const int Ind_Sent = nmea::Find_Sentence(sentence.code);
    if (!place || !nmea::Is_Offered_Sentence(Ind_Sent))
        return; // only offered sentences have fields to learn, and their codes are always kept
    const int field_count =
        static_cast<int>(nmea::Sentence_Maps()[static_cast<std::size_t>(Ind_Sent)].Fields.size());
    for (int field = 0; field < field_count; ++field) {
        for (const int Index : Occurrences(sentence, Ind_Sent, field)) {
            Seen_Field& entry = fields_[{*place, Index, field}];
            entry = {Ind_Sent, field, Index, entry.sample};
            const std::optional<Taken_Text> taken = Take_Field(sentence, Ind_Sent, field, Index);
            if (taken && taken->text && !taken->text->empty())
                entry.sample = *taken->text;
        }
    }
}

std::vector<Seen_Sentence> Capture_Survey::sentences() const {
    std::vector<Seen_Sentence> sentences;
    for (const nmea::Code_Counts::Entry& entry : codes_.entries())
        sentences.push_back(
            {entry.code, entry.count, nmea::Is_Offered_Sentence(nmea::Find_Sentence(entry.code))});
    return sentences;
}

std::vector<Seen_Field> Capture_Survey::fields() const {
    std::vector<Seen_Field> fields;
    for (const auto& [key, field] : fields_)
        fields.push_back(field);
    return fields;
}

std::vector<Seen_Field> Fields_That_Held_Values(const Capture_Survey& survey) {
    std::vector<Seen_Field> fields = survey.fields();
    std::erase_if(fields, [](const Seen_Field& field) { return field.sample.empty(); });
    return fields;
}

} // namespace cfg::preview
