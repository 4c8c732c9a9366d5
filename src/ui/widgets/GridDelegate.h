#pragma once

#include <QStyledItemDelegate>

namespace ui {

// The editors of the table screens: a drop-down list that offers only its items for cells with a
// list (or that also takes a typed text, where the model says so), a centred check box for
// check-box cells, and the default text editor for every other cell.
// An editor exists only while a cell is edited.
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

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static QRect checkBoxRect(const QStyleOptionViewItem& option);
};

} // namespace ui
