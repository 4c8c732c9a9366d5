#include "ui/ethercat/TFEtherCATSlave.h"

#include "core/app/Application.h"
#include "core/app/ModelIdentity.h"
#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableCheck.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableRowOperations.h"
#include "core/ethercat/VariableTable.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/RowButtons.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace ui {
namespace {

using cfg::ethercat::VariableColumn;

constexpr int Delete_Row_Question = 1533;
constexpr std::array<int, cfg::ethercat::SlaveToMaster::Count> Column_Widths{40,  50,  120, 100, 280,
                                                                             100, 100, 100, 100};

QPushButton* named_button(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QStringList var_type_items() {
    QStringList items;
    for (std::string_view type : cfg::ethercat::VarType)
        items.append(qt_text(type));
    return items;
}

// The table's header hints by column: none over the row number.
QStringList header_hints(const cfg::Lang_Strings& texts, bool SlaveMaster) {
    QStringList hints{QString()};
    if (SlaveMaster)
        for (int index : cfg::ethercat::Hint_StM)
            hints.append(text_of(texts, index));
    else
        for (int index : cfg::ethercat::Hint_MtS)
            hints.append(text_of(texts, index));
    return hints;
}

} // namespace

TFEtherCATSlave::TFEtherCATSlave(cfg::Application& app, QWidget* parent)
    : QDialog(parent),
      app_(app), tables_{cfg::ethercat::make_variable_table(true), cfg::ethercat::make_variable_table(false)},
      title_(new TitlePanel(qt_text(cfg::SW_Code), this)), tabs_(new QTabWidget(this)),
      TS_SlaveToMaster(new QWidget),
      TS_MasterToSlave(new QWidget), slave_master_{true, &tables_.slave_to_master, nullptr, nullptr, nullptr,
                                                   false},
      master_slave_{false, &tables_.master_to_slave, nullptr, nullptr, nullptr, false},
      Btn_OK(named_button("Btn_OK", this)), Btn_Cancel(named_button("Btn_Cancel", this)),
      Btn_DelRow(named_button("Btn_DelRow", this)), Btn_InsRow(named_button("Btn_InsRow", this)),
      Btn_CopyRow(named_button("Btn_CopyRow", this)), Btn_PasteRow(named_button("Btn_PasteRow", this)) {
    setObjectName("TFEtherCATSlave");
    resize(1200, 337);

    TS_SlaveToMaster->setObjectName("TS_SlaveToMaster");
    TS_MasterToSlave->setObjectName("TS_MasterToSlave");
    tabs_->addTab(TS_SlaveToMaster, QString());
    tabs_->addTab(TS_MasterToSlave, QString());
    tabs_->setTabVisible(tabs_->indexOf(TS_MasterToSlave), false);
    tabs_->setCurrentWidget(TS_SlaveToMaster);
    Init_Table(slave_master_);
    Init_Table(master_slave_);
    slave_master_.view->setObjectName("ASG_SlaveMaster");
    master_slave_.view->setObjectName("ASG_MasterSlave");

    connect(Btn_DelRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_DelRowClick(); });
    connect(Btn_InsRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_InsRowClick(); });
    connect(Btn_CopyRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_CopyRowClick(); });
    connect(Btn_PasteRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_PasteRowClick(); });
    connect(Btn_OK, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QVBoxLayout;
    body->addWidget(tabs_);
    lay_out_dialog(this, title_, body, {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow},
                   {Btn_OK, Btn_Cancel});
    Set_Lang();
}

// The grids show tables_, a member that is gone before QWidget deletes the children: the grids
// and their models go first.
TFEtherCATSlave::~TFEtherCATSlave() {
    for (Variable_Grid* grid : {&slave_master_, &master_slave_}) {
        delete grid->view;
        delete grid->model;
    }
}

