#pragma once

#include "core/image/UpdateHost.h"

namespace platform {

// The update's time in a program without an event loop: the steady clock, and pauses that sleep.
// Nothing there gives the update up.
class SleepingHost : public cfg::image::Update_Host {
public:
    std::int64_t now_ms() override;
    bool pause(int ms) override;
};

} // namespace platform
