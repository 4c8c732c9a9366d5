#pragma once

#include <QStyledItemDelegate>

namespace ui {

// The editors of the table screens: a drop-down list that offers only its items for cells with a
// list (or that also takes a typed text, where the model says so), a centred check box for
// check-box cells, and the default text editor for every other cell. A list opens wide enough for
// its longest item. An editor exists only while a cell is edited.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // A cell's tool tip: its whole text where the cell is too narrow to show it, then the model's
    // tool tip (a warning about the row). Empty when there is neither.
    QString toolTip(const QStyleOptionViewItem& option, const QModelIndex& index) const;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static QRect checkBoxRect(const QStyleOptionViewItem& option);
};

} // namespace ui
