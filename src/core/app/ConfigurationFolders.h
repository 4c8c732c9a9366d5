#pragma once

#include "core/app/Application.h"
#include "core/lang/NewConfigurationTexts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// Why a new configuration was not made: the refusal's text (105, 106 or 107), and the message the
// user reads, which for 105 says on a line of its own what is wrong with the name.
struct Name_Refusal {
    int text;
    std::string message;
};

// Creates the configuration `name` (taken as typed, not trimmed) with its empty "bin" folder and
// makes it active. Returns the refusal instead, changing nothing: 107 for an empty name, 106 when
// the folder exists, 105 when the name breaks a rule of New_Name_Fault or the folder cannot be made
// under it.
std::optional<Name_Refusal> Create_New_Project(Application& app, const std::string& name);

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

// Whether the active configuration's folder is a configuration: a folder directly in PROJECTS, or
// one that holds at least one of the configuration's files. Any other folder (the home folder, a
// mistyped path) is none, and nothing may be written into it as if it were.
bool Is_Configuration_Folder(const Application& app);

// Makes a configuration folder anywhere, not only under PROJECTS, the active configuration, named
// after its last component, so that its files can be checked and compiled where they lie.
void Open_Project_Folder(Application& app, const std::filesystem::path& folder);

} // namespace cfg
