#include "ui/widgets/GridDelegate.h"

#include "ui/widgets/TableGridModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace ui {
namespace {

bool is_check_box_cell(const QModelIndex& index) {
    return index.data(Qt::CheckStateRole).isValid();
}

// A list cell's editor. Typed letters and the wheel only move through the list (QComboBox reports
// each such step as "activated", as if it were a choice); what they reach counts once, when Enter,
// Tab or leaving the cell ends the edit. A pick from the open list is a choice and counts at once.
class ListEditor : public QComboBox {
public:
    using QComboBox::QComboBox;

    bool searching() const { return searching_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        searching_ = true;
        QComboBox::keyPressEvent(event);
        searching_ = false;
    }
    void wheelEvent(QWheelEvent* event) override {
        searching_ = true;
        QComboBox::wheelEvent(event);
        searching_ = false;
    }

private:
    bool searching_ = false;
};

} // namespace

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QVariant items = index.data(TableGridModel::ListItemsRole);
    if (!items.isValid())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new ListEditor(parent);
    // A list that also takes a typed text offers its items rather than imposing them.
    combo->setEditable(index.data(TableGridModel::ListTakesTextRole).toBool());
    combo->setInsertPolicy(QComboBox::NoInsert);
    const QStringList item_texts = items.toStringList();
    combo->addItems(item_texts);
    // Long items (data-field descriptions end with their size) must not be cut in the open list;
    // a few characters more leave room for the items' margins and the scroll bar.
    int widest = 0;
    for (const QString& item : item_texts)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(item));
    combo->view()->setMinimumWidth(widest + 4 * combo->fontMetrics().averageCharWidth() +
                                   combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // A choice counts at once, as the screens react to it (a sentence fills its first data field).
    connect(combo, &QComboBox::activated, this, [this, combo] {
        if (combo->searching())
            return;
        emit const_cast<GridDelegate*>(this)->commitData(combo);
        emit const_cast<GridDelegate*>(this)->closeEditor(combo);
    });
    return combo;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        combo->setCurrentIndex(combo->findText(text));
        if (combo->isEditable())
            combo->setEditText(text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable() || combo->currentIndex() >= 0)
            model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

QRect GridDelegate::checkBoxRect(const QStyleOptionViewItem& option) {
    QStyleOptionButton button;
    const QRect indicator = QApplication::style()->subElementRect(QStyle::SE_CheckBoxIndicator, &button);
    return QStyle::alignedRect(option.direction, Qt::AlignCenter, indicator.size(), option.rect);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (!is_check_box_cell(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    background.text.clear();
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    QStyleOptionButton check;
    check.rect = checkBoxRect(option);
    check.state = option.state & QStyle::State_Enabled;
    check.state |= index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked ? QStyle::State_On
                                                                                         : QStyle::State_Off;
    QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, option.widget);
}

QString GridDelegate::toolTip(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QStringList parts;
    if (!cell.text.isEmpty()) {
        const QWidget* widget = cell.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const int room =
            style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget).width() - 2 * margin;
        if (cell.fontMetrics.horizontalAdvance(cell.text) > room)
            parts.append(cell.text);
    }
    if (const QString tip = index.data(Qt::ToolTipRole).toString(); !tip.isEmpty())
        parts.append(tip);
    return parts.join('\n');
}

bool GridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = toolTip(option, index);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view);
    return true;
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (!is_check_box_cell(index) || !(index.flags() & Qt::ItemIsUserCheckable))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        toggle = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        return true; // the release toggles; a double click must not toggle twice
    } else if (event->type() == QEvent::KeyPress) {
        toggle = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    }
    if (!toggle)
        return false;
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace ui
