#include "ui/app/ProgramStart.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/TextFill.h"
#include "ui/app/StartTexts.h"
#include "ui/app/TFMorvelFirmWare.h"
#include "ui/platform/QtHttpClient.h"
#include "ui/platform/QtPath.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <filesystem>
#include <iostream>

namespace ui {
namespace {

constexpr int Exit_Usage = 2;
constexpr int Exit_No_Data_Folder = 1;

const QCommandLineOption& home_option() {
    static const QCommandLineOption home("home", "Use DIR for MASTER, PROJECTS, LANGUAGE and Morvel.xml.",
                                         "DIR");
    return home;
}

void define_options(QCommandLineParser& options) {
    options.setApplicationDescription(qt_text(cfg::App_Title));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(home_option());
}

// --help and --version print their answer and end the program. Before the application exists the
// parser does not know the program's name: it is the one it was started with.
std::optional<int> answer(const QCommandLineParser& options, const QString& program) {
    if (options.isSet("help")) {
        std::cout << options.helpText().replace("<executable_name>", program).toStdString();
        return 0;
    }
    if (options.isSet("version")) {
        std::cout << cfg::SW_Code << ' ' << cfg::Program_Version << '\n' << cfg::Licence_Notice;
        return 0;
    }
    return std::nullopt;
}

// A mistake the program cannot start with: on standard error, and in a message box for a program
// started from the desktop's menu, whose standard error nobody reads. A platform without a screen
// has no one to answer the box.
void tell_start_failure(const QString& message) {
    std::cerr << "configurator: " << message.toStdString() << '\n';
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen" && platform != "minimal")
        MessageService::error(nullptr, message);
}

// The folder --home names, made when missing; nothing when it cannot be used, after telling why.
std::optional<std::filesystem::path> home_folder(const QString& folder) {
    std::error_code error;
    if (!folder.isEmpty() && (std::filesystem::is_directory(std_path(folder), error) ||
                              std::filesystem::create_directories(std_path(folder), error)))
        return std_path(folder);
    const cfg::Lang_Strings texts = cfg::default_texts();
    const std::string reason = error ? error.message() : texts[start_text::Not_A_Folder];
    tell_start_failure(
        qt_text(cfg::Fill_Text(texts[start_text::Folder_Unusable], {folder.toStdString(), reason})));
    return std::nullopt;
}

} // namespace

std::optional<int> Answer_Without_Display(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser options;
    define_options(options);
    // What this parser does not know (the display's own options) is left to the program's start.
    if (!options.parse(arguments))
        return std::nullopt;
    return answer(options, arguments.value(0));
}

int Run_Configurator(QApplication& qt) {
    // The name message boxes carry; a display name would be appended to every window title.
    QApplication::setApplicationName(qt_text(cfg::SW_Code));
    QApplication::setApplicationVersion(qt_text(cfg::Program_Version));
    QApplication::setWindowIcon(program_icon());
    // Lets the desktop match the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(CONFIGURATOR_APP_ID);

    QCommandLineParser options;
    define_options(options);
    if (!options.parse(qt.arguments())) {
        std::cerr << "configurator: " << options.errorText().toStdString() << "\n\n"
                  << options.helpText().toStdString();
        return Exit_Usage;
    }
    if (const std::optional<int> answered = answer(options, qt.arguments().value(0)))
        return *answered;

    // The program's folders, settings and texts live beside a copy of the program, in the user's data
    // folder for an installed one, or in the folder --home names, which is made when missing.
    const std::filesystem::path program_folder = std_path(QCoreApplication::applicationDirPath());
    cfg::Program_Folders folders;
    if (options.isSet(home_option())) {
        const std::optional<std::filesystem::path> home = home_folder(options.value(home_option()));
        if (!home)
            return Exit_Usage;
        folders = cfg::Program_Folders_With_Data(program_folder, *home);
    } else {
        try {
            folders = cfg::Find_Program_Folders(program_folder, cfg::Process_Environment);
        } catch (const std::exception& error) {
            tell_start_failure(qt_text(error.what()));
            return Exit_No_Data_Folder;
        }
    }
    std::optional<cfg::Application> app;
    if (!run_reported(nullptr, [&] { app = cfg::Start_Application(folders); }))
        return 1;

    QtHttpClient http;
    TFMorvelFirmWare main_window(*app, http);
    main_window.move(main_window.screen()->availableGeometry().center() - main_window.rect().center());
    main_window.show();
    return QApplication::exec();
}

} // namespace ui
