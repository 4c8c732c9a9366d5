#pragma once

#include "ui/widgets/ScreenDialog.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace cfg {
struct Application;
class HttpClient;
} // namespace cfg

namespace ui {

class BackgroundVersionCheck;

class ClickableLabel;
class TitlePanel;

// The software options: the language, the Internet connection and version check, and the two
// table-editing options. The choices reach the settings only on OK; a picked language shows at once.
class TFSoftOptions : public ScreenDialog {
    Q_OBJECT
public:
    TFSoftOptions(cfg::Application& app, cfg::HttpClient& http, std::function<void()> change_language,
                  QWidget* parent);

    void Set_Lang() override;

protected:
    void opened() override;

private:
    struct LanguageSlot {
        ClickableLabel* image = nullptr; // I_L1 .. I_L6
        ClickableLabel* name = nullptr;  // L_L1 .. L_L6
    };

    QWidget* build_language_tab();
    QWidget* build_connection_tab();
    QWidget* build_settings_tab();
    void Update_Lang_Page(int Num_Page);
    void LangClick(int slot);
    void Update_CheckBox();
    void Btn_Check_UpdateClick();
    void Version_Checked(bool newer_version_available);
    void Btn_OKClick();

    cfg::Application& app_;
    BackgroundVersionCheck* version_check_;
    std::function<void()> change_language_;

    std::vector<std::string> SL_Languages;
    int Show_Page = 0; // 0 until the list was built
    std::string Language_In_Use;

    TitlePanel* title_;
    QTabWidget* PC_Options;
    QLabel* L_Sel_Lang;
    std::array<LanguageSlot, 6> slots_;
    QPushButton* Btn_Prev;
    QPushButton* Btn_Next;
    QLabel* L_Page_Lang;
    QCheckBox* CB_En_Con;
    QCheckBox* CB_Update;
    QPushButton* Btn_Check_Update;
    QLabel* LL_Check_Update;
    QCheckBox* CB_Soft_Set_Jump_Table;
    QCheckBox* CB_DoubleClick_Auto_Size;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace ui
