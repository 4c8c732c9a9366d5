#include "core/lang/LangStrings.h"
#include "core/nmea/ListenerFile.h"
#include "core/params/ParGenFile.h"
#include "core/preview/ByteText.h"
#include "core/preview/DeviceRows.h"
#include "core/preview/LearnedRows.h"
#include "core/preview/PreviewSession.h"
#include "support/TempDir.h"
#include "ui/nmea/PreviewActivity.h"
#include "ui/nmea/SerialListener.h"
#include "ui/nmea/TFNMEA_0183_Preview.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"
#include "ui/platform/QtPath.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <memory>

using cfg::test::fixture;
using cfg::test::read_bytes;

namespace {

// Columns of the preview's tables, as the user sees them.
enum Rows_Column { Row_Number = 0, Row_Received = 8, Row_Value = 9, Row_Bytes = 10 };
enum Learn_Column { Learn_Number = 4, Learn_Position = 5 };

constexpr int End_Of_Log = 1246;
constexpr int Log_Unread = 1248;
constexpr int Listening = 1249;
constexpr int Port_Unopened = 1250;
constexpr int Colon = 1251;
constexpr int Port_Stopped = 1252;
constexpr int Rows_Added = 1260;
constexpr int Without_Checksum = 1274;
constexpr int Further_Codes = 1275;

#ifndef _WIN32
// Both ends of a pseudo-terminal: the test writes to the master, the window opens the slave by
// its name as it opens any serial port.
class Pseudo_Terminal {
public:
    Pseudo_Terminal() : master_(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            qFatal("no pseudo-terminal");
        slave_name_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~Pseudo_Terminal() { close_master(); }
    Pseudo_Terminal(const Pseudo_Terminal&) = delete;
    Pseudo_Terminal& operator=(const Pseudo_Terminal&) = delete;

    const QString& slave_name() const { return slave_name_; }
    void write(const std::string& bytes) const {
        if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            qFatal("writing to the pseudo-terminal failed");
    }
    void close_master() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_;
    QString slave_name_;
};
#endif

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::unique_ptr<ui::TFNMEA_0183_Set_Access2> listener_;
    ui::TFNMEA_0183_Preview* preview_ = nullptr;

    QString text(int index) const { return ui::text_of(app_->Lang_Strings, index); }

    template <typename T = QWidget> T* control(const char* name) const {
        return ui::test::child<T>(preview_, name);
    }
    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QString status() const { return control<QLabel>("L_Status")->text(); }

    // A configuration of the fixtures, its listener screen open and the preview opened from it.
    void open_preview(const char* configuration = "preview/Ship") {
        for (const auto& file : std::filesystem::directory_iterator(fixture(configuration)))
            std::filesystem::copy_file(file.path(), app_->Path_Project / file.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        listener_ = std::make_unique<ui::TFNMEA_0183_Set_Access2>(*app_, nullptr);
        listener_->show();
        QVERIFY(QTest::qWaitForWindowExposed(listener_.get()));
        QTest::mouseClick(listener_->findChild<QPushButton*>("Btn_Preview"), Qt::LeftButton);
        preview_ = listener_->findChild<ui::TFNMEA_0183_Preview*>();
        QVERIFY(preview_);
        QVERIFY(QTest::qWaitForWindowExposed(preview_));
    }

    void play_fast(const std::filesystem::path& log) {
        control<QComboBox>("CB_Pace")->setCurrentIndex(1);
        ui::FileDialogService::queueFileNames({ui::qt_path(log)});
        press("Btn_OpenLog");
    }

    // The rows of the table the screen shows, as the core's model runs the log through them.
    cfg::preview::Preview_Session core_session(const std::string& log) const {
        cfg::nmea::Listener_Table table;
        cfg::nmea::Load_Listener_Table(table, app_->File_NMEA_0183_Set_Access);
        cfg::preview::Preview_Session session(cfg::preview::Table_Device_Rows(app_->File_ParGen, table));
        cfg::nmea::Log_Lines lines;
        const auto take = [&](std::string_view line, bool cut) { session.Take_Line(line, cut); };
        lines.Feed(log, take);
        lines.Finish(take);
        return session;
    }

    // The window's rows and array show what the core's model holds.
    bool shows(const cfg::preview::Preview_Session& core) const {
        const QAbstractItemModel* rows = control<QTableView>("ASG_Rows")->model();
        const cfg::preview::Converter_Model& model = core.model();
        if (rows->rowCount() != static_cast<int>(model.rows().size()))
            return false;
        for (int r = 0; r < rows->rowCount(); ++r) {
            const cfg::preview::Row_State& state = model.states()[static_cast<std::size_t>(r)];
            const auto cell = [&](int column) { return rows->index(r, column).data().toString(); };
            if (cell(Row_Number) != QString::number(model.rows()[static_cast<std::size_t>(r)].row) ||
                cell(Row_Received) != ui::qt_text(state.received.value_or("")) ||
                cell(Row_Value) != ui::qt_text(state.value) ||
                cell(Row_Bytes) != ui::qt_text(cfg::preview::Hex_Bytes(state.bytes)))
                return false;
        }
        const QAbstractItemModel* array = control<QTableView>("ASG_Array")->model();
        for (std::size_t at = 0; at < model.array().size(); ++at) {
            const QString shown =
                array->index(static_cast<int>(at / 16), static_cast<int>(at % 16)).data().toString();
            if (shown != ui::qt_text(cfg::preview::Hex_Bytes(std::span(&model.array()[at], 1))))
                return false;
        }
        return true;
    }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
    }

