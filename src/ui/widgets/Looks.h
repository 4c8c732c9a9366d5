#pragma once

#include "core/bytemap/MapPalette.h"

#include <QColor>

class QLabel;
class QWidget;

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

// A label's text in the colour, in every state of the window, as a style sheet's "color" gives it.
// A palette rather than a style sheet: a style sheet puts the widget under the style-sheet style,
// which is slow to build and to paint.
void set_text_colour(QLabel* label, const QColor& colour);

// For a widget's paintEvent: the whole widget in the colour, as a style sheet's "background" on
// the widget alone paints it; its children keep their own colours.
void fill_background(QWidget* widget, const QColor& colour);

} // namespace ui
