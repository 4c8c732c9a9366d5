#pragma once

#include "core/bytemap/ByteMap.h"

class QPainter;
class QRect;

namespace ui {

// Draws the shapes and texts of the map that meet the area, as the SVG file writes them.
void paint_byte_map(QPainter& painter, const cfg::bytemap::Byte_Map& map, const QRect& area);

} // namespace ui
