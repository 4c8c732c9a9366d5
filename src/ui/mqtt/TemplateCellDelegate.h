#pragma once

#include "ui/widgets/GridDelegate.h"

namespace ui {

// The editors of a Template column: those of every table cell, except that a double click belongs
// to the template editor the screen opens, so it never starts the cell's own editor.
class TemplateCellDelegate : public GridDelegate {
    Q_OBJECT
public:
    using GridDelegate::GridDelegate;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace ui
