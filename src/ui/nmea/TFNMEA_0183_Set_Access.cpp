#include "ui/nmea/TFNMEA_0183_Set_Access.h"

#include "core/app/Application.h"
#include "core/lang/LegacyListenerTexts.h"
#include "core/nmea/LegacyChecks.h"
#include "core/nmea/LegacyFile.h"
#include "core/nmea/NmeaTableRules.h"

namespace ui {
namespace {

using cfg::nmea::legacy::Legacy_Column;

namespace text = cfg::legacy_listener_text;

constexpr TableScreen::Screen_Texts Texts{.block = text::Title,
                                          .delete_row_question = text::Delete_Row_Question,
                                          .dropped_rows_question = text::Rows_Would_Be_Dropped_Question};

} // namespace

TFNMEA_0183_Set_Access::TFNMEA_0183_Set_Access(cfg::Application& app, QWidget* parent)
    : TableScreen(app, Texts, parent), table_(std::make_shared<cfg::nmea::legacy::Legacy_Table>()) {
    setObjectName("TFNMEA_0183_Set_Access");
    resize(750, 337);

    Grid_Setup setup;
    setup.name = "sga";
    setup.table = std::shared_ptr<cfg::Table>(table_, &table_->grid());
    setup.columns = cfg::nmea::legacy::Legacy_Columns();
    // Enable_Index_Cell: the table derives the Index cell's state from the row's sentence, so it
    // follows every choice and every row operation by itself.
    setup.editable = [this](int row, int column) { return table_->is_cell_editable(row, column); };
    setup.row_choices = [this](int, int column) { return table_->choices(column); };
    setup.actions.delete_row = [this](int row) { cfg::Delete_Row(row, table_->grid()); };
    setup.actions.insert_row = [this](int row) { cfg::Insert_Row(row, table_->grid(), true); };
    setup.actions.copy_row = [this](int row) { cfg::Copy_Row(table_->grid(), row, app_.Row_Clipboard); };
    setup.actions.paste_row = [this](int row, bool copied, const cfg::ConfirmOverwrite& confirm) {
        return cfg::Paste_Row(table_->grid(), row, copied, app_.Row_Clipboard, confirm);
    };
    setup.rules = cfg::nmea::Legacy_Table_Rules();
    add_grid(std::move(setup));
    Set_Lang();
}

std::filesystem::path TFNMEA_0183_Set_Access::file() const {
    return app_.File_NMEA_0183_Set_Access;
}

int TFNMEA_0183_Set_Access::read_tables() {
    return cfg::nmea::legacy::Load_Legacy_Table(*table_, file());
}

void TFNMEA_0183_Set_Access::clear_tables() {
    table_->Reset();
}

std::optional<TableScreen::Check_Failure> TFNMEA_0183_Set_Access::check_tables() {
    if (const auto failure = cfg::nmea::legacy::Controllo_dati(*table_, app_.Lang_Strings))
        return Check_Failure{0, failure->row, failure->message};
    return std::nullopt;
}

int TFNMEA_0183_Set_Access::first_row_save_would_drop() const {
    const std::vector<int> dropped = cfg::nmea::legacy::Rows_Save_Would_Drop(*table_);
    return dropped.empty() ? 0 : dropped.front();
}

void TFNMEA_0183_Set_Access::save_tables() {
    cfg::nmea::legacy::Save_Legacy_Table(*table_, file());
}

// sgaComboChange: a new sentence opens or closes its row's Index cell.
void TFNMEA_0183_Set_Access::cell_edited(std::size_t, int row, int column) {
    if (column == static_cast<int>(Legacy_Column::Sentence))
        refresh_row(0, row);
}

} // namespace ui
