#include "platform/ConsoleProgram.h"
#include "platform/WideText.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

namespace platform {
namespace {

// The command line as the system holds it, in UTF-16: argv comes in the ANSI code page, which
// loses every character that page cannot hold (a configuration "Température" on a Greek system).
std::vector<std::string> utf8_arguments(int argc, char* argv[]) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(utf8_from_wide(words[i]));
    LocalFree(words);
    return arguments;
}

std::filesystem::path executable_folder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return std::filesystem::current_path();
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        name.resize(name.size() * 2);
    }
}

bool is_console(DWORD stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

} // namespace

Console_Program::Console_Program(int argc, char* argv[])
    : arguments_(utf8_arguments(argc, argv)), folder_(executable_folder()) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (is_console(STD_OUTPUT_HANDLE) || is_console(STD_ERROR_HANDLE)) {
        console_code_page_ = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
}

Console_Program::~Console_Program() {
    if (console_code_page_ != 0)
        SetConsoleOutputCP(console_code_page_);
}

} // namespace platform
