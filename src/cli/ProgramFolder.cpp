#include "cli/ProgramFolder.h"

namespace cfg::cli {

std::filesystem::path executable_folder(std::string_view argv0) {
    std::error_code error;
#ifdef __linux__
    const std::filesystem::path running = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !running.empty())
        return running.parent_path();
#endif
    const std::filesystem::path named = std::filesystem::absolute(std::filesystem::path(argv0), error);
    return error ? std::filesystem::current_path() : named.parent_path();
}

} // namespace cfg::cli
