#pragma once

#include "core/image/UpdateSequence.h"
#include "platform/SleepingHost.h"

#include <atomic>
#include <functional>

namespace ui {

// The update's front end on the worker thread. Its pauses sleep in short slices and end early when
// the user gives the update up; what the update shows is handed to callbacks, which post it to the
// dialog. Nothing here touches a window.
class WorkerUpdateHost : public platform::SleepingHost {
public:
    using Progressed = std::function<void(const cfg::image::Update_Progress&)>;
    using Answered = std::function<void(const cfg::image::Update_Request&)>;

    WorkerUpdateHost(Progressed progressed, Answered answered);

    // Runs the update on the calling thread. Given up, it ends with Given_Up before anything is
    // written; once the device has answered, the job and the updater follow whatever comes.
    cfg::image::Update_Result run(const cfg::image::Update_Request& request,
                                  const cfg::image::Update_Job_Folders& folders,
                                  const cfg::image::Update_Services& services);

    // From any thread. True when the update will end without writing anything; false once the
    // device has answered.
    bool give_up();

    // From any thread, when the dialog goes: the update ends with Given_Up within a pause's slice,
    // wherever it is. An updater already started is left to run on its own, as after the wait's
    // bound: it may be writing the device.
    void abandon();

    bool pause(int ms) override;
    void progress(const cfg::image::Update_Progress& progress) override;
    void device_answered(const cfg::image::Update_Request& request) override;

private:
    enum class State { Testing, Given_Up, Committed, Abandoned };

    bool stopped() const;

    Progressed progressed_;
    Answered answered_;
    std::atomic<State> state_{State::Testing};
};

} // namespace ui
