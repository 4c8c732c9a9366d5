#pragma once

#include <QValidator>

#include <cstddef>

class QLineEdit;

namespace ui {

// Lets the user type at most `limit` UTF-16 code units into an edit field, cutting a paste to what
// fits. Unlike QLineEdit's maximum length it keeps a longer text put in by the program, so a value
// read from a file is never shortened on its way back to the file.
class TypedLimitValidator : public QValidator {
    Q_OBJECT
public:
    TypedLimitValidator(QLineEdit* edit, std::size_t limit);

    State validate(QString& input, int& pos) const override;

    // Puts a stored text into the field as it is, however long.
    void setStoredText(const QString& text);

private:
    QLineEdit* edit_;
    std::size_t limit_;
    QString before_; // the text before the edit being validated
};

} // namespace ui
