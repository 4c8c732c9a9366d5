#include "ui/mqtt/TemplateCellDelegate.h"

#include <QEvent>

namespace ui {

bool TemplateCellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                       const QStyleOptionViewItem& option, const QModelIndex& index) {
    // The view asks the delegate before it opens the cell's editor on a double click.
    if (event->type() == QEvent::MouseButtonDblClick)
        return true;
    return GridDelegate::editorEvent(event, model, option, index);
}

} // namespace ui
