#pragma once

#include "core/bytemap/ByteMap.h"

#include <string>

namespace cfg::bytemap {

// The map as an SVG document, shape for shape as the screen paints it. Resting the pointer on a
// block in a viewer shows the same text as on the screen.
std::string Byte_Map_Svg(const Byte_Map& map);

} // namespace cfg::bytemap
