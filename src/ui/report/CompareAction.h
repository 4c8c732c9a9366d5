#pragma once

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

// The main window's "Compare with…": picks a second configuration or a folder of bank files,
// compares the opened configuration with it and shows what differs. A file that cannot be read
// ends the comparison with a message naming it.
void Compare_With(const cfg::Application& app, QWidget* parent);

} // namespace ui
