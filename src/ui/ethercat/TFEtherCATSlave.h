#pragma once

#include "core/ethercat/EtherCATSlaveFile.h"
#include "ui/widgets/Screen.h"

#include <QDialog>

class QPushButton;
class QTabWidget;
class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

class GridView;
class RowButtons;
class TableGridModel;
class TitlePanel;

// Step 4, "EtherCAT Set Access": the variables the converter exchanges with the EtherCAT master
// and their places in the process data. Every showing reloads the file; OK checks and saves it.
// This converter only sends data to the master, so the Master To Slave tab stays hidden.
class TFEtherCATSlave : public QDialog, public Screen {
    Q_OBJECT
public:
    TFEtherCATSlave(cfg::Application& app, QWidget* parent);
    ~TFEtherCATSlave() override;

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One table with its grid and row buttons; SlaveMaster tells the column order.
    struct Variable_Grid {
        bool SlaveMaster;
        cfg::Table* table;
        GridView* view;
        TableGridModel* model;
        RowButtons* row_buttons;
        bool copied; // Do_Copy_StM / Do_Copy_MtS
    };

    void Init_Table(Variable_Grid& grid);
    void set_headers();
    void load();
    void CellChange(Variable_Grid& grid, int row, int column);
    Variable_Grid& active_grid();

    cfg::Application& app_;
    cfg::ethercat::EtherCAT_Tables tables_;
    TitlePanel* title_;
    QTabWidget* tabs_;
    QWidget* TS_SlaveToMaster;
    QWidget* TS_MasterToSlave;
    Variable_Grid slave_master_;
    Variable_Grid master_slave_;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
};

} // namespace ui
