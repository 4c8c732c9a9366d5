#pragma once

#include "core/common/Table.h"
#include "core/image/DeviceTest.h"
#include "core/image/UpdateSequence.h"
#include "ui/widgets/ScreenDialog.h"

#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

class GridView;
class TableGridModel;
class TitlePanel;
class UpdateRun;
class UpdateStatus;

// What the update dialog reaches outside the program through: the device test's echo, the
// system's ping where the echo may not be sent, the start of the updater (and how long it is
// waited for), and the folder whose serial devices make the COM port list.
struct Boot_Services {
    cfg::image::Echo_Client& echo;
    cfg::image::Program_Runner& ping;
    cfg::image::Program_Runner& updater;
    std::filesystem::path serial_devices = "/dev";
    std::int64_t updater_wait_limit_ms = cfg::image::Updater_Wait_Limit_Ms;
    std::filesystem::path windows_launcher{}; // runs a Windows build of the maker's updater
};

// Step 6, the update dialog: the device's address, what to write and whether to read it back;
// "Execute Update Firmware" runs the update (the device test, the updater's job, the updater, or for
// a check only the check program in its place) on a worker while the dialog shows what it is doing
// with its controls locked, then says how it ended.
class TFBoot : public ScreenDialog {
    Q_OBJECT
public:
    // Form_Type: update over a serial line, over Ethernet (UDP), over USB.
    static constexpr int Serial_Update = 0;
    static constexpr int Ethernet_Update = 1;
    static constexpr int Usb_Update = 2;

    // With the real ICMP echo and program start.
    TFBoot(cfg::Application& app, QWidget* parent);
    ~TFBoot() override;
    TFBoot(cfg::Application& app, const Boot_Services& services, QWidget* parent);

    int Form_Type = Ethernet_Update;
    int ping_res = cfg::image::Ping_None;
    // The last update option and read-back choice: kept while the program runs, never stored.
    int Update_Option_Index = 0;
    bool Update_Read_Back = true;

    void Set_Lang() override;
    void FormShow();
    // Does nothing while an update runs: one at a time, and nothing is kept for later.
    void Btn_UpdateClick();
    // Gives the device test up. Refused once the device has answered: the updater writes the device
    // and the dialog is where its end will be told.
    void reject() override;

protected:
    void opened() override;

private:
    struct Owned_Services;
    TFBoot(cfg::Application& app, std::unique_ptr<Owned_Services> owned, QWidget* parent);

    void build_view();
    QWidget* build_search_panel();
    QWidget* build_address_panel();
    QWidget* build_serial_panel();
    QWidget* build_options_panel();
    void Btn_COM_ListClick();
    std::string typed_address() const;
    void connect_run();
    void lock_controls(bool locked);
    void remember(const cfg::image::Update_Request& request);
    void show_outcome(const cfg::image::Update_Result& result);
    void show_failure(const std::exception_ptr& error);
    void show_late_outcome(const cfg::image::Update_Result& result);
    void show_esi_notice();
    bool updater_running() const;
    void fit_height();

    cfg::Application& app_;
    std::unique_ptr<Owned_Services> owned_;
    Boot_Services services_;
    // After the services it uses, so that its worker has ended before they go.
    std::unique_ptr<UpdateRun> run_;
    bool late_outcome_unread_ = false;
    std::shared_ptr<cfg::Table> devices_;

    TitlePanel* title_ = nullptr;
    QLabel* L_ESI_Notice = nullptr;
    QWidget* P_Eth_Search = nullptr;
    QLabel* L_List_Devices = nullptr;
    QPushButton* Btn_Search = nullptr;
    GridView* ACG_List_Devices = nullptr;
    TableGridModel* devices_model_ = nullptr;
    QCheckBox* CB_Find_All_Brimlow = nullptr;
    QWidget* P_IP_Address = nullptr;
    QLabel* L_IP_Address = nullptr;
    std::array<QLineEdit*, 4> E_IP{};
    QWidget* P_Serial = nullptr;
    QLabel* L_COM_Port = nullptr;
    QComboBox* CB_COM_Port = nullptr;
    QPushButton* Btn_COM_List = nullptr;
    QWidget* P_Options = nullptr;
    QLabel* L_Update_Option = nullptr;
    QComboBox* CB_Update_Options = nullptr;
    QCheckBox* CB_Update_Option_Read_Back = nullptr;
    QCheckBox* CB_Check_Only = nullptr;
    UpdateStatus* status_ = nullptr;
    QPushButton* Btn_Update = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace ui
