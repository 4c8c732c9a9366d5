#pragma once

#include <QLabel>

namespace ui {

// A label that reports a click, for the language slots whose picture and name both pick.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ui
