#include "platform/WindowsProgramRunner.h"

#include "platform/WideText.h"
#include "platform/WindowsCommandLine.h"

#include <windows.h>

#include <vector>

namespace platform {
namespace {

using cfg::image::Program_State;

// The null device, to be handed to the program as a standard handle.
HANDLE open_null(DWORD access) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0,
                       nullptr);
}

class Null_Handles {
public:
    explicit Null_Handles(bool quiet)
        : input_(open_null(GENERIC_READ)), output_(quiet ? open_null(GENERIC_WRITE) : INVALID_HANDLE_VALUE) {}
    ~Null_Handles() {
        for (HANDLE handle : {input_, output_})
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
    }
    Null_Handles(const Null_Handles&) = delete;
    Null_Handles& operator=(const Null_Handles&) = delete;

    HANDLE input() const { return input_; }
    HANDLE output() const { return output_; }

private:
    HANDLE input_;
    HANDLE output_;
};

// Exit codes from 0xC0000000 on are the system's reports of a fault that ended the process.
bool is_fault(DWORD exit_code) {
    return exit_code >= 0xC0000000u;
}

} // namespace

WindowsProgramRunner::~WindowsProgramRunner() {
    release();
}

void WindowsProgramRunner::release() {
    if (process_)
        CloseHandle(static_cast<HANDLE>(process_));
    process_ = nullptr;
}

bool WindowsProgramRunner::start(const cfg::image::Program_Launch& launch) {
    std::vector<std::wstring> words = {launch.program.wstring()};
    for (const std::string& argument : launch.arguments)
        words.push_back(wide_from_utf8(argument));
    std::wstring command_line = windows_command_line(words);

    // Nothing ties the program to this one's input; a quiet one's output goes nowhere.
    const Null_Handles null(launch.quiet);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = null.input();
    startup.hStdOutput = launch.quiet ? null.output() : GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = launch.quiet ? null.output() : GetStdHandle(STD_ERROR_HANDLE);
    const std::wstring folder = launch.working_folder.wstring();
    PROCESS_INFORMATION started{};
    // A quiet console program started from the desktop program opens no console window of its own.
    const DWORD flags = CREATE_UNICODE_ENVIRONMENT | (launch.quiet ? CREATE_NO_WINDOW : 0);
    // A bare program name is looked up on the search path, as posix_spawnp does.
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, flags, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return false;
    CloseHandle(started.hThread);
    release();
    process_ = started.hProcess;
    status_ = {Program_State::Running, 0};
    return true;
}

cfg::image::Program_Status WindowsProgramRunner::status() {
    if (status_.state != Program_State::Running)
        return status_;
    const HANDLE process = static_cast<HANDLE>(process_);
    const DWORD waited = WaitForSingleObject(process, 0);
    if (waited == WAIT_TIMEOUT)
        return status_;
    DWORD exit_code = 0;
    if (waited == WAIT_OBJECT_0 && GetExitCodeProcess(process, &exit_code) && !is_fault(exit_code))
        status_ = {Program_State::Exited, static_cast<int>(exit_code)};
    else
        status_ = {Program_State::Crashed, 0};
    return status_;
}

void WindowsProgramRunner::stop() {
    if (status().state != Program_State::Running)
        return;
    const HANDLE process = static_cast<HANDLE>(process_);
    TerminateProcess(process, 1);
    WaitForSingleObject(process, INFINITE);
    status_ = {Program_State::Crashed, 0};
}

} // namespace platform
