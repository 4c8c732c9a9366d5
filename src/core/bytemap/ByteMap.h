#pragma once

#include "core/bytemap/MapPalette.h"

#include <optional>
#include <string>
#include <vector>

// The byte map of a configuration as shapes and texts in pixels, ready to draw: the NMEA data
// array as lines of bytes with the listener fields on them, and under each line the same bytes of
// the EtherCAT Slave To Master process image with its variables. The screen paints it and the SVG
// file writes it from the same shapes; hover and clicks are answered from its blocks.
namespace cfg::bytemap {

enum class Map_Lane { Listener, Variables };

struct Map_Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    bool operator==(const Map_Rect&) const = default;
};

// A box, filled, outlined and hatched with thin diagonal lines as each colour is given.
struct Map_Box {
    Map_Rect rect;
    std::optional<Rgb> fill;
    std::optional<Rgb> stroke;
    std::optional<Rgb> hatch;
    int stroke_width = 1;
};

enum class Text_Anchor { Start, End };

// One line of text, its baseline at (x, baseline), cut off where it leaves clip.
struct Map_Text {
    std::string text;
    int x = 0;
    int baseline = 0;
    Text_Anchor anchor = Text_Anchor::Start;
    Map_Rect clip;
    Rgb colour = palette::Text;
};

// What one table row takes in the map: a piece per line its bytes cross (a "Bool" takes a sliver of
// its byte), the text shown when the pointer rests on it, and whether it is warned about.
struct Map_Block {
    Map_Lane lane = Map_Lane::Listener;
    int row = 0;
    bool marked = false;
    std::string hover;
    std::vector<Map_Rect> pieces;
};

struct Byte_Map {
    int width = 0;
    int height = 0;
    int font_size = 11;            // pixels
    std::vector<Map_Box> boxes;    // in drawing order
    std::vector<Map_Text> texts;   // drawn over the boxes
    std::vector<Map_Block> blocks; // their shapes are among the boxes

    // The block under the point; where blocks overlap, the one drawn last (the lower row). Null when
    // there is none.
    const Map_Block* block_at(int x, int y) const;
};

} // namespace cfg::bytemap
