#pragma once

#include "core/nmea/NmeaSentence.h"
#include "core/preview/LogPace.h"

#include <QFile>
#include <QObject>
#include <QTimer>

#include <deque>
#include <string>
#include <utility>

namespace ui {

// Plays a log file line by line into a sink without ever blocking the window: the file is read in
// blocks as the lines are needed, and a timer hands them on, either at the log's own pace or as
// fast as possible in short slices between which the window paints and takes input.
class LogPlayer : public QObject {
    Q_OBJECT
public:
    explicit LogPlayer(cfg::nmea::Log_Lines::Visit sink, QObject* parent = nullptr);

    // Plays the file from its beginning; false, with the system's reason, when it cannot be opened.
    bool start(const QString& file, bool as_fast_as_possible, QString& reason);
    void pause();
    void resume();
    void stop();

    bool isPlaying() const { return timer_.isActive(); }
    bool isPaused() const { return file_.isOpen() && !timer_.isActive(); }

signals:
    void advanced(); // lines were handed on since the last signal
    void finished(); // the whole log was handed on
    void failed(const QString& reason);

private:
    void tick();
    // Reads blocks until a line is waiting or the file is at its end; false at the end.
    bool fill();

    cfg::nmea::Log_Lines::Visit sink_;
    QFile file_;
    QTimer timer_;
    cfg::nmea::Log_Lines lines_;
    std::deque<std::pair<std::string, bool>> pending_; // lines read, not yet handed on; cut
    cfg::preview::Log_Pace pace_;
    bool fast_ = false;
    bool waited_ = false; // the first pending line has had its wait
    bool read_to_end_ = false;
};

} // namespace ui
