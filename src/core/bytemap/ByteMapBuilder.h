#pragma once

#include "core/bytemap/ByteMap.h"
#include "core/ethercat/ProcessImage.h"
#include "core/lang/LangStrings.h"
#include "core/nmea/ArrayLayout.h"

#include <cstdint>
#include <vector>

namespace cfg::bytemap {

// What the map shows: the listener fields on the NMEA data array and the Slave To Master image.
struct Map_Content {
    std::vector<nmea::Array_Field> fields;
    ethercat::Process_Image image;
};

constexpr int Bytes_Per_Line = 32;
// The map reaches to the end of the array, or further where a field or the image does, but never
// past this many bytes: a position typed by mistake must not make a map of millions of lines.
constexpr std::int64_t Map_Byte_Limit = 65536;

// Where the bytes first to last, which lie on one line, stand in a lane.
Map_Rect Lane_Rect(Map_Lane lane, std::int64_t first, std::int64_t last);

// Lines of Bytes_Per_Line bytes, each an array lane over an image lane. Every field and variable
// is a block coloured by its row and labelled with its number and mnemonic or name; a "Bool" is a
// sliver of its byte, a string of no bytes a thin tick. Bytes shared by fields are hatched in the
// warning colour, array bytes past the end are hatched grey, and a field with marks is outlined
// in the warning colour.
Byte_Map Build_Byte_Map(const Map_Content& content, const Lang_Strings& texts);

} // namespace cfg::bytemap
