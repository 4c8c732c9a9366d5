#include "support/TempDir.h"
#include "ui/nmea/ProfinetMap.h"
#include "ui/nmea/TFNMEA_0183_Set_Access.h"
#include "ui/platform/QtPath.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::MessageAnswer;
using ui::MessageService;

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

using ui::qt_path;

enum Column { Enable = 1, Sentence = 2, Index = 3, Serial_Channel = 4, Mnemonic = 5 };

std::string legacy_file(const std::string& rows) {
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.006-->";
}

std::string row(const std::string& enable, const std::string& sentence, const std::string& index,
                const std::string& channel, const std::string& mnemonic = "") {
    return "<row Enable=\"" + enable + "\" Sentence=\"" + sentence + "\" Index=\"" + index +
           "\" Serial_Channel=\"" + channel + "\" Mnemonic=\"" + mnemonic + "\"/>";
}

} // namespace

class LegacyScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::unique_ptr<ui::TFNMEA_0183_Set_Access> dialog_;
    ui::GridView* view_ = nullptr;
    ui::TableGridModel* model_ = nullptr;

    void open(const std::string& file_content = "") {
        if (!file_content.empty())
            write_bytes(app_->File_NMEA_0183_Set_Access, file_content);
        dialog_ = std::make_unique<ui::TFNMEA_0183_Set_Access>(*app_, nullptr);
        view_ = ui::test::child<ui::GridView>(dialog_.get(), "sga");
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        model_ = view_->gridModel(); // a grid gets its model when its screen opens
    }

    QModelIndex cell(int table_row, int column) const { return model_->index(table_row - 1, column); }
    QString text(int table_row, int column) const { return cell(table_row, column).data().toString(); }
    bool checked(int table_row) const {
        return cell(table_row, Enable).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }
    bool editable(int table_row, int column) const {
        return cell(table_row, column).flags() & Qt::ItemIsEditable;
    }

    void choose(int table_row, int column, const QString& item) {
        ui::test::choose_list_item(view_, cell(table_row, column), item);
    }

    // A row that passes the checks on its own.
    void fill(int table_row, const QString& sentence, const QString& channel = "RS232") {
        choose(table_row, Sentence, sentence);
        choose(table_row, Serial_Channel, channel);
    }

    void type(int table_row, int column, const QString& text) {
        model_->setData(cell(table_row, column), text, Qt::EditRole);
    }

    void click_check_box(int table_row) {
        const QRect rect = view_->visualRect(cell(table_row, Enable));
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void select(int table_row) { view_->setCurrentIndex(cell(table_row, Sentence)); }

    void press(const char* button) {
        QTest::mouseClick(ui::test::child<QPushButton>(dialog_.get(), button), Qt::LeftButton);
    }

    QStringList list_items(int table_row, int column) const {
        return cell(table_row, column).data(ui::TableGridModel::ListItemsRole).toStringList();
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

    void showsTheTextsOfItsBlock() {
        open();
        QCOMPARE(dialog_->windowTitle(), QString("Definition of NMEA 0183 Sentences"));
        const QStringList headers{"N", "Enable", "Sentence", "Index", "Serial Channel", "Mnemonic"};
        const QStringList hints{QString(),
                                "Enable or Disable the Rule for NMEA 0183",
                                "Select the Sentence to convert",
                                "Insert the Index of Sentence, between 1 and 10",
                                "Select the Serial Port used for the Sentence",
                                "Insert a description of NMEA 0183 Sentence"};
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), headers[column]);
            QCOMPARE(model_->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(), hints[column]);
        }
        const auto* ok = ui::test::child<QPushButton>(dialog_.get(), "Btn_OK");
        QCOMPARE(ok->toolTip(), QString("Confirm and save the Transmit CAN Frames List"));
        QCOMPARE(ui::test::child<QPushButton>(dialog_.get(), "Btn_PasteRow")->text(), QString("Paste Row"));
        QCOMPARE(model_->rowCount(), 100);

        app_->Lang_Strings.set(600, "Frasi NMEA 0183");
        app_->Lang_Strings.set(628, "Indice");
        dialog_->Set_Lang();
        QCOMPARE(dialog_->windowTitle(), QString("Frasi NMEA 0183"));
        QCOMPARE(model_->headerData(Index, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Indice"));
    }

    void listsOfferTheSortedSentencesAndAllThreePorts() {
        open();
        const QStringList sentences = list_items(1, Sentence);
        QVERIFY(sentences.contains("GGA"));
        QVERIFY(sentences.contains("$PJELA"));
        QStringList sorted = sentences;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(sentences, sorted);
        QCOMPARE(list_items(1, Serial_Channel), (QStringList{"RS232", "RS485 / RS422", "RS485 2"}));
        for (int column : {Enable, Index, Mnemonic}) // a text cell gets the plain editor
            QVERIFY(!cell(1, column).data(ui::TableGridModel::ListItemsRole).isValid());
    }

    void loadingShowsOldPortNamesAndIndexOnlyWhereItCounts() {
        open(legacy_file(row("N", " XDR ", " 4 ", "RS485 1", "wind") + row("Y", "GGA", "5", "RS485 2") +
                         "<row Sentence=\"$PJELA\" Index=\"2\"/>"));
        QVERIFY(!checked(1));
        QCOMPARE(text(1, Sentence), QString("XDR"));
        QCOMPARE(text(1, Index), QString("4"));
        QCOMPARE(text(1, Serial_Channel), QString("RS485 / RS422"));
        QCOMPARE(text(1, Mnemonic), QString("wind"));
        QVERIFY(editable(1, Index));
        QVERIFY(checked(2));
        QCOMPARE(text(2, Index), QString());
        QVERIFY(!editable(2, Index));
        QVERIFY(checked(3)); // a row without Enable is on
        QVERIFY(editable(3, Index));
        QCOMPARE(text(3, Serial_Channel), QString());
        QVERIFY(checked(4));
        QVERIFY(!editable(4, Index));
        QVERIFY(!editable(1, 0));
    }

    void aSentenceChoiceOpensOrClosesItsIndexCell() {
        open();
        choose(1, Sentence, "XDR");
        QVERIFY(editable(1, Index));
        type(1, Index, "3");
        choose(1, Sentence, "$PJELA");
        QVERIFY(editable(1, Index));
        choose(1, Sentence, "GGA");
        QVERIFY(!editable(1, Index));
        QCOMPARE(text(1, Index), QString("3"));
    }

    void savesTheRowsAsTheyStandWithIndexOnlyForXdrAndPjela() {
        open();
        fill(1, "GGA");
        type(1, Mnemonic, "gps & <log>");
        fill(2, "XDR", "RS485 2");
        type(2, Index, "10");
        fill(3, "XDR", "RS485 2");
        type(3, Index, "7");
        choose(3, Sentence, "HDT"); // the Index cell keeps "7" but closes
        click_check_box(3);
        QVERIFY(!checked(3));
        press("Btn_OK");
        QCOMPARE(MessageService::shownTexts(), QStringList());
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(saved(), legacy_file(row("Y", "GGA", "", "RS232", "gps &amp; &lt;log>") +
                                      row("Y", "XDR", "10", "RS485 2") + row("N", "HDT", "", "RS485 2")));
    }

    void aFailedCheckShowsItsRowAndWritesNothing_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const std::string& rows, const char* message) {
            QTest::newRow(name) << QString::fromStdString(rows) << QString(message);
        };
        add("unknown sentence", row("Y", "GGA", "", "RS232") + row("Y", "ZZZ", "", "RS232"),
            "Error row 2!! Sentence must be valid. Select from List");
        add("xdr index 11", row("Y", "XDR", "11", "RS232"), "Error row 1!! Index Must be Between 1 and 10");
        add("pjela index 0", row("Y", "$PJELA", "0", "RS232"),
            "Error row 1!! Index Must be Between 1 and 10");
        add("no port", row("Y", "GGA", "", ""),
            "Error row 1!! Serial Channel must be valid. Select from List");
        add("same sentence and port",
            row("Y", "GGA", "", "RS232") + row("Y", "HDT", "", "RS232") + row("Y", "GGA", "", "rs232"),
            "Error row 1!! Sentence and Serial Channel cannot be equal. See rows 3");
        add("same xdr index and port", row("Y", "XDR", "2", "RS485 2") + row("Y", "XDR", "2", "RS485 2"),
            "Error row 1!! Sentence and Serial Channel cannot be equal. See rows 2");
    }

    void aFailedCheckShowsItsRowAndWritesNothing() {
        QFETCH(QString, rows);
        QFETCH(QString, message);
        const std::string file = legacy_file(rows.toStdString());
        open(file);
        press("Btn_OK");
        QCOMPARE(MessageService::shownTexts(), QStringList{message});
        QVERIFY(dialog_->isVisible());
        QCOMPARE(saved(), file);
    }

    void disabledRowsAreNotChecked() {
        open(legacy_file(row("Y", "GGA", "", "RS232") + row("N", "GGA", "", "RS232") +
                         row("N", "ZZZ", "", "")));
        press("Btn_OK");
        QCOMPARE(MessageService::shownTexts(), QStringList());
        QVERIFY(!dialog_->isVisible());
    }

    void rowsBelowAGapAreSavedOnlyAfterTheUserAgrees() {
        open();
        fill(1, "GGA");
        fill(3, "HDT");
        fill(4, "RMC");
        MessageService::queueAnswers({MessageAnswer::No});
        press("Btn_OK");
        QCOMPARE(MessageService::shownTexts(),
                 QStringList{"Rows after an empty Sentence are not saved. Do you want to save anyway? "
                             "First row not saved: 3"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!std::filesystem::exists(app_->File_NMEA_0183_Set_Access));

        MessageService::queueAnswers({MessageAnswer::Yes});
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(saved(), legacy_file(row("Y", "GGA", "", "RS232")));
    }

    void deleteAsksWithTheRowNumberAndOnlyYesDeletes() {
        open();
        fill(1, "GGA");
        fill(2, "XDR");
        select(1);
        MessageService::queueAnswers({MessageAnswer::No, MessageAnswer::Yes});
        press("Btn_DelRow");
        QCOMPARE(text(1, Sentence), QString("GGA"));
        press("Btn_DelRow");
        QCOMPARE(text(1, Sentence), QString("XDR"));
        QVERIFY(editable(1, Index));
        QVERIFY(!editable(2, Index));
        QCOMPARE(MessageService::shownTexts(), QStringList(2, "Are you sure to delete the Row number 1"));
        QCOMPARE(text(1, 0), QString("1"));
    }

    void insertGivesAnEnabledEmptyRowAndMovesTheIndexCell() {
        open();
        fill(1, "XDR");
        click_check_box(1);
        select(1);
        press("Btn_InsRow");
        QVERIFY(checked(1));
        QCOMPARE(text(1, Sentence), QString());
        QVERIFY(!editable(1, Index));
        QCOMPARE(text(2, Sentence), QString("XDR"));
        QVERIFY(!checked(2));
        QVERIFY(editable(2, Index));
    }

    void pasteNeedsACopyOfThisOpeningThatFitsAndAsksBeforeOverwriting() {
        open();
        fill(1, "XDR");
        type(1, Index, "2");
        select(2);
        press("Btn_PasteRow");
        QCOMPARE(MessageService::shownTexts().last(), QString("Error!!! Copy a valid row before Paste it"));

        select(1);
        press("Btn_CopyRow");
        select(2);
        press("Btn_PasteRow"); // an empty row with only its Enable "Y" is not in use
        QCOMPARE(text(2, Sentence), QString("XDR"));
        QCOMPARE(text(2, Index), QString("2"));
        QVERIFY(editable(2, Index));
        MessageService::queueAnswers({MessageAnswer::No});
        press("Btn_PasteRow");
        QCOMPARE(MessageService::shownTexts().last(),
                 QString("Row Already used. Do you want to overwrite the values?"));

        app_->Row_Clipboard.texts.resize(10); // a row copied in the listener table
        press("Btn_PasteRow");
        QCOMPARE(MessageService::shownTexts().last(),
                 QString("Error in the Copy values!!! Copy a valid row before Paste it"));

        MessageService::queueAnswers({MessageAnswer::Yes}); // lose the changes
        press("Btn_Cancel");
        dialog_->show();
        select(3);
        press("Btn_PasteRow");
        QCOMPARE(MessageService::shownTexts().last(), QString("Error!!! Copy a valid row before Paste it"));
    }

    void aMalformedFileIsReportedAndLeavesAnEmptyTable() {
        open("<NMEA_0183><NMEA_Listener>");
        QCOMPARE(MessageService::shownTexts().size(), 1);
        QCOMPARE(text(1, Sentence), QString());
        QVERIFY(checked(1));
    }
};

class ObjectsMapExportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::filesystem::path maps_; // where the user chooses to write

    static constexpr const char* Header = "Byte; Sentence; Field; Serial; Mnemonic;\r\n";

    void export_to(const QString& chosen) {
        ui::FileDialogService::queueFileNames({chosen});
        ui::PROFINET_Map(*app_, nullptr);
    }

    std::vector<std::string> written_files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(maps_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
        maps_ = program_->dir / "maps";
        std::filesystem::create_directory(maps_);
    }

    void cleanup() { program_.reset(); }

    void writesTheMapOfTheListenerFileStartingInTheConfigurationFolder() {
        write_bytes(app_->File_NMEA_0183_Set_Access,
                    legacy_file(row("Y", "HDT", "", "RS232", "gyro") + row("N", "GGA", "", "RS232")));
        export_to(qt_path(maps_ / "map.csv"));
        QCOMPARE(ui::FileDialogService::requests(),
                 QStringList{"|" + qt_path(app_->Path_Project) + "|CSV (MS-DOS) (*.csv)"});
        QCOMPARE(MessageService::shownTexts(), QStringList());
        const std::string map = read_bytes(maps_ / "map.csv");
        QCOMPARE(map.substr(0, std::string(Header).size()), std::string(Header));
        QVERIFY(map.find("\r\n0-1-2-3;HDT;") != std::string::npos);
        QVERIFY(map.find(";RS232;gyro;\r\n") != std::string::npos);
        QVERIFY(map.find("GGA") == std::string::npos);
    }

    void aCancelledDialogWritesNothing() {
        export_to(QString());
        QCOMPARE(ui::FileDialogService::requests().size(), 1);
        QCOMPARE(MessageService::shownTexts(), QStringList());
        QCOMPARE(written_files(), std::vector<std::string>());
    }

    void theNameEndsInCsv_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        const auto add = [](const char* chosen, const char* written) {
            QTest::newRow(chosen) << QString(chosen) << QString(written);
        };
        add("map", "map.csv");
        add("map.CSV", "map.CSV");
        add("map.cSv", "map.cSv");
        add("map.txt", "map.txt.csv");
        add("mapcsv", "mapcsv.csv");
    }

    void theNameEndsInCsv() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        export_to(qt_path(maps_ / chosen.toStdString()));
        QCOMPARE(written_files(), std::vector<std::string>{written.toStdString()});
        QCOMPARE(read_bytes(maps_ / written.toStdString()), std::string(Header));
    }

    void anExistingFileIsReplacedOnlyAfterYes_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("yes") << MessageAnswer::Yes << true;
        QTest::newRow("no") << MessageAnswer::No << false;
        QTest::newRow("cancel") << MessageAnswer::Cancel << false;
    }

    void anExistingFileIsReplacedOnlyAfterYes() {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, replaced);
        const std::filesystem::path file = maps_ / "map.csv";
        write_bytes(file, "old");
        MessageService::queueAnswers({answer});
        export_to(qt_path(maps_ / "map")); // the question is about the name with ".csv"
        QCOMPARE(MessageService::shownTexts(),
                 QStringList{"The File already exists! Do you want to overwrite the file?"});
        QCOMPARE(read_bytes(file), replaced ? std::string(Header) : std::string("old"));
    }

    void anUnreadableListenerFileIsReportedAndWritesNothing() {
        write_bytes(app_->File_NMEA_0183_Set_Access, "<NMEA_0183><row/></NMEA_0183>");
        export_to(qt_path(maps_ / "map.csv"));
        QCOMPARE(MessageService::shownTexts().size(), 1);
        QCOMPARE(written_files(), std::vector<std::string>());
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    LegacyScreenTest legacy_screen;
    ObjectsMapExportTest objects_map_export;
    const int legacy_failures = QTest::qExec(&legacy_screen, argc, argv);
    return legacy_failures + QTest::qExec(&objects_map_export, argc, argv);
}

#include "SiblingNmeaTest.moc"
