#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// Every file dialog of the program goes through here, so tests can answer it like a user would.
class FileDialogService {
public:
    // The chosen file, or an empty text when the user cancelled.
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter);

    // The file chosen to be read, or an empty text when the user cancelled.
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter);

    // The folder chosen, or an empty text when the user cancelled.
    static QString getExistingDirectory(QWidget* parent, const QString& caption, const QString& folder);

    // Test hooks: in test mode the dialog is not opened; the next queued file name (or an empty
    // text, as on Cancel) is returned by any of the dialogs and the call is recorded as
    // "caption|folder|filter" (a folder dialog has no filter).
    static void startTestMode();
    static void queueFileNames(const QStringList& names);
    static QStringList requests();
    static void reset();
};

} // namespace ui
