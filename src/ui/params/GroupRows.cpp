#include "ui/params/GroupRows.h"

#include "ui/widgets/Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace ui {
namespace {

// Labels of row n stand at 12 + 28 n; a control stands 3 above its label.
constexpr int first_label_top = 12;
constexpr int row_pitch = 28;
constexpr int control_raise = 3;
constexpr int label_left = 12;
constexpr int label_gap = 8; // between the label column and the controls
constexpr int control_height = 21;
constexpr int edit_width = 220;
constexpr int choice_width = 120;
constexpr int octet_width = 40;
constexpr int dot_width = 12;

QLabel* new_label(QWidget* body, const QString& name) {
    auto* label = new QLabel(body);
    label->setObjectName(name);
    return label;
}

} // namespace

Group_Row build_row(const Row_Design& design, QWidget* body) {
    Group_Row row;
    row.design = &design;
    const QString name = QString::fromLatin1(design.name);
    switch (design.kind) {
    case Row_Kind::Edit:
        row.control = new QLineEdit(body);
        break;
    case Row_Kind::Check:
    case Row_Kind::Check_Octets:
        row.control = new QCheckBox(body);
        break;
    case Row_Kind::Choice: {
        auto* list = new QComboBox(body);
        for (std::string_view item : design.items)
            list->addItem(qt_text(item));
        row.control = list;
        break;
    }
    case Row_Kind::Octets:
        break;
    }
    if (row.control) {
        row.control->setObjectName(name);
        row.widgets.push_back(row.control);
    }
    if (design.kind == Row_Kind::Edit || design.kind == Row_Kind::Choice || design.kind == Row_Kind::Octets) {
        row.label = new_label(body, "L_" + name);
        row.widgets.push_back(row.label);
    }
    if (design.kind == Row_Kind::Octets || design.kind == Row_Kind::Check_Octets) {
        const QString prefix =
            QString::fromLatin1(design.kind == Row_Kind::Octets ? design.name : design.octets);
        for (int i = 0; i < 4; ++i) {
            auto* field = new QLineEdit(body);
            field->setObjectName(prefix + QString::number(i + 1));
            row.octets[static_cast<std::size_t>(i)] = field;
            row.widgets.push_back(field);
            if (i < 3) {
                QLabel* dot = new_label(body, QString("L_Dot_%1%2").arg(prefix).arg(i + 1));
                dot->setText(".");
                dot->setAlignment(Qt::AlignCenter);
                row.dots[static_cast<std::size_t>(i)] = dot;
                row.widgets.push_back(dot);
            }
        }
    }
    return row;
}

void set_row_texts(const Group_Row& row, const cfg::Lang_Strings& texts) {
    const Row_Design& design = *row.design;
    if (row.label)
        row.label->setText(text_of(texts, design.label));
    if (auto* check = qobject_cast<QCheckBox*>(row.control))
        check->setText(text_of(texts, design.label));
    if (row.control)
        row.control->setToolTip(text_of(texts, design.hint));
    const int first_octet_hint = design.kind == Row_Kind::Octets ? design.hint : design.octet_hint;
    for (std::size_t i = 0; i < row.octets.size(); ++i) {
        if (row.octets[i])
            row.octets[i]->setToolTip(text_of(texts, first_octet_hint + static_cast<int>(i)));
    }
}

void show_row(Group_Row& row, bool shown) {
    row.shown = shown;
    for (QWidget* widget : row.widgets)
        widget->setVisible(shown);
}

void Row_Widths::widen_for(const std::vector<Group_Row>& rows) {
    for (const Group_Row& row : rows) {
        if (!row.shown)
            continue;
        if (row.label)
            label = std::max(label, row.label->sizeHint().width());
        if (auto* check_box = qobject_cast<const QCheckBox*>(row.control))
            check = std::max(check, check_box->sizeHint().width());
    }
}

int Row_Widths::right() const {
    return std::max(label_left + label + label_gap + edit_width, label_left + check);
}

int place_rows(std::vector<Group_Row>& rows, const Row_Widths& widths) {
    const int label_width = widths.label;
    const int control_left = label_left + label_width + label_gap;
    const int check_width = widths.check;
    int bottom = 0;
    int line = 0;
    for (Group_Row& row : rows) {
        if (!row.shown)
            continue;
        const int label_top = first_label_top + row_pitch * line++;
        const int control_top = label_top - control_raise;
        if (row.label)
            row.label->setGeometry(label_left, label_top, label_width, control_height - 2 * control_raise);
        if (row.control) {
            const bool beside_label = row.label != nullptr;
            const int width = row.design->kind == Row_Kind::Edit     ? edit_width
                              : row.design->kind == Row_Kind::Choice ? choice_width
                              : row.design->kind == Row_Kind::Check  ? check_width
                                                                     : label_width;
            row.control->setGeometry(beside_label ? control_left : label_left, control_top, width,
                                     control_height);
            bottom = control_top + control_height;
        }
        for (std::size_t i = 0; i < row.octets.size() && row.octets[i]; ++i) {
            const int left = control_left + static_cast<int>(i) * (octet_width + dot_width);
            row.octets[i]->setGeometry(left, control_top, octet_width, control_height);
            if (i < row.dots.size())
                row.dots[i]->setGeometry(left + octet_width, control_top, dot_width, control_height);
            bottom = control_top + control_height;
        }
    }
    return bottom;
}

std::vector<QWidget*> focus_chain(const Group_Row& row) {
    std::vector<QWidget*> chain;
    if (row.control)
        chain.push_back(row.control);
    for (QLineEdit* field : row.octets) {
        if (field)
            chain.push_back(field);
    }
    return chain;
}

} // namespace ui
