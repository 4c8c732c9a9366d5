#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace ui {

// While it lives, the window takes no input from the user: the controls are disabled, and keys,
// clicks and wheel turns that reach the window meanwhile are dropped, not kept for later, those
// still queued when it goes included. Painting and the close box go on.
class InputLock : public QObject {
    Q_OBJECT
public:
    InputLock(QWidget* window, const QList<QWidget*>& controls);
    ~InputLock() override;
    InputLock(const InputLock&) = delete;
    InputLock& operator=(const InputLock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QList<QPointer<QWidget>> disabled_; // only those it disabled itself
};

} // namespace ui
