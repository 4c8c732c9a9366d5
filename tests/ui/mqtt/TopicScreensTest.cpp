#include "core/mqtt/TopicColumns.h"
#include "support/TempDir.h"
#include "ui/mqtt/TFMQTT_Set_Topic.h"
#include "ui/mqtt/TFTopicTemplate.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/TableGridModel.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using cfg::test::read_bytes;
using cfg::test::write_bytes;
namespace publish = cfg::mqtt::publish;

namespace {

std::string topic_file(const std::string& publish_rows, const std::string& subscribe_rows = "") {
    return "<MQTT_Set_Topic><MQTT_Publish>" + publish_rows + "</MQTT_Publish><MQTT_Subscribe>" +
           subscribe_rows + "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.000-->";
}

// A stored publish row that passes every check.
std::string publish_row(const std::string& topic, const std::string& mnemonic = "") {
    return "<row Topic=\"" + topic +
           "\" Retained=\"N\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"10\" IPAddress=\"\" "
           "InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"Y\" Time=\"500\" Mnemonic=\"" +
           mnemonic + "\"/>";
}

} // namespace

class TopicScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::unique_ptr<ui::TFMQTT_Set_Topic> dialog_;
    ui::GridView* view_ = nullptr;
    ui::TableGridModel* model_ = nullptr;

    void open(const std::string& file_content = "") {
        if (!file_content.empty())
            write_bytes(app_->File_MQTT_Set_Topic, file_content);
        dialog_ = std::make_unique<ui::TFMQTT_Set_Topic>(*app_, nullptr);
        view_ = ui::test::child<ui::GridView>(dialog_.get(), "ACG_Pub");
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        model_ = view_->gridModel(); // a grid gets its model when its screen opens
    }

    QModelIndex cell(int table_row, int column) const { return model_->index(table_row - 1, column); }
    QString text(int table_row, int column) const { return cell(table_row, column).data().toString(); }
    std::string stored(int table_row, int column) const { return model_->table().text(table_row, column); }
    bool checked(int table_row, int column) const {
        return cell(table_row, column).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    }

    void type(int table_row, int column, const QString& value) {
        model_->setData(cell(table_row, column), value, Qt::EditRole);
    }

    // A row that passes the checks, typed and chosen as the user does.
    void fill(int table_row, const QString& topic) {
        type(table_row, publish::Topic, topic);
        ui::test::choose_list_item(view_, cell(table_row, publish::DataType), "Int");
        type(table_row, publish::Dimension, "4");
        type(table_row, publish::Position, "0");
    }

    void click_cell(int table_row, int column) {
        view_->scrollTo(cell(table_row, column));
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {},
                          view_->visualRect(cell(table_row, column)).center());
    }

    void press(const char* button) {
        QTest::mouseClick(ui::test::child<QPushButton>(dialog_.get(), button), Qt::LeftButton);
    }

    ui::TFTopicTemplate* template_form() const { return dialog_->Form_Topic(); }

    // Double-clicks a Template cell; while the template editor is open, `act` plays the user.
    void edit_template(int table_row, const std::function<void(ui::TFTopicTemplate*)>& act) {
        bool acted = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(template_form()->isVisible());
            act(template_form());
            acted = true;
        });
        // A double click as the window system delivers it: press, release, press, double click, release.
        view_->scrollTo(cell(table_row, publish::Template));
        const QPoint at = view_->visualRect(cell(table_row, publish::Template)).center();
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(acted);
        QTRY_VERIFY(!template_form()->isVisible());
    }

    std::string saved() const { return read_bytes(app_->File_MQTT_Set_Topic); }

