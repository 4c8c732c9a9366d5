#include "CliRun.h"

#include "platform/IcmpEcho.h"
#include "platform/ProgramRunner.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

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

// A Windows build runs under the Wine that CONFIGURATOR_WINE names, in the prefix that WINEPREFIX
// names (scripts/cross-windows makes it before the tests, so that no test sees its set-up) or else
// in one of its own beside the programs, quietly and without the prompts to install Wine's .NET
// and HTML engines. Wine reads the arguments and the file names of this side in the locale's
// encoding: UTF-8, as this build's tests write them.
Tool windows_tool(const std::filesystem::path& folder) {
    const char* wine = std::getenv("CONFIGURATOR_WINE");
    if (!wine || !*wine)
        throw std::runtime_error(
            "CONFIGURATOR_WINDOWS_TOOLS is set, but CONFIGURATOR_WINE names no Wine to run "
            "the Windows build with (scripts/cross-windows sets both)");
    const char* prepared_prefix = std::getenv("WINEPREFIX");
    const std::filesystem::path prefix =
        prepared_prefix && *prepared_prefix ? std::filesystem::path(prepared_prefix) : folder / "wine-prefix";
    const std::string launcher = "env WINEPREFIX=" + shell_quoted(prefix.string()) +
                                 " LC_ALL=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' " +
                                 shell_quoted(wine);
    return {folder / "configurator-cli.exe", folder / "configurator-check-update.exe", launcher, true};
}

} // namespace

const Tool& tool() {
    static const Tool under_test = [] {
        const char* windows_tools = std::getenv("CONFIGURATOR_WINDOWS_TOOLS");
        return windows_tools && *windows_tools
                   ? windows_tool(windows_tools)
                   : Tool{CONFIGURATOR_CLI, CONFIGURATOR_CHECK_PROGRAM, "", false};
    }();
    return under_test;
}

std::string program_file_name(std::string_view name) {
    return std::string(name) + (tool().windows ? ".exe" : "");
}

std::string tool_path(const std::filesystem::path& path) {
    if (!tool().windows)
        return path.string();
    std::string text = "Z:" + std::filesystem::absolute(path).lexically_normal().string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::string tool_json_path(const std::filesystem::path& path) {
    std::string escaped;
    for (const char c : tool_path(path)) {
        if (c == '\\' || c == '"')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string with_tool_paths(std::string text, const std::filesystem::path& root) {
    const std::string prefix = root.string();
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at)) {
        const std::size_t end = std::min(text.find_first_of("\"<\n", at), text.size());
        const std::string path = tool_path(text.substr(at, end - at));
        text.replace(at, end - at, path);
        at += path.size();
    }
    return text;
}

Cli_Result run_cli(const std::vector<std::string>& args) {
    return run_cli(args, tool().cli);
}

Cli_Result run_cli(const std::vector<std::string>& args, const std::filesystem::path& executable) {
    TempDir streams;
    std::string command = tool().launcher.empty() ? "" : tool().launcher + " ";
    command += shell_quoted(executable.string());
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
    std::vector<std::string> full = {"--home", tool_path(home.path())};
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
    platform::ProgramRunner ping;
    return platform::IcmpEcho::available() || ping.start({"ping", {"-V"}, {}, true});
}

void PrintTo(const Cli_Result& result, std::ostream* out) {
    *out << "exit " << result.code << "\n--- stdout\n" << result.out << "--- stderr\n" << result.err;
}

} // namespace cfg::test
