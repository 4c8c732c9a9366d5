#include "ui/widgets/InputLock.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ui {
namespace {

bool is_user_input(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

InputLock::InputLock(QWidget* window, const QList<QWidget*>& controls) : window_(window) {
    for (QWidget* control : controls) {
        if (control->isEnabled()) {
            control->setEnabled(false);
            disabled_.append(control);
        }
    }
    qApp->installEventFilter(this);
}

InputLock::~InputLock() {
    // Input that came while locked but still waits in the queues is dropped as well: it must never
    // reach the controls once they are enabled again. What is posted while that pass runs (by a timer
    // it fires, say) waits for the next pass, so one more delivery of posted events takes it too.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    qApp->removeEventFilter(this);
    for (const QPointer<QWidget>& control : disabled_)
        if (control)
            control->setEnabled(true);
}

bool InputLock::eventFilter(QObject* watched, QEvent* event) {
    if (is_user_input(event->type()) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace ui
