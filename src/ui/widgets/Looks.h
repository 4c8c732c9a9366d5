#pragma once

#include "core/bytemap/MapPalette.h"

#include <QColor>

class QLabel;

// The colours the program shares beyond the desktop theme: warnings and read-only cells look the
// same in every screen, and the same as in the byte map's pictures.
namespace ui {

QColor qt_colour(cfg::bytemap::Rgb colour);

QColor warning_background();
QColor warning_foreground();
QColor read_only_background();
QColor read_only_foreground();

// A label in the pale warning colour, so a notice reads the same in every desktop theme.
void paint_as_warning(QLabel* label);

} // namespace ui
