#pragma once

#include <QFrame>

class QLabel;

namespace ui {

// The panel at the top of the main window and the dialogs: the large software code and, below it,
// the description (the window's own text from the catalogue, or the converter's description).
class TitlePanel : public QFrame {
    Q_OBJECT
public:
    explicit TitlePanel(const QString& code, QWidget* parent = nullptr);

    QLabel* codeLabel() const { return code_; }        // L_SW_Code
    QLabel* descriptionLabel() const { return desc_; } // L_SW_Desc

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* code_;
    QLabel* desc_;
};

// The look shared by the two title labels, also where they stand on their own (main window).
void style_code_label(QLabel* label);
void style_description_label(QLabel* label);

} // namespace ui
