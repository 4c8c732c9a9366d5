#pragma once

#include "core/common/Table.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

// A Qt model over a core table: model row r is table row r + 1 (row 0 of the table is the header),
// model column c is table column c. Column 0 shows the row number. Editing hands the new value to
// the table and reports it through cellEdited, so the screen can apply its own rules; which cells
// are editable and which get a list is the screen's to say, through the two callbacks. A cell of a
// plain-family check-box column (a text "Y" or "N") shows and edits as a check box too.
// Cells nobody can edit look read-only, and a row the screen warns about takes the warning colour
// and its warning as tool tip. Computed columns follow the table's columns: the screen fills their
// cells, which nobody edits.
class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ListItemsRole = Qt::UserRole + 1;
    // Whether a list cell also takes a text typed in (true), or only its items.
    static constexpr int ListTakesTextRole = Qt::UserRole + 2;

    using EditableCell = std::function<bool(int table_row, int column)>;
    // The items of a list cell, nothing for a cell that is not a list. A list may be empty (a data
    // field list while the row names no sentence): it then offers nothing rather than free text.
    using CellListItems = std::function<std::optional<QStringList>(int table_row, int column)>;
    using CellListTakesText = std::function<bool(int table_row, int column)>;
    // Whether a cell shows its text; one that does not looks empty (the place of a disabled variable).
    using CellShowsText = std::function<bool(int table_row, int column)>;
    // The warning about a row, empty for none.
    using RowWarning = std::function<QString(int table_row)>;
    using ComputedText = std::function<QString(int table_row)>;

    // The model shares ownership of the table it shows (usually through an aliasing pointer into the
    // screen's data), so the order in which Qt deletes a dialog's children never leaves it dangling.
    explicit TableGridModel(std::shared_ptr<cfg::Table> table, QObject* parent = nullptr);

    void setEditableCell(EditableCell editable) { editable_ = std::move(editable); }
    void setCellListItems(CellListItems items) { list_items_ = std::move(items); }
    void setCellListTakesText(CellListTakesText takes_text) { list_takes_text_ = std::move(takes_text); }
    void setCellShowsText(CellShowsText shows_text) { shows_text_ = std::move(shows_text); }
    void setRowWarning(RowWarning warning) { row_warning_ = std::move(warning); }
    // Adds a computed column after the others and returns its model column.
    int addComputedColumn(ComputedText text);
    void setComputedHeader(int column, const QString& header);
    // Hints by model column, computed columns included.
    void setHeaderHints(const QStringList& hints_by_column);

    bool isComputedColumn(int column) const { return column >= table_->column_count(); }
    // The table's hidden columns are not shown; computed columns always are.
    bool isColumnShown(int column) const;

    const cfg::Table& table() const { return *table_; }

    // After the screen changed the table behind the model's back (load, row operations, a rule
    // that fills other cells of a row).
    void tableChanged();
    void rowChanged(int table_row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static int tableRow(const QModelIndex& index) { return index.row() + 1; }

signals:
    void cellEdited(int table_row, int column);

private:
    struct ComputedColumn {
        ComputedText text;
        QString header;
    };

    bool isTextCheckBox(int table_row, int column) const;
    bool isReadOnly(const QModelIndex& index) const;
    QVariant cellText(int table_row, int column) const;
    QVariant look(const QModelIndex& index, int role) const;
    const ComputedColumn& computed(int column) const;

    std::shared_ptr<cfg::Table> table_;
    EditableCell editable_;
    CellListItems list_items_;
    CellListTakesText list_takes_text_;
    CellShowsText shows_text_;
    RowWarning row_warning_;
    std::vector<ComputedColumn> computed_;
    QStringList header_hints_;
};

} // namespace ui
