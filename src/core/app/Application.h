#pragma once

#include "core/app/AppSettings.h"
#include "core/common/RowOperations.h"
#include "core/lang/LangStrings.h"

#include <filesystem>
#include <string>

namespace cfg {

// What the program owns for the whole run. The desktop program and the command-line tool each
// make one with Start_Application.
struct Application {
    std::filesystem::path Path_Exe; // the program's folder, without a trailing separator
    std::filesystem::path Path_Master;
    std::filesystem::path Path_Projects;
    std::filesystem::path Path_Language;

    // The active configuration; Path_Project is empty exactly when none is active, while
    // Name_Project may still hold a remembered name whose folder is gone.
    std::string Name_Project;
    std::filesystem::path Path_Project;

    // The active configuration's files (Set_Files); empty while none is active.
    std::filesystem::path File_ParGen;
    std::filesystem::path File_NMEA_0183_Set_Access;
    std::filesystem::path File_MQTT_Set_Topic;
    std::filesystem::path File_EtherCAT_Slave;

    cfg::App_Settings App_Settings;
    cfg::Lang_Strings Lang_Strings;
    cfg::Row_Clipboard Row_Clipboard;

    bool has_active_configuration() const { return !Path_Project.empty(); }
};

// Text shown by steps 2 to 6 while no configuration is active.
inline constexpr int Project_Not_Valid_Text = 18;

// The start sequence: the folders MASTER, PROJECTS and LANGUAGE beside the program (one level, a
// failure to create one is not reported), the settings of Morvel.xml, the language they name, and
// the remembered configuration when its folder still exists.
Application Start_Application(const std::filesystem::path& program_folder);

// The four file paths of the active configuration.
void Set_Files(Application& app);

// Writes Morvel.xml; ConfigError when it cannot be written.
void Save_Setting(const Application& app);

} // namespace cfg
