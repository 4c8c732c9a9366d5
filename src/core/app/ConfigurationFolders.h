#pragma once

#include "core/app/Application.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// Texts of the refusals of a new configuration.
inline constexpr int Name_Not_Creatable_Text = 105;
inline constexpr int Name_Exists_Text = 106;
inline constexpr int Name_Empty_Text = 107;

// Creates the configuration `name` (taken as typed, not trimmed) with its empty "bin" folder and
// makes it active. Returns the text of the refusal instead, changing nothing: 107 for an empty
// name, 106 when the folder exists, 105 when it cannot be created or the name is not a plain
// folder name.
std::optional<int> Create_New_Project(Application& app, const std::string& name);

// The configurations: the folders directly under PROJECTS, hidden ones left out, sorted.
std::vector<std::string> Load_Existing_Configuration(const std::filesystem::path& Path_Projects);

// The index of the first entry equal to snc with ASCII letters compared regardless of case, or -1.
int Search_Open_Conf(const std::vector<std::string>& SL, std::string_view snc);

// The open dialog's list. It lives as long as the dialog, so Name_Conf survives from one showing
// to the next.
struct Open_Conf_State {
    std::vector<std::string> SL;
    std::string Name_Conf;
    int selected = -1; // the selected entry of the list, -1 for none

    // Rebuilds the list and selects the active configuration, else the first entry. With an empty
    // list nothing is selected and Name_Conf keeps its value.
    void FormShow(const Application& app);
    void ListBox1Click(int index);
};

// Makes Name_Conf the active configuration; an empty name leaves none active. The folder is
// opened by name, whether or not it still exists.
void Open_Project(Application& app, const std::string& Name_Conf);

// Makes a configuration folder anywhere, not only under PROJECTS, the active configuration, named
// after its last component, so that its files can be checked and compiled where they lie.
void Open_Project_Folder(Application& app, const std::filesystem::path& folder);

} // namespace cfg
