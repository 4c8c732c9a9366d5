#include "core/app/ConfigurationLock.h"

#include "core/common/ConfigError.h"
#include "core/common/FileLock.h"
#include "core/common/PathText.h"

#include <cerrno>
#include <cstring>
#include <thread>

namespace cfg {
namespace {

std::string seconds_text(std::chrono::milliseconds time) {
    return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(time).count()) + " s";
}

} // namespace

Configuration_Lock::Configuration_Lock(const std::filesystem::path& Path_Project,
                                       std::chrono::milliseconds wait_limit,
                                       const std::function<void(const std::string&)>& tell_waiting)
    : file_(open_or_create(Path_Project / Configuration_Lock_File_Name)) {
    const std::string folder = "\"" + utf8_path(Path_Project) + "\"";
    if (!file_)
        throw ConfigError("Cannot lock the configuration " + folder + ": " + std::strerror(errno));
    if (try_lock_file(file_.get()))
        return;
    tell_waiting("Another command is changing the configuration " + folder +
                 "; waiting for it to end (at most " + seconds_text(wait_limit) + ").");
    // The other holder lets go within moments as a rule; a lock cannot be waited for with a time
    // limit everywhere, so it is asked for again at short intervals.
    constexpr std::chrono::milliseconds Interval{50};
    const auto give_up = std::chrono::steady_clock::now() + wait_limit;
    while (!try_lock_file(file_.get())) {
        if (std::chrono::steady_clock::now() >= give_up)
            throw ConfigError("Another command is still changing the configuration " + folder + " after " +
                              seconds_text(wait_limit) + "; nothing was done. Try again when it has ended.");
        std::this_thread::sleep_for(Interval);
    }
}

} // namespace cfg
