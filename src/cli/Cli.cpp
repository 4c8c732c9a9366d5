#include "cli/Cli.h"

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/Usage.h"
#include "cli/UsageError.h"
#include "core/common/ConfigError.h"

namespace cfg::cli {
namespace {

int usage_failure(const Usage_Error& error, std::ostream& err) {
    err << error.what() << "\n\n" << usage_text();
    return Exit_Usage;
}

// A relative --home is taken from the current folder, so every path the tool writes is absolute.
// A --home that names a file is a wrong command line; one that names nothing is a missing folder.
std::filesystem::path program_folder(const Command_Line& line, const std::filesystem::path& default_home) {
    if (!line.home)
        return default_home;
    const std::filesystem::path home = std::filesystem::absolute(*line.home).lexically_normal();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(home, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        throw Usage_Error("The option --home names \"" + home.string() + "\", which is not a folder");
    return home;
}

} // namespace

int run(const std::vector<std::string>& args, const std::filesystem::path& default_home, std::ostream& out,
        std::ostream& err) {
    Command_Line line;
    try {
        line = parse_command_line(args, command_definitions());
    } catch (const Usage_Error& error) {
        return usage_failure(error, err);
    }
    if (line.help) {
        out << usage_text();
        return Exit_Done;
    }
    try {
        const std::filesystem::path home = program_folder(line, default_home);
        std::error_code missing;
        if (!std::filesystem::is_directory(home, missing))
            throw ConfigError("The program folder \"" + home.string() + "\" does not exist");
        Application app = Start_Application(home);
        Context context{app, line.invocation, out, err};
        return line.command->run(context);
    } catch (const Usage_Error& error) {
        return usage_failure(error, err);
    } catch (const std::exception& error) {
        // ConfigError names the file and the reason; the file system's own errors do as well.
        err << error.what() << "\n";
        return Exit_File;
    }
}

} // namespace cfg::cli
