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

// Once the dialog has gone, the clock runs a day ahead: every bound of the update has then passed.
constexpr std::int64_t Abandoned_Clock_Ms = 24 * 60 * 60 * 1000;

// Thrown through the update from device_answered, so that it ends before the job is written.
struct Given_Up_After_Answer {};

} // namespace

WorkerUpdateHost::WorkerUpdateHost(Progressed progressed, Answered answered)
    : progressed_(std::move(progressed)), answered_(std::move(answered)) {}

cfg::image::Update_Result WorkerUpdateHost::run(const cfg::image::Update_Request& request,
                                                const cfg::image::Update_Job_Folders& folders,
                                                const cfg::image::Update_Services& services) {
    try {
        return cfg::image::Run_Update(request, folders, services, *this);
    } catch (const Given_Up_After_Answer&) {
        return {Update_Outcome::Given_Up, cfg::image::Ping_Answered};
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

std::int64_t WorkerUpdateHost::now_ms() {
    const std::int64_t now = SleepingHost::now_ms();
    return state_ == State::Abandoned ? now + Abandoned_Clock_Ms : now;
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

void WorkerUpdateHost::progress(const cfg::image::Update_Progress& progress) {
    progressed_(progress);
}

// The last moment to give up: past it the job is written and the updater started.
void WorkerUpdateHost::device_answered(const cfg::image::Update_Request& request) {
    State testing = State::Testing;
    if (!state_.compare_exchange_strong(testing, State::Committed))
        throw Given_Up_After_Answer{};
    answered_(request);
}

} // namespace ui
