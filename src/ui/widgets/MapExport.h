#pragma once

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

class ByteMapView;

// Asks where to save the map, starting in the configuration's folder, asks before replacing a
// file, and writes an SVG or, for a name ending in ".png", the picture the screen paints. The
// texts are the screen's, from first_text on (see Map_Screen_Text). A failure goes to the general error
// report; success says where the file went.
void Export_Byte_Map(const cfg::Application& app, const ByteMapView& view, int first_text, QWidget* parent);

} // namespace ui
