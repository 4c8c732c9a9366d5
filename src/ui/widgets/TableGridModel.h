#pragma once

#include "core/common/Table.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace ui {

// A Qt model over a core table: model row r is table row r + 1 (row 0 of the table is the header),
// model column c is table column c. Column 0 shows the row number. Editing hands the new value to
// the table and reports it through cellEdited, so the screen can apply its own rules; which cells
// are editable and which get a list is the screen's to say, through the two callbacks. A cell of a
// plain-family check-box column (a text "Y" or "N") shows and edits as a check box too.
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

    // The model shares ownership of the table it shows (usually through an aliasing pointer into the
    // screen's data), so the order in which Qt deletes a dialog's children never leaves it dangling.
    explicit TableGridModel(std::shared_ptr<cfg::Table> table, QObject* parent = nullptr);

    void setEditableCell(EditableCell editable) { editable_ = std::move(editable); }
    void setCellListItems(CellListItems items) { list_items_ = std::move(items); }
    void setCellListTakesText(CellListTakesText takes_text) { list_takes_text_ = std::move(takes_text); }
    void setHeaderHints(const QStringList& hints_by_column);

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
    bool isTextCheckBox(int table_row, int column) const;

    std::shared_ptr<cfg::Table> table_;
    EditableCell editable_;
    CellListItems list_items_;
    CellListTakesText list_takes_text_;
    QStringList header_hints_;
};

} // namespace ui
