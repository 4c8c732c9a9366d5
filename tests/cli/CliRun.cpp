#include "CliRun.h"

#include "platform/PosixProgramRunner.h"
#include "platform/SocketIcmpEcho.h"

#include <sys/wait.h>

#include <cstdlib>

namespace cfg::test {
namespace {

// One argument for the shell, whatever it holds.
std::string shell_quoted(std::string_view text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

} // namespace

Cli_Result run_cli(const std::vector<std::string>& args, const std::filesystem::path& executable) {
    TempDir streams;
    std::string command = shell_quoted(executable.string());
    for (const std::string& arg : args)
        command += " " + shell_quoted(arg);
    command +=
        " >" + shell_quoted((streams / "out").string()) + " 2>" + shell_quoted((streams / "err").string());
    const int status = std::system(command.c_str());
    Cli_Result result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read_bytes(streams / "out");
    result.err = read_bytes(streams / "err");
    return result;
}

Cli_Result Program_Folder::cli(const std::vector<std::string>& args) const {
    std::vector<std::string> full = {"--home", home.path().string()};
    full.insert(full.end(), args.begin(), args.end());
    return run_cli(full);
}

std::filesystem::path Program_Folder::copy_configuration(std::string_view fixture_folder,
                                                         const std::string& name) const {
    const std::filesystem::path target = home / "PROJECTS" / name;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy(fixture(fixture_folder), target, std::filesystem::copy_options::recursive);
    return target;
}

std::filesystem::path
Program_Folder::make_configuration(const std::string& name,
                                   const std::vector<std::pair<std::string, std::string>>& files) const {
    const std::filesystem::path target = home / "PROJECTS" / name;
    std::filesystem::create_directories(target / "bin");
    for (const auto& [file, content] : files)
        write_bytes(target / file, content);
    return target;
}

bool loopback_can_be_tested() {
    platform::PosixProgramRunner ping;
    return platform::SocketIcmpEcho::available() || ping.start({"ping", {"-V"}, {}, true});
}

void PrintTo(const Cli_Result& result, std::ostream* out) {
    *out << "exit " << result.code << "\n--- stdout\n" << result.out << "--- stderr\n" << result.err;
}

} // namespace cfg::test
