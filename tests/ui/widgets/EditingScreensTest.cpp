#include "support/TempDir.h"
#include "ui/ethercat/TFEtherCATSlave.h"
#include "ui/mqtt/TFMQTT_Set_Topic.h"
#include "ui/nmea/TFNMEA_0183_Set_Access.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"
#include "ui/params/TFParGen.h"
#include "ui/platform/QtPath.h"
#include "ui/support/ScreenTest.h"
#include "ui/support/TableFiles.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using cfg::test::fixture;
using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::MessageAnswer;
using ui::test::legacy_rows;
using ui::test::listener_rows;
using ui::test::maker;
using ui::test::topic_rows;
using ui::test::variable_rows;

namespace {

// One editing screen as the tests see it: how to make it, its file, a good file and a value that
// file shows, and for the table screens a file of any number of rows.
struct Screen_Case {
    const char* name;
    std::function<QDialog*(cfg::Application&)> make;
    fs::path cfg::Application::*file;
    std::string good_file;
    const char* probe_control; // a grid or an edit field showing the probed value
    int probe_column;          // for a grid: the column of row 1 probed
    QString probe_value;
    std::function<std::string(int rows)> rows_file; // empty for the parameter screen
    int capacity;
};

const std::vector<Screen_Case>& screen_cases() {
    static const std::vector<Screen_Case> cases = {
        {"parameters", maker<ui::TFParGen>(), &cfg::Application::File_ParGen,
         read_bytes(fixture("cli/good/ParGen.xml")), "E_EtherCAT_Slave_Revision_Number", 0, "2", nullptr, 0},
        {"listener", maker<ui::TFNMEA_0183_Set_Access2>(), &cfg::Application::File_NMEA_0183_Set_Access,
         listener_rows(2), "ASG", 10, "Gyro", listener_rows, 100},
        {"legacy sentences", maker<ui::TFNMEA_0183_Set_Access>(),
         &cfg::Application::File_NMEA_0183_Set_Access, legacy_rows(2), "sga", 5, "GPS", legacy_rows, 100},
        {"EtherCAT variables", maker<ui::TFEtherCATSlave>(), &cfg::Application::File_EtherCAT_Slave,
         variable_rows(2), "ASG_SlaveMaster", 4, "Run", variable_rows, 256},
        {"MQTT topics", maker<ui::TFMQTT_Set_Topic>(), &cfg::Application::File_MQTT_Set_Topic, topic_rows(2),
         "ACG_Pub", 17, "Level", topic_rows, 1024},
    };
    return cases;
}

} // namespace

