#include "ui/platform/QtProgramRunner.h"

#include "ui/widgets/Texts.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {

using cfg::image::Program_State;

QtProgramRunner::~QtProgramRunner() {
    let_go();
}

// Deleting a running process would end it, in the middle of writing the device perhaps: it is
// left to delete itself when it ends, or to outlive the tool.
void QtProgramRunner::let_go() {
    if (!process_)
        return;
    if (process_->state() == QProcess::NotRunning)
        delete process_;
    else
        QObject::connect(process_, &QProcess::finished, process_, &QObject::deleteLater);
    process_ = nullptr;
}

bool QtProgramRunner::start(const cfg::image::Program_Launch& launch) {
    let_go();
    auto* process = new QProcess;
    process->setProgram(qt_path(launch.program));
    QStringList arguments;
    for (const std::string& argument : launch.arguments)
        arguments.append(QString::fromStdString(argument));
    process->setArguments(arguments);
    if (!launch.working_folder.empty())
        process->setWorkingDirectory(qt_path(launch.working_folder));
    // Nothing ties the program to this one's input; a quiet one's output goes nowhere.
    process->setStandardInputFile(QProcess::nullDevice());
    if (launch.quiet) {
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
        process->setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments* created) { created->flags |= CREATE_NO_WINDOW; });
#endif
    } else {
        process->setProcessChannelMode(QProcess::ForwardedChannels);
    }
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    process_ = process;
    return true;
}

cfg::image::Program_Status QtProgramRunner::status() {
    if (!process_)
        return {};
    if (process_->state() != QProcess::NotRunning)
        return {Program_State::Running, 0};
    if (process_->exitStatus() == QProcess::CrashExit)
        return {Program_State::Crashed, 0};
    return {Program_State::Exited, process_->exitCode()};
}

void QtProgramRunner::stop() {
    if (!process_ || process_->state() == QProcess::NotRunning)
        return;
    process_->kill();
    process_->waitForFinished();
}

} // namespace ui
