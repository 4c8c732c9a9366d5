#pragma once

class QApplication;

namespace ui {

// The program as it starts, once the QApplication is made: its names and icon, the command line,
// the folders, settings and texts, and the main window in the middle of the screen. Returns the
// exit status when the main window is closed (or at once, after a mistake on the command line).
int Run_Configurator(QApplication& qt);

} // namespace ui
