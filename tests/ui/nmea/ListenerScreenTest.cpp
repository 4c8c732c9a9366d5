#include "support/TempDir.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"
#include "ui/platform/QtPath.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/ByteMapView.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/Looks.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using cfg::test::read_bytes;
using cfg::test::write_bytes;

namespace {

enum Column {
    Enable = 1,
    Serial_Channel = 2,
    Sentence = 3,
    Index = 4,
    DataField = 5,
    PortOperation = 6,
    Position = 9,
    Mnemonic = 10,
    Bytes = 11 // computed, shown after Position
};

std::string listener_file(const std::string& rows) {
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->";
}

std::string row(const std::string& enable, const std::string& sentence, const std::string& field,
                const std::string& position, const std::string& channel = "RS232") {
    return "<row Enable=\"" + enable + "\" Serial_Channel=\"" + channel + "\" Sentence=\"" + sentence +
           "\" Index=\"\" DataField=\"" + field +
           "\" PortOperation=\"None\" SwapAll=\"N\" Swap16=\"N\" Position=\"" + position +
           "\" Mnemonic=\"\"/>";
}

} // namespace

class ListenerScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::unique_ptr<ui::TFNMEA_0183_Set_Access2> dialog_;
    ui::GridView* view_ = nullptr;
    ui::TableGridModel* model_ = nullptr;

    void open(const std::string& file_content = "") {
        if (!file_content.empty())
            write_bytes(app_->File_NMEA_0183_Set_Access, file_content);
        dialog_ = std::make_unique<ui::TFNMEA_0183_Set_Access2>(*app_, nullptr);
        view_ = dialog_->findChild<ui::GridView*>("ASG");
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        model_ = view_->gridModel(); // a grid gets its model when its screen opens
    }

    QModelIndex cell(int table_row, int column) const { return model_->index(table_row - 1, column); }
    QString text(int table_row, int column) const { return cell(table_row, column).data().toString(); }
    bool checked(int table_row, int column) const {
        return cell(table_row, column).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }
    bool editable(int table_row, int column) const {
        return cell(table_row, column).flags() & Qt::ItemIsEditable;
    }

    void choose(int table_row, int column, const QString& item) {
        ui::test::choose_list_item(view_, cell(table_row, column), item);
    }

    // A row that passes the checks: a sentence (its first field follows) and a post operation.
    void fill(int table_row, const QString& sentence) {
        choose(table_row, Sentence, sentence);
        choose(table_row, PortOperation, "None");
    }

    void type(int table_row, int column, const QString& text) {
        model_->setData(cell(table_row, column), text, Qt::EditRole);
    }

    void press(const char* button) {
        QTest::mouseClick(dialog_->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    std::string saved() const { return read_bytes(app_->File_NMEA_0183_Set_Access); }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
    }

    void cleanup() {
        dialog_.reset();
        program_.reset();
    }

    void choosingGsvFillsTheFirstFieldOpensIndexAndProposesAPosition() {
        open();
        QVERIFY(!editable(1, Index));
        choose(1, Sentence, "GSV");
        QCOMPARE(text(1, DataField), QString("Total number of sentences [decimal]"));
        QVERIFY(editable(1, Index));
        QCOMPARE(text(1, Position), QString("1"));
        choose(1, Sentence, "GGA");
        QVERIFY(!editable(1, Index));
    }

    void positionsAreProposedWhenRowsAreFilledInOrder() {
        open();
        choose(1, Sentence, "GGA");
        choose(1, DataField, "UTC of position, Hours [decimal]");
        choose(2, Sentence, "GGA");
        choose(2, DataField, "Latitude, Minutes [floating point]");
        choose(3, Sentence, "GGA");
        choose(3, DataField, "Differential reference station ID [decimal]");
        QCOMPARE(text(1, Position), QString("1"));
        QCOMPARE(text(2, Position), QString("2"));
        QCOMPARE(text(3, Position), QString("6"));
        type(3, Position, "100"); // typing proposes nothing
        QCOMPARE(text(3, Position), QString("100"));
    }

    void loadingKeepsFlagsAndDropsWhatIsNotInTheCatalogue() {
        open(listener_file(row("N", "GGA", "UTC of position, Hours [decimal]", "1", "RS485 2") +
                           row("Y", "gga", "UTC of position, Hours [decimal]", "2") +
                           row("Y", "GGA", "utc of position, hours [decimal]", "3")));
        QVERIFY(!checked(1, Enable));
        QCOMPARE(text(1, Serial_Channel), QString("RS232"));
        QCOMPARE(text(2, Sentence), QString());
        QCOMPARE(text(2, DataField), QString());
        QCOMPARE(text(3, Sentence), QString("GGA"));
        QCOMPARE(text(3, DataField), QString());

        choose(3, DataField, "UTC of position, Hours [decimal]");
        type(1, Position, "1");
        type(3, Position, "3");
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes}); // row 3 lies below the emptied row 2
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        const std::string file = saved();
        QVERIFY(file.find("<row Enable=\"N\" Serial_Channel=\"RS232\" Sentence=\"GGA\"") !=
                std::string::npos);
        QVERIFY(file.find("RS485") == std::string::npos);
    }

    void aFailedCheckKeepsTheDialogOpenAndWritesNothing() {
        open();
        for (int r : {1, 2, 3})
            fill(r, "GGA");
        type(3, DataField, "");
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(), QStringList{"Error row 3!! Data Field Must be Selected"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!std::filesystem::exists(app_->File_NMEA_0183_Set_Access));

        type(3, DataField, "UTC of position, Hours [decimal]");
        type(2, Position, "2000");
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error row 2!! Position Must be Between 0 and 2000"));
    }

    void deleteAsksWithTheRowNumberAndOnlyYesDeletes() {
        open();
        choose(1, Sentence, "GGA");
        choose(2, Sentence, "RMC");
        view_->setCurrentIndex(cell(1, Sentence));
        ui::MessageService::queueAnswers({ui::MessageAnswer::No, ui::MessageAnswer::Yes});
        press("Btn_DelRow");
        QCOMPARE(text(1, Sentence), QString("GGA"));
        press("Btn_DelRow");
        QCOMPARE(text(1, Sentence), QString("RMC"));
        QCOMPARE(ui::MessageService::shownTexts(), QStringList(2, "Are you sure to delete the Row number 1"));
        QVERIFY(checked(100, Enable));
    }

    void insertGivesAnEnabledEmptyRow() {
        open();
        choose(1, Sentence, "GGA");
        view_->setCurrentIndex(cell(1, Sentence));
        press("Btn_InsRow");
        QVERIFY(checked(1, Enable));
        QCOMPARE(text(1, Sentence), QString());
        QCOMPARE(text(1, Serial_Channel), QString("RS232"));
        QCOMPARE(text(2, Sentence), QString("GGA"));
    }

    void pasteNeedsACopyThatFitsAndAsksBeforeOverwriting() {
        open();
        choose(1, Sentence, "GGA");
        view_->setCurrentIndex(cell(2, Sentence));
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error!!! Copy a valid row before Paste it"));

        view_->setCurrentIndex(cell(1, Sentence));
        press("Btn_CopyRow");
        view_->setCurrentIndex(cell(2, Sentence));
        // An untouched row takes the copy at once: its hidden serial channel is no use of it.
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QCOMPARE(text(2, Sentence), QString("GGA"));

        choose(2, Sentence, "RMC");
        ui::MessageService::queueAnswers({ui::MessageAnswer::No});
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Row Already used. Do you want to overwrite the values?"));
        QCOMPARE(ui::MessageService::enterAnswers().last(), ui::MessageAnswer::No);
        QCOMPARE(text(2, Sentence), QString("RMC"));
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        press("Btn_PasteRow");
        QCOMPARE(text(2, Sentence), QString("GGA"));

        app_->Row_Clipboard.texts.resize(4); // a row copied in a table with other columns
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error in the Copy values!!! Copy a valid row before Paste it"));
    }

    void enterJumpsAlongTheVisibleCellsOnlyWithTheOptionOn() {
        app_->App_Settings.enable_jump_field_tables = true;
        open();
        view_->setCurrentIndex(cell(1, Enable));
        QTest::keyClick(view_, Qt::Key_Return);
        QCOMPARE(view_->currentIndex(), cell(1, Sentence)); // the hidden serial channel is passed over
        view_->setCurrentIndex(cell(100, 10));
        QTest::keyClick(view_, Qt::Key_Return);
        QCOMPARE(view_->currentIndex(), cell(1, Enable));

        app_->App_Settings.enable_jump_field_tables = false;
        QTest::keyClick(view_, Qt::Key_Return);
        QCOMPARE(view_->currentIndex(), cell(1, Enable));
    }

    // Letters typed into a list cell search its list, as the walk typed them; the row changes once,
    // when the edit ends.
    void typingIntoASentenceCellPicksWhatWasTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("end_key");
        QTest::newRow("GLL, Enter") << "GLL" << int(Qt::Key_Return);
        QTest::newRow("RMC, Tab") << "RMC" << int(Qt::Key_Tab);
        QTest::newRow("GSV, Enter on the keypad") << "GSV" << int(Qt::Key_Enter);
    }
    void typingIntoASentenceCellPicksWhatWasTyped() {
        QFETCH(QString, typed);
        QFETCH(int, end_key);
        open();
        choose(2, Sentence, typed); // what a pick from the list gives, to compare with
        view_->setFocus();
        view_->setCurrentIndex(cell(1, Sentence));
        for (const QChar letter : typed)
            QTest::keyClick(QApplication::focusWidget(), letter.toLatin1());
        QVERIFY(view_->findChild<QComboBox*>()); // still searching
        QCOMPARE(text(1, Sentence), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(end_key));
        QTRY_VERIFY(!view_->findChild<QComboBox*>());
        QCOMPARE(text(1, Sentence), typed);
        QCOMPARE(text(1, DataField), text(2, DataField));
    }

    void aHeaderDoubleClickSizesOnlyWithTheOptionOn() {
        open();
        type(1, 10, "a mnemonic long enough to need a much wider column than this");
        const int width = view_->columnWidth(10);
        emit view_->horizontalHeader()->sectionDoubleClicked(10);
        QCOMPARE(view_->columnWidth(10), width);
        app_->App_Settings.Double_Click_Auto_Size = true;
        emit view_->horizontalHeader()->sectionDoubleClicked(10);
        QVERIFY(view_->columnWidth(10) > width);
    }

    void rowsBelowAGapAreSavedOnlyAfterTheUserAgrees() {
        open();
        fill(1, "GGA");
        fill(3, "RMC");
        ui::MessageService::queueAnswers({ui::MessageAnswer::No});
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Rows after an empty Sentence are not saved. Do you want to save anyway? "
                             "First row not saved: 3"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!std::filesystem::exists(app_->File_NMEA_0183_Set_Access));

        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QVERIFY(saved().find("GGA") != std::string::npos);
        QVERIFY(saved().find("RMC") == std::string::npos);
    }

    void aClickOnTheRowNumberSelectsTheWholeRow() {
        open();
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, view_->visualRect(cell(2, 0)).center());
        QVERIFY(view_->selectionModel()->isRowSelected(1, {}));
    }

    QModelIndex bytes_cell(int table_row) const { return cell(table_row, Bytes); }
    ui::ByteMapView* map() const { return dialog_->findChild<ui::ByteMapView*>("ByteMap"); }
    QString status() const { return dialog_->findChild<QLabel*>("L_Status")->text(); }

    const cfg::bytemap::Map_Block* block(cfg::bytemap::Map_Lane lane, int table_row) const {
        for (const cfg::bytemap::Map_Block& block : map()->map().blocks)
            if (block.lane == lane && block.row == table_row)
                return &block;
        return nullptr;
    }

    // A proposal for a row that grows runs into the row below it: both say so, and OK still saves.
    void aGrowingFieldWarnsBothRowsAndTheMapButIsSaved() {
        open();
        fill(1, "GGA");
        fill(2, "GGA"); // a 1-byte field after a 1-byte field at 1: proposed at 3
        type(2, Position, "2");
        QCOMPARE(bytes_cell(1).data().toString(), QString("1"));
        QVERIFY(!bytes_cell(1).data(Qt::ToolTipRole).isValid());
        choose(1, DataField, "Latitude, Minutes [floating point]");
        QCOMPARE(text(1, Position), QString("0"));
        QCOMPARE(bytes_cell(1).data().toString(), QString("0–3"));
        QCOMPARE(bytes_cell(2).data().toString(), QString("2"));
        QCOMPARE(cell(1, Sentence).data(Qt::ToolTipRole).toString(), QString("overlaps row 2"));
        QCOMPARE(cell(2, Position).data(Qt::ToolTipRole).toString(), QString("overlaps row 1"));
        QCOMPARE(cell(2, Sentence).data(Qt::BackgroundRole).value<QColor>(), ui::warning_background());
        QCOMPARE(status(), QString("bytes used: 0–3 of 0–1999; 1 overlap"));
        QVERIFY(block(cfg::bytemap::Map_Lane::Listener, 1)->marked);

        press("Btn_OK");
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(!dialog_->isVisible());
    }

    void aFieldRunningPastTheArrayIsWarnedButPasses() {
        open();
        fill(1, "GGA");
        choose(1, DataField, "Differential reference station ID [decimal]");
        type(1, Position, "1999");
        QCOMPARE(bytes_cell(1).data().toString(), QString("1999–2000"));
        QCOMPARE(cell(1, Mnemonic).data(Qt::ToolTipRole).toString(), QString("past byte 1999"));
        QCOMPARE(status(), QString("bytes used: 1999–2000 of 0–1999; 1 outside the array"));
        press("Btn_OK");
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(saved().find("Position=\"1999\"") != std::string::npos);
    }

    void theBytesColumnStandsBesidePositionAndLooksReadOnly() {
        open();
        const QHeaderView* header = view_->horizontalHeader();
        QCOMPARE(header->visualIndex(Bytes), header->visualIndex(Position) + 1);
        QCOMPARE(model_->headerData(Bytes, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Bytes"));
        fill(1, "GGA");
        fill(2, "GSV");
        QCOMPARE(bytes_cell(1).data(Qt::BackgroundRole).value<QColor>(), ui::read_only_background());
        QCOMPARE(cell(1, Index).data(Qt::BackgroundRole).value<QColor>(), ui::read_only_background());
        QVERIFY(!cell(2, Index).data(Qt::BackgroundRole).isValid());
        QVERIFY(!cell(1, Position).data(Qt::BackgroundRole).isValid());
    }

    void theMapFollowsTheRowsAndAClickSelectsOne() {
        open();
        QVERIFY(map()->map().blocks.empty());
        fill(1, "GGA");
        fill(2, "HDT");
        type(2, Mnemonic, "Gyro");
        const cfg::bytemap::Map_Block* gyro = block(cfg::bytemap::Map_Lane::Listener, 2);
        QVERIFY(gyro);
        QVERIFY(gyro->hover.find("Sentence: HDT") != std::string::npos);
        const cfg::bytemap::Map_Rect piece = gyro->pieces.front();
        QTest::mouseClick(map(), Qt::LeftButton, {},
                          QPoint(piece.x + piece.width / 2, piece.y + piece.height / 2));
        QVERIFY(view_->selectionModel()->isRowSelected(1, {}));

        view_->setCurrentIndex(cell(1, Sentence));
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        press("Btn_DelRow");
        QVERIFY(block(cfg::bytemap::Map_Lane::Listener, 1));
        QVERIFY(!block(cfg::bytemap::Map_Lane::Listener, 2));
    }

    void theMapShowsTheStoredProcessImageOrSaysWhyNot() {
        write_bytes(app_->File_EtherCAT_Slave,
                    "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
                    "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Speed\"/>"
                    "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>");
        open();
        QVERIFY(block(cfg::bytemap::Map_Lane::Variables, 1));
        QVERIFY(!dialog_->findChild<QLabel*>("L_MapNote")->isVisible());
        dialog_->hide();

        write_bytes(app_->File_EtherCAT_Slave, "<EtherCAT_Slave>");
        dialog_->show();
        QVERIFY(!block(cfg::bytemap::Map_Lane::Variables, 1));
        const QLabel* note = dialog_->findChild<QLabel*>("L_MapNote");
        QVERIFY(note->isVisible());
        QVERIFY(note->text().startsWith("Not shown in the map, the file could not be read: "));
        QVERIFY(note->text().contains("EtherCAT_Slave.xml"));
        fill(1, "GGA"); // the screen works on
        QVERIFY(block(cfg::bytemap::Map_Lane::Listener, 1));
    }

    void theMapIsExportedAsSvgOrPng() {
        open();
        fill(1, "GGA");
        const std::filesystem::path folder = app_->Path_Project;
        ui::FileDialogService::queueFileNames({ui::qt_path(folder / "map"), ui::qt_path(folder / "map.png")});
        press("Btn_ExportMap");
        const std::string svg = read_bytes(folder / "map.svg");
        QVERIFY(svg.find("<svg") != std::string::npos);
        QVERIFY(svg.find("Sentence: GGA") != std::string::npos);
        press("Btn_ExportMap");
        QCOMPARE(read_bytes(folder / "map.png").substr(1, 3), std::string("PNG"));
        QCOMPARE(ui::MessageService::shownTexts(),
                 (QStringList{"The byte map has been written: " + ui::qt_path(folder / "map.svg"),
                              "The byte map has been written: " + ui::qt_path(folder / "map.png")}));
        QVERIFY(
            ui::FileDialogService::requests().first().endsWith("SVG Picture (*.svg);;PNG Picture (*.png)"));

        ui::FileDialogService::queueFileNames({ui::qt_path(folder / "map.svg")});
        ui::MessageService::queueAnswers({ui::MessageAnswer::No});
        write_bytes(folder / "map.svg", "old");
        press("Btn_ExportMap");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("File already exists! Do you want to overwrite the file?"));
        QCOMPARE(read_bytes(folder / "map.svg"), std::string("old"));
    }

    void anOpenListIsWideEnoughForItsLongestItem() {
        open();
        choose(1, Sentence, "DPT");
        view_->setCurrentIndex(cell(1, DataField));
        view_->edit(cell(1, DataField));
        auto* combo = view_->findChild<QComboBox*>();
        QVERIFY(combo);
        const int longest = combo->fontMetrics().horizontalAdvance(
            "Water depth relative to transducer, meters [floating point]");
        QVERIFY(combo->view()->minimumWidth() > longest);
        QVERIFY(longest > view_->columnWidth(DataField) - 10); // the cell itself cuts it
    }

    void aDataFieldWithoutSentenceOffersAnEmptyListNotFreeText() {
        open();
        view_->setCurrentIndex(cell(1, DataField));
        view_->edit(cell(1, DataField));
        auto* combo = view_->findChild<QComboBox*>();
        QVERIFY(combo);
        QCOMPARE(combo->count(), 0);
    }
};

QTEST_MAIN(ListenerScreenTest)
#include "ListenerScreenTest.moc"
