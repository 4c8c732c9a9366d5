#include "ui/ethercat/TFEtherCATSlave.h"

#include "core/app/Application.h"
#include "core/ethercat/ImageTexts.h"
#include "core/ethercat/PositionBit.h"
#include "core/ethercat/ProcessImage.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableCheck.h"
#include "core/ethercat/VariableColumnDescriptions.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableRowOperations.h"
#include "core/ethercat/VariableTable.h"
#include "core/ethercat/VariableTableRules.h"
#include "core/lang/EtherCATTexts.h"
#include "core/nmea/ArrayLayout.h"
#include "ui/widgets/ByteMapPanel.h"
#include "ui/widgets/Texts.h"

namespace ui {
namespace {

using cfg::ethercat::VariableColumn;

namespace text = cfg::ethercat_text;

constexpr TableScreen::Screen_Texts Texts{.block = text::Title,
                                          .delete_row_question = text::Delete_Row_Question,
                                          .dropped_rows_question = text::Rows_Would_Be_Dropped_Question,
                                          .byte_map = text::Map_Texts};

// The grids in the order they are added.
constexpr std::size_t Slave_To_Master_Grid = 0;

bool SlaveMaster_of(std::size_t grid) {
    return grid == Slave_To_Master_Grid;
}

} // namespace

TFEtherCATSlave::TFEtherCATSlave(cfg::Application& app, QWidget* parent)
    : TableScreen(app, Texts, parent),
      tables_(std::make_shared<cfg::ethercat::EtherCAT_Tables>(cfg::ethercat::EtherCAT_Tables{
          cfg::ethercat::make_variable_table(true), cfg::ethercat::make_variable_table(false)})) {
    setObjectName("TFEtherCATSlave");
    resize(1200, 640);
    Init_Table(true);
    Init_Table(false);
    add_byte_map(cfg::bytemap::Map_Lane::Variables);
    Set_Lang();
}

cfg::Table& TFEtherCATSlave::table_of(bool SlaveMaster) {
    return SlaveMaster ? tables_->slave_to_master : tables_->master_to_slave;
}

void TFEtherCATSlave::Init_Table(bool SlaveMaster) {
    cfg::Table& table = table_of(SlaveMaster);
    Grid_Setup setup;
    setup.name = SlaveMaster ? "ASG_SlaveMaster" : "ASG_MasterSlave";
    setup.table = std::shared_ptr<cfg::Table>(tables_, &table);
    setup.columns = cfg::ethercat::Variable_Column_Descriptions(SlaveMaster);
    setup.tab_text = SlaveMaster ? text::Slave_To_Master : text::Master_To_Slave;
    setup.page_name = SlaveMaster ? "TS_SlaveToMaster" : "TS_MasterToSlave";
    setup.shown = SlaveMaster;
    setup.editable = [&table, SlaveMaster](int row, int column) {
        return cfg::ethercat::is_variable_cell_editable(table, SlaveMaster, row, column);
    };
    setup.shows_text = [&table, SlaveMaster](int row, int column) {
        return cfg::ethercat::is_variable_text_shown(table, SlaveMaster, row, column);
    };
    setup.actions.delete_row = [&table, SlaveMaster](int row) {
        cfg::ethercat::delete_variable_row(table, SlaveMaster, row, true);
    };
    setup.actions.insert_row = [&table](int row) { cfg::ethercat::insert_variable_row(table, row); };
    setup.actions.copy_row = [this, &table](int row) { cfg::Copy_Row_CB(table, row, app_.Row_Clipboard); };
    setup.actions.paste_row = [this, &table, SlaveMaster](int row, bool copied,
                                                          const cfg::ConfirmOverwrite& confirm) {
        return cfg::ethercat::paste_variable_row(table, SlaveMaster, row, copied, app_.Row_Clipboard,
                                                 confirm);
    };
    setup.rules = cfg::ethercat::Variable_Table_Rules(SlaveMaster);
    add_grid(std::move(setup));
}

std::filesystem::path TFEtherCATSlave::file() const {
    return app_.File_EtherCAT_Slave;
}

int TFEtherCATSlave::read_tables() {
    *tables_ = cfg::ethercat::Load_EtherCAT_Slave(file());
    return tables_->rows_left_out;
}

void TFEtherCATSlave::clear_tables() {
    cfg::ethercat::clear_variable_table(tables_->slave_to_master);
    cfg::ethercat::clear_variable_table(tables_->master_to_slave);
}

std::optional<TableScreen::Check_Failure> TFEtherCATSlave::check_tables() {
    const cfg::ethercat::Variable_Check_Result check =
        cfg::ethercat::Controllo_dati(tables_->slave_to_master, app_.Lang_Strings);
    if (check.ok())
        return std::nullopt;
    return Check_Failure{Slave_To_Master_Grid, check.row, check.message};
}

int TFEtherCATSlave::first_row_save_would_drop() const {
    return cfg::ethercat::first_row_save_would_drop(tables_->slave_to_master);
}

void TFEtherCATSlave::save_tables() {
    cfg::ethercat::Save_EtherCAT_Slave(tables_->slave_to_master, file());
}

// A type fills its length, and every change of Enable, Type or Length moves the places of the rows
// after it.
void TFEtherCATSlave::cell_edited(std::size_t grid_index, int row, int column) {
    const bool SlaveMaster = SlaveMaster_of(grid_index);
    cfg::Table& table = table_of(SlaveMaster);
    if (column == VariableColumn::Type)
        cfg::ethercat::choose_variable_type(table, SlaveMaster, row, table.text(row, VariableColumn::Type));
    else if (column == VariableColumn::Enable || column == VariableColumn::Length)
        cfg::ethercat::Calc_Position_Bit(table, SlaveMaster);
    else
        return;
    refresh_table(grid_index);
}

void TFEtherCATSlave::tables_changed() {
    cfg::ethercat::Process_Image image = cfg::ethercat::Process_Image_Layout(tables_->slave_to_master);
    set_status(qt_text(cfg::ethercat::Image_Status(image, app_.Lang_Strings)));
    byte_map()->setImage(std::move(image));
}

void TFEtherCATSlave::read_map_other_lane() {
    byte_map()->setFields(cfg::nmea::Array_Layout_Of_File(app_.File_NMEA_0183_Set_Access));
}

} // namespace ui
