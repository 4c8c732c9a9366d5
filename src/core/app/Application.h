#pragma once

#include "core/app/AppSettings.h"
#include "core/app/ProgramFolders.h"
#include "core/common/RowOperations.h"
#include "core/lang/LangStrings.h"
#include "core/lang/Language.h"

#include <filesystem>
#include <string>

namespace cfg {

// What the program owns for the whole run. The desktop program and the command-line tool each
// make one with Start_Application.
struct Application {
    std::filesystem::path Path_Exe;  // the program's folder, without a trailing separator
    std::filesystem::path Path_Data; // where MASTER, PROJECTS, LANGUAGE and Morvel.xml live
    std::filesystem::path Path_Master;
    std::filesystem::path Path_Projects;
    std::filesystem::path Path_Language;
    std::filesystem::path Path_Shipped_Language; // an installation's language files; empty otherwise

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
    // Where language files are looked for: the user's LANGUAGE folder first.
    Language_Folders language_folders() const { return {Path_Language, Path_Shipped_Language}; }
};

// The start sequence of the desktop program: the data folder with MASTER, PROJECTS and LANGUAGE (a
// failure to create one is not reported here; what then cannot be written is reported where it is
// written), then Open_Application.
Application Start_Application(const Program_Folders& folders);
// A program whose data live beside it, as a copy of the program in a folder of its own.
Application Start_Application(const std::filesystem::path& program_folder);

// The application on its folders as they are, creating nothing, for work that only reads: the
// settings of Morvel.xml (the defaults when there is none), the language they name, and the
// remembered configuration when its folder still exists.
Application Open_Application(const Program_Folders& folders);

// Creates the data folder with MASTER, PROJECTS and LANGUAGE in it, as many as can be made;
// ConfigError naming the first that could not, with the system's reason.
void Make_Data_Folders(const Application& app);

// The four file paths of the active configuration.
void Set_Files(Application& app);

// Writes Morvel.xml; ConfigError when it cannot be written.
void Save_Setting(const Application& app);

} // namespace cfg
