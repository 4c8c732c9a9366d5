#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ui {

void style_code_label(QLabel* label) {
    QFont font = label->font();
    font.setPointSize(20);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: #6b6b6b;");
}

void style_description_label(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: #6b6b6b;");
}

TitlePanel::TitlePanel(const QString& code, QWidget* parent)
    : QFrame(parent), code_(new QLabel(code, this)), desc_(new QLabel(this)) {
    code_->setObjectName("L_SW_Code");
    desc_->setObjectName("L_SW_Desc");
    style_code_label(code_);
    style_description_label(desc_);
    setAutoFillBackground(true);
    setStyleSheet("ui--TitlePanel { background: white; }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->setSpacing(2);
    layout->addWidget(code_);
    layout->addWidget(desc_);
}

} // namespace ui
