#include "ui/widgets/GridView.h"

#include "core/app/AppSettings.h"
#include "core/common/GridHandlers.h"
#include "ui/widgets/GridDelegate.h"
#include "ui/widgets/GridHeader.h"
#include "ui/widgets/TableGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

GridView::GridView(Option enter_jumps, Option double_click_auto_sizes, QWidget* parent)
    : QTableView(parent), enter_jumps_(std::move(enter_jumps)),
      double_click_auto_sizes_(std::move(double_click_auto_sizes)) {
    setItemDelegate(new GridDelegate(this));
    setHorizontalHeader(new GridHeader(this));
    // A block of cells, for the clipboard.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int section) {
        if (cfg::Grid_Header_DblClick(0, double_click_auto_sizes_()))
            resizeColumnToContents(section);
    });
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == 0)
            selectTableRow(TableGridModel::tableRow(index));
    });
}

GridView::GridView(const cfg::App_Settings& settings, QWidget* parent)
    : GridView([&settings] { return settings.enable_jump_field_tables; },
               [&settings] { return settings.Double_Click_Auto_Size; }, parent) {}

void GridView::setGridModel(TableGridModel* model) {
    grid_model_ = model;
    setModel(model);
    showTableColumns();
    // A caption that changes (a language) may need more room than the column had.
    connect(model, &QAbstractItemModel::headerDataChanged, this,
            [this] { gridHeader()->fitSectionsToCaptions(); });
}

void GridView::showTableColumns() {
    for (int column = 0; column < grid_model_->columnCount(); ++column)
        setColumnHidden(column, !grid_model_->isColumnShown(column));
}

GridHeader* GridView::gridHeader() const {
    return static_cast<GridHeader*>(horizontalHeader());
}

int GridView::currentTableRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? TableGridModel::tableRow(current) : 0;
}

void GridView::selectTableRow(int table_row) {
    if (table_row < 1)
        return;
    const QModelIndex cell =
        grid_model_->index(table_row - 1, currentIndex().isValid() ? currentIndex().column() : 1);
    setCurrentIndex(cell);
    // selectRow() does nothing while single cells are selected; select the row's cells directly.
    selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(cell);
}

bool GridView::jumpToNextCell() {
    const QModelIndex current = currentIndex();
    if (!grid_model_)
        return false;
    cfg::GridCursor cursor{current.isValid() ? TableGridModel::tableRow(current) : 0,
                           current.isValid() ? current.column() : 0};
    if (!cfg::Grid_Enter_Jump(grid_model_->table(), cursor, cfg::Enter_Key, enter_jumps_()))
        return false;
    if (cursor.row > 0)
        setCurrentIndex(grid_model_->index(cursor.row - 1, cursor.column));
    return true;
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Enter that an editor passed on: the editor's closing moves on (closeEditor), once.
    if (enter && state() == EditingState)
        return;
    if (enter && jumpToNextCell())
        return;
    QTableView::keyPressEvent(event);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter inside an editor ends the edit; with the option on it then moves on like Enter on a cell.
    if (hint == QAbstractItemDelegate::SubmitModelCache && enter_jumps_()) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        jumpToNextCell();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

} // namespace ui
