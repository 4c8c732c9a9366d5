#pragma once

#include "core/ethercat/ProcessImage.h"
#include "core/lang/LangStrings.h"
#include "core/nmea/ArrayLayout.h"

#include <string>

// The texts a block of the byte map carries: a short label inside it and the lines shown when the
// pointer rests on it. Each lane takes its words from its own screen's texts.
namespace cfg::bytemap {

// "3 GPS": the row number and the mnemonic, or the sentence where the row has no mnemonic.
std::string Field_Label(const nmea::Array_Field& field);
// Row, sentence, data field, bytes and the marks.
std::string Field_Hover(const nmea::Array_Field& field, const Lang_Strings& texts);

// "3 Speed": the row number and the name, or the type where the variable has no name.
std::string Variable_Label(const ethercat::Variable_Place& place);
// Row, name, type, bytes and, for a "Bool", its bit.
std::string Variable_Hover(const ethercat::Variable_Place& place, const Lang_Strings& texts);

} // namespace cfg::bytemap
