#include "core/bytemap/ByteMapSvg.h"
#include "core/ethercat/VariableTableRules.h"
#include "core/exchange/TableExchange.h"
#include "core/mqtt/TopicTableRules.h"
#include "core/nmea/NmeaTableRules.h"
#include "support/TempDir.h"
#include "ui/ethercat/TFEtherCATSlave.h"
#include "ui/mqtt/TFMQTT_Set_Topic.h"
#include "ui/nmea/TFNMEA_0183_Set_Access.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"
#include "ui/platform/QtPath.h"
#include "ui/support/ScreenTest.h"
#include "ui/support/TableFiles.h"
#include "ui/widgets/ByteMapView.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::MessageAnswer;

namespace {

// A table screen as these tests change it: a file of two equal rows, a text cell, a check box and a
// list cell to change, a block of cells to paste at the text column of row 2.
struct Table_Screen_Case {
    const char* name;
    std::function<QDialog*(cfg::Application&)> make;
    fs::path cfg::Application::*file;
    std::string two_rows;
    const char* grid;
    std::function<cfg::Table_Rules()> rules;
    int text_column;
    QString text;
    int check_column;
    int list_column;
    QString list_item;
    QString block;
};

const std::vector<Table_Screen_Case>& table_screens() {
    static const std::vector<Table_Screen_Case> cases = {
        // The sentence proposes a data field and a position.
        {"listener", ui::test::maker<ui::TFNMEA_0183_Set_Access2>(),
         &cfg::Application::File_NMEA_0183_Set_Access, ui::test::listener_rows(2), "ASG",
         cfg::nmea::Listener_Table_Rules, 10, "Aft", 1, 3, "GGA", "Stern\r\nBow\r\n"},
        {"legacy sentences", ui::test::maker<ui::TFNMEA_0183_Set_Access>(),
         &cfg::Application::File_NMEA_0183_Set_Access, ui::test::legacy_rows(2), "sga",
         cfg::nmea::Legacy_Table_Rules, 5, "Mast", 1, 2, "VTG", "Aft\nBow\n"},
        // The type sets the length and moves every place after the row.
        {"EtherCAT variables", ui::test::maker<ui::TFEtherCATSlave>(), &cfg::Application::File_EtherCAT_Slave,
         ui::test::variable_rows(2), "ASG_SlaveMaster",
         [] { return cfg::ethercat::Variable_Table_Rules(true); }, 4, "Stop", 1, 2, "Float32",
         "Speed\t7\nLevel\t9\n"},
        {"MQTT topics", ui::test::maker<ui::TFMQTT_Set_Topic>(), &cfg::Application::File_MQTT_Set_Topic,
         ui::test::topic_rows(2), "ACG_Pub",
         [] { return cfg::mqtt::Topic_Table_Rules(cfg::mqtt::TopicTable::Publish); }, 1, "plant/flow", 2, 3,
         "2", "plant/a\tY\nplant/b\tN\n"},
    };
    return cases;
}

// Listener columns the clipboard tests use.
enum Listener_Column { Enable = 1, Sentence = 3, Position = 9, Mnemonic = 10 };

enum class Change {
    Cell_Text,
    Check_Box,
    List_Choice,
    Insert_Row,
    Delete_Row,
    Paste_Row,
    Block_Paste,
    Import
};

// What a table screen shows of its rows: the table, every cell as shown (computed columns
// included), the line under the table and the byte map.
struct Shown {
    cfg::Table table;
    QStringList cells;
    QString status;
    std::string map;
    bool operator==(const Shown&) const = default;
};

} // namespace

class UndoExchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    std::unique_ptr<QDialog> dialog_;
    const Table_Screen_Case* case_ = nullptr;

    ui::GridView* grid() const { return ui::test::child<ui::GridView>(dialog_.get(), case_->grid); }
    ui::TableGridModel* model() const { return grid()->gridModel(); }
    const cfg::Table& table() const { return model()->table(); }
    QModelIndex cell(int table_row, int column) const { return model()->index(table_row - 1, column); }
    fs::path file() const { return program_->app.*case_->file; }

    void take_case(int screen) {
        case_ = &table_screens()[static_cast<std::size_t>(screen)];
        write_bytes(file(), case_->two_rows);
        dialog_.reset(case_->make(program_->app));
        open();
    }

    void open() {
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        grid()->setFocus();
    }

    Shown shown() const {
        Shown now{table(), {}, ui::test::child<QLabel>(dialog_.get(), "L_Status")->text(), {}};
        for (int row = 0; row < model()->rowCount(); ++row)
            for (int column = 0; column < model()->columnCount(); ++column)
                now.cells.append(model()->index(row, column).data().toString());
        if (auto* map = dialog_->findChild<ui::ByteMapView*>())
            now.map = cfg::bytemap::Byte_Map_Svg(map->map());
        return now;
    }

    void press(const char* button) {
        QTest::mouseClick(ui::test::child<QPushButton>(dialog_.get(), button), Qt::LeftButton);
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(grid(), key, modifiers);
    }

    QAction* action(const char* name) const { return ui::test::child<QAction>(dialog_.get(), name); }

    // Opens the grid's menu and picks the entry, as the user does with the right mouse button.
    void pick_from_menu(const char* entry) {
        QTimer::singleShot(0, this, [entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAction* picked = menu->findChild<QAction*>(entry);
            QVERIFY(picked);
            menu->close();
            picked->trigger();
        });
        emit grid()->customContextMenuRequested(grid()->visualRect(grid()->currentIndex()).center());
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        grid()->setFocus();
    }

    void set_clipboard_text(const QString& text) {
        auto* mime = new QMimeData;
        mime->setText(text);
        QGuiApplication::clipboard()->setMimeData(mime);
    }

    QString last_message() const {
        const QStringList shown = ui::MessageService::shownTexts();
        return shown.isEmpty() ? QString() : shown.last();
    }

    void make(Change change) {
        switch (change) {
        case Change::Cell_Text:
            QVERIFY(model()->setData(cell(1, case_->text_column), case_->text, Qt::EditRole));
            break;
        case Change::Check_Box: {
            const QModelIndex box = cell(1, case_->check_column);
            const bool was_checked = box.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
            QVERIFY(model()->setData(box, was_checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole));
            break;
        }
        case Change::List_Choice:
            ui::test::choose_list_item(grid(), cell(2, case_->list_column), case_->list_item);
            break;
        case Change::Insert_Row:
            grid()->setCurrentIndex(cell(1, 1));
            press("Btn_InsRow");
            break;
        case Change::Delete_Row:
            grid()->setCurrentIndex(cell(1, 1));
            ui::MessageService::queueAnswers({MessageAnswer::Yes});
            press("Btn_DelRow");
            break;
        case Change::Paste_Row:
            QVERIFY(model()->setData(cell(1, case_->text_column), case_->text, Qt::EditRole));
            grid()->setCurrentIndex(cell(1, 1));
            press("Btn_CopyRow");
            grid()->setCurrentIndex(cell(3, 1));
            press("Btn_PasteRow");
            break;
        case Change::Block_Paste:
            set_clipboard_text(case_->block);
            grid()->setCurrentIndex(cell(2, case_->text_column));
            key(Qt::Key_V);
            break;
        case Change::Import: {
            cfg::Table edited = table();
            edited.set_text(1, case_->text_column, case_->text.toStdString());
            const fs::path csv = program_->dir.path() / "edited.csv";
            write_bytes(csv, cfg::Export_Table_Csv(edited, case_->rules()));
            ui::FileDialogService::queueFileNames({ui::qt_path(csv)});
            pick_from_menu("Act_ImportCsv");
            QTRY_VERIFY(last_message().startsWith("Rows read: 2."));
            QVERIFY(table() == edited);
            break;
        }
        }
    }

