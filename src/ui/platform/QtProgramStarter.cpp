#include "ui/platform/QtProgramStarter.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {
namespace {

QString native_path(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace

Start_Outcome QtProgramStarter::Start_Program(const std::filesystem::path& NomeSW, const QString& Parameter,
                                              std::uint8_t tipo) {
    auto* process = new QProcess;
    process->setProgram(native_path(NomeSW));
    process->setArguments(QProcess::splitCommand(Parameter));
    // The updater finds its job file beside itself.
    process->setWorkingDirectory(native_path(NomeSW.parent_path()));
    // Nothing ties the program to this one's pipes, so it can outlive the tool.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
#ifdef Q_OS_WIN
    if (tipo != 0)
        process->setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
            arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            arguments->startupInfo->wShowWindow = SW_HIDE;
        });
#else
    (void)tipo; // a program's own windows decide whether it shows
#endif
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return Start_Outcome::Not_Started;
    }
    if (process->waitForFinished(wait_limit_ms_) || process->state() == QProcess::NotRunning) {
        delete process;
        return Start_Outcome::Ended;
    }
    // Deleting a running process would stop it, in the middle of writing the device perhaps: it is
    // left to delete itself when it ends, or to outlive the tool.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return Start_Outcome::Still_Running;
}

} // namespace ui