// The rules every editing screen shares, run over each of them.
class EditingScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    std::unique_ptr<QDialog> dialog_;
    const Screen_Case* case_ = nullptr;

    fs::path file() const { return program_->app.*case_->file; }

    void open(const std::string& content) {
        write_bytes(file(), content);
        if (!dialog_)
            dialog_.reset(case_->make(program_->app));
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

    // A file whose content passes the screen's checks.
    std::string savable_file() const { return case_->rows_file ? case_->rows_file(1) : case_->good_file; }

    ui::GridView* grid() const { return dialog_->findChild<ui::GridView*>(case_->probe_control); }

    QString probe() const {
        if (auto* field = dialog_->findChild<QLineEdit*>(case_->probe_control))
            return field->text();
        return grid()->gridModel()->index(0, case_->probe_column).data().toString();
    }

    void edit() {
        if (auto* field = dialog_->findChild<QLineEdit*>(case_->probe_control))
            field->setText("7");
        else
            QVERIFY(grid()->gridModel()->setData(grid()->gridModel()->index(0, case_->probe_column), "edited",
                                                 Qt::EditRole));
    }

    void press(const char* button) {
        QTest::mouseClick(ui::test::child<QPushButton>(dialog_.get(), button), Qt::LeftButton);
    }

    QString notice() const {
        auto* label = ui::test::child<QLabel>(dialog_.get(), "L_Notice");
        return label->isVisible() ? label->text() : QString();
    }

    QString last_message() const {
        const QStringList shown = ui::MessageService::shownTexts();
        return shown.isEmpty() ? QString() : shown.last();
    }

    void every_screen() {
        QTest::addColumn<int>("screen");
        for (std::size_t index = 0; index < screen_cases().size(); ++index)
            QTest::newRow(screen_cases()[index].name) << static_cast<int>(index);
    }

    void every_table_screen() {
        QTest::addColumn<int>("screen");
        for (std::size_t index = 0; index < screen_cases().size(); ++index)
            if (screen_cases()[index].rows_file)
                QTest::newRow(screen_cases()[index].name) << static_cast<int>(index);
    }

    void take_case() {
        QFETCH(int, screen);
        case_ = &screen_cases()[static_cast<std::size_t>(screen)];
    }

private slots:
    void init() { program_ = std::make_unique<ui::test::ScreenTestProgram>(); }

    void cleanup() {
        dialog_.reset();
        program_.reset();
    }

    // Each screen with each way its file can be unreadable: cut short, or another screen's
    // well-formed file in its place.
    void anUnreadableFileIsReplacedOnlyWithTheUsersWord_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<QString>("reason");
        for (std::size_t index = 0; index < screen_cases().size(); ++index) {
            const char* name = screen_cases()[index].name;
            QTest::addRow("%s, cut short", name) << static_cast<int>(index) << false << "is not well-formed";
            QTest::addRow("%s, another file", name) << static_cast<int>(index) << true << "was expected";
        }
    }
    void anUnreadableFileIsReplacedOnlyWithTheUsersWord() {
        take_case();
        QFETCH(bool, foreign);
        QFETCH(QString, reason);
        // The parameter screen gets a listener file, every other screen the parameters.
        const std::string other = case_->rows_file ? screen_cases().front().good_file : listener_rows(1);
        const std::string cut = foreign ? other : case_->good_file.substr(0, case_->good_file.size() / 2);
        open(cut);
        QVERIFY2(last_message().contains(reason), qPrintable(last_message()));
        QVERIFY2(notice().startsWith("This screen shows default values because its file could not be read: "),
                 qPrintable(notice()));
        QVERIFY(notice().endsWith(QString::fromStdString(file().filename().string())));

        ui::MessageService::queueAnswers({MessageAnswer::No});
        press("Btn_OK");
        QCOMPARE(last_message(),
                 "The file could not be read. Do you want to replace it with what this screen "
                 "shows? The unreadable file is kept as: " +
                     ui::qt_path(fs::path(file()) += ".unreadable"));
        QCOMPARE(ui::MessageService::enterAnswers().last(), MessageAnswer::No);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(read_bytes(file()), cut);

        ui::MessageService::queueAnswers({MessageAnswer::Yes});
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(read_bytes(fs::path(file()) += ".unreadable"), cut);
        open(read_bytes(file())); // what was saved reads back without a fault
        QVERIFY(notice().isEmpty());
    }

    void aFileStartingWithADeclarationOrACommentLoads_data() { every_screen(); }
    void aFileStartingWithADeclarationOrACommentLoads() {
        take_case();
        open("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- edited by hand -->\n" +
             case_->good_file);
        QCOMPARE(probe(), case_->probe_value);
        QVERIFY(notice().isEmpty());
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
    }

    void restoringAMinimisedWindowKeepsTheEdits_data() { every_screen(); }
    void restoringAMinimisedWindowKeepsTheEdits() {
        take_case();
        open(case_->good_file);
        edit();
        const QString edited = probe();
        dialog_->showMinimized();
        dialog_->showNormal();
        QShowEvent restored;
        QCoreApplication::sendEvent(dialog_.get(), &restored);
        QCOMPARE(probe(), edited);

        // Opening it again is a new start from the file.
        dialog_->hide();
        dialog_->show();
        QCOMPARE(probe(), case_->probe_value);
    }

    void closingAsksOnlyAfterAChange_data() { every_screen(); }
    void closingAsksOnlyAfterAChange() {
        take_case();
        const std::vector<std::function<void()>> ways_to_close = {
            [this] { press("Btn_Cancel"); },
            [this] { QTest::keyClick(dialog_.get(), Qt::Key_Escape); },
            [this] { dialog_->close(); },
        };
        for (const auto& close : ways_to_close) {
            open(case_->good_file);
            close();
            QVERIFY(!dialog_->isVisible());
            QVERIFY(ui::MessageService::shownTexts().isEmpty());

            open(case_->good_file);
            edit();
            ui::MessageService::queueAnswers({MessageAnswer::No});
            close();
            QVERIFY(dialog_->isVisible());
            QCOMPARE(
                last_message(),
                "You have changed values on this screen. Do you want to close it and lose your changes?");
            QCOMPARE(ui::MessageService::enterAnswers().last(), MessageAnswer::No);
            ui::MessageService::queueAnswers({MessageAnswer::Yes});
            close();
            QVERIFY(!dialog_->isVisible());
            QCOMPARE(read_bytes(file()), case_->good_file);
            ui::MessageService::reset();
            ui::MessageService::startTestMode();
        }
    }

    void aFileChangedOnDiskIsReplacedOnlyWithTheUsersWord_data() { every_screen(); }
    void aFileChangedOnDiskIsReplacedOnlyWithTheUsersWord() {
        take_case();
        open(savable_file());
        edit();
        // Another program saves the file while the screen is open; its size tells the change.
        const std::string changed = savable_file() + "<!-- saved meanwhile -->";
        write_bytes(file(), changed);
        ui::MessageService::queueAnswers({MessageAnswer::No});
        press("Btn_OK");
        QCOMPARE(last_message(),
                 "The file has changed on disk since this screen read it. Do you want to replace "
                 "it with what this screen shows and lose those changes? File: " +
                     ui::qt_path(file()));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(read_bytes(file()), changed);

        ui::MessageService::queueAnswers({MessageAnswer::Yes});
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QVERIFY(read_bytes(file()) != changed);

        // Unchanged since the opening: saved without a question.
        const int shown = static_cast<int>(ui::MessageService::shownTexts().size());
        open(read_bytes(file()));
        edit();
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(ui::MessageService::shownTexts().size(), shown);
    }

    void aWriteProtectedFileIsNotReplaced_data() { every_screen(); }
    void aWriteProtectedFileIsNotReplaced() {
        take_case();
        open(savable_file());
        edit();
        fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        press("Btn_OK");
        QVERIFY2(last_message().endsWith(ui::qt_path(file()) + "\": the file is write-protected"),
                 qPrintable(last_message()));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(read_bytes(file()), savable_file());
        fs::permissions(file(), fs::perms::owner_write, fs::perm_options::add);
    }

    void rowsBelowAnInsertedEmptyRowAreDroppedOnlyAfterAQuestion_data() { every_table_screen(); }
    void rowsBelowAnInsertedEmptyRowAreDroppedOnlyAfterAQuestion() {
        take_case();
        open(case_->good_file);
        grid()->setCurrentIndex(grid()->gridModel()->index(0, 1));
        press("Btn_InsRow");
        ui::MessageService::queueAnswers({MessageAnswer::No});
        press("Btn_OK");
        QVERIFY2(last_message().contains("are not saved. Do you want to save anyway? First row not saved: 2"),
                 qPrintable(last_message()));
        QCOMPARE(ui::MessageService::enterAnswers().last(), MessageAnswer::No);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(read_bytes(file()), case_->good_file);
    }

    // Enter in a field presses OK, as in every dialog; in a table it stays with the table.
    void enterPressesOkFromAFieldButNotFromATable_data() { every_screen(); }
    void enterPressesOkFromAFieldButNotFromATable() {
        take_case();
        open(case_->good_file);
        edit();
        QWidget* control = ui::test::child(dialog_.get(), case_->probe_control);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        if (case_->rows_file) {
            QVERIFY(dialog_->isVisible());
            QCOMPARE(read_bytes(file()), case_->good_file);
        } else {
            QVERIFY(!dialog_->isVisible());
            QVERIFY(read_bytes(file()) != case_->good_file);
        }
    }

    void rowsBeyondTheTableAreReported_data() { every_table_screen(); }
    void rowsBeyondTheTableAreReported() {
        take_case();
        open(case_->rows_file(case_->capacity));
        QVERIFY(notice().isEmpty());
        dialog_->hide();
        open(case_->rows_file(case_->capacity + 3));
        QCOMPARE(notice(), "The file holds more rows than the table can take. Rows left out: 3");
        QCOMPARE(grid()->gridModel()->rowCount(), case_->capacity);
    }
};

QTEST_MAIN(EditingScreensTest)
#include "EditingScreensTest.moc"
