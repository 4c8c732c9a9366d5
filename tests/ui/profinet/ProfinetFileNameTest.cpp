#include "core/profinet/GsdmlFileName.h"
#include "support/TempDir.h"
#include "ui/platform/QtPath.h"
#include "ui/profinet/SavePROFINETXML.h"
#include "ui/profinet/TFProfinetFileName.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/MessageService.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::test::child;

namespace {

using ui::qt_path;

constexpr std::chrono::year_month_day Start_Date{std::chrono::year{2024}, std::chrono::January, 5d};

// Runs `act` on the modal dialog that the next action opens, once it is on screen.
void when_dialog_opens(const std::function<void(QDialog*)>& act) {
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        act(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

// Types the user part into the open dialog and confirms it.
void confirm_user_part(QDialog* dialog, const QString& user_part) {
    auto* edit = child<QLineEdit>(dialog, "E_XML_User");
    edit->clear();
    QTest::keyClicks(edit, user_part);
    QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
}

} // namespace

class ProfinetFileNameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    cfg::Application* app_ = nullptr;
    std::unique_ptr<ui::TFProfinetFileName> dialog_;

    void create() { dialog_ = std::make_unique<ui::TFProfinetFileName>(*app_, nullptr, Start_Date); }

    QString label(const char* name) const { return child<QLabel>(dialog_.get(), name)->text(); }

    // The whole step: the name dialog answered with `user_part`, then the save dialog with `chosen`.
    ui::GsdmlTarget run_step(const QString& user_part, const QStringList& chosen) {
        ui::FileDialogService::queueFileNames(chosen);
        when_dialog_opens([user_part](QDialog* dialog) { confirm_user_part(dialog, user_part); });
        return ui::PROFINET_XML(*app_, *dialog_, nullptr);
    }

    QString proposal(const QString& name) const {
        return "|" + qt_path(app_->Path_Project) + "/" + name + "|PROFINET XML (*.xml) (" + name + ")";
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

    void showsTheTextsOfItsBlockAndTheFixedParts() {
        create();
        QCOMPARE(dialog_->windowTitle(), QString("PROFINET XML File Name"));
        QCOMPARE(dialog_->size(), QSize(540, 205));
        const struct {
            const char* control;
            QString text;
        } labels[] = {{"L_SW_Code", "SW52C40"},
                      {"L_SW_Desc", "Create the PROFINET XML GSD File"},
                      {"L_Select_Name", "Select the PROFINET XML File Name"},
                      {"L_FixPart_1", "Fixed Part"},
                      {"L_UsedPart", "User Part"},
                      {"L_FixPart_2", "Fixed Part"},
                      {"L_XML_Fix1", "GSDML-V2.25-Brimlow-"},
                      {"L_XML_Fix2", "-20240105.xml"}};
        for (const auto& l : labels)
            QCOMPARE(label(l.control), l.text);
        const struct {
            const char* control;
            QString text;
            QString hint;
        } controls[] = {{"Btn_OK", "OK", "Confirm the PROFINET GSDML file name"},
                        {"Btn_Cancel", "Cancel", "Exit without save the PROFINET GSDML"},
                        {"E_XML_User", "", "Insert here the user part of PROFINET GSDML File Name"}};
        for (const auto& c : controls) {
            QWidget* control = child(dialog_.get(), c.control);
            if (auto* button = qobject_cast<QPushButton*>(control))
                QCOMPARE(button->text(), c.text);
            QCOMPARE(control->toolTip(), c.hint);
        }
    }

    void aLanguageChangeReachesEveryText() {
        create();
        for (int index = 700; index <= 710; ++index)
            app_->Lang_Strings.set(index, "T" + std::to_string(index));
        dialog_->Set_Lang();
        QCOMPARE(dialog_->windowTitle(), QString("T700"));
        QCOMPARE(label("L_SW_Desc"), QString("T701"));
        QCOMPARE(label("L_Select_Name"), QString("T702"));
        QCOMPARE(label("L_FixPart_1"), QString("T703"));
        QCOMPARE(label("L_UsedPart"), QString("T704"));
        QCOMPARE(label("L_FixPart_2"), QString("T705"));
        QCOMPARE(child<QPushButton>(dialog_.get(), "Btn_OK")->text(), QString("T706"));
        QCOMPARE(child<QPushButton>(dialog_.get(), "Btn_Cancel")->text(), QString("T707"));
        QCOMPARE(child(dialog_.get(), "Btn_OK")->toolTip(), QString("T708"));
        QCOMPARE(child(dialog_.get(), "Btn_Cancel")->toolTip(), QString("T709"));
        QCOMPARE(child(dialog_.get(), "E_XML_User")->toolTip(), QString("T710"));
        QCOMPARE(label("L_XML_Fix2"), QString("-20240105.xml"));
    }

    void okComposesTheNameFromTheUserPartAsTyped_data() {
        QTest::addColumn<QString>("user_part");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << ""
                               << "GSDML-V2.25-Brimlow--20240105.xml";
        QTest::newRow("blanks only") << "   "
                                     << "GSDML-V2.25-Brimlow--20240105.xml";
        QTest::newRow("plain") << "Node1"
                               << "GSDML-V2.25-Brimlow-_Node1-20240105.xml";
        QTest::newRow("underscore first") << "_Node1"
                                          << "GSDML-V2.25-Brimlow-_Node1-20240105.xml";
        QTest::newRow("blank before underscore") << " _A"
                                                 << "GSDML-V2.25-Brimlow-_ _A-20240105.xml";
        QTest::newRow("not ASCII") << QString::fromUtf8("N\u00f8de")
                                   << QString::fromUtf8("GSDML-V2.25-Brimlow-_N\u00f8de-20240105.xml");
    }

    void okComposesTheNameFromTheUserPartAsTyped() {
        QFETCH(QString, user_part);
        QFETCH(QString, name);
        create();
        dialog_->show();
        confirm_user_part(dialog_.get(), user_part);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(QString::fromStdString(dialog_->Name_File_XML()), name);
    }

    void enterInTheUserPartConfirmsLikeOk() {
        create();
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        auto* edit = child<QLineEdit>(dialog_.get(), "E_XML_User");
        QTest::keyClicks(edit, "Deck");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(dialog_->Name_File_XML(), std::string("GSDML-V2.25-Brimlow-_Deck-20240105.xml"));
    }

    void theStepProposesTheNameInTheConfigurationFolderAndTargetsTheChosenFolder() {
        create();
        const fs::path other = program_->dir / "elsewhere";
        fs::create_directory(other);
        const ui::GsdmlTarget target = run_step("Node1", {qt_path(other / "typed-name.xml")});
        QCOMPARE(ui::FileDialogService::requests(),
                 QStringList{proposal("GSDML-V2.25-Brimlow-_Node1-20240105.xml")});
        QVERIFY(target.has_value());
        QCOMPARE(qt_path(*target), qt_path(other / "GSDML-V2.25-Brimlow-_Node1-20240105.xml"));
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
        QVERIFY(fs::is_empty(other)); // the step writes no GSDML content
    }

    void cancellingTheNameDialogEndsTheStepBeforeTheSaveDialog() {
        create();
        when_dialog_opens([](QDialog* dialog) {
            QTest::keyClicks(child<QLineEdit>(dialog, "E_XML_User"), "Node1");
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_Cancel"), Qt::LeftButton);
        });
        QVERIFY(!ui::PROFINET_XML(*app_, *dialog_, nullptr).has_value());
        QVERIFY(ui::FileDialogService::requests().isEmpty());
    }

    void cancellingTheSaveDialogEndsTheStep() {
        create();
        QVERIFY(!run_step("Node1", {}).has_value());
        QCOMPARE(ui::FileDialogService::requests().size(), 1);
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
    }

    void anExistingTargetIsReplacedOnlyWithConsent_data() {
        QTest::addColumn<ui::MessageAnswer>("answer");
        QTest::addColumn<bool>("consent");
        QTest::newRow("yes") << ui::MessageAnswer::Yes << true;
        QTest::newRow("no") << ui::MessageAnswer::No << false;
    }

    void anExistingTargetIsReplacedOnlyWithConsent() {
        QFETCH(ui::MessageAnswer, answer);
        QFETCH(bool, consent);
        create();
        const fs::path existing = app_->Path_Project / "GSDML-V2.25-Brimlow--20240105.xml";
        write_bytes(existing, "old");
        ui::MessageService::queueAnswers({answer});
        const ui::GsdmlTarget target = run_step("", {qt_path(app_->Path_Project / "x.xml")});
        QCOMPARE(ui::MessageService::shownTexts(),
                 QStringList{"File already exists! Do you want to overwrite the file?"});
        QCOMPARE(target.has_value(), consent);
        if (consent)
            QCOMPARE(qt_path(*target), qt_path(existing));
        QCOMPARE(read_bytes(existing), std::string("old"));
    }

    // A chosen file that exists under another name is not the target: no question.
    void onlyTheComposedNameIsAskedAbout() {
        create();
        const fs::path typed = app_->Path_Project / "typed.xml";
        write_bytes(typed, "old");
        QVERIFY(run_step("A", {qt_path(typed)}).has_value());
        QVERIFY(ui::MessageService::shownTexts().isEmpty());
    }

    // A name the file system refuses is shown by the error report and gives no target.
    void aTargetThatCannotBeExaminedIsReported() {
        create();
        const ui::GsdmlTarget target = run_step(QString(300, 'N'), {qt_path(app_->Path_Project / "x.xml")});
        QVERIFY(!target.has_value());
        QCOMPARE(ui::MessageService::shownTexts().size(), 1);
    }

    void theUserPartAndTheDateStayForTheNextOpening() {
        create();
        run_step("Node1", {});
        when_dialog_opens([](QDialog* dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "E_XML_User")->text(), QString("Node1"));
            QTest::mouseClick(child<QPushButton>(dialog, "Btn_OK"), Qt::LeftButton);
        });
        ui::PROFINET_XML(*app_, *dialog_, nullptr);
        QCOMPARE(ui::FileDialogService::requests(),
                 QStringList(2, proposal("GSDML-V2.25-Brimlow-_Node1-20240105.xml")));
    }

    void withoutADateTheDialogTakesTheDayItIsMade() {
        const auto before = cfg::profinet::local_date_today();
        ui::TFProfinetFileName dialog(*app_, nullptr);
        const auto after = cfg::profinet::local_date_today();
        const QString shown = label_of(dialog, "L_XML_Fix2");
        QVERIFY2(shown == QString::fromStdString(cfg::profinet::gsdml_fixed_part_2(before)) ||
                     shown == QString::fromStdString(cfg::profinet::gsdml_fixed_part_2(after)),
                 qPrintable(shown));
    }

private:
    static QString label_of(QWidget& dialog, const char* name) {
        return child<QLabel>(&dialog, name)->text();
    }
};

QTEST_MAIN(ProfinetFileNameTest)
#include "ProfinetFileNameTest.moc"
