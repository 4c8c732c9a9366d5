#pragma once

#include <QIcon>

namespace ui {

// The program's own pictures, drawn in code so that they scale cleanly and need no image files.
QIcon information_icon();
QIcon options_icon();
QIcon close_icon();
QIcon program_icon();
// The program's icon at any size, for the desktop's icon theme.
QImage program_icon_image(int size);

} // namespace ui
