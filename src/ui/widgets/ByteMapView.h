#pragma once

#include "core/bytemap/ByteMap.h"

#include <QImage>
#include <QWidget>

namespace ui {

// The byte map drawn at its own size, for a scroll area. Resting the pointer on a block shows its
// text; a click on a block of the selectable lane reports its row.
class ByteMapView : public QWidget {
    Q_OBJECT
public:
    explicit ByteMapView(cfg::bytemap::Map_Lane selectable_lane, QWidget* parent = nullptr);

    void setMap(cfg::bytemap::Byte_Map map);
    const cfg::bytemap::Byte_Map& map() const { return map_; }

    // The whole map as the screen paints it.
    QImage picture() const;

signals:
    void rowClicked(int row);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const cfg::bytemap::Map_Block* selectable_block_at(const QPoint& point) const;

    cfg::bytemap::Map_Lane selectable_lane_;
    cfg::bytemap::Byte_Map map_;
};

} // namespace ui
