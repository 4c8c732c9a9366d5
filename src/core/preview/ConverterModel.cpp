#include "core/preview/ConverterModel.h"

#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/ByteSwap.h"
#include "core/preview/FieldText.h"
#include "core/preview/ScaledDecimal.h"

#include <algorithm>

namespace cfg::preview {

namespace {

// The state a text leaves when it stores no value; Stored when it does.
Value_State state_without_value(std::string_view text, Field_Kind kind) {
    if (text.empty())
        return Value_State::Empty;
    if (kind != Field_Kind::Characters && !Is_Decimal(text))
        return Value_State::Not_A_Number;
    return Value_State::Stored;
}

} // namespace

Converter_Model::Converter_Model(std::vector<image::Listener_Image_Row> rows)
    : rows_(std::move(rows)), states_(rows_.size()), taken_(rows_.size()) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const image::Listener_Entry& entry = rows_[row].entry;
        const nmea::TFieldSentence* field = nmea::Find_Field(entry.Ind_Sent, entry.data_field);
        kinds_.push_back(field ? Kind_Of(field->Field) : Field_Kind::Characters);
        if (field)
            rows_of_sentence_[entry.Ind_Sent].push_back(row);
    }
}

void Converter_Model::Feed(const nmea::Received_Sentence& sentence) {
    const int Ind_Sent = nmea::Find_Sentence(sentence.code);
    if (Ind_Sent < 1)
        return;
    for (const std::size_t row : rows_of_sentence_[static_cast<std::size_t>(Ind_Sent)])
        take(row, sentence);
}

const std::vector<Row_State>& Converter_Model::states() const {
    settle();
    return states_;
}

const Data_Array& Converter_Model::array() const {
    settle();
    return array_;
}

void Converter_Model::take(std::size_t row, const nmea::Received_Sentence& sentence) {
    const image::Listener_Entry& entry = rows_[row].entry;
    const std::optional<Taken_View> text =
        Take_Field_View(sentence, entry.Ind_Sent, entry.data_field, entry.Index);
    if (!text)
        return;
    Taken& taken = taken_[row];
    taken.any = true;
    taken.kind = text->text ? state_without_value(*text->text, kinds_[row]) : Value_State::Not_A_Number;
    if (taken.kind == Value_State::Stored) {
        // The text is also what the row shows as received: kept once.
        taken.stores = true;
        taken.value_text.assign(*text->text);
        taken.order = ++takes_;
    } else {
        taken.received.assign(text->text.value_or(text->received));
    }
    settled_ = false;
}

void Converter_Model::settle() const {
    if (settled_)
        return;
    std::vector<std::size_t> storing;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (taken_[row].stores)
            storing.push_back(row);
    std::sort(storing.begin(), storing.end(),
              [this](std::size_t a, std::size_t b) { return taken_[a].order < taken_[b].order; });
    for (const std::size_t row : storing)
        store(row);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        Taken& taken = taken_[row];
        if (!taken.any)
            continue;
        states_[row].received = taken.kind == Value_State::Stored ? taken.value_text : taken.received;
        if (taken.kind != Value_State::Stored)
            states_[row].state = taken.kind;
        taken.any = false;
        taken.stores = false;
    }
    settled_ = true;
}

void Converter_Model::store(std::size_t row) const {
    const image::Listener_Entry& entry = rows_[row].entry;
    const nmea::TFieldSentence& field = *nmea::Find_Field(entry.Ind_Sent, entry.data_field);
    Field_Value value = Convert_Field(taken_[row].value_text, kinds_[row], field.Dimension,
                                      nmea::Post_Operation_Exponent(entry.post_operation));
    Row_State& state = states_[row];
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
