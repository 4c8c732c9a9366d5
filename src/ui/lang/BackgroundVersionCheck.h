#pragma once

#include "core/lang/VersionCheck.h"

#include <QFutureWatcher>
#include <QObject>

namespace ui {

// The version check, run on a worker thread so that the window goes on painting and its timers go on
// firing while the request waits for the server (up to its time-out). The answer comes back in the
// thread of the object, as `answered`; when the object is gone (its window closed for good), the
// answer is dropped. A check asked for while one runs is not queued.
//
// The HTTP client must outlive the check: the program's client lives for the whole run, and the
// application waits for the worker threads before it ends.
class BackgroundVersionCheck : public QObject {
    Q_OBJECT
public:
    BackgroundVersionCheck(cfg::HttpClient& http, QObject* parent);

    // Starts a check; false, and nothing started, while one runs.
    bool start();
    bool running() const { return watcher_->isRunning(); }

signals:
    void answered(bool newer_version_available);

private:
    cfg::HttpClient& http_;
    QFutureWatcher<bool>* watcher_;
};

} // namespace ui
