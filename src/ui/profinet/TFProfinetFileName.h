#pragma once

#include "core/profinet/GsdmlFileName.h"
#include "ui/widgets/ScreenDialog.h"

#include <chrono>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace cfg {
struct Application;
}

namespace ui {

class TitlePanel;

// "PROFINET XML File Name" of the PROFINET models: the GSDML file name from a fixed prefix, the
// user's part and the date the program started. The user part stays between openings.
class TFProfinetFileName : public ScreenDialog {
    Q_OBJECT
public:
    // Takes today's date: the window is made once, at start-up.
    TFProfinetFileName(cfg::Application& app, QWidget* parent);
    TFProfinetFileName(cfg::Application& app, QWidget* parent, std::chrono::year_month_day creation_date);

    void Set_Lang() override;
    void Btn_OK_Click();

    // The name composed by the last OK.
    const std::string& Name_File_XML() const { return Name_File_XML_; }

protected:
    void opened() override;

private:
    cfg::Application& app_;
    cfg::profinet::GsdmlFileName file_name_;
    std::string Name_File_XML_;
    TitlePanel* title_;
    QLabel* L_Select_Name;
    QLabel* L_FixPart_1;
    QLabel* L_UsedPart;
    QLabel* L_FixPart_2;
    QLabel* L_XML_Fix1;
    QLineEdit* E_XML_User;
    QLabel* L_XML_Fix2;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace ui
