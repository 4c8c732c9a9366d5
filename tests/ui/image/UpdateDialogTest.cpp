#include "core/image/DeviceTest.h"
#include "support/TempDir.h"
#include "ui/image/TFBoot.h"
#include "ui/image/UpdateDevice.h"
#include "ui/platform/IcmpEcho.h"
#include "ui/platform/ProgramStarter.h"
#include "ui/platform/QtProgramStarter.h"
#include "ui/platform/SocketIcmpEcho.h"
#include "ui/platform/TestScripts.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <vector>

namespace fs = std::filesystem;
using cfg::image::Echo_Outcome;
using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::test::child;
using ui::test::write_script;

namespace {

// A device that gives the scripted outcomes, the last one for ever after; it is never on a network.
class FakeEcho : public ui::IcmpEcho {
public:
    std::vector<Echo_Outcome> outcomes{Echo_Outcome::Reply};
    QStringList targets;
    int data_size = 0;
    int timeout_ms = 0;

    Echo_Outcome echo(const std::string& address, int size, int timeout) override {
        targets.append(QString::fromStdString(address));
        data_size = size;
        timeout_ms = timeout;
        return outcomes[std::min(static_cast<std::size_t>(targets.size()), outcomes.size()) - 1];
    }
};

// Records each start with the job file as it was at that moment.
class FakeStarter : public ui::ProgramStarter {
public:
    struct Start {
        fs::path program;
        QString parameter;
        int tipo;
        std::string job;
    };
    std::vector<Start> starts;
    fs::path job_file;

    ui::Start_Outcome Start_Program(const fs::path& NomeSW, const QString& Parameter,
                                    std::uint8_t tipo) override {
        starts.push_back({NomeSW, Parameter, tipo, fs::exists(job_file) ? read_bytes(job_file) : ""});
        return ui::Start_Outcome::Ended;
    }
};

} // namespace

class UpdateDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    FakeEcho echo_;
    FakeStarter starter_;
    std::unique_ptr<ui::QtProgramStarter> real_starter_;
    std::unique_ptr<ui::TFBoot> dialog_;

    fs::path job_file() const { return app_->Path_Exe / "Ethernet_Update.xml"; }

    void create(ui::ProgramStarter* starter = nullptr, ui::IcmpEcho* echo = nullptr) {
        const ui::Boot_Services services{echo ? *echo : echo_, starter ? *starter : starter_,
                                         program_->dir.path() / "dev"};
        dialog_ = std::make_unique<ui::TFBoot>(*app_, services, nullptr);
    }

    void open(int Form_Type = ui::TFBoot::Ethernet_Update) {
        if (!dialog_)
            create();
        dialog_->Form_Type = Form_Type;
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    QLineEdit* field(int n) const {
        return child<QLineEdit>(dialog_.get(), ("E_IP" + std::to_string(n)).c_str());
    }
    QStringList fields() const {
        return {field(1)->text(), field(2)->text(), field(3)->text(), field(4)->text()};
    }
    void type_address(const QStringList& parts) {
        for (int n = 1; n <= 4; ++n)
            field(n)->setText(parts[n - 1]);
    }
    QComboBox* options() const { return child<QComboBox>(dialog_.get(), "CB_Update_Options"); }
    QCheckBox* read_back() const { return child<QCheckBox>(dialog_.get(), "CB_Update_Option_Read_Back"); }
    void press_update() {
        QTest::mouseClick(child<QPushButton>(dialog_.get(), "Btn_Update"), Qt::LeftButton);
    }
    bool shown(const char* panel) const { return child(dialog_.get(), panel)->isVisible(); }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
        echo_ = FakeEcho{};
        starter_ = FakeStarter{};
        starter_.job_file = job_file();
        // What the job names: the firmware image and the compiled banks.
        write_bytes(app_->Path_Master / "Sim52C40.sim", "firmware");
        for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
            write_bytes(app_->Path_Project / "bin" / bank, "bank");
    }

    void cleanup() {
        dialog_.reset();
        real_starter_.reset();
        program_.reset();
    }

    void opensOverEthernetWithTheStoredAddress() {
        open();
        QCOMPARE(dialog_->windowTitle(), QString("Update Device by Ethernet (UDP)"));
        QCOMPARE(child<QLabel>(dialog_.get(), "L_SW_Code")->text(), QString("SW52C40"));
        QCOMPARE(child<QLabel>(dialog_.get(), "L_SW_Desc")->text(),
                 QString("Update Device Using the Ethernet Port"));
        QVERIFY(shown("P_IP_Address") && shown("P_Options"));
        QVERIFY(!shown("P_Eth_Search") && !shown("P_Serial"));
        QCOMPARE(dialog_->width(), 449);
        QCOMPARE(fields(), (QStringList{"192", "168", "2", "205"}));
        QCOMPARE(field(3)->toolTip(), QString("Insert third byte of IP Address"));
        QCOMPARE(options()->count(), 3);
        QCOMPARE(options()->itemText(2), QString("Configuration"));
        QCOMPARE(options()->currentText(), QString("Firmware + Configuration"));
        QVERIFY(read_back()->isChecked());
        QCOMPARE(child<QPushButton>(dialog_.get(), "Btn_Update")->text(), QString("Execute Update Firmware"));
        QTRY_COMPARE(QApplication::focusWidget(), field(1));
    }

    void anUnusableStoredAddressLeavesTheFieldsAsTheyAre() {
        app_->App_Settings.Last_IP_Address = "192.168.2.256";
        open();
        QCOMPARE(fields(), QStringList(4, "0"));
        type_address({"10", "1", "x", "7"});
        dialog_->reject();
        app_->App_Settings.Last_IP_Address = "";
        open();
        QCOMPARE(fields(), (QStringList{"10", "1", "x", "7"}));
    }

    void theDotKeyMovesToTheNextFieldAndIsNeverEntered() {
        open();
        type_address(QStringList(4, ""));
        field(1)->setFocus();
        for (const char key : std::string("192.168.1.7.")) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::keyClick(focused, key);
        }
        QCOMPARE(fields(), (QStringList{"192", "168", "1", "7"}));
        QCOMPARE(QApplication::focusWidget(), field(4));
    }

    // Nothing is sent when an option names a file that is not there; an option without it goes on.
    void aMissingFirmwareImageStopsOnlyTheOptionsThatWriteIt() {
        fs::remove(app_->Path_Master / "Sim52C40.sim");
        open();
        for (int option : {0, 1}) {
            options()->setCurrentIndex(option);
            press_update();
            QCOMPARE(ui::MessageService::shownTexts().last(),
                     "The update was not started: a file it would write into the device is missing: " +
                         ui::qt_path(app_->Path_Master / "Sim52C40.sim"));
        }
        QVERIFY(echo_.targets.isEmpty());
        QVERIFY(starter_.starts.empty());
        QVERIFY(!fs::exists(job_file()));

        options()->setCurrentIndex(2);
        press_update();
        QCOMPARE(starter_.starts.size(), std::size_t{1});
    }

    void aDeviceThatAnswersGetsTheJobAndTheUpdater() {
        open();
        type_address({"10", "0", "002", "7"});
        options()->setCurrentIndex(2);
        read_back()->setChecked(false);
        press_update();

        QCOMPARE(echo_.targets, QStringList(2, "10.0.002.7"));
        QCOMPARE(echo_.data_size, 1024);
        QCOMPARE(echo_.timeout_ms, 400);
        QCOMPARE(starter_.starts.size(), std::size_t{1});
        QCOMPARE(starter_.starts[0].program, app_->Path_Exe / "Ethernet_Update");
        QVERIFY(starter_.starts[0].parameter.isEmpty());
        QCOMPARE(starter_.starts[0].tipo, 0);
        // The job is in place, with the address as typed, before the updater starts.
        const std::string& job = starter_.starts[0].job;
        QVERIFY(job.find("<IP_Address_Dev>10.0.002.7</IP_Address_Dev>") != std::string::npos);
        QVERIFY(job.find("bank1.bin") != std::string::npos && job.find("Sim52C40.sim") == std::string::npos);
        QVERIFY(job.find("<Ope_Read_Back>1</Ope_Read_Back>") == std::string::npos);
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("10.0.002.7"));
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->ping_res, cfg::image::Ping_Answered);

        // The choices last while the program runs, not beyond.
        dialog_->reject();
        open();
        QCOMPARE(options()->currentText(), QString("Configuration"));
        QVERIFY(!read_back()->isChecked());
        QCOMPARE(fields(), (QStringList{"10", "0", "002", "7"}));
        dialog_.reset();
        open();
        QCOMPARE(options()->currentIndex(), 0);
        QVERIFY(read_back()->isChecked());
    }

    void aSilentDeviceIsReportedAfterFiveSecondsAndNothingChanges() {
        echo_.outcomes = {Echo_Outcome::No_Reply};
        open();
        type_address({"10", "0", "0", "7"});
        options()->setCurrentIndex(1);
        QElapsedTimer clock;
        clock.start();
        press_update();
        QVERIFY(clock.elapsed() >= 5000);
        QVERIFY(echo_.targets.size() > 2);
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{"Device Not Found!"});
        QCOMPARE(dialog_->ping_res, cfg::image::Ping_No_Answer);
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("192.168.2.205"));
        QCOMPARE(dialog_->Update_Option_Index, 0);
        QVERIFY(!fs::exists(job_file()));
        QVERIFY(starter_.starts.empty());
        QVERIFY(dialog_->isVisible());
    }

    // The real echo refuses these before any socket is opened, so nothing is sent.
    void anAddressThatIsNoIpv4AddressIsAnError() {
        ui::SocketIcmpEcho real_echo;
        create(nullptr, &real_echo);
        open();
        for (const QStringList& address :
             {QStringList{"192", "168", "a", "1"}, QStringList{"192", "168", "1", "256"},
              QStringList{"", "168", "1", "1"}}) {
            type_address(address);
            press_update();
        }
        QCOMPARE(ui::MessageService::shownTexts(), QStringList(3, "Error!!! Check the Ip Address"));
        QCOMPARE(dialog_->ping_res, cfg::image::Ping_None);
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("192.168.2.205"));
        QVERIFY(!fs::exists(job_file()));
        QVERIFY(starter_.starts.empty());
    }

    void aJobThatCannotBeWrittenIsReportedAndTheUpdaterStaysAway() {
        fs::create_directories(job_file() / "in the way");
        open();
        type_address({"10", "0", "0", "7"});
        press_update();
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts()[0].contains("Ethernet_Update.xml"));
        QVERIFY(starter_.starts.empty());
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("10.0.0.7"));
        QVERIFY(dialog_->isVisible());
    }

    void theUpdaterRunsBesideTheJobWithoutParameters() {
        const fs::path record = app_->Path_Exe / "record.txt";
        write_script(app_->Path_Exe / "Ethernet_Update",
                     "{ echo \"$#\"; pwd; cat Ethernet_Update.xml; } > '" + record.string() + "'\n");
        real_starter_ = std::make_unique<ui::QtProgramStarter>();
        create(real_starter_.get());
        open();
        type_address({"10", "0", "0", "7"});
        press_update();
        const std::string recorded = read_bytes(record);
        QVERIFY(recorded.starts_with("0\n" + fs::canonical(app_->Path_Exe).string() + "\n<Ethernet_Update>"));
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
    }

    void aMissingUpdaterEndsTheActionWithoutAMessage() {
        real_starter_ = std::make_unique<ui::QtProgramStarter>();
        create(real_starter_.get());
        open();
        press_update();
        QVERIFY(fs::exists(job_file()));
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(dialog_->isVisible());
    }

    void anUpdaterThatOutlastsTheWaitGoesOnWhileTheDialogReturns() {
        const fs::path done = app_->Path_Exe / "done";
        write_script(app_->Path_Exe / "Ethernet_Update", "sleep 1\ntouch '" + done.string() + "'\n");
        real_starter_ = std::make_unique<ui::QtProgramStarter>(100);
        create(real_starter_.get());
        open();
        press_update();
        QVERIFY(!fs::exists(done));
        QVERIFY(dialog_->isVisible());
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(done), 10000);
    }

    void aSecondPressDuringTheDeviceTestIsIgnored() {
        open();
        QTimer::singleShot(0, dialog_.get(), [this] {
            QVERIFY(!child<QPushButton>(dialog_.get(), "Btn_Update")->isEnabled());
            dialog_->Btn_UpdateClick();
        });
        press_update();
        QCOMPARE(echo_.targets.size(), 2);
        QCOMPARE(starter_.starts.size(), std::size_t{1});
        QVERIFY(child<QPushButton>(dialog_.get(), "Btn_Update")->isEnabled());
    }

    void closingTheDialogDuringTheDeviceTestGivesUpTheUpdate() {
        open();
        QTimer::singleShot(0, dialog_.get(), [this] { dialog_->reject(); });
        press_update();
        QCOMPARE(echo_.targets.size(), 1);
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(!fs::exists(job_file()));
        QVERIFY(starter_.starts.empty());
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("192.168.2.205"));
    }

    void theSerialAndUsbModesListThePortsAndOnlyRememberTheChoices() {
        for (const char* device : {"ttyS0", "ttyS4"})
            write_bytes(program_->dir.path() / "dev" / device, "");
        const struct {
            int Form_Type;
            const char* title;
            const char* description;
            const char* label;
        } modes[] = {{ui::TFBoot::Serial_Update, "Update Device by Serial",
                      "Update Device Using the Serial Port", "Select the COM Port for the Update"},
                     {ui::TFBoot::Usb_Update, "Update Device by USB", "Update Device Using the USB Port",
                      "Select the COM Port (USB) for the Update"}};
        for (const auto& mode : modes) {
            dialog_.reset();
            open(mode.Form_Type);
            QCOMPARE(dialog_->windowTitle(), QString(mode.title));
            QCOMPARE(child<QLabel>(dialog_.get(), "L_SW_Desc")->text(), QString(mode.description));
            QCOMPARE(child<QLabel>(dialog_.get(), "L_COM_Port")->text(), QString(mode.label));
            QVERIFY(shown("P_Serial") && shown("P_Options") && !shown("P_IP_Address"));
            auto* ports = child<QComboBox>(dialog_.get(), "CB_COM_Port");
            QCOMPARE(ports->count(), 2);
            QCOMPARE(ports->currentText(), QString("COM1"));
            QCOMPARE(ports->itemText(1), QString("COM5"));
            QTRY_COMPARE(QApplication::focusWidget(), ports);

            options()->setCurrentIndex(1);
            read_back()->setChecked(false);
            press_update();
            QCOMPARE(dialog_->Update_Option_Index, 1);
            QVERIFY(!dialog_->Update_Read_Back);
        }
        QVERIFY(echo_.targets.isEmpty());
        QVERIFY(!fs::exists(job_file()));
        QVERIFY(starter_.starts.empty());
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("192.168.2.205"));
    }

    void updateDeviceWritesTheBanksAndOpensTheDialogOverEthernet() {
        create();
        dialog_->Form_Type = ui::TFBoot::Serial_Update;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() == dialog_.get());
            opened = true;
            QCOMPARE(dialog_->Form_Type, ui::TFBoot::Ethernet_Update);
            QVERIFY(shown("P_IP_Address"));
            dialog_->reject();
        });
        ui::Update_Device(*app_, *dialog_, nullptr);
        QVERIFY(opened);
        for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
            QVERIFY(fs::file_size(app_->Path_Project / "bin" / bank) > 0);
        QVERIFY(!fs::exists(job_file()));
    }

    void aFailedCompileIsReportedAndTheDialogStaysClosed() {
        fs::remove_all(app_->Path_Project / "bin");
        write_bytes(app_->File_ParGen, "<Par_Gen><unclosed>");
        // The dialog as the main window makes it, with the real echo and start: nothing is sent here.
        dialog_ = std::make_unique<ui::TFBoot>(*app_, nullptr);
        bool opened = false;
        // Closes the dialog should it open; dies with the test when it does not.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            opened = QApplication::activeModalWidget() != nullptr;
            if (opened)
                QApplication::activeModalWidget()->close();
        });
        guard.start(0);
        ui::Update_Device(*app_, *dialog_, nullptr);
        QVERIFY(!opened);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(!fs::exists(app_->Path_Project / "bin" / "bank1.bin"));
    }
};

QTEST_MAIN(UpdateDialogTest)
#include "UpdateDialogTest.moc"
