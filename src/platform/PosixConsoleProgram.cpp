#include "platform/ConsoleProgram.h"

namespace platform {
namespace {

std::filesystem::path executable_folder(const char* argv0) {
    std::error_code error;
#ifdef __linux__
    const std::filesystem::path running = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !running.empty())
        return running.parent_path();
#endif
    const std::filesystem::path named = std::filesystem::absolute(std::filesystem::path(argv0), error);
    return error ? std::filesystem::current_path() : named.parent_path();
}

} // namespace

// The arguments and the streams are bytes already, UTF-8 in every locale the program supports.
Console_Program::Console_Program(int argc, char* argv[])
    : arguments_(argv + (argc > 0 ? 1 : 0), argv + argc),
      folder_(executable_folder(argc > 0 ? argv[0] : "")) {}

Console_Program::~Console_Program() = default;

} // namespace platform
