#include "ui/widgets/ByteMapView.h"

#include "ui/widgets/ByteMapPainter.h"
#include "ui/widgets/Texts.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace ui {

ByteMapView::ByteMapView(cfg::bytemap::Map_Lane selectable_lane, QWidget* parent)
    : QWidget(parent), selectable_lane_(selectable_lane) {
    setMouseTracking(true);
}

void ByteMapView::setMap(cfg::bytemap::Byte_Map map) {
    map_ = std::move(map);
    setFixedSize(map_.width, map_.height);
    update();
}

QImage ByteMapView::picture() const {
    QImage image(map_.width, map_.height, QImage::Format_RGB32);
    QPainter painter(&image);
    paint_byte_map(painter, map_, image.rect());
    return image;
}

const cfg::bytemap::Map_Block* ByteMapView::selectable_block_at(const QPoint& point) const {
    const cfg::bytemap::Map_Block* block = map_.block_at(point.x(), point.y());
    return block && block->lane == selectable_lane_ ? block : nullptr;
}

bool ByteMapView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const cfg::bytemap::Map_Block* block = map_.block_at(help->pos().x(), help->pos().y()))
        QToolTip::showText(help->globalPos(), qt_text(block->hover), this);
    else
        QToolTip::hideText();
    return true;
}

void ByteMapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint_byte_map(painter, map_, event->rect());
}

void ByteMapView::mouseMoveEvent(QMouseEvent* event) {
    setCursor(selectable_block_at(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void ByteMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        if (const cfg::bytemap::Map_Block* block = selectable_block_at(event->position().toPoint()))
            emit rowClicked(block->row);
    QWidget::mousePressEvent(event);
}

} // namespace ui
