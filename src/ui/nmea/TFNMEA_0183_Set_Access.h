#pragma once

#include "core/nmea/LegacyTable.h"
#include "ui/widgets/TableScreen.h"

namespace cfg {
struct Application;
}

namespace ui {

// The sentence table of the sibling models: whole sentences to convert, each with its occurrence
// Index, serial port and description, kept in NMEA_0183_Set_Access.xml in its older form.
class TFNMEA_0183_Set_Access : public TableScreen {
    Q_OBJECT
public:
    TFNMEA_0183_Set_Access(cfg::Application& app, QWidget* parent);

private:
    std::filesystem::path file() const override;
    int read_tables() override;
    void clear_tables() override;
    std::optional<Check_Failure> check_tables() override;
    int first_row_save_would_drop() const override;
    void save_tables() override;
    void cell_edited(std::size_t grid, int row, int column) override;

    std::shared_ptr<cfg::nmea::legacy::Legacy_Table> table_;
};

} // namespace ui
