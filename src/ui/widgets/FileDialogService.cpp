#include "ui/widgets/FileDialogService.h"

#include <QFileDialog>

#include <optional>

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

// In test mode: records the request and gives the next queued answer.
std::optional<QString> test_answer(const QString& caption, const QString& folder, const QString& filter) {
    TestHooks& test = hooks();
    if (!test.active)
        return std::nullopt;
    test.requests.append(caption + "|" + folder + "|" + filter);
    return test.names.isEmpty() ? QString() : test.names.takeFirst();
}

} // namespace

QString FileDialogService::getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                           const QString& filter) {
    if (const std::optional<QString> answer = test_answer(caption, folder, filter))
        return *answer;
    // The program asks its own overwrite question from the catalogue.
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString FileDialogService::getOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                           const QString& filter) {
    if (const std::optional<QString> answer = test_answer(caption, folder, filter))
        return *answer;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString FileDialogService::getExistingDirectory(QWidget* parent, const QString& caption,
                                                const QString& folder) {
    if (const std::optional<QString> answer = test_answer(caption, folder, QString()))
        return *answer;
    return QFileDialog::getExistingDirectory(parent, caption, folder);
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
