#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/app/SettingsFile.h"
#include "core/lang/Language.h"
#include "core/lang/MainWindowTexts.h"
#include "core/lang/VersionCheck.h"
#include "support/TempDir.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/HttpGet.h"
#include "ui/platform/WebAddress.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using cfg::test::TempDir;
using cfg::test::write_bytes;

namespace {

class FakeHttp : public cfg::HttpClient {
public:
    std::optional<std::string> reply;
    std::atomic<int> requests = 0; // counted on the check's worker thread
    std::optional<std::string> get(const std::string&, const std::string&) override {
        ++requests;
        return reply;
    }
};

// An update server on 127.0.0.1 in the test's own thread that answers each request a second late:
// it can answer only while that thread is free, as it is when the check runs in the background.
class SlowLoopbackServer : public QObject {
public:
    SlowLoopbackServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* connection = server_.nextPendingConnection();
            ++requests;
            QTimer::singleShot(1000, connection, [connection] {
                connection->write("HTTP/1.0 200 OK\r\n\r\nVER. 1.001");
                connection->disconnectFromHost();
            });
        });
    }
    quint16 port() const { return server_.serverPort(); }
    int requests = 0;

private:
    QTcpServer server_;
};

// The real request, sent to the loopback server whatever host it is given.
class LoopbackHttp : public cfg::HttpClient {
public:
    explicit LoopbackHttp(quint16 port) : port_(port) {}
    std::optional<std::string> get(const std::string&, const std::string& path_and_query) override {
        const auto body = ui::http_get("127.0.0.1", port_, QByteArray::fromStdString(path_and_query), 10000);
        return body ? std::optional(body->toStdString()) : std::nullopt;
    }

private:
    quint16 port_;
};

