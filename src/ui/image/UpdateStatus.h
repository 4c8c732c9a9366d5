#pragma once

#include "core/image/UpdateHost.h"
#include "core/lang/LangStrings.h"

#include <QFrame>

class QLabel;
class QProgressBar;

namespace ui {

// The update dialog's status panel: what the update is doing, with a bar of the seconds it has
// been at it out of its bound, and afterwards how it ended. Hidden while it has nothing to say.
class UpdateStatus : public QFrame {
    Q_OBJECT
public:
    explicit UpdateStatus(QWidget* parent);

    void show_progress(const cfg::Lang_Strings& texts, const cfg::image::Update_Progress& progress);
    void show_message(const QString& text);
    void clear();

signals:
    // The panel's height may have changed: the dialog fits itself around it.
    void changed();

private:
    void set_status(const QString& text, bool with_bar);

    QLabel* L_Status;
    QProgressBar* PB_Progress;
};

} // namespace ui
