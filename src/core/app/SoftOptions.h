#pragma once

#include "core/app/AppSettings.h"
#include "core/lang/LangStrings.h"
#include "core/lang/Language.h"

#include <filesystem>
#include <string>

namespace cfg {

// The choices of the options dialog while it is open; they reach App_Settings only on OK.
struct Soft_Options_Choices {
    std::string Language_In_Use;
    bool CB_En_Con = false;
    bool CB_Update = false;
    bool CB_Soft_Set_Jump_Table = false;
    bool CB_DoubleClick_Auto_Size = false;
};

// The choices as the dialog shows them when it opens.
Soft_Options_Choices Soft_Options_From_Settings(const App_Settings& settings);

// OK: the choices become the settings. The update flag is taken as checked even while its box is
// disabled.
void Commit_Soft_Options(App_Settings& settings, const Soft_Options_Choices& choices);

// Which connection controls the user may use.
struct Connection_Controls {
    bool CB_Update_enabled = false;
    bool Btn_Check_Update_enabled = false;
};

Connection_Controls Update_CheckBox(bool CB_En_Con_checked, bool CB_Update_checked);

// A language picked in the dialog: its texts apply at once, while Language_Name keeps the old name
// until OK (a picked language whose file has vanished gives the English texts).
void Load_Picked_Language(Lang_Strings& texts, const Language_Folders& folders, const std::string& name);

} // namespace cfg
