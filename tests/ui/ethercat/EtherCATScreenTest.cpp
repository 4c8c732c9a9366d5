#include "support/TempDir.h"
#include "ui/ethercat/SaveESIFile.h"
#include "ui/ethercat/TFEtherCATSlave.h"
#include "ui/platform/QtPath.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/ByteMapView.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;
using cfg::test::read_bytes;
using cfg::test::write_bytes;

namespace {

using ui::qt_path;

enum Column { Number, Enable, Type, Length, Name, InitValue, Position, BitStart, Mnemonic };

std::string slave_file(const std::string& slave_to_master, const std::string& master_to_slave = "") {
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slave_to_master +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + master_to_slave +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->";
}

std::string saved_file(const std::string& slave_to_master) {
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slave_to_master +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></"
           "EtherCAT_Slave>"
           "<!--SW_VERSION = 1.000-->";
}

} // namespace

class EtherCATScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::unique_ptr<ui::TFEtherCATSlave> dialog_;
    ui::GridView* view_ = nullptr;
    ui::TableGridModel* model_ = nullptr;

    void create() {
        dialog_ = std::make_unique<ui::TFEtherCATSlave>(*app_, nullptr);
        view_ = dialog_->findChild<ui::GridView*>("ASG_SlaveMaster");
    }

    void open(const std::string& file_content = "") {
        if (!file_content.empty())
            write_bytes(app_->File_EtherCAT_Slave, file_content);
        create();
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        model_ = view_->gridModel(); // a grid gets its model when its screen opens
    }

    QModelIndex cell(int table_row, int column) const { return model_->index(table_row - 1, column); }
    QString text(int table_row, int column) const { return cell(table_row, column).data().toString(); }
    QString place(int table_row) const { return text(table_row, Position) + "/" + text(table_row, BitStart); }
    bool checked(int table_row) const {
        return cell(table_row, Enable).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }
    bool editable(int table_row, int column) const {
        return cell(table_row, column).flags() & Qt::ItemIsEditable;
    }

    void choose(int table_row, const QString& type) {
        ui::test::choose_list_item(view_, cell(table_row, Type), type);
    }

    void type(int table_row, int column, const QString& text) {
        QVERIFY(model_->setData(cell(table_row, column), text, Qt::EditRole));
    }
    void set_enabled(int table_row, bool on) {
        QVERIFY(
            model_->setData(cell(table_row, Enable), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
    }

    void press(const char* button, int table_row) {
        view_->setCurrentIndex(cell(table_row, Name));
        QTest::mouseClick(dialog_->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    QString last_message() const {
        const QStringList shown = ui::MessageService::shownTexts();
        return shown.isEmpty() ? QString() : shown.last();
    }

    // The ESI file validates against the EtherCATInfo schema; skipped, saying where the schema is
    // expected, when the schema or xmllint is missing.
    void validate_esi(const fs::path& file) {
        const QString schema = QString(CONFIGURATOR_ESI_SCHEMA_DIR) + "/EtherCATInfo.xsd";
        if (!QFileInfo::exists(schema))
            QSKIP("ESI schema not found: expected EtherCATInfo.xsd in " CONFIGURATOR_ESI_SCHEMA_DIR);
        QProcess xmllint;
        xmllint.start("xmllint", {"--noout", "--schema", schema, qt_path(file)});
        if (!xmllint.waitForFinished())
            QSKIP("xmllint not found (scripts/deps installs it)");
        QVERIFY2(xmllint.exitCode() == 0, xmllint.readAllStandardError().constData());
    }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
    }

    void cleanup() {
        dialog_.reset();
        program_.reset();
    }

    // Keys and the wheel on the tab bar never reach the hidden Master To Slave table; typing starts in
    // the Slave To Master table.
    void theMasterToSlaveTableCannotBeReached() {
        open();
        QCOMPARE(dialog_->focusWidget(), view_);
        auto* tabs = dialog_->findChild<QTabWidget*>();
        auto* bar = tabs->tabBar();
        bar->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_End, Qt::Key_Right})
            QTest::keyClick(bar, key);
        QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(bar, &wheel);
        QTest::keyClick(dialog_.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentWidget()->objectName(), QString("TS_SlaveToMaster"));
        QVERIFY(!dialog_->findChild<ui::GridView*>("ASG_MasterSlave")->isVisible());
    }

    void opensOnTheSlaveToMasterTableWithItsColumns() {
        open();
        QCOMPARE(dialog_->windowTitle(), QString("EtherCAT Slave Set Access"));
        auto* tabs = dialog_->findChild<QTabWidget*>();
        QCOMPARE(tabs->currentWidget()->objectName(), QString("TS_SlaveToMaster"));
        QCOMPARE(tabs->tabText(0), QString("Slave To Master"));
        QCOMPARE(tabs->count(), 1); // the Master To Slave table is never reachable
        auto* master_slave = dialog_->findChild<ui::GridView*>("ASG_MasterSlave")->gridModel();
        QCOMPARE(master_slave->columnCount(), 8);
        QCOMPARE(master_slave->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Position"));

        QCOMPARE(model_->rowCount(), 256);
        const QStringList headers{"N",          "Enable",   "Type",      "Length",  "Name",
                                  "Init Value", "Position", "Start Bit", "Mnemonic"};
        const int widths[] = {40, 50, 120, 100, 280, 100, 100, 100, 100};
        for (int column = 0; column < headers.size(); ++column) {
            QCOMPARE(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), headers[column]);
            QCOMPARE(view_->columnWidth(column), widths[column]);
        }
        QVERIFY(!model_->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QCOMPARE(model_->headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString("Insert the Dimension in byte of EtherCAT Slave String Variable"));
        QCOMPARE(model_->headerData(8, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString("Insert a Description of EtherCAT Slave Variable"));
        QCOMPARE(text(256, Number), QString("256"));
        QVERIFY(checked(256));
        QCOMPARE(cell(1, Type).data(ui::TableGridModel::ListItemsRole).toStringList(),
                 QStringList(
                     {"Bool", "Int8", "Int16", "Int32", "UInt8", "UInt16", "UInt32", "Float32", "String"}));
        QVERIFY(cell(1, Name).data(ui::TableGridModel::ListItemsRole).toStringList().isEmpty());
    }

    void choosingATypeFillsItsLengthAndRecomputesThePlaces() {
        open();
        choose(1, "Bool");
        choose(2, "Bool");
        choose(3, "Int8");
        QCOMPARE(place(2), QString("0/1"));
        QCOMPARE(place(3), QString("1/0"));
        choose(2, "Float32");
        QCOMPARE(text(2, Length), QString("4"));
        QVERIFY(!editable(2, Length));
        QCOMPARE(place(2), QString("1/0"));
        QCOMPARE(place(3), QString("5/0"));
        QVERIFY(!editable(3, Position));
        QVERIFY(!editable(3, BitStart));
        QVERIFY(editable(3, InitValue));
    }

    void aStringLengthOrAnEnableMovesTheFollowingRows() {
        open();
        choose(1, "String");
        choose(2, "Int16");
        QCOMPARE(text(1, Length), QString("10"));
        QVERIFY(editable(1, Length));
        QCOMPARE(place(2), QString("10/0"));
        type(1, Length, "3");
        QCOMPARE(place(2), QString("3/0"));
        set_enabled(1, false);
        QCOMPARE(place(1), QString("/")); // a disabled row takes no place and shows none
        QCOMPARE(place(2), QString("0/0"));
        type(2, Name, "Speed"); // names move nothing
        set_enabled(1, true);
        QCOMPARE(place(2), QString("3/0"));
    }

    void aStringLengthOutsideAByteKeepsTheDialogOpenAndWritesNothing() {
        open();
        choose(1, "Int8");
        choose(2, "String");
        type(2, Length, "256");
        QTest::mouseClick(dialog_->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error row 2!! Length must be a whole number between 0 and 255"});
        QVERIFY(dialog_->isVisible());
        QCOMPARE(view_->currentIndex().row(), cell(2, Length).row()); // the failing row is selected
        QVERIFY(view_->selectionModel()->isRowSelected(cell(2, Length).row()));
        QVERIFY(!fs::exists(app_->File_EtherCAT_Slave));

        type(2, Length, "255");
        QTest::mouseClick(dialog_->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(read_bytes(app_->File_EtherCAT_Slave).find("Type=\"String\" Length=\"255\"") !=
                std::string::npos);
    }

    void deleteAsksWithTheRowNumberAndOnlyYesDeletes() {
        open();
        choose(1, "Int32");
        choose(2, "Int16");
        choose(3, "Int8");
        ui::MessageService::queueAnswers({ui::MessageAnswer::No, ui::MessageAnswer::Yes});
        press("Btn_DelRow", 2);
        QCOMPARE(text(2, Type), QString("Int16"));
        press("Btn_DelRow", 2);
        QCOMPARE(ui::MessageService::shownTexts(), QStringList(2, "Are you sure to delete the Row number 2"));
        QCOMPARE(text(2, Type), QString("Int8"));
        QCOMPARE(place(2), QString("4/0"));
        QCOMPARE(text(3, Type), QString());
        QVERIFY(checked(256));
    }

    void anInsertedRowEndsTheSavedRowsUntilItHasAType() {
        open();
        choose(1, "Int32");
        choose(2, "Int16");
        set_enabled(2, false);
        press("Btn_InsRow", 2);
        QCOMPARE(text(2, Type), QString());
        QVERIFY(checked(2));
        QCOMPARE(text(3, Type), QString("Int16"));
        QVERIFY(!checked(3));
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        QTest::mouseClick(dialog_->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
        QCOMPARE(last_message(),
                 QString("Rows after an empty Type are not saved. Do you want to save anyway? "
                         "First row not saved: 3"));
        QCOMPARE(read_bytes(app_->File_EtherCAT_Slave),
                 saved_file(
                     "<row Enable=\"Y\" Type=\"Int32\" Length=\"4\" Name=\"\" InitValue=\"\" Position=\"0\" "
                     "BitStart=\"0\" Mnemonic=\"\"/>"));
    }

    void pasteNeedsACopyOfThisOpeningAndKeepsACopiedStringLength() {
        open();
        press("Btn_PasteRow", 1);
        QCOMPARE(last_message(), QString("Error!!! Copy a valid row before Paste it"));

        choose(1, "String");
        type(1, Length, "20");
        type(1, Name, "Id");
        choose(2, "Bool");
        press("Btn_CopyRow", 1);
        press("Btn_PasteRow", 3);
        QCOMPARE(text(3, Type), QString("String"));
        QCOMPARE(text(3, Length), QString("20"));
        QCOMPARE(text(3, Name), QString("Id"));
        QCOMPARE(place(3), QString("21/0"));

        // Pasting over a row in use asks first.
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        press("Btn_CopyRow", 2);
        press("Btn_PasteRow", 1);
        QCOMPARE(last_message(), QString("Row Already used. Do you want to overwrite the values?"));
        QCOMPARE(text(1, Type), QString("Bool"));
        QCOMPARE(text(1, Length), QString("1"));
        QCOMPARE(place(2), QString("0/1"));
        QCOMPARE(place(3), QString("1/0"));

        // The copy flag is cleared by the next opening, though the clipboard still holds the row.
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes}); // lose the changes
        QTest::mouseClick(dialog_->findChild<QPushButton*>("Btn_Cancel"), Qt::LeftButton);
        dialog_->show();
        press("Btn_PasteRow", 1);
        QCOMPARE(last_message(), QString("Error!!! Copy a valid row before Paste it"));
        QCOMPARE(text(1, Type), QString());
    }

    void loadsTheFileAndOkWritesTheSlaveToMasterRowsLaidOutAgain() {
        open(slave_file(
            "<row Enable=\"n\" Type=\"Bool\" Length=\"1\" Name=\"Run\" InitValue=\"1\" Position=\"7\" "
            "BitStart=\"7\" Mnemonic=\"a &amp; b\"/>"
            "<row Enable=\"N\" Type=\"Int16\" Name=\"Off\"/>"
            "<row Enable=\"Y\" Type=\"bool\" Length=\"2\" Name=\"Odd\"/>",
            "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"Out\"/>"));
        QVERIFY(checked(1));
        QCOMPARE(place(1), QString("0/0"));
        QCOMPARE(text(1, Mnemonic), QString("a & b"));
        QVERIFY(!checked(2));
        QCOMPARE(text(2, Length), QString()); // a missing Length empties the type's default
        QCOMPARE(place(3), QString("1/0"));   // "bool" is no "Bool": it takes a whole byte
        QVERIFY(editable(3, Length));
        auto* master_slave = dialog_->findChild<ui::GridView*>("ASG_MasterSlave")->gridModel();
        QCOMPARE(master_slave->index(0, Name).data().toString(), QString("Out"));

        QTest::mouseClick(dialog_->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QCOMPARE(
            read_bytes(app_->File_EtherCAT_Slave),
            saved_file(
                "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Run\" InitValue=\"1\" Position=\"0\" "
                "BitStart=\"0\" Mnemonic=\"a &amp; b\"/>"
                "<row Enable=\"N\" Type=\"Int16\" Length=\"\" Name=\"Off\" InitValue=\"\" Position=\"0\" "
                "BitStart=\"0\" Mnemonic=\"\"/>"
                "<row Enable=\"Y\" Type=\"bool\" Length=\"2\" Name=\"Odd\" InitValue=\"\" Position=\"1\" "
                "BitStart=\"0\" Mnemonic=\"\"/>"));
    }

    void aMalformedFileIsReportedAndOpensEmpty() {
        open(slave_file("<row Enable=\"Y\" Type=\"Int8\"/>").substr(0, 60));
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts().first().contains("EtherCAT_Slave.xml"));
        QCOMPARE(text(1, Type), QString());
        QCOMPARE(model_->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Type"));
    }

    void okRunAsAModalDialogSavesAndAccepts() {
        create();
        QTimer::singleShot(0, [this] {
            QTRY_VERIFY(QApplication::activeModalWidget() == dialog_.get());
            model_ = view_->gridModel();
            choose(1, "UInt16");
            type(1, Name, "Heading");
            dialog_->findChild<QPushButton*>("Btn_OK")->click();
        });
        QCOMPARE(dialog_->exec(), int(QDialog::Accepted));
        QVERIFY(read_bytes(app_->File_EtherCAT_Slave).find("Name=\"Heading\"") != std::string::npos);
    }

    ui::ByteMapView* map() const { return dialog_->findChild<ui::ByteMapView*>("ByteMap"); }
    QString status() const { return dialog_->findChild<QLabel*>("L_Status")->text(); }

    void theStatusLineGivesTheImageSizeInBytesAndBits() {
        open();
        QCOMPARE(status(), QString("process image: 0 bytes, 0 bits"));
        choose(1, "Bool");
        QCOMPARE(status(), QString("process image: 1 byte, 8 bits"));
        choose(2, "Int16");
        choose(3, "Bool");
        QCOMPARE(status(), QString("process image: 4 bytes, 32 bits"));
        set_enabled(2, false);
        QCOMPARE(status(), QString("process image: 1 byte, 8 bits"));
    }

    // The bits of a "Bool" run are slivers of their byte; a click on one selects its row.
    void theMapShowsEachBitAndAClickSelectsItsRow() {
        open();
        choose(1, "Bool");
        choose(2, "Bool");
        choose(3, "Int8");
        set_enabled(3, false);
        std::vector<int> rows;
        for (const cfg::bytemap::Map_Block& block : map()->map().blocks)
            if (block.lane == cfg::bytemap::Map_Lane::Variables)
                rows.push_back(block.row);
        QCOMPARE(rows, (std::vector<int>{1, 2}));
        const cfg::bytemap::Map_Rect second_bit = map()->map().blocks.back().pieces.front();
        QTest::mouseClick(map(), Qt::LeftButton, {},
                          QPoint(second_bit.x + second_bit.width / 2, second_bit.y + second_bit.height / 2));
        QVERIFY(view_->selectionModel()->isRowSelected(1, {}));
    }

    void theMapShowsTheStoredListenerFields() {
        write_bytes(app_->File_NMEA_0183_Set_Access,
                    "<NMEA_0183><NMEA_Listener><row Enable=\"Y\" Sentence=\"HDT\" "
                    "DataField=\"Heading, degrees True, Number [floating point]\" Position=\"4\"/>"
                    "</NMEA_Listener></NMEA_0183>");
        open();
        const std::vector<cfg::bytemap::Map_Block>& blocks = map()->map().blocks;
        QCOMPARE(blocks.size(), std::size_t{1});
        QCOMPARE(blocks.front().lane, cfg::bytemap::Map_Lane::Listener);
        // The listener rows belong to the other screen: a click on them selects nothing here.
        const cfg::bytemap::Map_Rect piece = blocks.front().pieces.front();
        view_->clearSelection();
        QTest::mouseClick(map(), Qt::LeftButton, {}, QPoint(piece.x + 2, piece.y + 2));
        QVERIFY(!view_->selectionModel()->hasSelection());
    }

    void aLanguageChangeRenamesTheColumns() {
        open();
        app_->Lang_Strings.set(1516, "Tipo");
        app_->Lang_Strings.set(1534, "Slave verso Master");
        app_->Lang_Strings.set(1571, "immagine: ");
        dialog_->Set_Lang();
        QVERIFY(status().startsWith("immagine: "));
        QCOMPARE(model_->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Tipo"));
        QCOMPARE(dialog_->findChild<QTabWidget*>()->tabText(0), QString("Slave verso Master"));
    }

    // Step 5.

    void theEsiFileIsWrittenWhereTheUserChoseWithXmlAdded() {
        open();
        choose(1, "Bool");
        type(1, Name, "Run");
        choose(2, "Int16");
        type(2, Name, "Speed & Course");
        QTest::mouseClick(dialog_->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);

        const fs::path chosen = app_->Path_Project / "device";
        ui::FileDialogService::queueFileNames({qt_path(chosen)});
        ui::Save_ESI_File(*app_, nullptr);
        QCOMPARE(ui::FileDialogService::requests(),
                 QStringList{"|" + qt_path(app_->Path_Project) + "|EtherCAT ESI File (*.xml)"});
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"The ESI file has been written: " + qt_path(app_->Path_Project / "device.xml") +
                             "\nEtherCAT variables it describes: 2"});
        QVERIFY(!fs::exists(chosen));
        const std::string esi = read_bytes(app_->Path_Project / "device.xml");
        QVERIFY(esi.starts_with("<?xml version=\"1.0\"?>\r\n<EtherCATInfo "));
        QVERIFY(esi.find("<Name>Speed &amp; Course</Name>") != std::string::npos);
        QVERIFY(esi.find("<Sm StartAddress=\"#x100C\"") != std::string::npos); // 3 bytes of inputs
        validate_esi(app_->Path_Project / "device.xml");
    }

    void cancellingTheSaveDialogWritesNothing() {
        const QStringList before = QDir(qt_path(app_->Path_Project)).entryList(QDir::AllEntries);
        ui::FileDialogService::queueFileNames({QString()});
        ui::Save_ESI_File(*app_, nullptr);
        QCOMPARE(ui::FileDialogService::requests().size(), 1);
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QCOMPARE(QDir(qt_path(app_->Path_Project)).entryList(QDir::AllEntries), before);
    }

    void anExistingFileIsReplacedOnlyAfterYes() {
        const fs::path file = app_->Path_Project / "device.xml";
        write_bytes(file, "old");
        ui::FileDialogService::queueFileNames({qt_path(file), qt_path(file)});
        ui::MessageService::queueAnswers({ui::MessageAnswer::No, ui::MessageAnswer::Yes});
        ui::Save_ESI_File(*app_, nullptr);
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 "File already exists! Do you want to overwrite the file?");
        QCOMPARE(ui::MessageService::enterAnswers().last(), ui::MessageAnswer::No);
        QCOMPARE(read_bytes(file), std::string("old"));
        ui::Save_ESI_File(*app_, nullptr);
        QVERIFY(read_bytes(file).starts_with("<?xml"));
    }

    // A configuration name of 252 characters without a blank, in the byte map's notice of an
    // unreadable listener file: the notice wraps and the screen keeps OK on the screen.
    void aLongNameWrapsAndTheScreenStaysOnTheScreen() {
        QVERIFY(!cfg::Create_New_Project(*app_, std::string(252, 'N')));
        write_bytes(app_->File_NMEA_0183_Set_Access, "<NMEA_0183><NMEA_Listener>");
        open();
        auto* note = ui::test::child<QLabel>(dialog_.get(), "L_MapNote");
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(QString(252, 'N').left(20)));
        const QRect available = dialog_->screen()->availableGeometry();
        QVERIFY2(dialog_->width() <= available.width(), qPrintable(QString::number(dialog_->width())));
        QVERIFY(dialog_->height() <= available.height());
        QVERIFY2(note->minimumSizeHint().width() <= dialog_->width(),
                 qPrintable(QString::number(note->minimumSizeHint().width())));
    }

    // The save dialog opens in the configuration's folder, beside its own files.
    void aFileOfTheConfigurationIsNeverTheTarget() {
        const std::string variables =
            "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
            "<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"Run\"/>"
            "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>";
        write_bytes(app_->File_EtherCAT_Slave, variables);
        ui::FileDialogService::queueFileNames({qt_path(app_->File_EtherCAT_Slave)});
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        ui::Save_ESI_File(*app_, nullptr);
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"This file is kept by the program for the configuration and cannot be "
                             "overwritten with an export. Choose another name. The file: " +
                             qt_path(app_->File_EtherCAT_Slave)});
        QCOMPARE(read_bytes(app_->File_EtherCAT_Slave), variables);
    }

    void aSourceThatCannotBeReadIsReportedAndWritesNothing() {
        write_bytes(app_->File_EtherCAT_Slave,
                    "<EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>");
        const fs::path file = app_->Path_Project / "device.xml";
        ui::FileDialogService::queueFileNames({qt_path(file)});
        ui::Save_ESI_File(*app_, nullptr);
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(!fs::exists(file));
    }
};

QTEST_MAIN(EtherCATScreenTest)
#include "EtherCATScreenTest.moc"
