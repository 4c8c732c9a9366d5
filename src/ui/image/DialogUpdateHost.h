#pragma once

#include "core/image/UpdateHost.h"
#include "core/lang/LangStrings.h"

#include <QElapsedTimer>

#include <functional>

class QWidget;

namespace ui {

class UpdateStatus;

// The update dialog as the update's front end. Time passes in a local event loop, so the window
// paints and its status moves on while the update waits (the dialog locks its input meanwhile);
// closing the window gives the device test up.
class DialogUpdateHost : public cfg::image::Update_Host {
public:
    using Answered = std::function<void(const cfg::image::Update_Request&)>;

    DialogUpdateHost(QWidget& window, UpdateStatus& status, const cfg::Lang_Strings& texts,
                     Answered answered);

    std::int64_t now_ms() override;
    bool pause(int ms) override;
    void progress(const cfg::image::Update_Progress& progress) override;
    void device_answered(const cfg::image::Update_Request& request) override;

private:
    QWidget& window_;
    UpdateStatus& status_;
    const cfg::Lang_Strings& texts_;
    Answered answered_;
    QElapsedTimer clock_;
};

} // namespace ui
