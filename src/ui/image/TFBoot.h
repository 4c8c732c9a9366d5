#pragma once

#include "core/common/Table.h"
#include "core/image/DeviceTest.h"
#include "ui/widgets/ScreenDialog.h"

#include <array>
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
class IcmpEcho;
class ProgramStarter;
class TableGridModel;
class TitlePanel;

// What the update dialog reaches outside the program through: the device test's echo, the start
// of the updater, and the folder whose serial devices make the COM port list.
struct Boot_Services {
    IcmpEcho& echo;
    ProgramStarter& starter;
    std::filesystem::path serial_devices = "/dev";
};

// Step 6, the update dialog: the device's address, what to write and whether to read it back;
// "Execute Update Firmware" tests the device, writes the updater's job and starts the updater.
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
    void Btn_UpdateClick();
    bool Send_Ping();
    void Compile_XML_Parameter_New_Boot();

protected:
    void opened() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Owned_Services;
    TFBoot(cfg::Application& app, std::unique_ptr<Owned_Services> owned, QWidget* parent);

    void build_view();
    QWidget* build_search_panel();
    QWidget* build_address_panel();
    QWidget* build_serial_panel();
    QWidget* build_options_panel();
    bool KeyPress(QLineEdit* Sender, const QString& Key);
    void Btn_COM_ListClick();
    std::string typed_address() const;
    void run_update();

    cfg::Application& app_;
    std::unique_ptr<Owned_Services> owned_;
    Boot_Services services_;
    bool updating_ = false;
    std::shared_ptr<cfg::Table> devices_;

    TitlePanel* title_ = nullptr;
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
    QPushButton* Btn_Update = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace ui
