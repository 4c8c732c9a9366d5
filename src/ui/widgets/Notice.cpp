#include "ui/widgets/Notice.h"

#include <QLabel>

namespace ui {

QLabel* make_notice(QWidget* parent, const char* name) {
    auto* notice = new QLabel(parent);
    notice->setObjectName(name);
    notice->setWordWrap(true);
    notice->setMargin(4);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = notice->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xf3, 0xcd));
    palette.setColor(QPalette::WindowText, QColor(0x66, 0x4d, 0x03));
    notice->setPalette(palette);
    notice->setAutoFillBackground(true);
    notice->hide();
    return notice;
}

} // namespace ui
