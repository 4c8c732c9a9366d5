#include "core/preview/EntryTexts.h"

#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"

namespace cfg::preview {

Entry_Texts Texts_Of_Entry(const image::Listener_Entry& entry) {
    const nmea::TFieldSentence* field = nmea::Find_Field(entry.Ind_Sent, entry.data_field);
    const std::vector<std::string>& post_operations = nmea::PostOpe_SL();
    return {std::string(nmea::NMEA_Sentences[entry.Ind_Sent].Name),
            entry.Index > 0 ? std::to_string(entry.Index) : "", field ? field->Field : "",
            entry.post_operation < post_operations.size() ? post_operations[entry.post_operation] : ""};
}

} // namespace cfg::preview
