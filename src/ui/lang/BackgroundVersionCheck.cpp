#include "ui/lang/BackgroundVersionCheck.h"

#include "ui/platform/MakerHosts.h"

#include <QtConcurrent/QtConcurrentRun>

namespace ui {

BackgroundVersionCheck::BackgroundVersionCheck(cfg::HttpClient& http, QObject* parent)
    : QObject(parent), http_(http), watcher_(new QFutureWatcher<bool>(this)) {
    connect(watcher_, &QFutureWatcher<bool>::finished, this, [this] { emit answered(watcher_->result()); });
}

bool BackgroundVersionCheck::start() {
    if (running())
        return false;
    watcher_->setFuture(QtConcurrent::run(
        [&http = http_, host = update_server_host()] { return cfg::Check_Version(http, host); }));
    return true;
}

} // namespace ui
