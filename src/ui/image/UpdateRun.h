#pragma once

#include "core/image/UpdateSequence.h"
#include "ui/image/LockedProgramRunner.h"

#include <QObject>

#include <exception>
#include <memory>
#include <thread>

class QTimer;

namespace ui {

class WorkerUpdateHost;

// One update at a time on a worker thread, told to the dialog by signals on the dialog's thread:
// its progress, the device's answer, and how it ended. An updater that outlived the wait is watched
// until it ends, and that end is told as well.
class UpdateRun : public QObject {
    Q_OBJECT
public:
    // The services live longer than the run.
    explicit UpdateRun(const cfg::image::Update_Services& services);
    // Waits for the worker, which ends at once: see WorkerUpdateHost::abandon.
    ~UpdateRun() override;
    UpdateRun(const UpdateRun&) = delete;
    UpdateRun& operator=(const UpdateRun&) = delete;

    // Starts the update; false, doing nothing, while one runs (until its end has been told).
    bool start(const cfg::image::Update_Request& request, const cfg::image::Update_Job_Folders& folders);
    bool running() const { return running_; }

    // Gives the running update up and waits for its worker, which ends within a pause's slice;
    // false, doing nothing, once the device has answered: the job and the updater follow. True when
    // no update runs.
    bool give_up();

    // Whether the updater started last, by this run or one before, still runs.
    bool updater_running();

signals:
    void progressed(const cfg::image::Update_Progress& progress);
    void deviceAnswered(const cfg::image::Update_Request& request);
    void finished(const cfg::image::Update_Result& result);
    // A failure the update raised (a job that cannot be written), for the general error report.
    void failed(const std::exception_ptr& error);
    void lateUpdaterEnded(const cfg::image::Update_Result& result);

private:
    void join_worker();
    void watch_late_updater();

    LockedProgramRunner updater_;
    cfg::image::Update_Services services_;
    std::unique_ptr<WorkerUpdateHost> host_;
    std::thread worker_;
    bool running_ = false;
    cfg::image::Update_Result late_run_; // the run whose updater outlived the wait
    QTimer* late_watch_;
};

} // namespace ui
