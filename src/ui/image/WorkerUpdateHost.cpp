#include "ui/image/WorkerUpdateHost.h"

#include "core/image/DeviceTest.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace ui {
namespace {

using cfg::image::Update_Outcome;

// How often a pause looks whether the update was given up.
constexpr auto Pause_Slice = std::chrono::milliseconds(cfg::image::Device_Test_Pause_Ms);

// Thrown through the update to end it where it is: the host cannot end the updater's wait, nor the
// update once the device has answered, by answering a pause.
struct Let_Go {
    int ping_res;
};

} // namespace

WorkerUpdateHost::WorkerUpdateHost(Progressed progressed, Answered answered)
    : progressed_(std::move(progressed)), answered_(std::move(answered)) {}

cfg::image::Update_Result WorkerUpdateHost::run(const cfg::image::Update_Request& request,
                                                const cfg::image::Update_Job_Folders& folders,
                                                const cfg::image::Update_Services& services) {
    try {
        return cfg::image::Run_Update(request, folders, services, *this);
    } catch (const Let_Go& let_go) {
        return {Update_Outcome::Given_Up, let_go.ping_res};
    }
}

bool WorkerUpdateHost::give_up() {
    State testing = State::Testing;
    return state_.compare_exchange_strong(testing, State::Given_Up) || testing != State::Committed;
}

void WorkerUpdateHost::abandon() {
    state_ = State::Abandoned;
}

bool WorkerUpdateHost::stopped() const {
    const State state = state_;
    return state == State::Given_Up || state == State::Abandoned;
}

bool WorkerUpdateHost::pause(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopped()) {
        const auto left = end - std::chrono::steady_clock::now();
        if (left <= left.zero())
            return true;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(left, Pause_Slice));
    }
    return false;
}

// Every wait of the update shows its progress before each pause, the updater's too: once the
// dialog has gone, the wait ends there.
void WorkerUpdateHost::progress(const cfg::image::Update_Progress& progress) {
    if (state_ == State::Abandoned)
        throw Let_Go{cfg::image::Ping_None};
    progressed_(progress);
}

// The last moment to give up: past it the job is written and the updater started.
void WorkerUpdateHost::device_answered(const cfg::image::Update_Request& request) {
    State testing = State::Testing;
    if (!state_.compare_exchange_strong(testing, State::Committed))
        throw Let_Go{cfg::image::Ping_Answered};
    answered_(request);
}

} // namespace ui
