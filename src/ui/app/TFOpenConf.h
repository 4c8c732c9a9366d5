#pragma once

#include "core/app/ConfigurationFolders.h"
#include "ui/widgets/ScreenDialog.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace ui {

class TitlePanel;

// "Open Configuration": the configurations under PROJECTS, the active one pre-selected.
class TFOpenConf : public ScreenDialog {
    Q_OBJECT
public:
    TFOpenConf(cfg::Application& app, QWidget* parent);

    void Set_Lang() override;
    // The name the dialog hands back; it survives from one showing to the next.
    const std::string& Name_Conf() const { return state_.Name_Conf; }

protected:
    void opened() override;

private:
    cfg::Application& app_;
    cfg::Open_Conf_State state_;
    TitlePanel* title_;
    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace ui
