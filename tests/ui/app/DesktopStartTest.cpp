// The main window on a real desktop rather than offscreen: a virtual X display on Linux, and the
// windows platform under Wine on that display. What the desktop shows of the window is read back
// from the screen and compared, roughly, with the offscreen picture of docs/screenshots; then a
// screen opens and closes, and the program ends.
#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/lang/VersionCheck.h"
#include "support/TempDir.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/widgets/MessageService.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <optional>

namespace {

class NoHttp : public cfg::HttpClient {
public:
    std::optional<std::string> get(const std::string&, const std::string&) override { return std::nullopt; }
};

// The picture shrunk to a few grey cells: what stays when fonts and their edges differ.
QImage grey_cells(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_Grayscale8)
        .scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double mean_cell_difference(const QImage& a, const QImage& b) {
    const QImage cells_a = grey_cells(a);
    const QImage cells_b = grey_cells(b);
    double sum = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            sum += std::abs(qGray(cells_a.pixel(x, y)) - qGray(cells_b.pixel(x, y)));
    return sum / 64;
}

int colour_count(const QImage& picture) {
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            colours.insert(picture.pixel(x, y));
    return static_cast<int>(colours.size());
}

bool close_enough(int size, int reference) {
    return std::abs(size - reference) <= reference / 4;
}

} // namespace

class DesktopStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString platform = QGuiApplication::platformName();
        if (platform == "offscreen" || platform == "minimal")
            QSKIP("needs a desktop: run on a display with the xcb or windows platform");
        ui::MessageService::startTestMode();
    }

    void theMainWindowPaintsOpensAScreenAndCloses() {
        const cfg::test::TempDir dir;
        cfg::Application app = cfg::Start_Application(dir.path());
        QVERIFY(!cfg::Create_New_Project(app, "Bridge"));
        cfg::Open_Project(app, "Bridge");
        NoHttp http;
        ui::TFMorvelFirmWare window(app, http);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(500); // the desktop's own frame and the first paint land

        const QRect area(window.mapToGlobal(QPoint(0, 0)), window.size());
        const QImage shown =
            window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        shown.save(QDir(QDir::currentPath()).filePath("desktop-main-window.png"));
        const QImage offscreen(DESKTOP_REFERENCE_PICTURE);
        QVERIFY2(!offscreen.isNull(), DESKTOP_REFERENCE_PICTURE);
        QVERIFY2(colour_count(shown) > 8, "the window on the desktop is blank");
        QVERIFY2(close_enough(shown.width(), offscreen.width()) &&
                     close_enough(shown.height(), offscreen.height()),
                 qPrintable(QString("%1x%2 on the desktop, %3x%4 offscreen")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(offscreen.width())
                                .arg(offscreen.height())));
        const double difference = mean_cell_difference(shown, offscreen);
        QVERIFY2(difference < 40, qPrintable(QString("grey levels differ by %1 on average").arg(difference)));

        bool screen_shown = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            QWidget* screen = QApplication::activeModalWidget();
            screen_shown = QTest::qWaitForWindowExposed(screen);
            qobject_cast<QDialog*>(screen)->reject();
        });
        QTest::mouseClick(window.findChild<QPushButton*>("Btn_Prm_Gen"), Qt::LeftButton);
        QVERIFY2(screen_shown, "the parameters screen did not show");
        QVERIFY(ui::MessageService::shownTexts().isEmpty());

        window.close();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(DesktopStartTest)
#include "DesktopStartTest.moc"
