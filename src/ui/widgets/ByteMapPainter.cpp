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

void paint_box(QPainter& painter, const bytemap::Map_Box& box) {
    const QRect rect = qt_rect(box.rect);
    if (box.fill)
        painter.fillRect(rect, qt_colour(*box.fill));
    if (box.hatch)
        painter.fillRect(rect, QBrush(qt_colour(*box.hatch), Qt::BDiagPattern));
    if (box.stroke) {
        painter.setPen(QPen(qt_colour(*box.stroke), box.stroke_width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void paint_text(QPainter& painter, const bytemap::Map_Text& text) {
    const QString shown = qt_text(text.text);
    const int width = painter.fontMetrics().horizontalAdvance(shown);
    painter.save();
    painter.setClipRect(qt_rect(text.clip));
    painter.setPen(qt_colour(text.colour));
    painter.drawText(
        QPoint(text.anchor == bytemap::Text_Anchor::End ? text.x - width : text.x, text.baseline), shown);
    painter.restore();
}

} // namespace

void paint_byte_map(QPainter& painter, const bytemap::Byte_Map& map, const QRect& area) {
    painter.fillRect(area, qt_colour(bytemap::palette::Background));
    for (const bytemap::Map_Box& box : map.boxes)
        if (qt_rect(box.rect).intersects(area))
            paint_box(painter, box);
    QFont font = painter.font();
    font.setPixelSize(map.font_size);
    painter.setFont(font);
    for (const bytemap::Map_Text& text : map.texts)
        if (qt_rect(text.clip).intersects(area))
            paint_text(painter, text);
}

} // namespace ui
