#include "ui/widgets/FileDialogService.h"

#include <QFileDialog>

namespace ui {
namespace {

struct TestHooks {
    bool active = false;
    QStringList names;
    QStringList requests;
};

TestHooks& hooks() {
    static TestHooks instance;
    return instance;
}

} // namespace

QString FileDialogService::getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                           const QString& filter) {
    TestHooks& test = hooks();
    if (test.active) {
        test.requests.append(caption + "|" + folder + "|" + filter);
        return test.names.isEmpty() ? QString() : test.names.takeFirst();
    }
    // The program asks its own overwrite question from the catalogue.
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void FileDialogService::startTestMode() {
    hooks().active = true;
}

void FileDialogService::queueFileNames(const QStringList& names) {
    hooks().active = true;
    hooks().names.append(names);
}

QStringList FileDialogService::requests() {
    return hooks().requests;
}

void FileDialogService::reset() {
    hooks() = TestHooks{};
}

} // namespace ui