private slots:
    void init() { program_ = std::make_unique<ui::test::ScreenTestProgram>(); }

    void cleanup() {
        dialog_.reset();
        program_.reset();
    }

    void eachChangeIsOneStepToUndoAndRedo_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<Change>("change");
        const std::vector<std::pair<const char*, Change>> changes = {
            {"cell text", Change::Cell_Text},     {"check box", Change::Check_Box},
            {"list choice", Change::List_Choice}, {"insert", Change::Insert_Row},
            {"delete", Change::Delete_Row},       {"paste row", Change::Paste_Row},
            {"block paste", Change::Block_Paste}, {"import", Change::Import},
        };
        for (std::size_t screen = 0; screen < table_screens().size(); ++screen)
            for (const auto& [name, change] : changes)
                QTest::addRow("%s, %s", table_screens()[screen].name, name)
                    << static_cast<int>(screen) << change;
    }
    void eachChangeIsOneStepToUndoAndRedo() {
        QFETCH(int, screen);
        QFETCH(Change, change);
        take_case(screen);
        const Shown opened = shown();
        const bool two_changes = change == Change::Paste_Row; // the pasted row is edited first
        make(change);
        const Shown changed = shown();
        QVERIFY(!(changed.table == opened.table));
        QVERIFY(ui::MessageService::shownTexts().filter("Error").isEmpty());

        key(Qt::Key_Z);
        if (two_changes)
            key(Qt::Key_Z);
        QVERIFY(shown() == opened);
        QVERIFY(!action("Act_Undo")->isEnabled());
        key(Qt::Key_Y);
        if (two_changes)
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(shown() == changed);
        key(Qt::Key_Z);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(shown() == changed);

        // Undone back to the opening, the screen holds no change: Cancel asks nothing.
        key(Qt::Key_Z);
        if (two_changes)
            key(Qt::Key_Z);
        const int messages = static_cast<int>(ui::MessageService::shownTexts().size());
        press("Btn_Cancel");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(ui::MessageService::shownTexts().size(), messages);
    }

    // Nothing of one opening can be undone in the next.
    void eachOpeningStartsWithNothingToUndo() {
        take_case(0);
        make(Change::Cell_Text);
        QVERIFY(action("Act_Undo")->isEnabled());
        ui::MessageService::queueAnswers({MessageAnswer::Yes});
        press("Btn_Cancel");
        open();
        QVERIFY(!action("Act_Undo")->isEnabled());
        QVERIFY(!action("Act_Redo")->isEnabled());
        key(Qt::Key_Z);
        QCOMPARE(model()->index(0, case_->text_column).data().toString(), "Gyro");
    }

    // A block copied from a spreadsheet file: quoted fields with the delimiter, a line break and
    // doubled quotes inside, a blank line at the end; and the tab-separated text of the clipboard,
    // quoted alike. From Position on, so its middle column falls on the computed Bytes column; at
    // the last three rows, so a blank line taken for a row would not fit.
    void aBlockFromASpreadsheetIsPastedCellByCell_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("block");
        QTest::addRow("csv with commas") << "text/csv"
                                         << QByteArray("12,x,\"Gyro, main\"\r\n14,,\"two\r\nlines\"\r\n"
                                                       "16,,\"say \"\"hi\"\"\"\r\n\r\n");
        QTest::addRow("csv with semicolons") << "text/csv"
                                             << QByteArray("12;x;\"Gyro, main\"\r\n14;;\"two\r\nlines\"\r\n"
                                                           "16;;\"say \"\"hi\"\"\"\r\n\r\n");
        QTest::addRow("tab-separated text")
            << "text/plain"
            << QByteArray("12\tx\t\"Gyro, main\"\r\n14\t\t\"two\r\nlines\"\r\n"
                          "16\t\t\"say \"\"hi\"\"\"\r\n\r\n");
    }
    void aBlockFromASpreadsheetIsPastedCellByCell() {
        QFETCH(QString, format);
        QFETCH(QByteArray, block);
        take_case(0);
        auto* mime = new QMimeData;
        mime->setData(format, block);
        QGuiApplication::clipboard()->setMimeData(mime);
        grid()->setCurrentIndex(cell(98, Position));
        key(Qt::Key_V);
        QVERIFY2(ui::MessageService::shownTexts().isEmpty(), qPrintable(last_message()));
        const std::vector<std::pair<std::string, std::string>> expected = {
            {"12", "Gyro, main"}, {"14", "two\r\nlines"}, {"16", "say \"hi\""}};
        for (int row = 98; row <= 100; ++row) {
            QCOMPARE(table().text(row, Position), expected[static_cast<std::size_t>(row - 98)].first);
            QCOMPARE(table().text(row, Mnemonic), expected[static_cast<std::size_t>(row - 98)].second);
        }
        key(Qt::Key_Z);
        QCOMPARE(table().text(98, Mnemonic), "");
    }

    // Cells copied as shown, a check box as Y, paste back as they were; the computed column copied
    // with them is passed over.
    void copiedCellsPasteBackAsTheyWere() {
        take_case(0);
        QVERIFY(model()->setData(cell(2, Mnemonic), "Aft", Qt::EditRole));
        grid()->setCurrentIndex(cell(1, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          grid()->visualRect(cell(2, Mnemonic)).center());
        key(Qt::Key_C);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->text().startsWith("Y\tHDT\t"));
        QVERIFY(copied->text().endsWith("\tAft\r\n"));
        QVERIFY(copied->hasFormat("text/csv"));

        grid()->setCurrentIndex(cell(5, 1));
        key(Qt::Key_V);
        QVERIFY2(ui::MessageService::shownTexts().isEmpty(), qPrintable(last_message()));
        for (int column = 1; column < table().column_count(); ++column) {
            QCOMPARE(cfg::Exchange_Text(table(), 5, column), cfg::Exchange_Text(table(), 1, column));
            QCOMPARE(cfg::Exchange_Text(table(), 6, column), cfg::Exchange_Text(table(), 2, column));
        }
    }

    // The export writes the grid as it stands, unsaved edits included; a file the table refuses, or
    // one that cannot be read, changes nothing and says why.
    void exportWritesTheGridAndARefusedImportChangesNothing() {
        take_case(2);
        QVERIFY(model()->setData(cell(1, case_->text_column), case_->text, Qt::EditRole));
        const fs::path exported = program_->dir.path() / "variables.csv";
        ui::FileDialogService::queueFileNames({ui::qt_path(exported)});
        pick_from_menu("Act_ExportCsv");
        QCOMPARE(last_message(), "The table has been written: " + ui::qt_path(exported));
        QCOMPARE(read_bytes(exported), cfg::Export_Table_Csv(table(), case_->rules()));

        const Shown before = shown();
        const fs::path refused = program_->dir.path() / "refused.csv";
        write_bytes(refused, "Name;Type\r\nPump;Foo\r\n");
        const std::vector<std::pair<fs::path, QString>> files = {
            {refused, "\"Foo\" is not one of the column's choices. Nothing was imported."},
            {program_->dir.path() / "missing.csv", "missing.csv"}};
        for (const auto& [file, reason] : files) {
            ui::FileDialogService::queueFileNames({ui::qt_path(file)});
            pick_from_menu("Act_ImportCsv");
            QVERIFY2(last_message().contains(reason), qPrintable(last_message()));
            QVERIFY(shown() == before);
        }
    }

    // A value the column refuses keeps the whole block out and names the row, the column and the
    // value; a block past the table's rows or columns says so; the clipboard may hold nothing.
    void aRefusedBlockPastesNothing_data() {
        QTest::addColumn<QString>("block");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("message");
        QTest::addRow("not a choice")
            << "GGA\nXYZ\n"
            << 1 << int(Sentence)
            << "Row 2, column \"Sentence\": \"XYZ\" is not one of the column's choices. "
               "Nothing was pasted.";
        QTest::addRow("not a check state")
            << "Y\nmaybe\n"
            << 1 << int(Enable)
            << "Row 2, column \"Enable\": \"maybe\" is not a check box state; Y (checked) or N (not checked). "
               "Nothing was pasted.";
        QTest::addRow("past the last row")
            << "GGA\nHDT\n"
            << 100 << int(Sentence)
            << "The block (rows: 2, columns: 1) does not fit into the table from "
               "row 100, column \"Sentence\". Nothing was pasted.";
        QTest::addRow("past the last column")
            << "Aft\tx\n"
            << 1 << int(Mnemonic)
            << "The block (rows: 1, columns: 2) does not fit into the table "
               "from row 1, column \"Mnemonic\". Nothing was pasted.";
        QTest::addRow("empty clipboard")
            << "" << 1 << int(Sentence) << "The clipboard holds no cells to paste.";
    }
    void aRefusedBlockPastesNothing() {
        QFETCH(QString, block);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, message);
        take_case(0);
        const Shown opened = shown();
        set_clipboard_text(block);
        grid()->setCurrentIndex(cell(row, column));
        key(Qt::Key_V);
        QCOMPARE(last_message(), message);
        QVERIFY(shown() == opened);
        QVERIFY(!action("Act_Undo")->isEnabled());
    }
};

QTEST_MAIN(UndoExchangeTest)
#include "UndoExchangeTest.moc"
