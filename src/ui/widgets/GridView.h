#pragma once

#include <QTableView>

#include <functional>

namespace cfg {
struct App_Settings;
}

namespace ui {

class GridHeader;
class TableGridModel;

// The table view of every table screen: the Enter key moves to the next cell when the user's
// option says so, a double click on a header sizes the column to its content when the other option
// says so, and a click on the row number selects the whole row. The options are read at the moment
// of the key or click, so a change in the options dialog counts at once.
class GridView : public QTableView {
    Q_OBJECT
public:
    using Option = std::function<bool()>;

    GridView(Option enter_jumps, Option double_click_auto_sizes, QWidget* parent = nullptr);
    // The usual case: both options as the user set them in the options dialog.
    GridView(const cfg::App_Settings& settings, QWidget* parent);

    void setGridModel(TableGridModel* model);
    TableGridModel* gridModel() const { return grid_model_; }
    GridHeader* gridHeader() const;

    // The current cell in table coordinates (row 1.. , column 1..); row 0 when none.
    int currentTableRow() const;
    // Makes the row current and selects it whole (table coordinates).
    void selectTableRow(int table_row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool jumpToNextCell();
    void showTableColumns();

    TableGridModel* grid_model_ = nullptr;
    Option enter_jumps_;
    Option double_click_auto_sizes_;
};

} // namespace ui
