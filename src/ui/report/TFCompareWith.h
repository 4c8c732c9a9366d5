#pragma once

#include "core/report/ConfigurationDiff.h"
#include "ui/widgets/ScreenDialog.h"

#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace cfg {
struct Application;
}

namespace ui {

class TitlePanel;

// "Compare with…": picks what the opened configuration is compared with, one of the configurations
// the open dialog lists, or a folder of bank files alone.
class TFCompareWith : public ScreenDialog {
    Q_OBJECT
public:
    TFCompareWith(const cfg::Application& app, QWidget* parent);

    void Set_Lang() override;
    // What was picked, once the dialog is accepted, and how the comparison names it.
    const cfg::report::Compared_Folder& chosen() const { return chosen_; }
    const QString& chosen_name() const { return chosen_name_; }

protected:
    void opened() override;

private:
    void choose_configuration();
    void choose_bank_folder();

    const cfg::Application& app_;
    cfg::report::Compared_Folder chosen_;
    QString chosen_name_;
    TitlePanel* title_;
    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* Btn_Bank_Folder;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace ui
