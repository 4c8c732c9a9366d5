#include "core/app/Application.h"

#include "core/app/ConfigurationName.h"
#include "core/app/SettingsFile.h"
#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/lang/Language.h"

namespace cfg {
namespace {

std::filesystem::path without_trailing_separator(const std::filesystem::path& folder) {
    if (!folder.has_filename() && folder.has_relative_path())
        return folder.parent_path();
    return folder;
}

std::filesystem::path settings_file(const Application& app) {
    return app.Path_Data / Settings_File_Name;
}

} // namespace

Application Start_Application(const std::filesystem::path& program_folder) {
    return Start_Application(Program_Folders{program_folder, program_folder, {}});
}

Application Start_Application(const Program_Folders& folders) {
    Application app = Open_Application(folders);
    try {
        Make_Data_Folders(app);
    } catch (const ConfigError&) {
        // Reported where something cannot be written into them.
    }
    return app;
}

void Make_Data_Folders(const Application& app) {
    std::optional<ConfigError> first_failure;
    for (const std::filesystem::path* folder :
         {&app.Path_Data, &app.Path_Master, &app.Path_Projects, &app.Path_Language}) {
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(*folder, error);
        if (std::filesystem::is_directory(status))
            continue;
        if (std::filesystem::exists(status)) // a file of that name is in the way
            error = std::make_error_code(std::errc::not_a_directory);
        else // the user's data folder may not exist yet, nor the folders above it
            std::filesystem::create_directories(*folder, error);
        if (error && !first_failure)
            first_failure.emplace("The folder \"" + folder->string() +
                                  "\" cannot be created: " + error.message());
    }
    if (first_failure)
        throw *first_failure;
}

Application Open_Application(const Program_Folders& folders) {
    Application app;
    app.Path_Exe = without_trailing_separator(folders.program);
    app.Path_Data = without_trailing_separator(folders.data);
    app.Path_Master = app.Path_Data / "MASTER";
    app.Path_Projects = app.Path_Data / "PROJECTS";
    app.Path_Language = app.Path_Data / "LANGUAGE";
    app.Path_Shipped_Language = folders.shipped_languages;

    const Saved_Settings saved = Read_Settings(settings_file(app));
    app.Name_Project = saved.Name_Project;
    app.App_Settings = saved.settings;

    Load_Language(app.Lang_Strings, app.language_folders(), app.App_Settings.Language_Name);

    // A remembered name whose folder is gone, or that names no folder of PROJECTS, leaves no
    // configuration active but stays in Name_Project, so it is written back unchanged.
    std::error_code error;
    if (Is_Plain_Folder_Name(app.Name_Project) &&
        std::filesystem::is_directory(app.Path_Projects / path_from_utf8(app.Name_Project), error))
        app.Path_Project = app.Path_Projects / path_from_utf8(app.Name_Project);
    Set_Files(app);
    return app;
}

void Set_Files(Application& app) {
    // Without an active configuration the names would point beside the program, so they stay empty.
    const bool active = app.has_active_configuration();
    const auto file = [&](const char* name) {
        return active ? app.Path_Project / name : std::filesystem::path();
    };
    app.File_ParGen = file("ParGen.xml");
    app.File_NMEA_0183_Set_Access = file("NMEA_0183_Set_Access.xml");
    app.File_MQTT_Set_Topic = file("MQTT_Set_Topic.xml");
    app.File_EtherCAT_Slave = file("EtherCAT_Slave.xml");
}

void Save_Setting(const Application& app) {
    Write_Settings(settings_file(app), {app.Name_Project, app.App_Settings});
}

} // namespace cfg
