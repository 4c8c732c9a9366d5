#pragma once

#include "core/nmea/ListenerTable.h"
#include "ui/widgets/Screen.h"

#include <QDialog>


class QPushButton;

namespace cfg {
struct Application;
}

namespace ui {

class GridView;
class RowButtons;
class TableGridModel;
class TitlePanel;

// Step 3, "NMEA 0183 Access": which data fields of which received sentences the converter stores,
// and where in its data array. Every showing reloads the file; OK checks and saves it.
class TFNMEA_0183_Set_Access2 : public QDialog, public Screen {
    Q_OBJECT
public:
    TFNMEA_0183_Set_Access2(cfg::Application& app, QWidget* parent);
    ~TFNMEA_0183_Set_Access2() override;

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void ASGComboChange(int row, int column);

    cfg::Application& app_;
    cfg::nmea::Listener_Table table_;
    TitlePanel* title_;
    GridView* ASG;
    TableGridModel* model_;
    RowButtons* row_buttons_;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
};

} // namespace ui
