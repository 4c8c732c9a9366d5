#pragma once

#include "core/bytemap/ByteMap.h"
#include "core/common/ColumnDescription.h"
#include "core/common/SavedRows.h"
#include "core/common/Table.h"
#include "core/exchange/TableExchange.h"
#include "ui/widgets/EditingScreen.h"
#include "ui/widgets/RowButtons.h"
#include "ui/widgets/TableGridModel.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;
class QVBoxLayout;

namespace ui {

class ByteMapPanel;
class GridExchange;
class GridView;
class TitlePanel;

// The pattern every table screen shares: the title, the grids (as tabs when there are several),
// the row buttons working on the grid in front, and OK and Cancel. OK runs the screen's check, selects the
// failing row and shows why; then it asks before rows would be dropped, and before an unreadable file would
// be replaced; then it saves and closes. Under the tables a status line, and, for the screens that place data
// in the device's arrays, the byte map, follow every change, its undo and its redo. Each grid exchanges cells
// with the clipboard and the whole table with a CSV file through its menu. A screen adds its tables, its
// rules and its file.
class TableScreen : public EditingScreen {
    Q_OBJECT
public:
    // Where the screen's texts lie in the catalogue.
    struct Screen_Texts {
        int block; // the title at its start, the description next, then the six captions and their six hints
        int delete_row_question;   // the row number takes the place of "%d", or follows the text
        int dropped_rows_question; // the first row a save would leave out follows the text
        int byte_map = -1;         // the first of the byte map's texts, for a screen with the map
    };

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    // A read-only column the table does not hold, shown after the column shown_after.
    struct Computed_Column {
        cfg::Column_Description description;
        int shown_after;
        TableGridModel::ComputedText text;
    };

    // How one table is shown and edited.
    struct Grid_Setup {
        const char* name;                  // the grid's object name
        std::shared_ptr<cfg::Table> table; // shared with the screen's data it belongs to
        std::span<const cfg::Column_Description> columns;
        TableGridModel::EditableCell editable;
        // The items of list cells whose items depend on the row; other lists offer their choices.
        std::function<std::vector<std::string>(int row, int column)> row_choices;
        RowActions actions;         // the screen's delete question is filled in
        cfg::Table_Rules rules;     // what a pasted block or an imported file may put into the table
        int tab_text = -1;          // the tab's caption; -1 for the screen's only table
        const char* page_name = ""; // the tab page's object name
        bool shown = true;          // false: this model carries the table but never lets the user reach it
        TableGridModel::CellShowsText shows_text = {};
        TableGridModel::RowWarning row_warning = {};
        std::vector<Computed_Column> computed = {};
    };

    // The first failing rule: in which grid and row, and the message the error box shows.
    struct Check_Failure {
        std::size_t grid;
        int row;
        std::string message;
    };

    TableScreen(cfg::Application& app, const Screen_Texts& texts, QWidget* parent);

    // Adds a grid; the first one added is in front when the screen opens. Grids are named by the
    // order they were added in, from 0.
    void add_grid(Grid_Setup setup);
    // The grid shows again what its table holds: all of it, or one row (table coordinates).
    void refresh_table(std::size_t grid);
    void refresh_row(std::size_t grid, int row);
    // Brings the grid to the front and makes the row current, selected whole (table coordinates).
    void select_table_row(std::size_t grid, int row);
    // For what a screen adds to a grid's view: its delegates, its clicks.
    GridView* grid_view(std::size_t grid) const;

    // Puts the byte map under the tables; a click on a block of own_lane selects its row in the
    // first grid.
    void add_byte_map(cfg::bytemap::Map_Lane own_lane);
    ByteMapPanel* byte_map() const { return map_; }
    // A button of the screen's own in the bottom row, after the row buttons.
    void add_left_button(QPushButton* button);
    // The line under the tables that sums up what they hold.
    void set_status(const QString& text);

    // The screen's own texts beyond the headers and hints of its tables.
    virtual void set_table_texts() {}
    // Fill the tables from the file (ConfigError when it cannot be read) and return how many rows of
    // the file lie beyond them; or clear them to the empty rows of a new configuration.
    virtual int read_tables() = 0;
    virtual void clear_tables() = 0;
    virtual std::optional<Check_Failure> check_tables() = 0;
    // The first filled row a save would leave out, 0 when none.
    virtual int first_row_save_would_drop() const = 0;
    virtual void save_tables() = 0;
    // After the user edited a cell, for the rules that fill other cells.
    virtual void cell_edited(std::size_t grid, int row, int column);
    // After every change of the tables, at each opening and after a change of language: the screen
    // shows what follows from its rows (the status line, its lane of the map, warnings).
    virtual void tables_changed() {}
    // At each opening, for a screen with a byte map: the other lane, from the other screen's file.
    virtual void read_map_other_lane() {}

    // Texts of the catalogue, for the screens.
    QString text(int index) const;

    // After a change of the user's that the screen made itself: one step to undo.
    void record_change();

private:
    struct Grid {
        std::span<const cfg::Column_Description> columns;
        std::vector<cfg::Column_Description> computed_columns;
        std::vector<std::pair<int, int>> computed_places; // model column, the column it follows
        cfg::Table* table;                                // owned with the model
        GridView* view;
        TableGridModel* model;
        RowButtons* row_buttons;
        GridExchange* exchange;
        QWidget* page;
        int tab_text;
        bool shown;
    };

    // The rows one step changed in one table, as they were and became.
    struct Changed_Rows {
        std::size_t grid;
        std::vector<cfg::Saved_Row> before;
        std::vector<cfg::Saved_Row> after;
    };

    void put_back(const std::vector<Changed_Rows>& changes, bool after);
    void show_grid_menu(std::size_t grid, const QPoint& at);

    TableGridModel* make_model(Grid_Setup& setup);
    void add_computed_columns(Grid& grid, std::vector<Computed_Column> computed);
    void follow_changes(std::size_t index, const Grid& grid);
    QWidget* place_view(GridView* view, const Grid_Setup& setup);
    void attach_model(const Grid& grid);
    void show_defaults() override;
    void remember_shown_state() override;
    bool changed_since_opened() const override;
    int show_file_and_count_left_out() override;

    void show_headers();
    void show_tables_from_start();
    void add_above_status(QWidget* widget);
    Grid& grid_in_front();

    Screen_Texts texts_;
    TitlePanel* title_;
    QVBoxLayout* body_;
    QSplitter* splitter_;
    QVBoxLayout* tables_layout_;
    QLabel* status_;
    ByteMapPanel* map_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::vector<Grid> grids_;
    std::vector<cfg::Table> opened_state_;
    std::vector<cfg::Table> recorded_state_; // as the last step left the tables
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
    QHBoxLayout* bottom_row_;
    int left_buttons_ = 0;
};

} // namespace ui
