#include "FirstPaint.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace bench {

FirstPaint::FirstPaint(QWidget* window) {
    window->installEventFilter(this);
}

void FirstPaint::quit_after_first_paint(QCoreApplication& app) {
    auto* watch = new FirstPaint;
    watch->setParent(&app);
    watch->quits_ = true;
    app.installEventFilter(watch);
}

bool FirstPaint::wait() {
    const QDeadlineTimer deadline(5000);
    while (!painted_ && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return painted_;
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (painted_ || event->type() != QEvent::Paint || !watched->isWidgetType() ||
        !static_cast<QWidget*>(watched)->isWindow())
        return false;
    painted_ = true;
    // Queued, so the paint that is under way finishes first. Then the process ends at once: the
    // measure is the start, and tearing down the windows is no part of it.
    if (quits_) {
        const QWidget* window = static_cast<QWidget*>(watched);
        std::printf("%d %d\n", window->width(), window->height());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                std::fflush(stdout);
                std::_Exit(0);
            },
            Qt::QueuedConnection);
    }
    return false;
}

} // namespace bench
