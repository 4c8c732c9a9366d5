#pragma once

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

// The objects-map export of the sibling PROFINET models: asks where to write the map of the active
// configuration's listener file, starting in its folder, adds ".csv" where the chosen name lacks
// it, asks before replacing a file (only Yes goes on) and writes the map. A failure is shown by the
// general error report; success says nothing.
void PROFINET_Map(cfg::Application& app, QWidget* parent);

} // namespace ui
