#include "core/app/EsiStep.h"
#include "core/image/DeviceTest.h"
#include "platform/ProgramRunner.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"
#include "ui/image/TFBoot.h"
#include "ui/image/UpdateDevice.h"
#include "ui/platform/QtPath.h"
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
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace fs = std::filesystem;
using cfg::image::Echo_Reply;
using cfg::image::Echo_Send;
using cfg::image::Program_State;
using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::test::child;
using ui::test::write_script;

namespace {

const QString Updated = "The update is done: the updater ended without errors.";

} // namespace

class UpdateDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    cfg::test::FakeEcho echo_;
    cfg::test::FakeRunner ping_;
    cfg::test::FakeRunner updater_;
    std::vector<std::string> jobs_; // the job as the updater found it, at each start
    std::unique_ptr<platform::ProgramRunner> real_updater_;
    std::unique_ptr<ui::TFBoot> dialog_;

    fs::path job_file() const { return app_->Path_Exe / "Ethernet_Update.xml"; }
    fs::path updater_file() const { return app_->Path_Exe / "Ethernet_Update"; }

    void create(cfg::image::Program_Runner* updater = nullptr, std::int64_t wait_limit_ms = 150000) {
        const ui::Boot_Services services{echo_, ping_, updater ? *updater : updater_,
                                         program_->dir.path() / "dev", wait_limit_ms};
        dialog_ = std::make_unique<ui::TFBoot>(*app_, services, nullptr);
    }

    // The real program start, with an updater script beside the program.
    void create_with_updater_script(const std::string& body, std::int64_t wait_limit_ms = 150000) {
        write_script(updater_file(), body);
        real_updater_ = std::make_unique<platform::ProgramRunner>();
        create(real_updater_.get(), wait_limit_ms);
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
    QCheckBox* check_only() const { return child<QCheckBox>(dialog_.get(), "CB_Check_Only"); }
    QPushButton* update_button() const { return child<QPushButton>(dialog_.get(), "Btn_Update"); }
    QString status() const {
        return shown("P_Status") ? child<QLabel>(dialog_.get(), "L_Status")->text() : QString();
    }
    QProgressBar* progress() const { return child<QProgressBar>(dialog_.get(), "PB_Progress"); }
    // The update runs on a worker; the dialog takes input again when it has told how it ended.
    void wait_until_the_update_ends() { QTRY_VERIFY_WITH_TIMEOUT(options()->isEnabled(), 20000); }
    void press_update() {
        QTest::mouseClick(update_button(), Qt::LeftButton);
        wait_until_the_update_ends();
    }

    // Presses "Execute Update Firmware" and runs act every 20 ms from the updater's start until the
    // dialog takes input again.
    void press_update_acting_while_the_updater_runs(const std::function<void()>& act) {
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            if (status().startsWith(QString("Updater running \u2026")) && !update_button()->isEnabled())
                act();
        });
        timer.start(20);
        press_update();
    }
    bool shown(const char* panel) const { return child(dialog_.get(), panel)->isVisible(); }

    // A click as the window system delivers it: queued, to be handled whenever events are processed.
    // The returned poster may run on any thread: it touches no widget but to post to it.
    static std::function<void()> click_on(QWidget* widget) {
        const QPointF at = QRectF(widget->rect()).center();
        const QPointF global = widget->mapToGlobal(at);
        return [widget, at, global] {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    widget, new QMouseEvent(type, at, global, Qt::LeftButton,
                                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                            Qt::NoModifier));
        };
    }
    static void post_click(QWidget* widget) { click_on(widget)(); }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
        echo_ = cfg::test::FakeEcho{};
        ping_ = cfg::test::FakeRunner{};
        updater_ = cfg::test::FakeRunner{};
        jobs_.clear();
        updater_.on_start = [this](const cfg::image::Program_Launch&) {
            jobs_.push_back(fs::exists(job_file()) ? read_bytes(job_file()) : "");
        };
        // What the update needs: the firmware image, the compiled banks and an updater.
        write_bytes(app_->Path_Master / "Sim52C40.sim", "firmware");
        for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
            write_bytes(app_->Path_Project / "bin" / bank, "bank");
        write_bytes(updater_file(), "");
    }

    void cleanup() {
        dialog_.reset();
        real_updater_.reset();
        program_.reset();
    }

    void opensOverEthernetWithTheStoredAddress() {
        open();
        QCOMPARE(dialog_->windowTitle(), QString("Update Device by Ethernet (UDP)"));
        QCOMPARE(child<QLabel>(dialog_.get(), "L_SW_Code")->text(), QString("SW52C40"));
        QCOMPARE(child<QLabel>(dialog_.get(), "L_SW_Desc")->text(),
                 QString("Update Device Using the Ethernet Port"));
        QVERIFY(shown("P_IP_Address") && shown("P_Options"));
        QVERIFY(!shown("P_Eth_Search") && !shown("P_Serial") && !shown("P_Status"));
        QCOMPARE(dialog_->width(), 449);
        QCOMPARE(fields(), (QStringList{"192", "168", "2", "205"}));
        QCOMPARE(field(3)->toolTip(), QString("Insert third byte of IP Address"));
        QCOMPARE(options()->count(), 3);
        QCOMPARE(options()->itemText(2), QString("Configuration"));
        QCOMPARE(options()->currentText(), QString("Firmware + Configuration"));
        QVERIFY(read_back()->isChecked());
        QCOMPARE(update_button()->text(), QString("Execute Update Firmware"));
        QTRY_COMPARE(QApplication::focusWidget(), field(1));
    }

    // Before anything is sent the dialog says when the master's ESI file may not match the banks.
    void warnsWhenTheEsiFileIsNotInStepWithTheBanks() {
        open();
        auto* notice = child<QLabel>(dialog_.get(), "L_ESI_Notice");
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(),
                 QString("Warning: no ESI file has been written for this configuration: write it "
                         "(step 5) and import it in the master"));
        dialog_->reject();
        cfg::ethercat::Write_Configuration_ESI(*app_, program_->dir / "ship.xml",
                                               std::chrono::system_clock::now());
        open();
        QVERIFY(!notice->isVisible());
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
        QVERIFY(echo_.targets.empty());
        QVERIFY(updater_.launches.empty());
        QVERIFY(!fs::exists(job_file()));

        options()->setCurrentIndex(2);
        press_update();
        QCOMPARE(updater_.launches.size(), std::size_t{1});
    }

    void aDeviceThatAnswersGetsTheJobAndTheUpdater() {
        open();
        type_address({"10", "0", "002", "7"});
        options()->setCurrentIndex(2);
        read_back()->setChecked(false);
        press_update();

        // The echo goes to the address every system reads alike; the job takes it as typed.
        QCOMPARE(echo_.targets, (std::vector<std::string>(2, "10.0.2.7")));
        QCOMPARE(echo_.data_size, 1024);
        QCOMPARE(updater_.launches.size(), std::size_t{1});
        QCOMPARE(updater_.launches[0].program, updater_file());
        QVERIFY(updater_.launches[0].arguments.empty());
        const std::string& job = jobs_[0];
        QVERIFY(job.find("<IP_Address_Dev>10.0.002.7</IP_Address_Dev>") != std::string::npos);
        QVERIFY(job.find("bank1.bin") != std::string::npos && job.find("Sim52C40.sim") == std::string::npos);
        QVERIFY(job.find("<Ope_Read_Back>1</Ope_Read_Back>") == std::string::npos);
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("10.0.002.7"));
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{Updated});
        QCOMPARE(status(), Updated);
        QVERIFY(!progress()->isVisible());
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->ping_res, cfg::image::Ping_Answered);
        QVERIFY(update_button()->isEnabled() && field(1)->isEnabled());

        // The choices last while the program runs, not beyond.
        dialog_->reject();
        open();
        QVERIFY(!shown("P_Status"));
        QCOMPARE(options()->currentText(), QString("Configuration"));
        QVERIFY(!read_back()->isChecked());
        QCOMPARE(fields(), (QStringList{"10", "0", "002", "7"}));
        dialog_.reset();
        open();
        QCOMPARE(options()->currentIndex(), 0);
        QVERIFY(read_back()->isChecked());
    }

    void aSilentDeviceIsReportedAfterFiveSecondsAndNothingChanges() {
        echo_.replies = {Echo_Reply::Waiting};
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
        QVERIFY(updater_.launches.empty());
        QVERIFY(dialog_->isVisible());
    }

    void anAddressThatIsNoIpv4AddressIsAnError() {
        open();
        for (const QStringList& address :
             {QStringList{"192", "168", "a", "1"}, QStringList{"192", "168", "1", "256"},
              QStringList{"", "168", "1", "1"}}) {
            type_address(address);
            press_update();
        }
        QCOMPARE(ui::MessageService::shownTexts(), QStringList(3, "Error!!! Check the Ip Address"));
        QCOMPARE(dialog_->ping_res, cfg::image::Ping_None);
        QVERIFY(echo_.targets.empty());
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("192.168.2.205"));
        QVERIFY(!fs::exists(job_file()));
    }

    // Where the system lets no ICMP echo out, the system's ping is asked; without it the user is told
    // what to change rather than to check the address.
    void aSystemWithoutIcmpSaysWhatToChange() {
        echo_.sending = Echo_Send::Not_Permitted;
        ping_.starts = false;
        open();
        press_update();
        QCOMPARE(ping_.launches.size(), std::size_t{1});
        QCOMPARE(ping_.launches[0].arguments.back(), std::string("192.168.2.205"));
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts()[0].contains("net.ipv4.ping_group_range"));
        QVERIFY(!fs::exists(job_file()));

        ping_.starts = true;
        press_update();
        QCOMPARE(ui::MessageService::shownTexts().last(), Updated);
    }

    void aJobThatCannotBeWrittenIsReportedAndTheUpdaterStaysAway() {
        fs::create_directories(job_file() / "in the way");
        open();
        type_address({"10", "0", "0", "7"});
        press_update();
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts()[0].contains("Ethernet_Update.xml"));
        QVERIFY(updater_.launches.empty());
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("10.0.0.7"));
        QVERIFY(!shown("P_Status"));
        QVERIFY(dialog_->isVisible());
    }

    void theUpdaterRunsBesideTheJobWithoutParameters() {
        const fs::path record = app_->Path_Exe / "record.txt";
        create_with_updater_script("{ echo \"$#\"; pwd; cat Ethernet_Update.xml; } > '" + record.string() +
                                   "'\n");
        open();
        type_address({"10", "0", "0", "7"});
        press_update();
        const std::string recorded = read_bytes(record);
        QVERIFY(recorded.starts_with("0\n" + fs::canonical(app_->Path_Exe).string() + "\n<Ethernet_Update>"));
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{Updated});
    }

    // Only a started updater that ended with 0 is a success; anything else says what happened.
    void everyUpdaterOutcomeIsTold_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QString() << "The updater was not found. It is expected here: %1";
        QTest::newRow("not executable") << "not executable"
                                        << "The updater could not be started. Check that it is an executable "
                                           "program: %1";
        QTest::newRow("failing")
            << "exit 9\n"
            << "The updater ended with exit code 9: the device may not have been updated.";
    }

    void everyUpdaterOutcomeIsTold() {
        QFETCH(QString, script);
        QFETCH(QString, message);
        if (script.isEmpty()) {
            fs::remove(updater_file());
            real_updater_ = std::make_unique<platform::ProgramRunner>();
            create(real_updater_.get());
        } else if (script == "not executable") {
            write_bytes(updater_file(), "#!/bin/sh\n");
            real_updater_ = std::make_unique<platform::ProgramRunner>();
            create(real_updater_.get());
        } else {
            create_with_updater_script(script.toStdString());
        }
        open();
        press_update();
        const QString expected = message.contains("%1") ? message.arg(ui::qt_path(updater_file())) : message;
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{expected});
        QCOMPARE(status(), expected);
        QCOMPARE(fs::exists(job_file()), !script.isEmpty());
    }

    // A check-only run starts the check program in the updater's place and never says the update is
    // done; the check program found in the updater's place is told for what it is.
    void aCheckIsNeverToldAsAnUpdate_data() {
        QTest::addColumn<bool>("checking");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<QString>("message");
        QTest::newRow("check passed")
            << true << cfg::image::Check_Passed_Exit_Code
            << "The files were checked: every file could go into the device. Nothing was sent to the device.";
        QTest::newRow("check found faults")
            << true << cfg::image::Check_Faults_Exit_Code
            << "The files were checked and faults were found; the check's log names them: %2. Nothing was "
               "sent to the device.";
        QTest::newRow("check program under the maker's name")
            << false << cfg::image::Check_Passed_Exit_Code
            << "The updater found at %1 is the check program, not the maker's updater: the files were "
               "checked, but nothing was sent to the device. Put the maker's updater there in its place.";
    }

    void aCheckIsNeverToldAsAnUpdate() {
        QFETCH(bool, checking);
        QFETCH(int, exit_code);
        QFETCH(QString, message);
        const fs::path check_program = app_->Path_Exe / "configurator-check-update";
        write_bytes(check_program, "");
        updater_.ends_with = cfg::image::Program_Status{Program_State::Exited, exit_code};
        open();
        QCOMPARE(check_only()->text(), QString("Check only: nothing is sent to the device"));
        QVERIFY(!check_only()->isChecked());
        check_only()->setChecked(checking);
        press_update();
        QCOMPARE(updater_.launches.size(), std::size_t{1});
        QCOMPARE(updater_.launches[0].program, checking ? check_program : updater_file());
        QCOMPARE(updater_.launches[0].working_folder, app_->Path_Data);
        QVERIFY(jobs_[0].find("<IP_Address_Dev>192.168.2.205</IP_Address_Dev>") != std::string::npos);
        const QString expected =
            QString(message)
                .replace("%1", ui::qt_path(updater_file()))
                .replace("%2", ui::qt_path(app_->Path_Data / "configurator-check-update.log"));
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{expected});
        QCOMPARE(status(), expected);
        QVERIFY(check_only()->isEnabled() && update_button()->isEnabled());
    }

    // An updater that outlives the wait goes on; no second one starts until it has ended, and then
    // the dialog says how it ended.
    void anUpdaterThatOutlastsTheWaitBlocksTheNextUntilItEnds() {
        const fs::path go_on = app_->Path_Exe / "go on";
        create_with_updater_script("while [ ! -e '" + go_on.string() + "' ]; do sleep 0.05; done\nexit 4\n",
                                   1000);
        open();
        press_update();
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts()[0].startsWith("The updater is still running after "));
        QVERIFY(!update_button()->isEnabled());
        QVERIFY(field(1)->isEnabled());
        fs::remove(job_file());
        dialog_->Btn_UpdateClick();
        wait_until_the_update_ends();
        QCOMPARE(
            ui::MessageService::shownTexts().last(),
            QString(
                "The updater started before is still running: a new update can start when it has ended."));
        QVERIFY(!fs::exists(job_file()));

        write_bytes(go_on, "");
        QTRY_VERIFY_WITH_TIMEOUT(update_button()->isEnabled(), 10000);
        QCOMPARE(status(),
                 QString("The updater ended with exit code 4: the device may not have been updated."));
        QCOMPARE(ui::MessageService::shownTexts().size(), 2);
    }

    // Clicks that arrive while the updater runs are dropped, not kept for later: one update, one
    // start, whatever the user does meanwhile, up to the moment the updater ends.
    void clicksWhileTheUpdaterRunsStartNothingMore() {
        updater_.polls = 10;
        open();
        // Seen on the worker, before the dialog hears of the end.
        updater_.on_end = click_on(update_button());
        bool waited_visibly = false;
        press_update_acting_while_the_updater_runs([&] {
            waited_visibly = waited_visibly || (status().startsWith(QString("Updater running \u2026")) &&
                                                progress()->isVisible() && !update_button()->isEnabled());
            post_click(update_button());
            QTest::keyClick(dialog_.get(), Qt::Key_Space);
        });
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(waited_visibly);
        QCOMPARE(updater_.launches.size(), std::size_t{1});
        QCOMPARE(echo_.targets.size(), std::size_t{2});
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{Updated});
    }

    // The address is read once, before the test: what is tested is what the job names and what is
    // remembered, whatever happens to the fields meanwhile.
    void theTestedAddressIsTheOneWrittenAndRemembered() {
        QElapsedTimer clock;
        clock.start();
        echo_.clock = [&clock] { return clock.elapsed(); };
        echo_.reply_delay_ms = 200;
        open();
        type_address({"127", "0", "0", "1"});
        QTimer::singleShot(50, [this] {
            QVERIFY(status().startsWith(QString("Testing 127.0.0.1 \u2026")));
            QVERIFY(!field(4)->isEnabled() && !options()->isEnabled());
            QTest::keyClicks(field(4), "99x");
            field(4)->setText("99x");
        });
        press_update();
        QCOMPARE(echo_.targets, (std::vector<std::string>(2, "127.0.0.1")));
        QVERIFY(jobs_.at(0).find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>") != std::string::npos);
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("127.0.0.1"));
    }

    // Closing during a pause of the device test ends the update there and then: the close waits
    // for it, nothing more is sent or written, and nothing is told but that it was given up.
    void closingTheDialogDuringTheDeviceTestGivesUpTheUpdate() {
        echo_.replies = {Echo_Reply::Waiting};
        open();
        QTest::mouseClick(update_button(), Qt::LeftButton);
        QTRY_VERIFY(status().startsWith(QString("Testing 192.168.2.205 \u2026")));
        dialog_->close();
        QVERIFY(!dialog_->isVisible());
        // The run has ended within the close; only its end waits to be delivered.
        QCoreApplication::sendPostedEvents();
        QVERIFY(options()->isEnabled() && update_button()->isEnabled());
        QCOMPARE(echo_.targets.size(), std::size_t{1});
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(!shown("P_Status"));
        QVERIFY(!fs::exists(job_file()));
        QVERIFY(updater_.launches.empty());
        QCOMPARE(app_->App_Settings.Last_IP_Address, std::string("192.168.2.205"));
        QCOMPARE(dialog_->ping_res, cfg::image::Ping_None);
    }

    // The updater writes the device, and the dialog is where its end is told.
    void theDialogStaysOpenWhileTheUpdaterIsWaitedFor() {
        const fs::path go_on = app_->Path_Exe / "go on";
        create_with_updater_script("while [ ! -e '" + go_on.string() + "' ]; do sleep 0.05; done\n");
        open();
        bool stayed_open = true;
        press_update_acting_while_the_updater_runs([&] {
            dialog_->close();
            dialog_->reject();
            stayed_open = stayed_open && dialog_->isVisible();
            write_bytes(go_on, "");
        });
        QVERIFY(fs::exists(go_on));
        QVERIFY(stayed_open);
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{Updated});
    }

    // One update at a time: one asked for while another runs is neither started nor kept for later.
    void noSecondUpdateStartsWhileOneRuns() {
        echo_.replies = {Echo_Reply::Waiting, Echo_Reply::Reply};
        open();
        QTest::mouseClick(update_button(), Qt::LeftButton);
        QTRY_VERIFY(status().startsWith(QString("Testing 192.168.2.205 \u2026")));
        type_address({"127", "0", "0", "2"});
        dialog_->Btn_UpdateClick();
        wait_until_the_update_ends();
        QCoreApplication::processEvents();
        QCOMPARE(echo_.targets, (std::vector<std::string>(3, "192.168.2.205")));
        QCOMPARE(updater_.launches.size(), std::size_t{1});
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{Updated});
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
            QVERIFY(!child<QPushButton>(dialog_.get(), "Btn_COM_List")->icon().isNull());
            QVERIFY(!shown("L_ESI_Notice"));
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
        QVERIFY(echo_.targets.empty());
        QVERIFY(!fs::exists(job_file()));
        QVERIFY(updater_.launches.empty());
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