void TFEtherCATSlave::Init_Table(Variable_Grid& grid) {
    QWidget* page = grid.SlaveMaster ? TS_SlaveToMaster : TS_MasterToSlave;
    grid.view = new GridView(app_.App_Settings, page);
    grid.model = new TableGridModel(*grid.table, this);
    grid.model->setEditableCell([&grid](int row, int column) {
        return cfg::ethercat::is_variable_cell_editable(*grid.table, grid.SlaveMaster, row, column);
    });
    grid.model->setCellListItems([items = var_type_items()](int, int column) -> std::optional<QStringList> {
        if (column != VariableColumn::Type)
            return std::nullopt;
        return items;
    });
    grid.view->setGridModel(grid.model);
    for (int column = 0; column < grid.table->column_count(); ++column)
        grid.view->setColumnWidth(column, Column_Widths[static_cast<std::size_t>(column)]);
    connect(grid.model, &TableGridModel::cellEdited, this,
            [this, &grid](int row, int column) { CellChange(grid, row, column); });

    RowActions actions;
    actions.delete_row = [&grid](int row) {
        cfg::ethercat::delete_variable_row(*grid.table, grid.SlaveMaster, row, true);
    };
    actions.insert_row = [&grid](int row) { cfg::ethercat::insert_variable_row(*grid.table, row); };
    actions.copy_row = [this, &grid](int row) {
        cfg::Copy_Row_CB(*grid.table, row, app_.Row_Clipboard);
        slave_master_.copied = &grid == &slave_master_;
        master_slave_.copied = &grid == &master_slave_;
    };
    // Only a copy made in this table, during this opening, may be pasted into it.
    actions.paste_row = [this, &grid](int row, bool, const cfg::ConfirmOverwrite& confirm) {
        return cfg::ethercat::paste_variable_row(*grid.table, grid.SlaveMaster, row, grid.copied,
                                                 app_.Row_Clipboard, confirm);
    };
    actions.delete_question_text = Delete_Row_Question;
    grid.row_buttons = new RowButtons(grid.view, app_.Lang_Strings, std::move(actions), this);
    connect(grid.row_buttons, &RowButtons::tableChanged, grid.model, &TableGridModel::tableChanged);

    auto* page_layout = new QVBoxLayout(page);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->addWidget(grid.view);
}

void TFEtherCATSlave::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, 1500));
    title_->descriptionLabel()->setText(text_of(texts, 1501));
    set_button_texts(texts, {{Btn_OK, 1502, 1508},
                             {Btn_Cancel, 1503, 1509},
                             {Btn_DelRow, 1504, 1510},
                             {Btn_InsRow, 1505, 1511},
                             {Btn_CopyRow, 1506, 1512},
                             {Btn_PasteRow, 1507, 1513}});
    tabs_->setTabText(tabs_->indexOf(TS_SlaveToMaster), text_of(texts, 1534));
    tabs_->setTabText(tabs_->indexOf(TS_MasterToSlave), text_of(texts, 1535));
    set_headers();
    for (Variable_Grid* grid : {&slave_master_, &master_slave_})
        grid->model->setHeaderHints(header_hints(texts, grid->SlaveMaster));
}

void TFEtherCATSlave::set_headers() {
    for (Variable_Grid* grid : {&slave_master_, &master_slave_}) {
        cfg::ethercat::set_variable_headers(*grid->table, grid->SlaveMaster, app_.Lang_Strings);
        emit grid->model->headerDataChanged(Qt::Horizontal, 0, grid->table->column_count() - 1);
    }
}

void TFEtherCATSlave::showEvent(QShowEvent* event) {
    // Restoring a minimised window is no new opening: the edits stay.
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void TFEtherCATSlave::load() {
    // A file that cannot be read leaves empty tables, with the reason shown.
    if (!run_reported(this,
                      [this] { tables_ = cfg::ethercat::Load_EtherCAT_Slave(app_.File_EtherCAT_Slave); }))
        tables_ = {cfg::ethercat::make_variable_table(true), cfg::ethercat::make_variable_table(false)};
    set_headers();
    tabs_->setCurrentWidget(TS_SlaveToMaster);
    for (Variable_Grid* grid : {&slave_master_, &master_slave_}) {
        grid->copied = false;
        grid->model->tableChanged();
        grid->view->setCurrentIndex(grid->model->index(0, VariableColumn::Enable));
    }
}

// One handler for both tables: a type fills its length, and every change of Enable, Type or
// Length moves the places of the rows after it.
void TFEtherCATSlave::CellChange(Variable_Grid& grid, int row, int column) {
    if (column == VariableColumn::Type)
        cfg::ethercat::choose_variable_type(*grid.table, grid.SlaveMaster, row,
                                            grid.table->text(row, VariableColumn::Type));
    else if (column == VariableColumn::Enable || column == VariableColumn::Length)
        cfg::ethercat::Calc_Position_Bit(*grid.table, grid.SlaveMaster);
    else
        return;
    grid.model->tableChanged();
}

TFEtherCATSlave::Variable_Grid& TFEtherCATSlave::active_grid() {
    return tabs_->currentWidget() == TS_MasterToSlave ? master_slave_ : slave_master_;
}

void TFEtherCATSlave::Btn_OKClick() {
    run_reported(this, [this] {
        const cfg::ethercat::Variable_Check_Result check =
            cfg::ethercat::Controllo_dati(tables_.slave_to_master, app_.Lang_Strings);
        if (!check.ok()) {
            slave_master_.view->setCurrentIndex(
                slave_master_.model->index(check.row - 1, VariableColumn::Length));
            MessageService::error(this, QString::fromStdString(check.message));
            return;
        }
        cfg::ethercat::Save_EtherCAT_Slave(tables_.slave_to_master, app_.File_EtherCAT_Slave);
        accept();
    });
}

} // namespace ui
