#include "core/app/SoftOptions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;

TEST(SoftOptions, UpdateCheckBoxEnablesTheCheckOnlyWithBothBoxesChecked) {
    struct Case {
        bool en_con;
        bool update;
        bool update_enabled;
        bool check_enabled;
    };
    for (const Case& c : {Case{false, false, false, false}, Case{false, true, false, false},
                          Case{true, false, true, false}, Case{true, true, true, true}}) {
        const cfg::Connection_Controls controls = cfg::Update_CheckBox(c.en_con, c.update);
        EXPECT_EQ(controls.CB_Update_enabled, c.update_enabled) << c.en_con << c.update;
        EXPECT_EQ(controls.Btn_Check_Update_enabled, c.check_enabled) << c.en_con << c.update;
    }
}

TEST(SoftOptions, OkCommitsEveryChoiceAlsoADisabledUpdateBox) {
    cfg::App_Settings settings;
    settings.Last_IP_Address = "10.0.0.7";
    cfg::Soft_Options_Choices choices = cfg::Soft_Options_From_Settings(settings);
    EXPECT_EQ(choices.Language_In_Use, "English");
    EXPECT_FALSE(choices.CB_Update);
    choices.Language_In_Use = "Italiano";
    choices.CB_En_Con = false;
    choices.CB_Update = true;
    choices.CB_DoubleClick_Auto_Size = true;
    cfg::Commit_Soft_Options(settings, choices);
    EXPECT_EQ(settings.Language_Name, "Italiano");
    EXPECT_FALSE(settings.enable_internet);
    EXPECT_TRUE(settings.enable_update);
    EXPECT_FALSE(settings.enable_jump_field_tables);
    EXPECT_TRUE(settings.Double_Click_Auto_Size);
    EXPECT_EQ(settings.Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(cfg::Soft_Options_From_Settings(settings).CB_Update, true);
}

TEST(SoftOptions, APickedLanguageChangesTheTextsOnly) {
    TempDir dir;
    write_bytes(dir / "Italiano.lng", "STR15 =Nuova Configurazione\r\n");
    cfg::Lang_Strings texts;
    cfg::Load_Picked_Language(texts, dir.path(), "Italiano");
    EXPECT_EQ(texts[15], "Nuova Configurazione");

    // A picked file that has vanished gives the English texts.
    cfg::Load_Picked_Language(texts, dir.path(), "Deutsch");
    EXPECT_EQ(texts[15], "New Configuration");
}

} // namespace
