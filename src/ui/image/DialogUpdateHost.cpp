#include "ui/image/DialogUpdateHost.h"

#include "ui/image/UpdateStatus.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace ui {

DialogUpdateHost::DialogUpdateHost(QWidget& window, UpdateStatus& status, const cfg::Lang_Strings& texts,
                                   Answered answered)
    : window_(window), status_(status), texts_(texts), answered_(std::move(answered)) {
    clock_.start();
}

std::int64_t DialogUpdateHost::now_ms() {
    return clock_.elapsed();
}

bool DialogUpdateHost::pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return window_.isVisible();
}

void DialogUpdateHost::progress(const cfg::image::Update_Progress& progress) {
    status_.show_progress(texts_, progress);
}

void DialogUpdateHost::device_answered(const cfg::image::Update_Request& request) {
    answered_(request);
}

} // namespace ui
