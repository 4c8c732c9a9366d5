#include "ui/widgets/Looks.h"

#include <QLabel>

namespace ui {

namespace palette = cfg::bytemap::palette;

QColor qt_colour(cfg::bytemap::Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QColor warning_background() {
    return qt_colour(palette::Warning_Pale);
}

QColor warning_foreground() {
    return qt_colour(palette::Warning_Text);
}

QColor read_only_background() {
    return qt_colour(palette::Read_Only);
}

QColor read_only_foreground() {
    return qt_colour(palette::Read_Only_Text);
}

void paint_as_warning(QLabel* label) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, warning_background());
    colours.setColor(QPalette::WindowText, warning_foreground());
    label->setPalette(colours);
    label->setAutoFillBackground(true);
}

} // namespace ui
