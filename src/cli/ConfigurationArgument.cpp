#include "cli/ConfigurationArgument.h"

#include "core/app/ConfigurationFolders.h"
#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/lang/MainWindowTexts.h"

namespace cfg::cli {
namespace {

// Far longer than any command takes to read and write a configuration.
constexpr std::chrono::seconds Configuration_Wait_Limit{30};

// "/" everywhere, and the platform's own separator where it differs.
bool holds_path_separator(const std::string& argument) {
    return argument.find('/') != std::string::npos ||
           argument.find(static_cast<char>(std::filesystem::path::preferred_separator)) != std::string::npos;
}

} // namespace

void open_configuration(Application& app, const std::string& argument) {
    const bool is_path = holds_path_separator(argument);
    if (is_path) {
        // The job file names the banks by absolute paths, so the folder is taken from here on.
        Open_Project_Folder(app, std::filesystem::absolute(path_from_utf8(argument)).lexically_normal());
    } else {
        Open_Project(app, argument);
    }
    std::error_code error;
    if (!app.has_active_configuration() || !std::filesystem::is_directory(app.Path_Project, error)) {
        const std::filesystem::path named =
            app.has_active_configuration() ? app.Path_Project : path_from_utf8(argument);
        throw ConfigError(app.Lang_Strings[main_window_text::Project_Not_Valid] + ": \"" + utf8_path(named) +
                          "\"");
    }
    if (is_path && !Is_Configuration_Folder(app))
        throw ConfigError(
            app.Lang_Strings[main_window_text::Project_Not_Valid] + ": \"" + utf8_path(app.Path_Project) +
            "\" is no configuration folder: it is not in PROJECTS and holds none of ParGen.xml, "
            "NMEA_0183_Set_Access.xml, EtherCAT_Slave.xml and MQTT_Set_Topic.xml");
}

Configuration_Lock lock_configuration(const Application& app, std::ostream& err) {
    return Configuration_Lock(app.Path_Project, Configuration_Wait_Limit,
                              [&err](const std::string& text) { err << text << std::endl; });
}

} // namespace cfg::cli
