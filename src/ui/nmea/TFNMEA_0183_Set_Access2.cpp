#include "ui/nmea/TFNMEA_0183_Set_Access2.h"

#include "core/app/Application.h"
#include "core/ethercat/ProcessImage.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ArrayLayout.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ListenerPositions.h"
#include "core/nmea/NmeaTableRules.h"
#include "core/preview/LearnedRows.h"
#include "ui/nmea/TFNMEA_0183_Preview.h"
#include "ui/widgets/ByteMapPanel.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Texts.h"

#include <QPushButton>

namespace ui {
namespace {

using cfg::nmea::Listener_Column;

namespace text = cfg::listener_text;

constexpr TableScreen::Screen_Texts Texts{.block = text::Title,
                                          .delete_row_question = text::Delete_Row_Question,
                                          .dropped_rows_question = text::Rows_Would_Be_Dropped_Question,
                                          .byte_map = text::Map_Texts};

} // namespace

TFNMEA_0183_Set_Access2::TFNMEA_0183_Set_Access2(cfg::Application& app, QWidget* parent)
    : TableScreen(app, Texts, parent), table_(std::make_shared<cfg::nmea::Listener_Table>()),
      places_(cfg::nmea::Listener_Row_Count + 1), Btn_Preview(dialog_button("Btn_Preview", this)) {
    setObjectName("TFNMEA_0183_Set_Access2");
    resize(1200, 640);

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
    setup.rules = cfg::nmea::Listener_Table_Rules();
    setup.row_warning = [this](int row) { return qt_text(places_[static_cast<std::size_t>(row)].marks); };
    setup.computed = {{cfg::nmea::Listener_Bytes_Column(), static_cast<int>(Listener_Column::Position),
                       [this](int row) { return qt_text(places_[static_cast<std::size_t>(row)].bytes); }}};
    add_grid(std::move(setup));
    add_byte_map(cfg::bytemap::Map_Lane::Listener);
    add_left_button(Btn_Preview);
    connect(Btn_Preview, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::Btn_PreviewClick);
    Set_Lang();
}

void TFNMEA_0183_Set_Access2::set_table_texts() {
    set_button_texts(app_.Lang_Strings, {{Btn_Preview, text::Preview_Caption, text::Preview_Hint}});
    if (preview_)
        preview_->Set_Lang();
}

void TFNMEA_0183_Set_Access2::Btn_PreviewClick() {
    if (!preview_)
        preview_ = new TFNMEA_0183_Preview(
            app_, table_, [this](const auto& rows) { return add_learned_rows(rows); }, this);
    preview_->open();
}

// The rows land in the grid only; OK checks and saves them with the rest of the table.
bool TFNMEA_0183_Set_Access2::add_learned_rows(const std::vector<cfg::preview::Learned_Row>& rows) {
    if (!cfg::preview::Add_Learned_Rows(*table_, rows))
        return false;
    refresh_table(0);
    tables_changed();
    record_change();
    select_table_row(0, rows.front().row);
    return true;
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
    refresh_row(0, row);
}

// A change in one row can start or end a collision with any other, so every row is shown again.
void TFNMEA_0183_Set_Access2::tables_changed() {
    std::vector<cfg::nmea::Array_Field> fields = cfg::nmea::Array_Layout(*table_);
    places_ = cfg::nmea::Row_Places(fields, app_.Lang_Strings);
    set_status(qt_text(cfg::nmea::Array_Status(fields, app_.Lang_Strings)));
    byte_map()->setFields(std::move(fields));
    refresh_table(0);
}

void TFNMEA_0183_Set_Access2::read_map_other_lane() {
    byte_map()->setImage(cfg::ethercat::Process_Image_Of_File(app_.File_EtherCAT_Slave));
}

} // namespace ui
