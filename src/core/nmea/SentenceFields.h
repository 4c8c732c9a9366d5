#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace cfg::nmea {

// One data field of an offered sentence, at its index among the sentence's fields.
struct Sentence_Field {
    int sentence; // the sentence number, 1 to 40
    int index;    // from 0, in the order the sentence carries its fields
    std::string_view description;
    std::int32_t dimension; // bytes in the data array
};

// Every field of the catalogue, by sentence number and, within a sentence, by index.
std::span<const Sentence_Field> Sentence_Fields();

} // namespace cfg::nmea
