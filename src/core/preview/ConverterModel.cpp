#include "core/preview/ConverterModel.h"

#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/ByteSwap.h"
#include "core/preview/FieldText.h"

namespace cfg::preview {

Converter_Model::Converter_Model(std::vector<image::Listener_Image_Row> rows)
    : rows_(std::move(rows)), states_(rows_.size()) {}

void Converter_Model::Feed(const nmea::Received_Sentence& sentence) {
    const int Ind_Sent = nmea::Find_Sentence(sentence.code);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].entry.Ind_Sent == Ind_Sent)
            take(row, sentence);
    }
}

void Converter_Model::take(std::size_t row, const nmea::Received_Sentence& sentence) {
    const image::Listener_Entry& entry = rows_[row].entry;
    const std::optional<Taken_Text> taken =
        Take_Field(sentence, entry.Ind_Sent, entry.data_field, entry.Index);
    const nmea::TFieldSentence* field = nmea::Find_Field(entry.Ind_Sent, entry.data_field);
    if (!taken || !field)
        return;
    Row_State& state = states_[row];
    state.received = taken->text.value_or(taken->received);
    if (!taken->text) {
        state.state = Value_State::Not_A_Number;
        return;
    }
    Field_Value value = Convert_Field(*taken->text, Kind_Of(field->Field), field->Dimension,
                                      nmea::Post_Operation_Exponent(entry.post_operation));
    state.state = value.state;
    if (value.bytes.empty())
        return;
    Apply_Swaps(value.bytes, entry.swap_flags);
    for (std::size_t i = 0; i < value.bytes.size() && entry.Position + i < array_.size(); ++i)
        array_[entry.Position + i] = value.bytes[i];
    state.value = std::move(value.value);
    state.bytes = std::move(value.bytes);
}

std::vector<int> Rows_Whose_Sentence_Never_Appeared(const std::vector<image::Listener_Image_Row>& rows,
                                                    const nmea::Log_Summary& log) {
    std::vector<int> waiting;
    for (const image::Listener_Image_Row& row : rows) {
        const std::string code(nmea::NMEA_Sentences[row.entry.Ind_Sent].Name);
        if (!log.sentences_by_code.contains(code))
            waiting.push_back(row.row);
    }
    return waiting;
}

} // namespace cfg::preview
