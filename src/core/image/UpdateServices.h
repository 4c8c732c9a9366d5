#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// What the update sequence reaches the world through, so that it runs the same in both front ends
// and against fakes in the tests. None of these waits: the sequence waits through its host.
namespace cfg::image {

enum class Echo_Send {
    Sent,
    Failed,        // the request could not be sent to that address
    Not_Permitted, // this system lets the program open no ICMP socket at all
};

enum class Echo_Reply { Waiting, Reply, No_Reply };

// ICMP echo over IPv4.
class Echo_Client {
public:
    virtual ~Echo_Client() = default;

    // Sends one echo request with data_size data bytes to an IPv4 address in dotted decimal; an
    // earlier request is forgotten. No name is ever looked up.
    virtual Echo_Send send(const std::string& address, int data_size) = 0;

    // The reply to the last request so far: a reply with data, an empty or an error reply
    // (No_Reply), or nothing yet.
    virtual Echo_Reply reply() = 0;
};

struct Program_Launch {
    std::filesystem::path program; // a bare name is looked up on the search path
    std::vector<std::string> arguments;
    std::filesystem::path working_folder; // empty: the caller's
    bool quiet = false;                   // its output is thrown away
};

enum class Program_State { None, Running, Exited, Crashed };

// How often a program the update waits for is looked at.
inline constexpr int Program_Poll_Ms = 100;

struct Program_Status {
    Program_State state = Program_State::None;
    int exit_code = 0; // when Exited
};

// Starts one program at a time and tells how it is doing.
class Program_Runner {
public:
    virtual ~Program_Runner() = default;

    // False when the program could not be started (missing, not executable).
    virtual bool start(const Program_Launch& launch) = 0;

    // The state of the program started last; None before any start.
    virtual Program_Status status() = 0;

    // Ends the program started last, when it still runs.
    virtual void stop() = 0;
};

} // namespace cfg::image
