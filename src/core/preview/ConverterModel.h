#pragma once

#include "core/image/ListenerImage.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/NmeaSentence.h"
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
class Converter_Model {
public:
    explicit Converter_Model(std::vector<image::Listener_Image_Row> rows);

    void Feed(const nmea::Received_Sentence& sentence);

    const std::vector<image::Listener_Image_Row>& rows() const { return rows_; }
    const std::vector<Row_State>& states() const { return states_; }
    const Data_Array& array() const { return array_; }

private:
    void take(std::size_t row, const nmea::Received_Sentence& sentence);

    std::vector<image::Listener_Image_Row> rows_;
    std::vector<Row_State> states_;
    Data_Array array_{};
};

// The listener rows of those whose sentence code the log never held, in order.
std::vector<int> Rows_Whose_Sentence_Never_Appeared(const std::vector<image::Listener_Image_Row>& rows,
                                                    const nmea::Log_Summary& log);

} // namespace cfg::preview
