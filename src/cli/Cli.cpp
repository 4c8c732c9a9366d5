#include "cli/Cli.h"

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/Usage.h"
#include "cli/UsageError.h"
#include "core/app/ProgramFolders.h"
#include "core/common/ConfigError.h"
#include "core/common/ModelIdentity.h"
#include "core/common/PathText.h"

namespace cfg::cli {
namespace {

int usage_failure(const Usage_Error& error, std::ostream& err) {
    err << error.what() << "\n\n" << usage_text(command_definitions());
    return Exit_Usage;
}

// A relative --home is taken from the current folder, so every path the tool writes is absolute.
// A --home that names a file is a wrong command line.
std::filesystem::path home_folder(const std::filesystem::path& home) {
    const std::filesystem::path absolute = std::filesystem::absolute(home).lexically_normal();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(absolute, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        throw Usage_Error("The option --home names \"" + utf8_path(absolute) + "\", which is not a folder");
    return absolute;
}

// --home names the data folder, where the maker's updater is also looked for, while an installed
// tool still reads the language files it ships and runs the check program it ships. Without it the
// tool finds its folders as the desktop program does: beside a copy of the program, in the user's
// data folder for an installed one.
Program_Folders program_folders(const Command_Line& line, const std::filesystem::path& executable_folder) {
    if (!line.home)
        return Find_Program_Folders(executable_folder, Process_Environment);
    const std::filesystem::path home = home_folder(*line.home);
    const Program_Folders folders = Program_Folders_With_Data(executable_folder, home);
    // A mistyped folder would otherwise read as one without configurations.
    std::error_code missing;
    if (line.command->data_folders == Data_Folders::As_Found && !std::filesystem::is_directory(home, missing))
        throw ConfigError("The program folder \"" + utf8_path(home) + "\" does not exist");
    return folders;
}

} // namespace

int run(const std::vector<std::string>& args, const std::filesystem::path& executable_folder,
        std::ostream& out, std::ostream& err) {
    Command_Line line;
    try {
        line = parse_command_line(args, command_definitions());
    } catch (const Usage_Error& error) {
        return usage_failure(error, err);
    }
    if (line.help) {
        out << (line.command ? command_help(*line.command) : usage_text(command_definitions()));
        return Exit_Done;
    }
    if (line.version) {
        // As the desktop program's --version says it.
        out << SW_Code << ' ' << Program_Version << '\n' << Licence_Notice;
        return Exit_Done;
    }
    try {
        Application app = Open_Application(program_folders(line, executable_folder));
        if (line.command->data_folders == Data_Folders::Made)
            Make_Data_Folders(app);
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
