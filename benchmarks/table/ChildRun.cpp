#include "ChildRun.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {
namespace {

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

std::vector<std::string> environment_with(const std::vector<std::string>& settings) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        const bool replaced = std::any_of(settings.begin(), settings.end(), [&](const std::string& setting) {
            return text.substr(0, text.find('=') + 1) == setting.substr(0, setting.find('=') + 1);
        });
        if (!replaced)
            environment.emplace_back(text);
    }
    environment.insert(environment.end(), settings.begin(), settings.end());
    return environment;
}

double milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

} // namespace

Child_Cost run_child(const std::vector<std::string>& arguments, const std::vector<std::string>& settings,
                     const Child_Streams& streams) {
    std::vector<std::string> argument_texts = arguments;
    std::vector<std::string> environment = environment_with(settings);
    std::vector<char*> argv = pointers(argument_texts);
    std::vector<char*> envp = pointers(environment);

    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams.drop_output)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    if (!streams.input_file.empty())
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, streams.input_file.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    Child_Cost cost;
    if (spawned == 0) {
        char buffer[4096];
        for (ssize_t got; (got = read(pipe_ends[0], buffer, sizeof buffer)) != 0;) {
            if (got > 0)
                cost.output.append(buffer, static_cast<std::size_t>(got));
            else if (errno != EINTR)
                break;
        }
    }
    close(pipe_ends[0]);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(spawned));

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    cost.wall_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    cost.cpu_ms = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    cost.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(arguments[0] + " " + (arguments.size() > 1 ? arguments[1] : "") +
                                 " failed with status " + std::to_string(status));
    return cost;
}

} // namespace bench
