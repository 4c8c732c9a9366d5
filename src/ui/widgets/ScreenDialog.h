#pragma once

#include "ui/widgets/Screen.h"

#include <QDialog>

namespace ui {

// The base of every dialog of the program. Its content is rebuilt each time it is opened, and only
// then: restoring a minimised window also sends a show event, but the dialog never stopped being
// visible, so what the user typed stays.
class ScreenDialog : public QDialog, public Screen {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void setVisible(bool visible) override;

protected:
    // Runs before the dialog appears, each time it is opened.
    virtual void opened() {}

    // The dialog keeps one size, never smaller than this one, and larger where its layout needs more
    // room for its captions (a language with longer words): fitted when it opens and refitted
    // whenever the layout of the open dialog changes.
    void setSmallestFixedSize(int width, int height);

    bool event(QEvent* event) override;
    // One rule for every dialog: Enter in a field presses the dialog's OK (Btn_OK) where it has
    // one; on a focused button it presses that button. A table keeps Enter for itself (its jump).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fit_fixed_size();
    QSize available_size() const;

    QSize smallest_fixed_size_;
};

} // namespace ui