    void cleanup() {
        listener_.reset();
        program_.reset();
    }

    // A log names its file while it plays and its whole path when it fails; a port names itself;
    // a failure gives its reason, anything else the sentences received.
    void theStatusLineTellsWhatTheSourceDoes_data() {
        using enum ui::Preview_Activity;
        QTest::addColumn<int>("activity");
        QTest::addColumn<QString>("expected");
        QTest::newRow("idle") << int(Idle) << "Choose a log or a serial port";
        QTest::newRow("playing") << int(Playing) << "Playing ship.log – 12 sentences";
        QTest::newRow("paused") << int(Paused) << "Paused: ship.log – 12 sentences";
        QTest::newRow("end of log") << int(End_Of_Log) << "End of log: ship.log – 12 sentences";
        QTest::newRow("stopped") << int(Stopped) << "Stopped: ship.log – 12 sentences";
        QTest::newRow("log unread") << int(Log_Unread) << "The log could not be read: /logs/ship.log: busy";
        QTest::newRow("listening") << int(Listening) << "Listening on /dev/ttyS9 – 12 sentences";
        QTest::newRow("port unopened")
            << int(Port_Unopened) << "The port could not be opened: /dev/ttyS9: busy";
        QTest::newRow("port stopped") << int(Port_Stopped) << "The port stopped: /dev/ttyS9: busy";
        QTest::newRow("port closed") << int(Port_Closed) << "Port closed: /dev/ttyS9 – 12 sentences";
    }

    void theStatusLineTellsWhatTheSourceDoes() {
        QFETCH(int, activity);
        QFETCH(QString, expected);
        const ui::Preview_Source source{"/logs/ship.log", "/dev/ttyS9", "busy", 12};
        QCOMPARE(ui::Activity_Text(cfg::default_texts(), static_cast<ui::Preview_Activity>(activity), source),
                 expected);
    }

    void aLogPlayedAsFastAsPossibleShowsWhatTheCoreModelGives() {
        open_preview();
        play_fast(fixture("preview/ship.log"));
        QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(text(End_Of_Log)), 5000);
        const cfg::preview::Preview_Session core = core_session(read_bytes(fixture("preview/ship.log")));
        QVERIFY(core.summary().bad_checksums > 0 && core.summary().malformed > 0);
        QVERIFY(shows(core));
        QCOMPARE(control<QLabel>("L_Counts")->text(),
                 text(1238) + QString::number(core.summary().sentences) + text(1239) +
                     QString::number(core.summary().bad_checksums) + text(1240) +
                     QString::number(core.summary().malformed) + text(Without_Checksum) +
                     QString::number(core.summary().without_checksum));
        QVERIFY(status().endsWith(QString::number(core.summary().sentences) + text(1244)));
    }

