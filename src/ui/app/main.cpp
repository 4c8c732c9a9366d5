#include "core/app/Application.h"
#include "core/app/ModelIdentity.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtHttpClient.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QScreen>

#include <optional>

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    // The name message boxes carry; a display name would be appended to every window title.
    QApplication::setApplicationName(ui::qt_text(cfg::SW_Code));
    QApplication::setWindowIcon(ui::program_icon());

    // The program's folders, settings and texts live beside the executable.
    std::optional<cfg::Application> app;
    if (!ui::run_reported(nullptr, [&] {
            app = cfg::Start_Application(QCoreApplication::applicationDirPath().toStdString());
        }))
        return 1;

    ui::QtHttpClient http;
    ui::TFMorvelFirmWare main_window(*app, http);
    main_window.move(main_window.screen()->availableGeometry().center() - main_window.rect().center());
    main_window.show();
    return QApplication::exec();
}
