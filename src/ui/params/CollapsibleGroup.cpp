#include "ui/params/CollapsibleGroup.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

CollapsibleGroup::CollapsibleGroup(QWidget* parent)
    : QFrame(parent), header_(new QToolButton(this)), body_(new QWidget(this)) {
    header_->setObjectName("header");
    header_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header_->setFixedHeight(headerHeight());
    header_->setFocusPolicy(Qt::NoFocus);
    header_->setStyleSheet("QToolButton { border: none; background: #e4eaf1; font-weight: bold; "
                           "text-align: left; padding-left: 4px; }");
    body_->setObjectName("body");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(body_);
    connect(header_, &QToolButton::clicked, this, [this] { setExpanded(!expanded_); });
    update_look();
}

int CollapsibleGroup::headerHeight() {
    return 24;
}

QString CollapsibleGroup::caption() const {
    return header_->text();
}

void CollapsibleGroup::setCaption(const QString& caption) {
    header_->setText(caption);
}

void CollapsibleGroup::setChevronHints(const QString& collapse, const QString& expand) {
    collapse_hint_ = collapse;
    expand_hint_ = expand;
    update_look();
}

void CollapsibleGroup::setBodyHeight(int height) {
    body_height_ = height;
    update_look();
}

void CollapsibleGroup::setExpanded(bool expanded) {
    expanded_ = expanded;
    update_look();
}

void CollapsibleGroup::update_look() {
    header_->setArrowType(expanded_ ? Qt::UpArrow : Qt::DownArrow);
    header_->setToolTip(expanded_ ? collapse_hint_ : expand_hint_);
    body_->setFixedHeight(body_height_);
    body_->setVisible(expanded_);
    setFixedHeight(headerHeight() + (expanded_ ? body_height_ : 0));
}

} // namespace ui
