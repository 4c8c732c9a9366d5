#include "support/TempDir.h"
#include "ui/nmea/TFNMEA_0183_Set_Access2.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"

#include <QHeaderView>
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
    Position = 9
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
        model_ = view_->gridModel();
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
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
        // Every row of this model names its serial channel, so a paste always asks first.
        ui::MessageService::queueAnswers({ui::MessageAnswer::No});
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Row Already used. Do you want to overwrite the values?"));
        QCOMPARE(text(2, Sentence), QString());
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
