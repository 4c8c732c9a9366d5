#pragma once

#include "ui/widgets/Screen.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace cfg {
struct Application;
class HttpClient;
} // namespace cfg

namespace ui {

class BackgroundVersionCheck;
class TFAbout;
class TFBoot;
class TFNew_Project;
class TFOpenConf;
class TFSoftOptions;
class TFNMEA_0183_Set_Access2;
class TFEtherCATSlave;
class TFMQTT_Set_Topic;
class TFParGen;
class TFProfinetFileName;
class TFNMEA_0183_Set_Access;

// The main window: the numbered steps of a configuration, the active configuration's name, the
// options, About and close buttons. Every other window is a modal dialog opened from here.
class TFMorvelFirmWare : public QWidget, public Screen {
    Q_OBJECT
public:
    TFMorvelFirmWare(cfg::Application& app, cfg::HttpClient& http);
    ~TFMorvelFirmWare() override;

    void Set_Lang() override;
    // Puts the current texts on every window, in the order the windows were created.
    void Change_Language();

    QTimer& Timer_Update() { return timer_update_; }
    // The main window and every dialog, in the order they were created.
    std::vector<QWidget*> windows() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What a button of the window does, and whether it needs an active configuration for it.
    struct Button_Action {
        std::function<void()> run;
        bool needs_configuration = true;
    };
    // A dialog kept with the main window's windows, in the order they were created.
    template <typename Dialog> Dialog* keep(Dialog* window);

    void build_view();
    QPushButton* step_button(const char* name, int left, int top, Button_Action action);
    void place_step_buttons();
    void Btn_Click(const Button_Action& action);
    void Create_New_Project();
    void Open_Project();
    void Show_Options();
    void show_name_labels();
    void switch_timer();
    void Timer_UpdateTimer();
    void Version_Checked(bool newer_version_available);

    cfg::Application& app_;
    cfg::HttpClient& http_;
    QTimer timer_update_;
    BackgroundVersionCheck* version_check_;

    QLabel* L_Begin = nullptr;
    QLabel* L_Name_Conf = nullptr;
    QLabel* L_Name_Conf_L2 = nullptr;
    QLabel* LL_Update = nullptr;
    std::vector<QLabel*> L_Step;
    QPushButton* Btn_Info = nullptr;
    QPushButton* Btn_Opz = nullptr;
    QPushButton* Btn_Close = nullptr;
    QPushButton* Btn_New = nullptr;
    QPushButton* Btn_Open = nullptr;
    QPushButton* Btn_Prm_Gen = nullptr;
    QPushButton* Btn_NMEA0183_Access = nullptr;
    QPushButton* Btn_EtherCAT_Set_Access = nullptr;
    QPushButton* Btn_EtherCAT_ESI_File = nullptr;
    QPushButton* Btn_CreateBin = nullptr;
    QPushButton* Btn_PROFINET_XML = nullptr;
    QPushButton* Btn_PROFINET_Map = nullptr;
    QPushButton* Btn_MQTT_Set_Topic = nullptr;
    QPushButton* Btn_Report = nullptr;
    QPushButton* Btn_Compare = nullptr;

    // The dialogs, created once each after the main window, in this order.
    TFNew_Project* new_project_ = nullptr;
    TFOpenConf* open_conf_ = nullptr;
    TFSoftOptions* soft_options_ = nullptr;
    TFAbout* about_ = nullptr;
    TFParGen* par_gen_ = nullptr;
    TFNMEA_0183_Set_Access* legacy_sentences_ = nullptr;
    TFProfinetFileName* profinet_file_name_ = nullptr;
    TFBoot* boot_ = nullptr;
    TFNMEA_0183_Set_Access2* nmea_listener_ = nullptr;
    TFMQTT_Set_Topic* mqtt_set_topic_ = nullptr;
    TFEtherCATSlave* ethercat_slave_ = nullptr;
    // The main window and every dialog, each with its texts from the catalogue, in the order they
    // were created, which is the order Change_Language serves them.
    struct Window {
        QWidget* widget;
        Screen* screen;
    };
    std::vector<Window> windows_;
};

} // namespace ui
