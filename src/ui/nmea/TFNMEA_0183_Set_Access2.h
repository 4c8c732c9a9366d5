#pragma once

#include "core/nmea/ArrayMarks.h"
#include "core/nmea/ListenerTable.h"
#include "core/preview/LearnedRows.h"
#include "ui/widgets/TableScreen.h"

namespace cfg {
struct Application;
}

class QPushButton;

namespace ui {

class TFNMEA_0183_Preview;

// Step 3, "NMEA 0183 Access": which data fields of which received sentences the converter stores,
// and where in its data array. The bytes each row takes, the rows that collide and the byte map
// follow every change; they warn and refuse nothing. The preview runs a log or a live port through
// the rows as they stand and can add rows for the fields it received.
class TFNMEA_0183_Set_Access2 : public TableScreen {
    Q_OBJECT
public:
    TFNMEA_0183_Set_Access2(cfg::Application& app, QWidget* parent);

    // Opens the preview, made at its first use.
    void Btn_PreviewClick();

private:
    void set_table_texts() override;
    bool add_learned_rows(const std::vector<cfg::preview::Learned_Row>& rows);
    std::filesystem::path file() const override;
    int read_tables() override;
    void clear_tables() override;
    std::optional<Check_Failure> check_tables() override;
    int first_row_save_would_drop() const override;
    void save_tables() override;
    void cell_edited(std::size_t grid, int row, int column) override;
    void tables_changed() override;
    void read_map_other_lane() override;

    std::shared_ptr<cfg::nmea::Listener_Table> table_;
    std::vector<cfg::nmea::Row_Place> places_; // by row, as the last change left them
    QPushButton* Btn_Preview;
    TFNMEA_0183_Preview* preview_ = nullptr;
};

} // namespace ui
