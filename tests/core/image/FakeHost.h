#pragma once

#include "core/image/UpdateHost.h"

#include <cstdint>
#include <vector>

namespace cfg::test {

// A front end on a fake clock: only its pauses let time pass. It gives up at the pause numbered
// give_up_at (from 0), when that is set.
class FakeHost : public image::Update_Host {
public:
    std::int64_t clock = 1000;
    int pauses = 0;
    int give_up_at = -1;
    std::vector<image::Update_Progress> shown;
    std::vector<image::Update_Request> answered;

    std::int64_t now_ms() override { return clock; }

    bool pause(int ms) override {
        clock += ms;
        return pauses++ != give_up_at;
    }

    void progress(const image::Update_Progress& progress) override { shown.push_back(progress); }

    void device_answered(const image::Update_Request& request) override { answered.push_back(request); }
};

} // namespace cfg::test
