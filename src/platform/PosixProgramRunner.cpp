#include "platform/PosixProgramRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace platform {
namespace {

using cfg::image::Program_State;

// posix_spawn's file actions, released however the start ends.
class Spawn_Actions {
public:
    Spawn_Actions() { posix_spawn_file_actions_init(&actions_); }
    ~Spawn_Actions() { posix_spawn_file_actions_destroy(&actions_); }
    Spawn_Actions(const Spawn_Actions&) = delete;
    Spawn_Actions& operator=(const Spawn_Actions&) = delete;

    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

} // namespace

bool PosixProgramRunner::start(const cfg::image::Program_Launch& launch) {
    std::vector<std::string> words = {launch.program.string()};
    words.insert(words.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    Spawn_Actions actions;
    // Nothing ties the program to this one's input; a quiet one's output goes nowhere.
    posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    if (launch.quiet) {
        posix_spawn_file_actions_addopen(actions.get(), 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(actions.get(), 1, 2);
    }
    const std::string folder = launch.working_folder.string();
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str());

    pid_t pid = -1;
    // The failure of the program's own start (missing, not executable) comes back here.
    if (posix_spawnp(&pid, argv[0], actions.get(), nullptr, argv.data(), environ) != 0)
        return false;
    pid_ = pid;
    status_ = {Program_State::Running, 0};
    return true;
}

cfg::image::Program_Status PosixProgramRunner::status() {
    if (status_.state != Program_State::Running)
        return status_;
    int wait_status = 0;
    const pid_t ended = ::waitpid(pid_, &wait_status, WNOHANG);
    if (ended == pid_ && WIFEXITED(wait_status))
        status_ = {Program_State::Exited, WEXITSTATUS(wait_status)};
    else if (ended == pid_ || ended < 0)
        status_ = {Program_State::Crashed, 0};
    return status_;
}

void PosixProgramRunner::stop() {
    if (status().state != Program_State::Running)
        return;
    ::kill(pid_, SIGKILL);
    int wait_status = 0;
    ::waitpid(pid_, &wait_status, 0);
    status_ = {Program_State::Crashed, 0};
}

} // namespace platform