    // A log of endless codes ending in a line cut before its checksum: the window keeps the codes
    // within the bound and says how many sentences it only counted, and the cut line stores nothing.
    void aLogOfEndlessCodesIsCountedWithinABound() {
        open_preview();
        std::string log = "$HEHDT,272.5,T\r\n";
        for (std::size_t i = 0; i < cfg::nmea::Code_Counts::Other_Codes_Kept + 300; ++i)
            log += "$PX" + std::to_string(i) + ",1\r\n";
        log += "$HEHDT,16";
        const std::filesystem::path file = program_->dir / "noisy.log";
        cfg::test::write_bytes(file, log);
        play_fast(file);
        QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(text(End_Of_Log)), 5000);
        const cfg::preview::Preview_Session core = core_session(log);
        QVERIFY(shows(core));
        QVERIFY(
            control<QLabel>("L_Counts")->text().endsWith(text(1240) + "1" + text(Without_Checksum) + "365"));
        QVERIFY2(control<QLabel>("L_Seen")->text().endsWith(text(Further_Codes) + "300"),
                 qPrintable(control<QLabel>("L_Seen")->text()));
    }

    // The recorded pause before the tag block's line holds the playback, so it can be paused there.
    void aLogAtItsOwnPaceCanBePausedAndResumed() {
        open_preview();
        ui::FileDialogService::queueFileNames({ui::qt_path(fixture("preview/ship.log"))});
        press("Btn_OpenLog");
        QVERIFY(status().startsWith(text(1242)));
        press("Btn_Pause");
        QVERIFY(status().startsWith(text(1245)));
        QCOMPARE(control<QPushButton>("Btn_Pause")->text(), text(1211));
        QTest::qWait(50);
        QVERIFY(status().startsWith(text(1245)));
        press("Btn_Pause");
        QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(text(End_Of_Log)), 5000);
        QVERIFY(shows(core_session(read_bytes(fixture("preview/ship.log")))));
        QVERIFY(!control<QPushButton>("Btn_Stop")->isEnabled());
    }

    void aLogThatCannotBeReadIsSaidSo() {
        open_preview();
        const std::filesystem::path missing = program_->dir / "no such.log";
        play_fast(missing);
        const QString expected = text(Log_Unread) + ui::qt_path(missing);
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts().front().startsWith(expected + text(Colon)));
        QVERIFY(status().startsWith(expected));
    }

    void aLivePortUpdatesTheRowsAsSentencesCome() {
#ifdef _WIN32
        QSKIP("the live port is a pseudo-terminal, which Windows has not");
#else
        if (!ui::SerialListener::can_open_ports())
            QSKIP("this build has no serial ports");
        open_preview();
        Pseudo_Terminal terminal;
        control<QComboBox>("CB_Port")->setEditText(terminal.slave_name());
        press("Btn_OpenPort");
        QVERIFY2(status().startsWith(text(Listening) + terminal.slave_name()), qPrintable(status()));

        const std::string gga =
            "$GPGGA,201530.25,5330.1234,N,00915.5678,E,2,09,0.9,12.5,M,46.9,M,3.2,0120*7C\r\n";
        const std::string hdt = "$HEHDT,272.5,T*2D\r\n";
        terminal.write(gga);
        terminal.write(hdt.substr(0, 7)); // the rest of the line comes later
        QTRY_VERIFY_WITH_TIMEOUT(shows(core_session(gga)), 5000);
        terminal.write(hdt.substr(7) + "$HEHDT,1,T*00\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(shows(core_session(gga + hdt)), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>("L_Counts")->text().contains(text(1239) + "1"), 5000);

        terminal.close_master(); // the sensor goes away
        QTRY_VERIFY_WITH_TIMEOUT(!ui::MessageService::shownTexts().isEmpty(), 5000);
        QVERIFY(
            ui::MessageService::shownTexts().front().startsWith(text(Port_Stopped) + terminal.slave_name()));
        QVERIFY(shows(core_session(gga + hdt))); // what came stays shown
#endif
    }

    void aPortThatCannotBeOpenedIsSaidSoWithTheSystemsReason() {
        open_preview();
        const QString port = ui::qt_path(program_->dir / "ttyNONE");
        control<QComboBox>("CB_Port")->setEditText(port);
        press("Btn_OpenPort");
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        const QString shown = ui::MessageService::shownTexts().front();
        QVERIFY2(shown.startsWith(text(Port_Unopened) + port + text(Colon)), qPrintable(shown));
        QVERIFY(shown.size() > (text(Port_Unopened) + port + text(Colon)).size());
        QCOMPARE(status(), shown);
        QVERIFY(!control<QPushButton>("Btn_Stop")->isEnabled());
    }

    void thePortIsSetAsTheConfigurationSetsIt() {
        cfg::ParGen_Set pargen;
        pargen.RS232_BAUDRATE = "38400";
        pargen.RS232_PARITY = "EVEN";
        pargen.RS232_STOP_BITS = "2 bits";
        open_preview();
        preview_->close();
        cfg::Save_ParGen(pargen, app_->File_ParGen);
        QTest::mouseClick(listener_->findChild<QPushButton*>("Btn_Preview"), Qt::LeftButton);
        QCOMPARE(control<QComboBox>("CB_Baud")->currentText(), QString("38400"));
        QCOMPARE(control<QComboBox>("CB_Parity")->currentText(), QString("EVEN"));
        QCOMPARE(control<QComboBox>("CB_StopBits")->currentText(), QString("2 bits"));
    }

    // Ticked fields become rows of the listener screen where the core proposes them; only the
    // screen's OK writes them.
    void learnedRowsGoIntoTheGridAndAreSavedOnlyByOk() {
        open_preview("preview/Learn");
        play_fast(fixture("preview/ship.log"));
        QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(text(End_Of_Log)), 5000);
        const cfg::preview::Preview_Session core = core_session(read_bytes(fixture("preview/ship.log")));
        const std::vector<cfg::preview::Seen_Field> fields =
            cfg::preview::Fields_That_Held_Values(core.survey());
        QAbstractItemModel* learn = control<QTableView>("ASG_Learn")->model();
        QCOMPARE(learn->rowCount(), static_cast<int>(fields.size()));

        const std::vector<int> ticks = {0, 5, static_cast<int>(fields.size()) - 1};
        for (const int at : ticks)
            QVERIFY(learn->setData(learn->index(at, 0), Qt::Checked, Qt::CheckStateRole));
        cfg::nmea::Listener_Table table;
        cfg::nmea::Load_Listener_Table(table, app_->File_NMEA_0183_Set_Access);
        std::vector<cfg::preview::Seen_Field> ticked;
        for (const int at : ticks)
            ticked.push_back(fields[static_cast<std::size_t>(at)]);
        const std::vector<cfg::preview::Learned_Row> proposed =
            cfg::preview::Propose_Learned_Rows(table, ticked);
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            QCOMPARE(learn->index(ticks[k], Learn_Number).data().toString(),
                     QString::number(proposed[k].row));
            QCOMPARE(learn->index(ticks[k], Learn_Position).data().toString(),
                     QString::number(proposed[k].Position));
        }

        const std::string before = read_bytes(app_->File_NMEA_0183_Set_Access);
        const ui::TableGridModel* grid = listener_->findChild<ui::GridView*>("ASG")->gridModel();
        const cfg::Table shown_before = grid->table();
        press("Btn_AddRows");
        QVERIFY(ui::MessageService::shownTexts().front().startsWith(text(Rows_Added)));
        QVERIFY(!preview_->isVisible());
        QCOMPARE(read_bytes(app_->File_NMEA_0183_Set_Access), before);

        // Adding them is one step to undo and redo.
        const cfg::Table added = grid->table();
        listener_->findChild<QAction*>("Act_Undo")->trigger();
        QVERIFY(grid->table() == shown_before);
        listener_->findChild<QAction*>("Act_Redo")->trigger();
        QVERIFY(grid->table() == added);

        QTest::mouseClick(listener_->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
        QVERIFY(!listener_->isVisible());
        QVERIFY(cfg::preview::Add_Learned_Rows(table, proposed));
        QCOMPARE(read_bytes(app_->File_NMEA_0183_Set_Access), cfg::nmea::Listener_Table_Bytes(table));
    }

    // Qt deletes the window's models and views after the window's own members; hiding the open window
    // on its way out must not make them read a session that is already gone (the sanitizers see it).
    void anOpenPreviewIsDeletedWithoutReadingWhatItFreed() {
        open_preview();
        play_fast(fixture("preview/ship.log"));
        QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(text(End_Of_Log)), 5000);
        QVERIFY(control<QTableView>("ASG_Rows")->model()->rowCount() > 0);
        delete preview_;
        preview_ = nullptr;
        QVERIFY(!listener_->findChild<ui::TFNMEA_0183_Preview*>());
    }

    void thePreviewFollowsAChangeOfLanguage() {
        open_preview();
        app_->Lang_Strings.set(1207, "Abspielen");
        app_->Lang_Strings.set(1070, "Vorschau");
        listener_->Set_Lang();
        QCOMPARE(control<QPushButton>("Btn_Play")->text(), QString("Abspielen"));
        QCOMPARE(listener_->findChild<QPushButton*>("Btn_Preview")->text(), QString("Vorschau"));
    }
};

QTEST_MAIN(PreviewWindowTest)
#include "PreviewWindowTest.moc"
