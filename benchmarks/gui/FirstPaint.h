#pragma once

#include <QObject>

class QCoreApplication;
class QWidget;

namespace bench {

// Notices the first paint of a window: the whole window is painted within the same event, so
// once it has been delivered the window is on the screen.
class FirstPaint : public QObject {
public:
    // Watches every window of the application and ends the process after the first paint, writing
    // the painted window's width and height to standard output.
    static void quit_after_first_paint(QCoreApplication& app);
    // Watches one window (installs itself on it).
    explicit FirstPaint(QWidget* window);

    bool painted() const { return painted_; }
    void reset() { painted_ = false; }
    // Runs the events until the watched window has been painted; false after five seconds without.
    bool wait();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstPaint() = default;

    bool painted_ = false;
    bool quits_ = false;
};

} // namespace bench
