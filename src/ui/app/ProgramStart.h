#pragma once

#include <optional>

class QApplication;

namespace ui {

// What the program answers before it opens a display: --help and --version are printed, so they
// work without one (over ssh, for help2man). The exit status when it has answered; nothing when
// the program is to start.
std::optional<int> Answer_Without_Display(int argc, char* argv[]);

// The program as it starts, once the QApplication is made: its names and icon, the command line,
// the folders, settings and texts, and the main window in the middle of the screen. Returns the
// exit status when the main window is closed (or at once, after a mistake on the command line:
// 2, as the command-line tool's usage errors, or 1 when no data folder can be found).
int Run_Configurator(QApplication& qt);

} // namespace ui
