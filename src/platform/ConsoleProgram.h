#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// What a console program starts from, alike on every platform: its arguments in UTF-8, the folder
// of its executable, and standard output and error that pass the program's UTF-8 bytes unchanged
// (no CR added before LF, so a redirected output is the same file everywhere). On Windows the
// console shows UTF-8 while the program runs and gets its own code page back when it ends.
class Console_Program {
public:
    Console_Program(int argc, char* argv[]);
    ~Console_Program();
    Console_Program(const Console_Program&) = delete;
    Console_Program& operator=(const Console_Program&) = delete;

    // The arguments after the program's name.
    const std::vector<std::string>& arguments() const { return arguments_; }

    // The folder of the running executable, like the desktop program's Path_Exe: read from the
    // system where it can say, otherwise from the name the program was started with.
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::vector<std::string> arguments_;
    std::filesystem::path folder_;
#ifdef _WIN32
    unsigned int console_code_page_ = 0; // to give back; 0: none was changed
#endif
};

} // namespace platform
