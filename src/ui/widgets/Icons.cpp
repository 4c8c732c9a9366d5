#include "ui/widgets/Icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <numbers>

namespace ui {
namespace {

constexpr int icon_size = 64;
const QColor accent(0x1f, 0x5f, 0x9f);

// The drawings use a 64 × 64 canvas; any other size scales them.
QImage drawn_image(int size, const std::function<void(QPainter&)>& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(icon_size), size / double(icon_size));
    draw(painter);
    return image;
}

QIcon drawn_icon(const std::function<void(QPainter&)>& draw) {
    return QIcon(QPixmap::fromImage(drawn_image(icon_size, draw)));
}

void draw_program(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawRoundedRect(QRectF(4, 4, icon_size - 8, icon_size - 8), 10, 10);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 24), QPointF(48, 24));
    painter.drawLine(QPointF(16, 40), QPointF(48, 40));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(26, 24), 5, 5);
    painter.drawEllipse(QPointF(40, 40), 5, 5);
}

void draw_disc(QPainter& painter, const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(4, 4, icon_size - 8, icon_size - 8));
}

} // namespace

QIcon information_icon() {
    return drawn_icon([](QPainter& painter) {
        draw_disc(painter, accent);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(28, 14, 8, 8));
        painter.drawRoundedRect(QRectF(28, 26, 8, 24), 2, 2);
    });
}

QIcon options_icon() {
    return drawn_icon([](QPainter& painter) {
        // A cog: a ring with eight teeth around a hole.
        const QPointF centre(icon_size / 2.0, icon_size / 2.0);
        QPainterPath cog;
        for (int tooth = 0; tooth < 8; ++tooth) {
            const double angle = tooth * std::numbers::pi / 4;
            QPainterPath bar;
            bar.addRoundedRect(QRectF(-5, -28, 10, 14), 2, 2);
            cog.addPath(QTransform().translate(centre.x(), centre.y()).rotateRadians(angle).map(bar));
        }
        cog.addEllipse(centre, 19, 19);
        cog.setFillRule(Qt::WindingFill);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x55, 0x5f, 0x6a));
        painter.drawPath(cog);
        // The hole is cleared out of the drawn cog: far cheaper than subtracting one path from another.
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.drawEllipse(centre, 8, 8);
    });
}

QIcon close_icon() {
    return drawn_icon([](QPainter& painter) {
        draw_disc(painter, QColor(0xb0, 0x2a, 0x2a));
        painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(22, 22), QPointF(42, 42));
        painter.drawLine(QPointF(42, 22), QPointF(22, 42));
    });
}

QIcon program_icon() {
    return drawn_icon(draw_program);
}

QImage program_icon_image(int size) {
    return drawn_image(size, draw_program);
}

} // namespace ui
