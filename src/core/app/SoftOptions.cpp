#include "core/app/SoftOptions.h"

#include "core/lang/Language.h"

namespace cfg {

Soft_Options_Choices Soft_Options_From_Settings(const App_Settings& settings) {
    return {settings.Language_Name, settings.enable_internet, settings.enable_update,
            settings.enable_jump_field_tables, settings.Double_Click_Auto_Size};
}

void Commit_Soft_Options(App_Settings& settings, const Soft_Options_Choices& choices) {
    settings.Language_Name = choices.Language_In_Use;
    settings.enable_internet = choices.CB_En_Con;
    settings.enable_update = choices.CB_Update;
    settings.enable_jump_field_tables = choices.CB_Soft_Set_Jump_Table;
    settings.Double_Click_Auto_Size = choices.CB_DoubleClick_Auto_Size;
}

Connection_Controls Update_CheckBox(bool CB_En_Con_checked, bool CB_Update_checked) {
    Connection_Controls controls;
    controls.CB_Update_enabled = CB_En_Con_checked;
    controls.Btn_Check_Update_enabled = controls.CB_Update_enabled && CB_Update_checked;
    return controls;
}

void Load_Picked_Language(Lang_Strings& texts, const Language_Folders& folders, const std::string& name) {
    std::string Language_Name = name; // the fallback to English must not reach the settings
    Load_Language(texts, folders, Language_Name);
}

} // namespace cfg
