#include "ui/image/UpdateRun.h"

#include "ui/image/WorkerUpdateHost.h"

#include <QTimer>

namespace ui {
namespace {

using cfg::image::Program_State;
using cfg::image::Update_Outcome;

// A late updater is looked at twice a second until it ends.
constexpr int Late_Updater_Watch_Ms = 500;

} // namespace

UpdateRun::UpdateRun(const cfg::image::Update_Services& services)
    : updater_(services.updater), services_{services.echo, services.ping, updater_,
                                            services.updater_wait_limit_ms, services.windows_launcher},
      late_watch_(new QTimer(this)) {
    late_watch_->setInterval(Late_Updater_Watch_Ms);
    connect(late_watch_, &QTimer::timeout, this, &UpdateRun::watch_late_updater);
}

UpdateRun::~UpdateRun() {
    if (!worker_.joinable())
        return;
    host_->abandon();
    worker_.join();
}

bool UpdateRun::start(const cfg::image::Update_Request& request,
                      const cfg::image::Update_Job_Folders& folders) {
    if (running_)
        return false;
    running_ = true;
    // What the worker tells is posted to this object: it arrives on the dialog's thread, in order,
    // and not at all once the run has gone.
    const auto post = [this](auto told) {
        QMetaObject::invokeMethod(this, std::move(told), Qt::QueuedConnection);
    };
    host_ = std::make_unique<WorkerUpdateHost>(
        [this, post](const cfg::image::Update_Progress& progress) {
            post([this, progress] { emit progressed(progress); });
        },
        [this, post](const cfg::image::Update_Request& tested) {
            post([this, tested] { emit deviceAnswered(tested); });
        });
    worker_ = std::thread([this, post, request, folders, host = host_.get()] {
        try {
            const cfg::image::Update_Result result = host->run(request, folders, services_);
            post([this, result] {
                join_worker();
                if (result.outcome == Update_Outcome::Updater_Still_Running) {
                    late_run_ = result;
                    late_watch_->start();
                }
                emit finished(result);
            });
        } catch (...) {
            post([this, error = std::current_exception()] {
                join_worker();
                emit failed(error);
            });
        }
    });
    return true;
}

// The worker has told its end and is ending, unless give_up has already waited for it.
void UpdateRun::join_worker() {
    if (worker_.joinable())
        worker_.join();
    running_ = false;
}

bool UpdateRun::give_up() {
    if (!running_)
        return true;
    if (!host_->give_up())
        return false;
    if (worker_.joinable())
        worker_.join();
    return true;
}

bool UpdateRun::updater_running() {
    return updater_.status().state == Program_State::Running;
}

void UpdateRun::watch_late_updater() {
    const cfg::image::Program_Status status = updater_.status();
    if (status.state == Program_State::Running)
        return;
    late_watch_->stop();
    emit lateUpdaterEnded(cfg::image::Updater_Ended(status, late_run_));
}

} // namespace ui
