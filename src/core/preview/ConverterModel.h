#pragma once

#include "core/image/ListenerImage.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/NmeaSentence.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/FieldValue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cfg::preview {

// The converter's NMEA data array, bytes 0 to 1999.
using Data_Array = std::array<std::uint8_t, nmea::NMEA_Array_Size>;

// What a row last did.
struct Row_State {
    Value_State state = Value_State::Waiting;
    std::optional<std::string> received; // the last text the row took; nothing before the first
    std::string value;                   // the value last stored, as text; empty before the first
    std::vector<std::uint8_t> bytes;     // the bytes last stored, in array order, swaps applied
    bool operator==(const Row_State&) const = default;
};

// A model of the converter, fed one received sentence at a time. The array starts at zero. For each
// sentence the compiled rows of its code take, in row order, the occurrence their Index names, convert
// it to their field's kind and size, apply the post operation and the swaps, and write it from their
// Position on (bytes past the array's end are dropped). A field that is empty or no number leaves the
// array as it is. The array and every row's state may be read between any two sentences.
//
// A row only notes the texts it takes; they are converted when the states or the array are read.
// Every write of a row covers the same bytes, so its last value and the order of the rows' last
// writes give the same array as converting every text as it comes, for a fraction of the work.
class Converter_Model {
public:
    explicit Converter_Model(std::vector<image::Listener_Image_Row> rows);

    void Feed(const nmea::Received_Sentence& sentence);

    const std::vector<image::Listener_Image_Row>& rows() const { return rows_; }
    const std::vector<Row_State>& states() const;
    const Data_Array& array() const;

private:
    // What a row took since its state was last worked out.
    struct Taken {
        bool any = false;                        // a text came
        std::string received;                    // the last one, when it stores no value
        Value_State kind = Value_State::Waiting; // of the last: Stored, Empty or Not_A_Number
        bool stores = false;                     // a text that stores a value came
        std::string value_text;                  // the last such text
        std::uint64_t order = 0;                 // when it came, among all rows
    };

    void take(std::size_t row, const nmea::Received_Sentence& sentence);
    // Converts what the rows took, storing their values in the order they came.
    void settle() const;
    void store(std::size_t row) const;

    std::vector<image::Listener_Image_Row> rows_;
    std::vector<Field_Kind> kinds_;
    // The rows of each sentence of the catalogue, by its number, in row order.
    std::array<std::vector<std::size_t>, nmea::Sentence_Count + 1> rows_of_sentence_;
    mutable std::vector<Row_State> states_;
    mutable std::vector<Taken> taken_;
    mutable bool settled_ = true;
    mutable Data_Array array_{};
    std::uint64_t takes_ = 0;
};

// The listener rows of those whose sentence code the log never held, in order.
std::vector<int> Rows_Whose_Sentence_Never_Appeared(const std::vector<image::Listener_Image_Row>& rows,
                                                    const nmea::Log_Summary& log);

} // namespace cfg::preview
