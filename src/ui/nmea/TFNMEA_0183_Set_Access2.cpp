#include "ui/nmea/TFNMEA_0183_Set_Access2.h"

#include "core/app/Application.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ListenerPositions.h"

namespace ui {
namespace {

using cfg::nmea::Listener_Column;

constexpr int Text_Block = 1000;
constexpr int Delete_Row_Question = 1039;
constexpr int Rows_Would_Be_Dropped_Question = 1046;

} // namespace

TFNMEA_0183_Set_Access2::TFNMEA_0183_Set_Access2(cfg::Application& app, QWidget* parent)
    : TableScreen(app, Text_Block, Rows_Would_Be_Dropped_Question, parent),
      table_(std::make_shared<cfg::nmea::Listener_Table>()) {
    setObjectName("TFNMEA_0183_Set_Access2");
    resize(1200, 337);

    Grid_Setup setup;
    setup.name = "ASG";
    setup.table = std::shared_ptr<cfg::Table>(table_, &table_->grid());
    setup.columns = cfg::nmea::Listener_Columns();
    setup.editable = [this](int row, int column) { return table_->is_cell_editable(row, column); };
    setup.row_choices = [this](int row, int column) { return table_->choices(row, column); };
    setup.actions.delete_row = [this](int row) { table_->Delete_Row(row); };
    setup.actions.insert_row = [this](int row) { table_->Insert_Row(row); };
    setup.actions.copy_row = [this](int row) { cfg::Copy_Row_CB(table_->grid(), row, app_.Row_Clipboard); };
    setup.actions.paste_row = [this](int row, bool copied, const cfg::ConfirmOverwrite& confirm) {
        return cfg::Paste_Row_CB(table_->grid(), row, copied, app_.Row_Clipboard, confirm);
    };
    setup.actions.delete_question_text = Delete_Row_Question;
    add_grid(std::move(setup));
    Set_Lang();
}

std::filesystem::path TFNMEA_0183_Set_Access2::file() const {
    return app_.File_NMEA_0183_Set_Access;
}

int TFNMEA_0183_Set_Access2::read_tables() {
    return cfg::nmea::Load_Listener_Table(*table_, file());
}

void TFNMEA_0183_Set_Access2::clear_tables() {
    table_->Reset();
}

std::optional<TableScreen::Check_Failure> TFNMEA_0183_Set_Access2::check_tables() {
    if (const auto failure = cfg::nmea::Controllo_dati(*table_, app_.Lang_Strings))
        return Check_Failure{0, failure->row, failure->message};
    return std::nullopt;
}

int TFNMEA_0183_Set_Access2::first_row_save_would_drop() const {
    const std::vector<int> dropped = cfg::nmea::Rows_Save_Would_Drop(*table_);
    return dropped.empty() ? 0 : dropped.front();
}

void TFNMEA_0183_Set_Access2::save_tables() {
    cfg::nmea::Save_Listener_Table(*table_, file());
}

// A sentence fills its first data field and proposes a position; a data field proposes one too.
void TFNMEA_0183_Set_Access2::cell_edited(std::size_t, int row, int column) {
    if (column == static_cast<int>(Listener_Column::Sentence))
        cfg::nmea::Choose_Sentence(*table_, row, table_->text(row, Listener_Column::Sentence));
    else if (column == static_cast<int>(Listener_Column::DataField))
        cfg::nmea::Choose_DataField(*table_, row, table_->text(row, Listener_Column::DataField));
    else
        return;
    grid(0).model->rowChanged(row);
}

} // namespace ui
