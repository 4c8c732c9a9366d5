#include "ui/widgets/TitlePanel.h"

#include "ui/widgets/Looks.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ui {
namespace {

const QColor Title_Text(0x6b, 0x6b, 0x6b);

} // namespace

void style_code_label(QLabel* label) {
    QFont font = label->font();
    font.setPointSize(20);
    font.setBold(true);
    label->setFont(font);
    set_text_colour(label, Title_Text);
}

void style_description_label(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    set_text_colour(label, Title_Text);
}

TitlePanel::TitlePanel(const QString& code, QWidget* parent)
    : QFrame(parent), code_(new QLabel(code, this)), desc_(new QLabel(this)) {
    code_->setObjectName("L_SW_Code");
    desc_->setObjectName("L_SW_Desc");
    style_code_label(code_);
    style_description_label(desc_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->setSpacing(2);
    layout->addWidget(code_);
    layout->addWidget(desc_);
}

void TitlePanel::paintEvent(QPaintEvent* event) {
    fill_background(this, Qt::white);
    QFrame::paintEvent(event);
}

} // namespace ui
