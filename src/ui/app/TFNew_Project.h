#pragma once

#include "ui/widgets/ScreenDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace cfg {
struct Application;
}

namespace ui {

class TitlePanel;

// "Create New Configuration": asks for a name and creates the configuration's folder.
class TFNew_Project : public ScreenDialog {
    Q_OBJECT
public:
    TFNew_Project(cfg::Application& app, QWidget* parent);

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    void opened() override;

private:
    cfg::Application& app_;
    TitlePanel* title_;
    QLabel* Label1;
    QLineEdit* E_New_Proj;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace ui
