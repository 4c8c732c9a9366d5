#pragma once

#include <QObject>

#include <map>
#include <vector>

class QLineEdit;

namespace ui {

// The "." of the address fields: typed into a watched field it is never entered, and moves the
// focus on to the next field of the field's chain when that field can take it. The last field of a
// chain, and a field of none, keep the focus.
class AddressDotJump : public QObject {
    Q_OBJECT
public:
    explicit AddressDotJump(QObject* parent);

    void watch(QLineEdit* field);
    // "." leads from each field to the one after it; the fields are watched.
    void chain(const std::vector<QLineEdit*>& fields);

    // True when the key was the "." and so is not to be entered.
    bool KeyPress(QLineEdit* Sender, const QString& Key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<const QObject*, QLineEdit*> next_; // each watched field, with the field "." leads to or none
};

} // namespace ui