private slots:
    void init() {
        program_ = std::make_unique<ui::test::ScreenTestProgram>();
        app_ = &program_->app;
    }

    void cleanup() {
        dialog_.reset();
        program_.reset();
    }

    void opensOnThePublishTableWithTheColumnsOfThisVariant() {
        open();
        QCOMPARE(dialog_->windowTitle(), QString("Set MQTT Topics"));
        QCOMPARE(ui::test::child<QLabel>(dialog_.get(), "L_SW_Desc")->text(), QString("Set MQTT Topics"));
        QCOMPARE(ui::test::child<QLabel>(dialog_.get(), "L_SW_Code")->text(), QString("SW52C40"));
        auto* tabs = dialog_->findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 1); // the Subscribe table is never reachable
        QCOMPARE(tabs->currentWidget()->objectName(), QString("TS_MQTT_Publish"));
        QCOMPARE(tabs->tabText(0), QString("MQTT Publish"));
        QCOMPARE(model_->rowCount(), 1024);
        QCOMPARE(text(1024, 0), QString("1024"));

        QStringList shown;
        for (int column = 0; column < model_->columnCount(); ++column) {
            if (!view_->isColumnHidden(column))
                shown.append(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        }
        QCOMPARE(shown, (QStringList{"N", "Topic", "Retained", "QoS", "Data Type", "Dimension", "Position",
                                     "Template", "OnChange", "OnTimer", "Time(ms)", "Mnemonic"}));
        QCOMPARE(model_->headerData(publish::Time, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString("Insert then Timer in milliseconds between two Publish"));
        QCOMPARE(ui::test::child<QPushButton>(dialog_.get(), "Btn_OK")->toolTip(),
                 QString("Confirm and save the MQTT Set Topics List"));

        app_->Lang_Strings.set(1300, "Argomenti MQTT");
        app_->Lang_Strings.set(1315, "Argomento");
        dialog_->Set_Lang();
        QCOMPARE(dialog_->windowTitle(), QString("Argomenti MQTT"));
        QCOMPARE(model_->headerData(publish::Topic, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Argomento"));
    }

    void loadingFillsThePublishRowsAndResetsTheHiddenCells() {
        write_bytes(app_->File_MQTT_Set_Topic, read_bytes(cfg::test::fixture("mqtt/MQTT_Set_Topic.xml")));
        open();
        QCOMPARE(text(1, publish::Topic), QString("plant/level"));
        QVERIFY(checked(1, publish::Retained));
        QVERIFY(checked(1, publish::OnTimer));
        QCOMPARE(text(1, publish::Time), QString("500"));
        QCOMPARE(text(1, publish::Mnemonic), QString("Level"));
        QCOMPARE(stored(1, publish::Channel), std::string());
        QCOMPARE(stored(1, publish::Swap), std::string("N"));
        QCOMPARE(stored(1, publish::SwapWord), std::string("N"));
        QVERIFY(!checked(2, publish::OnChange)); // missing: "N"
        QCOMPARE(stored(2, publish::OnChange), std::string("N"));
        QVERIFY(!checked(2, publish::Retained)); // missing: empty
        QCOMPARE(stored(2, publish::Retained), std::string());
        QCOMPARE(text(4, publish::Topic), QString("after the end"));
    }

    void okSavesTheUsedPublishRowsAndNoSubscription() {
        open(topic_file(publish_row("a", "first"), "<row Topic=\"s\" QoS=\"0\" DataType=\"String\" "
                                                   "Dimension=\"1\" Position=\"0\" Mnemonic=\"sub\"/>"));
        fill(2, "b");
        click_cell(2, publish::Retained);
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(), QStringList());
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(saved(), "<MQTT_Set_Topic><MQTT_Publish>" + publish_row("a", "first") +
                              "<row Topic=\"b\" Retained=\"Y\" QoS=\"\" DataType=\"Int\" Dimension=\"4\" "
                              "Position=\"0\" IPAddress=\"\" InputTemplate=\"\" Template=\"\" OnChange=\"\" "
                              "OnTimer=\"\" Time=\"\" Mnemonic=\"\"/></MQTT_Publish><MQTT_Subscribe/>"
                              "</MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
    }

    void aFailingCheckKeepsTheDialogOpenAndWritesNothing() {
        open();
        fill(1, "a");
        type(1, publish::Dimension, "3");
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error row 1!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!std::filesystem::exists(app_->File_MQTT_Set_Topic));

        type(1, publish::Dimension, "4");
        fill(2, "b");
        click_cell(2, publish::OnTimer); // a timer without a period
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error row 2!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"));
        QCOMPARE(view_->currentIndex().row(), 1);
        QVERIFY(dialog_->isVisible());
        QVERIFY(!std::filesystem::exists(app_->File_MQTT_Set_Topic));

        click_cell(2, publish::OnTimer); // unticked: the empty period is no longer needed
        QCOMPARE(stored(2, publish::OnTimer), std::string("N"));
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
    }

    void theHiddenSubscribeRowsAreCheckedToo() {
        open(topic_file(publish_row("a"), "<row Topic=\"s\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" "
                                          "Position=\"2000\" Mnemonic=\"\"/>"));
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error row 1!! [MQTT Subscribe] Position must be beetween 0 and 1999"});
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->findChild<QTabWidget*>()->currentWidget()->objectName(),
                 QString("TS_MQTT_Publish"));
    }

    void topicsBelowAnEmptyTopicAreSavedOnlyAfterTheUserAgrees() {
        open();
        fill(1, "a");
        fill(3, "c");
        ui::MessageService::queueAnswers({ui::MessageAnswer::No});
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Rows after an empty Topic are not saved. Do you want to save anyway? "
                             "First row not saved: 3"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!std::filesystem::exists(app_->File_MQTT_Set_Topic));

        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes});
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QVERIFY(saved().find("Topic=\"a\"") != std::string::npos);
        QVERIFY(saved().find("Topic=\"c\"") == std::string::npos);
    }

    void checkBoxCellsHoldYAfterATickAndNAfterAnUntick() {
        open();
        QCOMPARE(stored(1, publish::OnChange), std::string());
        click_cell(1, publish::OnChange);
        QVERIFY(checked(1, publish::OnChange));
        QCOMPARE(stored(1, publish::OnChange), std::string("Y"));
        click_cell(1, publish::OnChange);
        QCOMPARE(stored(1, publish::OnChange), std::string("N"));
        QVERIFY(!(cell(1, publish::OnChange).flags() & Qt::ItemIsEditable));
    }

    void listCellsOfferTheirItemsAndTheTemplateCellAlsoTakesText() {
        open();
        ui::test::choose_list_item(view_, cell(1, publish::QoS), "2");
        QCOMPARE(text(1, publish::QoS), QString("2"));
        ui::test::choose_list_item(view_, cell(1, publish::Template), "$VALUE$");
        QCOMPARE(text(1, publish::Template), QString("$VALUE$"));

        view_->setCurrentIndex(cell(2, publish::Template));
        view_->edit(cell(2, publish::Template));
        auto* combo = view_->findChild<QComboBox*>();
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 1);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "{\"t\":$VALUE$}");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QTRY_VERIFY(!view_->findChild<QComboBox*>());
        QCOMPARE(text(2, publish::Template), QString("{\"t\":$VALUE$}"));
    }

    void deleteAsksWithTheRowNumberAndMovesWholeRowsUp() {
        open(topic_file(publish_row("a", "first") + publish_row("b", "second")));
        view_->setCurrentIndex(cell(1, publish::Topic));
        ui::MessageService::queueAnswers({ui::MessageAnswer::No, ui::MessageAnswer::Yes});
        press("Btn_DelRow");
        QCOMPARE(text(1, publish::Topic), QString("a"));
        press("Btn_DelRow");
        QCOMPARE(ui::MessageService::shownTexts(), QStringList(2, "Are you sure to delete the Row number 1"));
        QCOMPARE(text(1, publish::Topic), QString("b"));
        QCOMPARE(text(1, publish::Mnemonic), QString("second"));
        QCOMPARE(text(2, publish::Mnemonic), QString());
    }

    void insertGivesAnEmptyRowAndMovesTheRowsDown() {
        open(topic_file(publish_row("a", "first")));
        view_->setCurrentIndex(cell(1, publish::Mnemonic));
        press("Btn_InsRow");
        QCOMPARE(stored(1, publish::Topic), std::string());
        QCOMPARE(stored(1, publish::OnChange), std::string());
        QCOMPARE(text(2, publish::Topic), QString("a"));
        QCOMPARE(text(2, publish::Mnemonic), QString("first"));
        QCOMPARE(text(1, 0), QString("1"));
    }

    void pasteNeedsACopyOfThisOpeningAndTakesTheWholeRow() {
        open(topic_file(publish_row("a", "first") + publish_row("b", "second")));
        view_->setCurrentIndex(cell(3, publish::Topic));
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error!!! Copy a valid row before Paste it"));

        view_->setCurrentIndex(cell(1, publish::Topic));
        press("Btn_CopyRow");
        view_->setCurrentIndex(cell(3, publish::Topic));
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().size(), 1); // an empty row is overwritten at once
        for (int column = 1; column < publish::Column_Count; ++column)
            QCOMPARE(stored(3, column), stored(1, column));
        QCOMPARE(text(3, publish::Mnemonic), QString("first"));

        view_->setCurrentIndex(cell(2, publish::Topic));
        ui::MessageService::queueAnswers({ui::MessageAnswer::No});
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Row Already used. Do you want to overwrite the values?"));
        QCOMPARE(text(2, publish::Topic), QString("b"));

        // A new opening forgets the copy.
        ui::MessageService::queueAnswers({ui::MessageAnswer::Yes}); // lose the changes
        press("Btn_Cancel");
        dialog_->show();
        view_->setCurrentIndex(cell(3, publish::Topic));
        press("Btn_PasteRow");
        QCOMPARE(ui::MessageService::shownTexts().last(),
                 QString("Error!!! Copy a valid row before Paste it"));
    }

    void aFileThatIsNotWellFormedIsReportedAndLeavesEmptyTables() {
        open("<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\"/>");
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
        QVERIFY(ui::MessageService::shownTexts().first().contains("MQTT_Set_Topic.xml"));
        QCOMPARE(text(1, publish::Topic), QString());
        QVERIFY(dialog_->isVisible());
    }

    void aDoubleClickOnATemplateOpensTheEditorAndOkReplacesTheCell() {
        open(topic_file(publish_row("a")));
        edit_template(1, [](ui::TFTopicTemplate* form) {
            QCOMPARE(form->windowTitle(), QString("Set Template"));
            QCOMPARE(ui::test::child<QLabel>(form, "L_SW_Desc")->text(), QString("Set Template"));
            auto* editor = ui::test::child<QPlainTextEdit>(form, "RE_TopicTemplate");
            QCOMPARE(editor->toPlainText(), QString("$VALUE$"));
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor));
            editor->setPlainText("{\n\"level\": $VALUE$\n}");
            QTest::mouseClick(ui::test::child<QPushButton>(form, "Btn_OK"), Qt::LeftButton);
        });
        QCOMPARE(template_form()->result(), int(QDialog::Accepted));
        QCOMPARE(stored(1, publish::Template), std::string("{\n\"level\": $VALUE$\n}"));
        QVERIFY(!view_->findChild<QComboBox*>()); // the cell's own editor did not open

        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
        QVERIFY(saved().find("Template=\"{&#10;&quot;level&quot;: $VALUE$&#10;}\"") != std::string::npos);
    }

    void cancellingTheTemplateEditorLeavesTheCellUnchanged() {
        open(topic_file(publish_row("a")));
        view_->setCurrentIndex(cell(1, publish::Template)); // a selected cell would start its editor
        edit_template(1, [](ui::TFTopicTemplate* form) {
            ui::test::child<QPlainTextEdit>(form, "RE_TopicTemplate")->setPlainText("changed $X");
            QTest::mouseClick(ui::test::child<QPushButton>(form, "Btn_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(template_form()->result(), int(QDialog::Rejected));
        QCOMPARE(text(1, publish::Template), QString("$VALUE$"));
        QVERIFY(!view_->findChild<QComboBox*>());
    }

    void aTemplateWithAnOddNumberOfDollarSignsIsRefused() {
        open(topic_file(publish_row("a")));
        edit_template(1, [](ui::TFTopicTemplate* form) {
            ui::test::child<QPlainTextEdit>(form, "RE_TopicTemplate")->setPlainText("$VALUE");
            QTest::mouseClick(ui::test::child<QPushButton>(form, "Btn_OK"), Qt::LeftButton);
        });
        press("Btn_OK");
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"Error row 1!! [MQTT Publish] Template not Correct, Check the Keywords"});
        QVERIFY(dialog_->isVisible());

        edit_template(1, [](ui::TFTopicTemplate* form) {
            ui::test::child<QPlainTextEdit>(form, "RE_TopicTemplate")->setPlainText(" $VALUE$ ");
            QTest::mouseClick(ui::test::child<QPushButton>(form, "Btn_OK"), Qt::LeftButton);
        });
        press("Btn_OK");
        QVERIFY(!dialog_->isVisible());
    }

    void theTemplateEditorListsOneEmptyKeywordRow() {
        ui::TFTopicTemplate form(*app_, nullptr);
        QCOMPARE(form.windowTitle(), QString("Set Topic"));
        form.show();
        auto* keywords = ui::test::child<ui::GridView>(&form, "ASG_Keywords");
        ui::TableGridModel* model = keywords->gridModel();
        QCOMPARE(model->rowCount(), 1);
        QVERIFY(keywords->isColumnHidden(0));
        QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Keyword"));
        QCOMPARE(model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Description of Keyword"));
        QCOMPARE(model->index(0, 1).data().toString(), QString());
        QVERIFY(model->index(0, 1).flags() & Qt::ItemIsEditable);
        QVERIFY(!(model->index(0, 2).flags() & Qt::ItemIsEditable));
        QCOMPARE(ui::test::child<QLabel>(&form, "L_List_Keywords")->text(), QString("List of keywords"));
        form.hide();

        // Opened for a topic rather than a template, it says so; OK hands back the text as edited.
        std::optional<QString> edited;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(form.isVisible());
            QCOMPARE(form.windowTitle(), QString("Set Topic"));
            QCOMPARE(ui::test::child<QLabel>(&form, "L_SW_Desc")->text(), QString("Set Topic"));
            ui::test::child<QPlainTextEdit>(&form, "RE_TopicTemplate")->appendPlainText("line 2");
            QTest::mouseClick(ui::test::child<QPushButton>(&form, "Btn_OK"), Qt::LeftButton);
        });
        edited = form.Edit_Text("line 1", false);
        QCOMPARE(edited, std::optional<QString>("line 1\nline 2"));
    }
};

QTEST_MAIN(TopicScreensTest)
#include "TopicScreensTest.moc"
