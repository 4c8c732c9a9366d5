#include "core/app/Application.h"
#include "core/app/CompileConfiguration.h"
#include "core/app/ConfigurationFolders.h"
#include "core/image/BankFiles.h"
#include "core/lang/VersionCheck.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtPath.h"
#include "ui/report/ReportDocument.h"
#include "ui/support/ScreenTest.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using cfg::test::read_bytes;
using cfg::test::write_bytes;
using ui::FileDialogService;
using ui::MessageAnswer;
using ui::MessageService;
using ui::test::child;

namespace {

class NoHttp : public cfg::HttpClient {
public:
    std::optional<std::string> get(const std::string&, const std::string&) override { return std::nullopt; }
};

// Runs `act` on the modal dialog that the next action opens, once it is on screen.
void when_dialog_opens(const std::function<void(QDialog*)>& act) {
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        act(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

// The text of a page of a PDF file (from 1), as pdftotext reads it.
QString pdf_page_text(const fs::path& pdf, int page) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        qFatal("pdftotext is missing: install poppler-utils (scripts/deps) to check the report's PDF");
    QProcess run;
    run.start(pdftotext,
              {"-layout", "-f", QString::number(page), "-l", QString::number(page), ui::qt_path(pdf), "-"});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        qFatal("pdftotext failed: %s", run.readAllStandardError().constData());
    // A viewer's search finds "fi" in the ligature a font draws for it; so does the test.
    return QString::fromUtf8(run.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

// Listener rows enough to run the listener table over more than one page.
std::string many_listener_rows(int count) {
    std::string rows;
    for (int row = 1; row <= count; ++row)
        rows +=
            R"(<row Enable="Y" Serial_Channel="RS232" Sentence="HDT" Index="" )"
            R"(DataField="Heading, degrees True, Number [floating point]" PortOperation="None" SwapAll="N" )"
            R"(Swap16="N" Position=")" +
            std::to_string(4 * row - 3) + R"(" Mnemonic="heading )" + std::to_string(row) + R"("/>)";
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183>";
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::test::ScreenTestProgram> program_;
    NoHttp http_;
    std::unique_ptr<ui::TFMorvelFirmWare> window_;

    cfg::Application& app() { return program_->app; }
    fs::path dir() const { return program_->dir.path(); }

    // The configuration "Ship" from a fixture, and a second one beside it, "Plant", the same.
    void start() {
        for (const char* name : {"Ship", "Plant"}) {
            const fs::path folder = app().Path_Projects / name;
            fs::copy(cfg::test::fixture("cli/good"), folder,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        }
        window_ = std::make_unique<ui::TFMorvelFirmWare>(app(), http_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(window_.get(), button), Qt::LeftButton);
    }

    // The report saved as the file named, the print declined.
    void save_report(const fs::path& file) {
        FileDialogService::queueFileNames({ui::qt_path(file)});
        MessageService::queueAnswers({MessageAnswer::No});
        click("Btn_Report");
    }

private slots:
    void init() { program_ = std::make_unique<ui::test::ScreenTestProgram>(); }

    void cleanup() {
        window_.reset();
        program_.reset();
    }

    void reportIsAPdfWithPageNumbersAndTheHeaderOnEveryPage() {
        start();
        write_bytes(app().File_NMEA_0183_Set_Access, many_listener_rows(80));
        save_report(dir() / "Ship report");

        // A name without an extension gets ".pdf"; the user is told only after it was written.
        const fs::path pdf = dir() / "Ship report.pdf";
        QVERIFY(fs::exists(pdf));
        QCOMPARE(MessageService::shownTexts(),
                 QStringList{"The report was written to " + ui::qt_path(pdf) + ". Do you want to print it?"});
        QCOMPARE(read_bytes(pdf).substr(0, 5), std::string("%PDF-"));

        const QString first = pdf_page_text(pdf, 1);
        for (const char* field : {"Configuration Report", "Ship", "Program Version", "SW52C40 1.000",
                                  "IP Address", "192.168.0.10"})
            QVERIFY2(first.contains(field), field);
        const QRegularExpression page_number(R"(Page 1 of (\d+))");
        const QRegularExpressionMatch match = page_number.match(first);
        QVERIFY2(match.hasMatch(), qPrintable(first));
        const int pages = match.captured(1).toInt();
        QVERIFY(pages >= 3);

        // The listener table runs over a page's end; its header stands again on the next page.
        int continued = 0;
        for (int page = 2; page <= pages && continued == 0; ++page) {
            const QString text = pdf_page_text(pdf, page);
            QVERIFY2(text.contains(QString("Page %1 of %2").arg(page).arg(pages)), qPrintable(text));
            if (text.contains("heading 80") && !text.contains("NMEA 0183 Access"))
                continued = page;
        }
        QVERIFY2(continued > 0, "the listener table does not continue on a page of its own");
        const QString text = pdf_page_text(pdf, continued);
        for (const char* header : {"Sentence", "Data Field", "Swap All", "Position", "Mnemonic"})
            QVERIFY2(text.contains(header), header);
        // The page number stays within the page on the last page too.
        QVERIFY(pdf_page_text(pdf, pages).contains(QString("Page %1 of %1").arg(pages)));
    }

    void reportNeedsAnOpenedConfiguration() {
        start();
        cfg::Open_Project(app(), "");
        for (const char* button : {"Btn_Report", "Btn_Compare"})
            click(button);
        QCOMPARE(MessageService::shownTexts(), QStringList(2, "Error! Project not Valid"));
        QVERIFY(FileDialogService::requests().isEmpty());
    }

    // A target that cannot be written: the failure is told and nothing is said to be written.
    void aReportThatCannotBeWrittenIsReported() {
        start();
        write_bytes(dir() / "plain file", "x");
        save_report(dir() / "plain file" / "report.pdf");
        const QStringList shown = MessageService::shownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains("report.pdf"), qPrintable(shown[0]));
        QVERIFY(!shown[0].contains("was written"));
        QVERIFY(!fs::exists(dir() / "plain file" / "report.pdf"));
    }

    // A file that is there is replaced only after the question, and kept on No.
    void anExistingFileIsKeptUnlessTheUserAgrees() {
        start();
        const fs::path pdf = dir() / "old.pdf";
        write_bytes(pdf, "old");
        FileDialogService::queueFileNames({ui::qt_path(pdf)});
        MessageService::queueAnswers({MessageAnswer::No});
        click("Btn_Report");
        QCOMPARE(read_bytes(pdf), std::string("old"));
        QCOMPARE(MessageService::shownTexts().size(), 1);
    }

    // Paper of another size takes the whole page, footer included, scaled to fit.
    void printedPagesFitPaperOfAnotherSize() {
        start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const fs::path pdf = dir() / "printed.pdf";
        printer.setOutputFileName(ui::qt_path(pdf));
        const ui::Report_Document report(app(), std::chrono::system_clock::now());
        QVERIFY(report.paint_pages(printer));
        const QString first = pdf_page_text(pdf, 1);
        QVERIFY2(first.contains("Configuration Report") &&
                     first.contains(QString("Page 1 of %1").arg(report.page_count())),
                 qPrintable(first));
    }

    void compareWith_data() {
        QTest::addColumn<std::function<void(const fs::path& plant)>>("prepare");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("same") << std::function<void(const fs::path&)>([](const fs::path&) {})
                              << "The configurations are the same." << QStringList{};
        QTest::newRow("a parameter") << std::function<void(const fs::path&)>([](const fs::path& plant) {
            std::string pargen = read_bytes(plant / "ParGen.xml");
            pargen.replace(pargen.find("<Ethernet_IP4>10<"), 17, "<Ethernet_IP4>77<");
            write_bytes(plant / "ParGen.xml", pargen);
        }) << "The configurations differ."
                                     << QStringList{"Set Communication",
                                                    "IP Address: \"192.168.0.10\" → \"192.168.0.77\""};
    }

    void compareWith() {
        QFETCH(std::function<void(const fs::path&)>, prepare);
        QFETCH(QString, verdict);
        QFETCH(QStringList, lines);
        start();
        prepare(app().Path_Projects / "Plant");
        QString shown;
        when_dialog_opens([&](QDialog* picker) {
            auto* list = child<QListWidget>(picker, "ListBox1");
            QCOMPARE(list->currentItem()->text(), QString("Ship"));
            list->setCurrentItem(list->findItems("Plant", Qt::MatchExactly).value(0));
            when_dialog_opens([&](QDialog* window) {
                shown = child<QTextBrowser>(window, "Browser_Differences")->toPlainText();
                QTest::mouseClick(child<QPushButton>(window, "Btn_Close"), Qt::LeftButton);
            });
            QTest::mouseClick(child<QPushButton>(picker, "Btn_OK"), Qt::LeftButton);
        });
        click("Btn_Compare");
        QTRY_VERIFY(!shown.isEmpty());
        QVERIFY2(shown.contains("Compared") && shown.contains("Ship") && shown.contains("Plant"),
                 qPrintable(shown));
        QVERIFY2(shown.contains(verdict), qPrintable(shown));
        for (const QString& line : lines)
            QVERIFY2(shown.contains(line), qPrintable(shown));
        QVERIFY(MessageService::shownTexts().isEmpty());
    }

    void compareWithAFolderOfBanks() {
        start();
        cfg::image::Compile_Configuration(app());
        const fs::path read_back = dir() / "read back";
        fs::create_directories(read_back);
        for (const fs::path& bank : cfg::image::Bank_File_Paths(app().Path_Project))
            fs::copy_file(bank, read_back / bank.filename());
        std::string bank2 = read_bytes(read_back / "bank2.bin");
        bank2[0] = static_cast<char>(bank2[0] ^ 1);
        write_bytes(read_back / "bank2.bin", bank2);

        FileDialogService::queueFileNames({ui::qt_path(read_back)});
        QString shown;
        when_dialog_opens([&](QDialog* picker) {
            when_dialog_opens([&](QDialog* window) {
                shown = child<QTextBrowser>(window, "Browser_Differences")->toPlainText();
                window->accept();
            });
            QTest::mouseClick(child<QPushButton>(picker, "Btn_Bank_Folder"), Qt::LeftButton);
        });
        click("Btn_Compare");
        QTRY_VERIFY(!shown.isEmpty());
        QVERIFY2(shown.contains("bank files in " + ui::qt_path(read_back)), qPrintable(shown));
        QVERIFY2(shown.contains("The configurations differ.") && shown.contains("bank2.bin"),
                 qPrintable(shown));
        QVERIFY(!shown.contains("bank1.bin"));
    }

    // What cannot be compared is said, and no comparison is shown.
    void whatCannotBeComparedIsReported_data() {
        QTest::addColumn<bool>("bank_folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("unreadable configuration") << false << "The comparison could not be made: ";
        QTest::newRow("folder without banks") << true << "is no folder of bank files";
    }

    void whatCannotBeComparedIsReported() {
        QFETCH(bool, bank_folder);
        QFETCH(QString, message);
        start();
        write_bytes(app().Path_Projects / "Plant" / "ParGen.xml", "<Par_Gen><unclosed></Par_Gen>");
        FileDialogService::queueFileNames({ui::qt_path(app().Path_Projects / "Plant")});
        // A comparison shown all the same is closed, so that the test ends and says so.
        bool compared = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&compared] {
            if (QWidget* window = QApplication::activeModalWidget();
                window && window->objectName() == "TFComparison") {
                compared = true;
                qobject_cast<QDialog*>(window)->reject();
            }
        });
        closer.start(20);
        when_dialog_opens([&](QDialog* picker) {
            auto* list = child<QListWidget>(picker, "ListBox1");
            list->setCurrentItem(list->findItems("Plant", Qt::MatchExactly).value(0));
            QTest::mouseClick(child<QPushButton>(picker, bank_folder ? "Btn_Bank_Folder" : "Btn_OK"),
                              Qt::LeftButton);
            // A refused folder leaves the choice open.
            if (picker->isVisible())
                picker->reject();
        });
        click("Btn_Compare");
        QTRY_COMPARE(MessageService::shownTexts().size(), 1);
        QVERIFY2(MessageService::shownTexts()[0].contains(message),
                 qPrintable(MessageService::shownTexts()[0]));
        QVERIFY(!compared);
    }
};

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"
