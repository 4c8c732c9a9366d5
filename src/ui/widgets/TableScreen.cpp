#include "ui/widgets/TableScreen.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/ColumnHeaders.h"
#include "ui/widgets/ByteMapPanel.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/EditTexts.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridExchange.h"
#include "ui/widgets/GridHeader.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ui {
namespace {

// Offsets in a table screen's block of texts.
enum Screen_Text : int { Title, Description, Ok, Cancel, Delete, Insert, Copy, Paste, Hints };

} // namespace

TableScreen::TableScreen(cfg::Application& app, const Screen_Texts& texts, QWidget* parent)
    : EditingScreen(app, parent), texts_(texts), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      body_(new QVBoxLayout), splitter_(new QSplitter(Qt::Vertical, this)), tables_layout_(new QVBoxLayout),
      status_(new QLabel(this)), Btn_OK(dialog_button("Btn_OK", this)),
      Btn_Cancel(dialog_button("Btn_Cancel", this)), Btn_DelRow(dialog_button("Btn_DelRow", this)),
      Btn_InsRow(dialog_button("Btn_InsRow", this)), Btn_CopyRow(dialog_button("Btn_CopyRow", this)),
      Btn_PasteRow(dialog_button("Btn_PasteRow", this)) {
    connect(Btn_DelRow, &QPushButton::clicked, this,
            [this] { grid_in_front().row_buttons->Btn_DelRowClick(); });
    connect(Btn_InsRow, &QPushButton::clicked, this,
            [this] { grid_in_front().row_buttons->Btn_InsRowClick(); });
    connect(Btn_CopyRow, &QPushButton::clicked, this,
            [this] { grid_in_front().row_buttons->Btn_CopyRowClick(); });
    connect(Btn_PasteRow, &QPushButton::clicked, this,
            [this] { grid_in_front().row_buttons->Btn_PasteRowClick(); });
    connect(Btn_OK, &QPushButton::clicked, this, &TableScreen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TableScreen::reject);

    status_->setObjectName("L_Status");
    status_->hide();
    auto* tables = new QWidget(splitter_);
    tables_layout_->setContentsMargins(0, 0, 0, 0);
    tables_layout_->addWidget(status_);
    tables->setLayout(tables_layout_);
    splitter_->addWidget(tables);
    splitter_->setChildrenCollapsible(false);
    body_->addWidget(notice());
    body_->addWidget(splitter_, 1);
    const QList<QPushButton*> row_buttons = {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    bottom_row_ = lay_out_dialog(this, title_, body_, row_buttons, {Btn_OK, Btn_Cancel});
    left_buttons_ = static_cast<int>(row_buttons.size());
}

void TableScreen::add_left_button(QPushButton* button) {
    bottom_row_->insertWidget(left_buttons_++, button);
}

void TableScreen::add_grid(Grid_Setup setup) {
    const std::size_t index = grids_.size();
    auto* view = new GridView(app_.App_Settings, this);
    view->setObjectName(setup.name);
    cfg::Table* table = setup.table.get();
    TableGridModel* model = make_model(setup);
    setup.actions.delete_question_text = texts_.delete_row_question;
    auto* row_buttons = new RowButtons(view, app_.Lang_Strings, std::move(setup.actions), this);
    auto* exchange = new GridExchange(app_, view, model, *table, std::move(setup.rules), this);
    Grid& grid = grids_.emplace_back(Grid{setup.columns,
                                          {},
                                          {},
                                          table,
                                          view,
                                          model,
                                          row_buttons,
                                          exchange,
                                          place_view(view, setup),
                                          setup.tab_text,
                                          setup.shown});
    add_computed_columns(grid, std::move(setup.computed));
    follow_changes(index, grid);
}

// The model over the table, with the screen's rules for its cells.
TableGridModel* TableScreen::make_model(Grid_Setup& setup) {
    auto* model = new TableGridModel(std::move(setup.table), this);
    const std::span<const cfg::Column_Description> columns = setup.columns;
    model->setEditableCell(std::move(setup.editable));
    model->setCellListItems([columns, row_choices = std::move(setup.row_choices)](
                                int row, int column) -> std::optional<QStringList> {
        const cfg::Column_Description& description = columns[static_cast<std::size_t>(column)];
        if (description.editor != cfg::Cell_Editor::List &&
            description.editor != cfg::Cell_Editor::Text_Or_List)
            return std::nullopt;
        QStringList items;
        for (const std::string& choice :
             description.choices.empty() && row_choices ? row_choices(row, column) : description.choices)
            items.append(qt_text(choice));
        return items;
    });
    model->setCellListTakesText([columns](int, int column) {
        return columns[static_cast<std::size_t>(column)].editor == cfg::Cell_Editor::Text_Or_List;
    });
    model->setCellShowsText(std::move(setup.shows_text));
    model->setRowWarning(std::move(setup.row_warning));
    return model;
}

void TableScreen::add_computed_columns(Grid& grid, std::vector<Computed_Column> computed) {
    for (Computed_Column& column : computed) {
        grid.computed_places.emplace_back(grid.model->addComputedColumn(std::move(column.text)),
                                          column.shown_after);
        grid.computed_columns.push_back(std::move(column.description));
    }
}

// Every change of the grid, whoever made it, is shown, followed through and made a step to undo.
void TableScreen::follow_changes(std::size_t index, const Grid& grid) {
    connect(grid.model, &TableGridModel::cellEdited, this, [this, index](int row, int column) {
        cell_edited(index, row, column);
        tables_changed();
        record_change();
    });
    connect(grid.row_buttons, &RowButtons::tableChanged, this, [this, model = grid.model] {
        model->tableChanged();
        tables_changed();
        record_change();
    });
    connect(grid.exchange, &GridExchange::tableChanged, this, [this] {
        tables_changed();
        record_change();
    });
    grid.view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid.view, &QWidget::customContextMenuRequested, this,
            [this, index](const QPoint& at) { show_grid_menu(index, at); });
    // A copy made in one table of the screen cannot be pasted into another.
    connect(grid.row_buttons, &RowButtons::rowCopied, this, [this, index] {
        for (std::size_t other = 0; other < grids_.size(); ++other)
            if (other != index)
                grids_[other].row_buttons->forgetCopy();
    });
}

