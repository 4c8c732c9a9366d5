#pragma once

#include "core/ethercat/EtherCATSlaveFile.h"
#include "ui/widgets/TableScreen.h"

namespace cfg {
struct Application;
}

namespace ui {

// Step 4, "EtherCAT Set Access": the variables the converter exchanges with the EtherCAT master
// and their places in the process data. This converter only sends data to the master: the program
// carries the Master To Slave table, but the user never reaches it.
class TFEtherCATSlave : public TableScreen {
    Q_OBJECT
public:
    TFEtherCATSlave(cfg::Application& app, QWidget* parent);

private:
    void Init_Table(bool SlaveMaster);
    cfg::Table& table_of(bool SlaveMaster);

    std::filesystem::path file() const override;
    int read_tables() override;
    void clear_tables() override;
    std::optional<Check_Failure> check_tables() override;
    int first_row_save_would_drop() const override;
    void save_tables() override;
    void cell_edited(std::size_t grid, int row, int column) override;
    void tables_changed() override;
    void read_map_other_lane() override;

    std::shared_ptr<cfg::ethercat::EtherCAT_Tables> tables_;
};

} // namespace ui