// Runs `act` on the modal dialog that the next action opens, once it is on screen.
void when_dialog_opens(const std::function<void(QDialog*)>& act) {
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        act(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

template <typename T = QWidget> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString label_text(QWidget* parent, const char* name) {
    return child<QLabel>(parent, name)->text();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<cfg::Application> app_;
    FakeHttp http_;
    std::unique_ptr<ui::TFMorvelFirmWare> window_;

    void start() {
        app_ = std::make_unique<cfg::Application>(cfg::Start_Application(dir_->path()));
        window_ = std::make_unique<ui::TFMorvelFirmWare>(*app_, http_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(window_.get(), button), Qt::LeftButton);
    }

    void write_settings(const std::string& name_project, bool internet, bool update) {
        cfg::Saved_Settings saved;
        saved.Name_Project = name_project;
        saved.settings.enable_internet = internet;
        saved.settings.enable_update = update;
        cfg::Write_Settings(dir_->path() / "Morvel.xml", saved);
    }

    void write_language(const std::string& name, const std::string& lines) {
        write_bytes(dir_->path() / "LANGUAGE" / (name + ".lng"), lines);
    }

private slots:
    void init() {
        ui::MessageService::startTestMode();
        ui::start_recording_web_addresses();
        dir_ = std::make_unique<TempDir>();
        http_.reply.reset();
        http_.requests = 0;
    }

    void cleanup() {
        window_.reset();
        app_.reset();
        dir_.reset();
        ui::MessageService::reset();
        ui::stop_recording_web_addresses();
    }

    void firstStartInAnEmptyFolder() {
        start();
        for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
            QVERIFY(fs::is_directory(dir_->path() / folder));
        QCOMPARE(label_text(window_.get(), "L_Name_Conf"), QString("None Configuration Opened "));
        QCOMPARE(label_text(window_.get(), "L_Name_Conf_L2"),
                 QString("Use Step1 to open or create new configuration"));
        QCOMPARE(child<QPushButton>(window_.get(), "Btn_New")->text(), QString("New Configuration"));
        QVERIFY(!window_->Timer_Update().isActive());
        QVERIFY(!child<QPushButton>(window_.get(), "Btn_MQTT_Set_Topic")->isVisible());
    }

    void stepsNeedAConfigurationWhileTheOthersWork() {
        start();
        const std::initializer_list<const char*> steps = {"Btn_Prm_Gen",
                                                          "Btn_NMEA0183_Access",
                                                          "Btn_EtherCAT_Set_Access",
                                                          "Btn_EtherCAT_ESI_File",
                                                          "Btn_CreateBin",
                                                          "Btn_Report",
                                                          "Btn_Compare"};
        for (const char* step : steps)
            click(step);
        const auto refused = static_cast<int>(steps.size());
        QCOMPARE(ui::MessageService::shownTexts(), QStringList(refused, "Error! Project not Valid"));

        for (const char* other : {"Btn_Info", "Btn_Opz", "Btn_New", "Btn_Open"}) {
            bool opened = false;
            when_dialog_opens([&](QDialog* dialog) {
                opened = true;
                dialog->reject();
            });
            click(other);
            QVERIFY2(opened, other);
        }
        QCOMPARE(ui::MessageService::shownTexts().size(), refused);
        click("Btn_Close");
        QVERIFY(!window_->isVisible());
        QVERIFY(fs::exists(dir_->path() / "Morvel.xml"));
    }

    void aRememberedConfigurationWhoseFolderIsGone() {
        write_language(
            "Italiano",
            "STR9 = Nessuna configurazione\nSTR10 = Usa il passo 1\nSTR18 = Progetto non valido\n");
        write_settings("Gone", false, false);
        start();
        QCOMPARE(label_text(window_.get(), "L_Name_Conf"), QString("None Configuration Opened "));
        click("Btn_Prm_Gen");
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{"Error! Project not Valid"});

        cfg::Load_Language(app_->Lang_Strings, app_->Path_Language,
                           app_->App_Settings.Language_Name = "Italiano");
        window_->Change_Language();
        QCOMPARE(label_text(window_.get(), "L_Name_Conf"), QString("Nessuna configurazione"));
        QCOMPARE(label_text(window_.get(), "L_Name_Conf_L2"), QString("Usa il passo 1"));

        window_->close();
        QCOMPARE(cfg::Read_Settings(dir_->path() / "Morvel.xml").Name_Project, std::string("Gone"));
    }

    void theTimerRunsOnlyWithBothInternetOptions() {
        for (auto [internet, update] : {std::pair{true, false}, {false, true}, {true, true}}) {
            write_settings("", internet, update);
            start();
            QCOMPARE(window_->Timer_Update().isActive(), internet && update);
            QCOMPARE(window_->Timer_Update().interval(), 60000);
            window_.reset();
        }
    }

    // OK in the options neither pushes a running check back nor, when the settings file cannot be
    // written, leaves the timer off.
    void optionsOkKeepsTheCountdownAndSwitchesTheTimerWhateverTheSave() {
        write_settings("", true, true);
        start();
        window_->Timer_Update().setTimerType(Qt::PreciseTimer); // so a restart shows in the remaining time
        window_->Timer_Update().setInterval(3000);
        window_->Timer_Update().start();
        QTest::qWait(1100);
        const auto press_ok = [](QDialog* dialog) {
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        };
        when_dialog_opens(press_ok);
        click("Btn_Opz");
        QVERIFY(window_->Timer_Update().isActive());
        QVERIFY(window_->Timer_Update().remainingTime() < 2000);

        window_->Timer_Update().stop();
        app_->App_Settings.enable_internet = false;
        fs::remove(dir_->path() / "Morvel.xml");
        fs::create_directory(dir_->path() / "Morvel.xml"); // the settings cannot be written there
        when_dialog_opens([](QDialog* dialog) {
            child<QCheckBox>(dialog, "CB_En_Con")->setChecked(true);
            child<QCheckBox>(dialog, "CB_Update")->setChecked(true);
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        });
        click("Btn_Opz");
        QVERIFY(window_->Timer_Update().isActive());
        QVERIFY(!ui::MessageService::shownTexts().isEmpty());
        fs::remove(dir_->path() / "Morvel.xml");
    }

    void theTimerShowsTheUpdateLinkAndThenWaitsTwoHours() {
        write_settings("", true, true);
        http_.reply = "VER. 1.001";
        start();
        auto* link = child<QLabel>(window_.get(), "LL_Update");
        window_->Timer_Update().setInterval(1); // fire now instead of in a minute
        QTRY_VERIFY(link->isVisible());
        QCOMPARE(window_->Timer_Update().interval(), 7200000);
        QVERIFY(window_->Timer_Update().isActive());

        http_.reply.reset();
        window_->Timer_Update().setInterval(1);
        QTRY_VERIFY(!link->isVisible());
        QCOMPARE(http_.requests, 2);
    }

    void createAConfigurationAndRefuseAnExistingName() {
        start();
        when_dialog_opens([](QDialog* dialog) {
            QTest::keyClicks(child<QLineEdit>(dialog, "E_New_Proj"), "Ship_1");
            QTest::keyClick(child<QLineEdit>(dialog, "E_New_Proj"), Qt::Key_Return);
        });
        click("Btn_New");
        QVERIFY(fs::is_directory(dir_->path() / "PROJECTS" / "Ship_1" / "bin"));
        QCOMPARE(label_text(window_.get(), "L_Name_Conf_L2"), QString("Ship_1"));
        QCOMPARE(label_text(window_.get(), "L_Name_Conf"),
                 QString("Opened Configuration of the Converter : "));

        bool stayed_open = false;
        when_dialog_opens([&](QDialog* dialog) {
            QVERIFY(child<QLineEdit>(dialog, "E_New_Proj")->text().isEmpty());
            QTest::keyClicks(child<QLineEdit>(dialog, "E_New_Proj"), "Ship_1");
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
            stayed_open = dialog->isVisible();
            dialog->reject();
        });
        click("Btn_New");
        QVERIFY(stayed_open);
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error! Name project is not valid because directory already exists"});
    }

    void openPreselectsTheActiveConfigurationRegardlessOfAsciiCase() {
        fs::create_directories(dir_->path() / "PROJECTS" / "alpha");
        fs::create_directories(dir_->path() / "PROJECTS" / "SHIP_1");
        write_settings("Ship_1", false, false);
        start();
        QVERIFY(!app_->has_active_configuration()); // the folder's name differs in case

        when_dialog_opens([](QDialog* dialog) {
            auto* list = child<QListWidget>(dialog, "ListBox1");
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->currentItem()->text(), QString("alpha")); // the remembered name is not active
            list->setCurrentRow(1);
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        });
        click("Btn_Open");
        QCOMPARE(label_text(window_.get(), "L_Name_Conf_L2"), QString("SHIP_1"));

        app_->Name_Project = "ship_1"; // what the settings may hold: another case
        when_dialog_opens([](QDialog* dialog) {
            QCOMPARE(child<QListWidget>(dialog, "ListBox1")->currentItem()->text(), QString("SHIP_1"));
            dialog->reject();
        });
        click("Btn_Open");
    }

    void aDoubleClickOnANameOpensIt() {
        fs::create_directories(dir_->path() / "PROJECTS" / "alpha");
        fs::create_directories(dir_->path() / "PROJECTS" / "beta");
        start();
        when_dialog_opens([](QDialog* dialog) {
            auto* list = child<QListWidget>(dialog, "ListBox1");
            QTRY_VERIFY(list->visualItemRect(list->item(1)).isValid());
            const QPoint beta = list->visualItemRect(list->item(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, beta);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, beta);
            if (dialog->isVisible()) // the test fails below; the dialog must not block it
                dialog->reject();
        });
        click("Btn_Open");
        QCOMPARE(label_text(window_.get(), "L_Name_Conf_L2"), QString("beta"));
    }

    // Every dialog opens with the focus in its first input, never on a button or a tab bar, and Tab
    // reaches the buttons only after the inputs.
    void everyDialogOpensWithTheFocusInItsFirstInput() {
        start();
        QVERIFY(!cfg::Create_New_Project(*app_, "Ship"));
        const QList<QDialog*> dialogs = window_->findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
        QVERIFY(dialogs.size() >= 10);
        for (QDialog* dialog : dialogs) {
            dialog->show();
            QWidget* focused = dialog->focusWidget();
            if (!focused) // the About box: nothing to type into
                focused = dialog;
            QStringList tab_stops; // "I" for an input, "B" for a button or tab bar, in Tab order
            QWidget* widget = focused;
            do {
                if (widget->window() == dialog && widget->isVisible() && widget->isEnabled() &&
                    (widget->focusPolicy() & Qt::TabFocus))
                    tab_stops.append(qobject_cast<QPushButton*>(widget) || qobject_cast<QTabBar*>(widget) ||
                                             qobject_cast<QTabWidget*>(widget)
                                         ? "B"
                                         : "I");
                widget = widget->nextInFocusChain();
            } while (widget != focused);
            const QString order = tab_stops.join("");
            if (order.contains("I"))
                QVERIFY2(focused != dialog && QRegularExpression("^I+B*$").match(order).hasMatch(),
                         qPrintable(dialog->objectName() + ": " + order));
            dialog->hide();
        }
    }

    // The colours come from palettes and the windows' own painting: a style sheet on the main window
    // would put every dialog under the style-sheet style, by far the slowest to build and paint.
    void theColoursHoldWithoutAStyleSheetOnAnyWindow() {
        start();
        QCOMPARE(window_->grab().toImage().pixelColor(2, 2), QColor(0xf7, 0xf9, 0xfb));
        const QColor grey(0x6b, 0x6b, 0x6b);
        for (QWidget* window : window_->windows()) {
            QVERIFY2(!window->style()->inherits("QStyleSheetStyle"), qPrintable(window->objectName()));
            for (ui::TitlePanel* panel : window->findChildren<ui::TitlePanel*>()) {
                QCOMPARE(panel->grab().toImage().pixelColor(1, 1), QColor(Qt::white));
                QCOMPARE(panel->codeLabel()->palette().color(QPalette::WindowText), grey);
            }
            for (QLabel* label : window->findChildren<QLabel*>("L_SW_Desc"))
                QCOMPARE(label->palette().color(QPalette::Disabled, QPalette::WindowText), grey);
        }
    }

    void openingAnEmptyProjectsFolderLeavesNoConfigurationActive() {
        start();
        when_dialog_opens([](QDialog* dialog) {
            QCOMPARE(child<QListWidget>(dialog, "ListBox1")->count(), 0);
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        });
        click("Btn_Open");
        QVERIFY(!app_->has_active_configuration());
        QCOMPARE(label_text(window_.get(), "L_Name_Conf"), QString("None Configuration Opened "));
        click("Btn_CreateBin");
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{"Error! Project not Valid"});
    }

    void optionsPageTheLanguagesAndApplyAPickAtOnce() {
        for (const char* name : {"A", "B", "C", "D", "E", "F"})
            write_language(name, "");
        write_language("Greek", "STR15 = Nea\nSTR22 = Nea diamorfosi\n");
        start();

        when_dialog_opens([](QDialog* dialog) {
            QVERIFY(child(dialog, "L_L6")->isVisibleTo(dialog));
            QVERIFY(child(dialog, "Btn_Next")->isVisibleTo(dialog));
            QVERIFY(!child(dialog, "Btn_Prev")->isVisibleTo(dialog));
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_Next"), Qt::LeftButton);
            QCOMPARE(label_text(dialog, "L_Page_Lang"), QString("Page 2 / 2"));
            QVERIFY(child(dialog, "L_L1")->isVisibleTo(dialog));
            QVERIFY(!child(dialog, "L_L2")->isVisibleTo(dialog));
            QVERIFY(child(dialog, "Btn_Prev")->isVisibleTo(dialog));
            QVERIFY(!child(dialog, "Btn_Next")->isVisibleTo(dialog));
            QCOMPARE(label_text(dialog, "L_L1"), QString("Greek"));

            ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
            QTest::mouseClick(child(dialog, "L_L1"), Qt::LeftButton);
            QCOMPARE(label_text(dialog, "L_Sel_Lang"), QString("Selected Language : Greek"));
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_Cancel"), Qt::LeftButton);
        });
        click("Btn_Opz");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Do you want to change the Language from English to Greek?"});
        QCOMPARE(child<QPushButton>(window_.get(), "Btn_New")->text(), QString("Nea"));
        QCOMPARE(child<QPushButton>(window_.get(), "Btn_New")->toolTip(), QString("Nea diamorfosi"));
        QCOMPARE(app_->App_Settings.Language_Name, std::string("English"));
        QVERIFY(!fs::exists(dir_->path() / "Morvel.xml"));

        when_dialog_opens([](QDialog* dialog) {
            QCOMPARE(label_text(dialog, "L_Sel_Lang"), QString("Selected Language : English"));
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_Next"), Qt::LeftButton);
            ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
            QTest::mouseClick(child(dialog, "L_L1"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        });
        click("Btn_Opz");
        QCOMPARE(app_->App_Settings.Language_Name, std::string("Greek"));
        QCOMPARE(cfg::Read_Settings(dir_->path() / "Morvel.xml").settings.Language_Name,
                 std::string("Greek"));
    }

    void connectionBoxesFollowTheirEnablingRules() {
        start();
        when_dialog_opens([](QDialog* dialog) {
            auto* internet = child<QCheckBox>(dialog, "CB_En_Con");
            auto* update = child<QCheckBox>(dialog, "CB_Update");
            auto* check = child<QPushButton>(dialog, "Btn_Check_Update");
            QVERIFY(!update->isEnabled());
            QVERIFY(!check->isEnabled());
            internet->setChecked(true);
            QVERIFY(update->isEnabled());
            QVERIFY(!check->isEnabled());
            update->setChecked(true);
            QVERIFY(check->isEnabled());
            internet->setChecked(false);
            QVERIFY(!update->isEnabled());
            QVERIFY(!check->isEnabled());
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        });
        click("Btn_Opz");
        // A disabled but checked update box still counts; the timer needs both.
        QVERIFY(!app_->App_Settings.enable_internet);
        QVERIFY(app_->App_Settings.enable_update);
        QVERIFY(!window_->Timer_Update().isActive());
    }

    void theManualCheckShowsTheLinkOrNoUpdate() {
        struct Case {
            std::optional<std::string> reply;
            QString shown;
        };
        for (const Case& c :
             {Case{"VER. 1.001", "New Version Available. Click Here for more Details"},
              Case{"VER. 1.000", "No Update Available"}, Case{std::nullopt, "No Update Available"}}) {
            http_.reply = c.reply;
            start();
            when_dialog_opens([&](QDialog* dialog) {
                child<QTabWidget>(dialog, "PC_Options")->setCurrentIndex(1);
                child<QCheckBox>(dialog, "CB_En_Con")->setChecked(true);
                child<QCheckBox>(dialog, "CB_Update")->setChecked(true);
                QTest::mouseClick(child<QPushButton>(dialog, "Btn_Check_Update"), Qt::LeftButton);
                auto* result = child<QLabel>(dialog, "LL_Check_Update");
                QVERIFY(result->isVisible());
                QTRY_VERIFY2(result->text().contains(c.shown), qPrintable(result->text()));
                dialog->reject();
            });
            click("Btn_Opz");
            window_.reset();
        }
        QCOMPARE(http_.requests, 3);
    }

    // The window goes on working while the server is slow to answer: it says that it checks, its
    // timers fire, a second click asks nothing twice, and the answer lands when it comes.
    void theManualCheckRunsWhileTheWindowGoesOnWorking() {
        SlowLoopbackServer server;
        LoopbackHttp http(server.port());
        app_ = std::make_unique<cfg::Application>(cfg::Start_Application(dir_->path()));
        window_ = std::make_unique<ui::TFMorvelFirmWare>(*app_, http);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        when_dialog_opens([&](QDialog* dialog) {
            child<QTabWidget>(dialog, "PC_Options")->setCurrentIndex(1);
            child<QCheckBox>(dialog, "CB_En_Con")->setChecked(true);
            child<QCheckBox>(dialog, "CB_Update")->setChecked(true);
            int ticks = 0;
            QTimer ticker(dialog);
            QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
            ticker.start(20);
            auto* check = child<QPushButton>(dialog, "Btn_Check_Update");
            auto* result = child<QLabel>(dialog, "LL_Check_Update");
            QTest::mouseClick(check, Qt::LeftButton);
            QCOMPARE(result->text(),
                     ui::text_of(app_->Lang_Strings, cfg::main_window_text::Checking_Version));
            QVERIFY(result->isVisible());
            QVERIFY(!check->isEnabled());
            QTest::mouseClick(check, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(result->text().contains("New Version Available"), 5000);
            QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
            QVERIFY(check->isEnabled());
            QCOMPARE(server.requests, 1);
            dialog->reject();
        });
        click("Btn_Opz");
        window_.reset();
    }

    // The timer's check answers only a window that still exists.
    void anAnswerForAClosedWindowIsDropped() {
        SlowLoopbackServer server;
        LoopbackHttp http(server.port());
        write_settings("", true, true);
        app_ = std::make_unique<cfg::Application>(cfg::Start_Application(dir_->path()));
        window_ = std::make_unique<ui::TFMorvelFirmWare>(*app_, http);
        window_->Timer_Update().setInterval(1);
        QTRY_COMPARE(server.requests, 1);
        window_.reset();
        QTest::qWait(1500); // the server answers the window that is gone
    }

    // An installed program keeps its data apart from itself: the About box says where, in the
    // language chosen.
    void theAboutBoxShowsTheDataFolderInUse() {
        const fs::path data = dir_->path() / "data";
        write_bytes(data / "LANGUAGE" / "Italiano.lng",
                    "STR322 = Cartella dati :\r\nSTR323 = Codice software :\r\nSTR324 = Versione :\r\n"
                    "STR325 = Codice documento :\r\n");
        cfg::Saved_Settings saved;
        saved.settings.Language_Name = "Italiano";
        cfg::Write_Settings(data / "Morvel.xml", saved);
        app_ = std::make_unique<cfg::Application>(
            cfg::Start_Application(cfg::Program_Folders{dir_->path() / "program", data, {}}));
        window_ = std::make_unique<ui::TFMorvelFirmWare>(*app_, http_);
        window_->show();
        QString caption;
        QString folder;
        QStringList identity;
        when_dialog_opens([&](QDialog* dialog) {
            identity = {label_text(dialog, "Label6"), label_text(dialog, "Label3"),
                        label_text(dialog, "Label8")};
            caption = label_text(dialog, "L_Data_Folder");
            folder = label_text(dialog, "L_Data_Folder_Path");
            dialog->accept();
        });
        click("Btn_Info");
        QCOMPARE(caption, QString("Cartella dati :"));
        QCOMPARE(identity, (QStringList{"Codice software :", "Versione :", "Codice documento :"}));
        QCOMPARE(folder, QString::fromStdString(data.string()));
    }

    void theWindowEndsAMarginBelowItsLastVisibleControl() {
        start();
        int bottom = 0;
        for (const QWidget* control : window_->findChildren<QWidget*>())
            if (control->parentWidget() == window_.get() && control->isVisible())
                bottom = std::max(bottom, control->geometry().bottom());
        QVERIFY2(window_->height() - bottom <= 20, qPrintable(QString::number(window_->height() - bottom)));
    }

    void theWebAddressOpensTheHomePage() {
        start();
        QTest::mouseClick(child(window_.get(), "L_Brimlow"), Qt::LeftButton);
        QCOMPARE(ui::recorded_web_addresses().size(), 1);
        QVERIFY(ui::recorded_web_addresses().front().endsWith("/HOME/default.asp?frompg=SW52C40"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