// The view goes above the status line, on a tab of its own when the screen has several tables;
// returns the page that holds it.
QWidget* TableScreen::place_view(GridView* view, const Grid_Setup& setup) {
    if (!setup.shown) {
        view->hide();
        return view;
    }
    if (setup.tab_text < 0) {
        add_above_status(view);
        return view;
    }
    if (!tabs_) {
        tabs_ = new QTabWidget(this);
        add_above_status(tabs_);
    }
    auto* page = new QWidget;
    page->setObjectName(setup.page_name);
    auto* page_layout = new QVBoxLayout(page);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->addWidget(view);
    tabs_->addTab(page, QString());
    return page;
}

void TableScreen::refresh_table(std::size_t grid) {
    grids_[grid].model->tableChanged();
}

void TableScreen::refresh_row(std::size_t grid, int row) {
    grids_[grid].model->rowChanged(row);
}

GridView* TableScreen::grid_view(std::size_t grid) const {
    return grids_[grid].view;
}

// A view gets its model, and with it its columns, when its screen first opens: attaching a model
// is most of what a table view costs, and the program builds every screen at its start.
void TableScreen::attach_model(const Grid& grid) {
    GridView* view = grid.view;
    view->setGridModel(grid.model);
    for (std::size_t column = 0; column < grid.columns.size(); ++column)
        view->setColumnWidth(static_cast<int>(column), grid.columns[column].width);
    QHeaderView* header = view->horizontalHeader();
    for (std::size_t i = 0; i < grid.computed_places.size(); ++i) {
        const auto [column, shown_after] = grid.computed_places[i];
        view->setColumnWidth(column, grid.computed_columns[i].width);
        header->moveSection(header->visualIndex(column), header->visualIndex(shown_after) + 1);
    }
    view->gridHeader()->fitSectionsToCaptions();
}

void TableScreen::add_above_status(QWidget* widget) {
    tables_layout_->insertWidget(tables_layout_->indexOf(status_), widget, 1);
}

void TableScreen::add_byte_map(cfg::bytemap::Map_Lane own_lane) {
    map_ = new ByteMapPanel(app_, own_lane, texts_.byte_map, this);
    splitter_->addWidget(map_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 1);
    connect(map_, &ByteMapPanel::rowClicked, this, [this](int row) { select_table_row(0, row); });
}

