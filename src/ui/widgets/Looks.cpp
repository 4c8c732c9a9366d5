#include "ui/widgets/Looks.h"

#include <QLabel>
#include <QPainter>

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

void set_text_colour(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, colour);
    // A placeholder is the text colour at half strength.
    QColor placeholder = colour;
    placeholder.setAlpha((colour.alpha() + 1) / 2);
    colours.setColor(QPalette::PlaceholderText, placeholder);
    label->setPalette(colours);
}

void fill_background(QWidget* widget, const QColor& colour) {
    QPainter(widget).fillRect(widget->rect(), colour);
}

} // namespace ui
