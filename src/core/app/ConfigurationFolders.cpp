#include "core/app/ConfigurationFolders.h"

#include "core/app/ConfigurationName.h"
#include "core/common/ConfigError.h"
#include "core/common/FolderListing.h"
#include "core/common/PathText.h"
#include "core/common/Text.h"

namespace cfg {
namespace {

// An empty name, or one that is no plain folder name, leaves no configuration active.
void make_active(Application& app, const std::string& name) {
    app.Name_Project = name;
    if (Is_Plain_Folder_Name(name))
        app.Path_Project = app.Path_Projects / path_from_utf8(name);
    else
        app.Path_Project.clear();
    Set_Files(app);
}

// Why the name was refused, for a line under text 105.
std::string Name_Fault_Text(const Lang_Strings& texts, Name_Fault fault, std::string_view name) {
    switch (fault) {
    case Name_Fault::Control_Character:
        return texts[new_configuration_text::Name_Control_Character];
    case Name_Fault::Not_Utf8:
        return texts[new_configuration_text::Name_Not_Utf8];
    case Name_Fault::Leading_Blank_Or_Dot:
        return texts[new_configuration_text::Name_Leading_Blank_Or_Dot];
    case Name_Fault::Trailing_Dot_Or_Blank:
        return texts[new_configuration_text::Name_Trailing_Dot_Or_Blank];
    case Name_Fault::Windows_Character:
        return texts[new_configuration_text::Name_Windows_Character];
    case Name_Fault::Windows_Device:
        return texts[new_configuration_text::Name_Windows_Device];
    case Name_Fault::Too_Long:
        return texts[new_configuration_text::Name_Too_Long] + std::to_string(name.size()) +
               texts[new_configuration_text::Name_Too_Long_Limit] + std::to_string(Max_Name_Bytes) +
               texts[new_configuration_text::Name_Too_Long_End];
    case Name_Fault::None:
        break;
    }
    return {};
}

} // namespace

std::optional<Name_Refusal> Create_New_Project(Application& app, const std::string& name) {
    const auto refused = [&](int text, const std::string& reason = {}) {
        const std::string& message = app.Lang_Strings[text];
        return Name_Refusal{text, reason.empty() ? message : message + "\n" + reason};
    };
    if (name.empty())
        return refused(new_configuration_text::Name_Empty);
    if (const Name_Fault fault = New_Name_Fault(name); fault != Name_Fault::None)
        return refused(new_configuration_text::Name_Not_Creatable,
                       Name_Fault_Text(app.Lang_Strings, fault, name));
    const std::filesystem::path folder = app.Path_Projects / path_from_utf8(name);
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return refused(new_configuration_text::Name_Exists);
    if (!std::filesystem::create_directory(folder, error)) {
        // A name the file system refuses is the user's to change; anything else (no permission, a
        // full or read-only disk) is no fault of the name and is reported as it is.
        if (error == std::errc::file_exists || !error)
            return refused(new_configuration_text::Name_Not_Creatable,
                           app.Lang_Strings[new_configuration_text::Name_Taken_By_File]);
        if (error == std::errc::filename_too_long || error == std::errc::invalid_argument)
            return refused(new_configuration_text::Name_Not_Creatable, error.message());
        throw ConfigError("The configuration folder \"" + utf8_path(folder) +
                          "\" cannot be created: " + error.message());
    }
    std::filesystem::create_directories(folder / "bin", error);
    if (error) {
        // Leave nothing half made behind.
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        throw ConfigError("The folder \"" + utf8_path(folder / "bin") +
                          "\" cannot be created: " + error.message());
    }
    make_active(app, name);
    return std::nullopt;
}

std::vector<std::string> Load_Existing_Configuration(const std::filesystem::path& Path_Projects) {
    return Sorted_Entry_Names(Path_Projects, [](const std::filesystem::directory_entry& entry) {
        std::error_code error;
        return entry.is_directory(error) && Is_Plain_Folder_Name(utf8_path(entry.path().filename()));
    });
}

int Search_Open_Conf(const std::vector<std::string>& SL, std::string_view snc) {
    for (std::size_t i = 0; i < SL.size(); ++i) {
        if (equal_ignoring_ascii_case(SL[i], snc))
            return static_cast<int>(i);
    }
    return -1;
}

void Open_Conf_State::FormShow(const Application& app) {
    SL = Load_Existing_Configuration(app.Path_Projects);
    selected = -1;
    const std::string active = app.has_active_configuration() ? app.Name_Project : std::string();
    const int found = Search_Open_Conf(SL, active);
    if (found >= 0)
        ListBox1Click(found);
    else if (!SL.empty())
        ListBox1Click(0);
}

void Open_Conf_State::ListBox1Click(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= SL.size())
        return;
    selected = index;
    Name_Conf = SL[static_cast<std::size_t>(index)];
}

void Open_Project(Application& app, const std::string& Name_Conf) {
    make_active(app, Name_Conf);
}

bool Is_Configuration_Folder(const Application& app) {
    std::error_code error;
    if (!app.has_active_configuration() || !std::filesystem::is_directory(app.Path_Project, error))
        return false;
    if (std::filesystem::equivalent(app.Path_Project.parent_path(), app.Path_Projects, error))
        return true;
    for (const std::filesystem::path* file : {&app.File_ParGen, &app.File_NMEA_0183_Set_Access,
                                              &app.File_MQTT_Set_Topic, &app.File_EtherCAT_Slave})
        if (std::filesystem::is_regular_file(*file, error))
            return true;
    return false;
}

void Open_Project_Folder(Application& app, const std::filesystem::path& folder) {
    const std::filesystem::path named = folder.has_filename() ? folder : folder.parent_path();
    app.Name_Project = utf8_path(named.filename());
    app.Path_Project = named;
    Set_Files(app);
}

} // namespace cfg
