#include "ui/params/TypedLimitValidator.h"

#include "core/params/TypedLimit.h"

#include <QLineEdit>

namespace ui {

TypedLimitValidator::TypedLimitValidator(QLineEdit* edit, std::size_t limit)
    : QValidator(edit), edit_(edit), limit_(limit), before_(edit->text()) {
    edit->setValidator(this);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State TypedLimitValidator::validate(QString& input, int& pos) const {
    const cfg::Typed_Text limited =
        cfg::Limit_Typed_Text(static_cast<std::size_t>(before_.size()), input.toStdU16String(),
                              static_cast<std::size_t>(pos), limit_);
    input = QString::fromStdU16String(limited.text);
    pos = static_cast<int>(limited.cursor);
    return Acceptable;
}

void TypedLimitValidator::setStoredText(const QString& text) {
    // The field validates what the program puts in too; the new text is its own "before".
    before_ = text;
    edit_->setText(text);
}

} // namespace ui
