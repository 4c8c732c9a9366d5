#pragma once

#include "core/nmea/LegacyTable.h"
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

// The sentence table of the sibling models: whole sentences to convert, each with its occurrence
// Index, serial port and description, kept in NMEA_0183_Set_Access.xml in its older form. Every
// showing reloads the file; OK checks and saves it.
class TFNMEA_0183_Set_Access : public QDialog, public Screen {
    Q_OBJECT
public:
    TFNMEA_0183_Set_Access(cfg::Application& app, QWidget* parent);
    ~TFNMEA_0183_Set_Access() override;

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void sgaComboChange(int row, int column);

    cfg::Application& app_;
    cfg::nmea::legacy::Legacy_Table table_;
    bool Do_Copy_Listener = false;
    TitlePanel* title_;
    GridView* sga;
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