void TableScreen::set_status(const QString& text) {
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

QString TableScreen::text(int index) const {
    return text_of(app_.Lang_Strings, index);
}

void TableScreen::Set_Lang() {
    const int block = texts_.block;
    setWindowTitle(text(block + Title));
    title_->descriptionLabel()->setText(text(block + Description));
    const int hints = block + Hints;
    set_button_texts(app_.Lang_Strings, {{Btn_OK, block + Ok, hints},
                                         {Btn_Cancel, block + Cancel, hints + 1},
                                         {Btn_DelRow, block + Delete, hints + 2},
                                         {Btn_InsRow, block + Insert, hints + 3},
                                         {Btn_CopyRow, block + Copy, hints + 4},
                                         {Btn_PasteRow, block + Paste, hints + 5}});
    for (const Grid& grid : grids_)
        if (tabs_ && grid.shown && grid.tab_text >= 0)
            tabs_->setTabText(tabs_->indexOf(grid.page), text(grid.tab_text));
    show_headers();
    set_table_texts();
    if (map_)
        map_->Set_Lang();
    tables_changed();
}

// The headers live in row 0 of the tables, which a load replaces.
void TableScreen::show_headers() {
    for (const Grid& grid : grids_) {
        cfg::Set_Column_Headers(*grid.table, grid.columns, app_.Lang_Strings);
        QStringList hints;
        for (const cfg::Column_Description& column : grid.columns)
            hints.append(column.hint_text >= 0 ? text(column.hint_text) : QString());
        for (std::size_t i = 0; i < grid.computed_columns.size(); ++i) {
            const cfg::Column_Description& column = grid.computed_columns[i];
            grid.model->setComputedHeader(grid.table->column_count() + static_cast<int>(i),
                                          text(column.header_text));
            hints.append(column.hint_text >= 0 ? text(column.hint_text) : QString());
        }
        grid.model->setHeaderHints(hints);
    }
}

int TableScreen::show_file_and_count_left_out() {
    clear_tables();
    const int rows_left_out = read_tables();
    show_tables_from_start();
    return rows_left_out;
}

void TableScreen::show_defaults() {
    clear_tables();
    show_tables_from_start();
}

// Each opening starts in the first cell of the first table, with nothing copied yet.
void TableScreen::show_tables_from_start() {
    show_headers();
    if (tabs_)
        tabs_->setCurrentIndex(0);
    for (const Grid& grid : grids_) {
        if (!grid.view->gridModel())
            attach_model(grid);
        grid.row_buttons->forgetCopy();
        grid.model->tableChanged();
        grid.view->setCurrentIndex(grid.model->index(0, 1));
    }
    grids_.front().view->setFocus(Qt::OtherFocusReason);
    if (map_)
        map_->readOtherLane([this] { read_map_other_lane(); });
    tables_changed();
}

void TableScreen::remember_shown_state() {
    opened_state_.clear();
    for (const Grid& grid : grids_)
        opened_state_.push_back(grid.model->table());
    recorded_state_ = opened_state_;
}

// Only the rows that changed are kept with the step: a table screen holds up to a thousand rows.
void TableScreen::record_change() {
    auto changes = std::make_shared<std::vector<Changed_Rows>>();
    for (std::size_t index = 0; index < grids_.size(); ++index) {
        const cfg::Table& now = *grids_[index].table;
        cfg::Table& recorded = recorded_state_[index];
        const std::vector<int> rows = cfg::Differing_Rows(recorded, now);
        if (rows.empty())
            continue;
        changes->push_back({index, cfg::Save_Rows(recorded, rows), cfg::Save_Rows(now, rows)});
        recorded = now;
    }
    if (changes->empty())
        return;
    push_step([this, changes] { put_back(*changes, false); }, [this, changes] { put_back(*changes, true); });
}

// The rows as they were before or after the step, and all that follows from them; the first of
// them becomes the current row, so the user sees what changed.
void TableScreen::put_back(const std::vector<Changed_Rows>& changes, bool after) {
    for (const Changed_Rows& change : changes) {
        Grid& grid = grids_[change.grid];
        cfg::Restore_Rows(*grid.table, after ? change.after : change.before);
        recorded_state_[change.grid] = *grid.table;
        grid.model->tableChanged();
    }
    tables_changed();
    select_table_row(changes.front().grid, changes.front().before.front().row);
}

void TableScreen::show_grid_menu(std::size_t index, const QPoint& at) {
    const Grid& grid = grids_[index];
    QMenu menu(this);
    grid.exchange->setTexts();
    menu.addAction(undo_action());
    menu.addAction(redo_action());
    menu.addSeparator();
    menu.addAction(grid.exchange->copyAction());
    menu.addAction(grid.exchange->pasteAction());
    menu.addSeparator();
    menu.addAction(text(edit_text::Export_Csv), grid.exchange, &GridExchange::exportCsv)
        ->setObjectName("Act_ExportCsv");
    menu.addAction(text(edit_text::Import_Csv), grid.exchange, &GridExchange::importCsv)
        ->setObjectName("Act_ImportCsv");
    menu.exec(grid.view->viewport()->mapToGlobal(at));
}

bool TableScreen::changed_since_opened() const {
    for (std::size_t index = 0; index < grids_.size(); ++index)
        if (!(grids_[index].model->table() == opened_state_[index]))
            return true;
    return false;
}

void TableScreen::cell_edited(std::size_t, int, int) {}

void TableScreen::select_table_row(std::size_t grid, int row) {
    const Grid& shown = grids_[grid];
    if (tabs_ && shown.shown)
        tabs_->setCurrentWidget(shown.page);
    shown.view->selectTableRow(row);
}

TableScreen::Grid& TableScreen::grid_in_front() {
    for (Grid& grid : grids_)
        if (!tabs_ || grid.page == tabs_->currentWidget())
            return grid;
    return grids_.front();
}

void TableScreen::Btn_OKClick() {
    run_reported(this, [this] {
        if (const std::optional<Check_Failure> failure = check_tables()) {
            select_table_row(failure->grid, failure->row);
            MessageService::error(this, qt_text(failure->message));
            return;
        }
        // Rows below the first empty row are not saved: the user decides whether to lose them.
        if (const int dropped = first_row_save_would_drop();
            dropped > 0 && !MessageService::confirm_loss(this, text(texts_.dropped_rows_question) +
                                                                   QString::number(dropped)))
            return;
        if (!may_replace_file())
            return;
        save_tables();
        accept();
    });
}

} // namespace ui
