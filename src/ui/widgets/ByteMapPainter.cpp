#include "ui/widgets/ByteMapPainter.h"

#include "ui/widgets/Looks.h"
#include "ui/widgets/Texts.h"

#include <QFontMetrics>
#include <QPainter>

namespace ui {
namespace {

namespace bytemap = cfg::bytemap;

QRect qt_rect(const bytemap::Map_Rect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

// Where a pixel of the map is a pixel of the device, a one-pixel outline is four thin fills: a
// fraction of what the stroker spends on a rectangle, with the same pixels. A scaled painter (a
// high-density screen) keeps the pen, so that every outline sits where the pen puts it.
void paint_outline(QPainter& painter, const QRect& rect, const QColor& colour, int width) {
    if (width != 1 || painter.deviceTransform().type() > QTransform::TxTranslate) {
        painter.setPen(QPen(colour, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        return;
    }
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

void paint_box(QPainter& painter, const bytemap::Map_Box& box) {
    const QRect rect = qt_rect(box.rect);
    if (box.fill)
        painter.fillRect(rect, qt_colour(*box.fill));
    if (box.hatch)
        painter.fillRect(rect, QBrush(qt_colour(*box.hatch), Qt::BDiagPattern));
    if (box.stroke)
        paint_outline(painter, rect, qt_colour(*box.stroke), box.stroke_width);
}

// Only a text that ends at its x is measured: laying out a text is most of what drawing it costs.
void paint_text(QPainter& painter, const bytemap::Map_Text& text) {
    const QString shown = qt_text(text.text);
    const int x = text.anchor == bytemap::Text_Anchor::End
                      ? text.x - painter.fontMetrics().horizontalAdvance(shown)
                      : text.x;
    painter.setClipRect(qt_rect(text.clip));
    painter.setPen(qt_colour(text.colour));
    painter.drawText(QPoint(x, text.baseline), shown);
}

} // namespace

void paint_byte_map(QPainter& painter, const bytemap::Byte_Map& map, const QRect& area) {
    painter.fillRect(area, qt_colour(bytemap::palette::Background));
    for (const bytemap::Map_Box& box : map.boxes)
        if (qt_rect(box.rect).intersects(area))
            paint_box(painter, box);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(map.font_size);
    painter.setFont(font);
    for (const bytemap::Map_Text& text : map.texts)
        if (qt_rect(text.clip).intersects(area))
            paint_text(painter, text);
    painter.restore();
}

} // namespace ui
