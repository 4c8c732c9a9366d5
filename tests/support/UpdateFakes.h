#pragma once

#include "core/image/UpdateServices.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Stand-ins for the echo and the program start: nothing leaves the test.
namespace cfg::test {

// A device that gives the scripted reply to each request, the last one for ever after. Waiting
// never answers. With a clock, a reply comes only reply_delay_ms after its request.
class FakeEcho : public image::Echo_Client {
public:
    image::Echo_Send sending = image::Echo_Send::Sent;
    std::vector<image::Echo_Reply> replies{image::Echo_Reply::Reply};
    std::vector<std::string> targets;
    int data_size = 0;
    std::function<std::int64_t()> clock;
    std::int64_t reply_delay_ms = 0;

    image::Echo_Send send(const std::string& address, int size) override {
        targets.push_back(address);
        data_size = size;
        sent_at_ = clock ? clock() : 0;
        return sending;
    }

    image::Echo_Reply reply() override {
        if (clock && clock() - sent_at_ < reply_delay_ms)
            return image::Echo_Reply::Waiting;
        return replies[std::min(targets.size(), replies.size()) - 1];
    }

private:
    std::int64_t sent_at_ = 0;
};

// A program that starts (unless starts is false) and ends as ends_with after running for polls
// looks at its status; without ends_with it runs until it is stopped.
class FakeRunner : public image::Program_Runner {
public:
    bool starts = true;
    std::optional<image::Program_Status> ends_with = image::Program_Status{image::Program_State::Exited, 0};
    int polls = 0;
    std::vector<image::Program_Launch> launches;
    std::function<void(const image::Program_Launch&)> on_start; // sees the world as the program would
    std::function<void()> on_end;                               // at the moment its end is seen
    bool stopped = false;

    bool start(const image::Program_Launch& launch) override {
        launches.push_back(launch);
        if (on_start)
            on_start(launch);
        if (!starts)
            return false;
        status_ = {image::Program_State::Running, 0};
        polled_ = 0;
        return true;
    }

    image::Program_Status status() override {
        if (status_.state == image::Program_State::Running && ends_with && polled_++ >= polls) {
            status_ = *ends_with;
            if (on_end)
                on_end();
        }
        return status_;
    }

    void stop() override {
        if (status_.state != image::Program_State::Running)
            return;
        stopped = true;
        status_ = {image::Program_State::Crashed, 0};
    }

private:
    image::Program_Status status_;
    int polled_ = 0;
};

} // namespace cfg::test
