#pragma once

#include "core/nmea/ListenerTable.h"
#include "core/preview/LearnedRows.h"
#include "core/preview/PreviewSession.h"
#include "ui/nmea/PreviewActivity.h"
#include "ui/widgets/ScreenDialog.h"

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace cfg {
struct Application;
}

namespace ui {

class ArrayBytesModel;
class LearnFieldsModel;
class LogPlayer;
class PreviewRowsModel;
class SerialListener;
class TitlePanel;

// The preview of the listener table: a recorded log or a live serial port runs through a model of
// the converter, and the window shows what each row would store and the whole data array, live.
// It previews the table as it stands on the listener screen, unsaved edits included. The fields
// received can be taken as new rows of that table; the listener screen's OK checks and saves them.
class TFNMEA_0183_Preview : public ScreenDialog {
    Q_OBJECT
public:
    // Adds learned rows to the listener screen's table; false when they do not fit.
    using Add_Rows = std::function<bool(const std::vector<cfg::preview::Learned_Row>& rows)>;

    TFNMEA_0183_Preview(cfg::Application& app, std::shared_ptr<const cfg::nmea::Listener_Table> table,
                        Add_Rows add_rows, QWidget* parent);
    ~TFNMEA_0183_Preview() override;

    void Set_Lang() override;
    void done(int result) override;

    void Btn_OpenLogClick();
    void Btn_PlayClick();
    void Btn_PauseClick();
    void Btn_StopClick();
    void Btn_OpenPortClick();
    void Btn_AddRowsClick();

private:
    using Activity = Preview_Activity;

    void set_up_controls();
    QWidget* build_learn_page();
    void lay_out();
    void connect_actions();
    void opened() override;
    void read_port_settings();
    void start_session();
    void stop_sources();
    void show_progress();
    void show_state();
    void fail(Activity activity, const QString& reason);
    QString status_text() const;
    QString counts_text() const;
    QString sentences_text() const;
    QString text(int index) const;

    cfg::Application& app_;
    // Shared with the models, which read them until Qt deletes them after this window's own members.
    std::shared_ptr<const cfg::nmea::Listener_Table> table_;
    Add_Rows add_rows_;
    std::shared_ptr<cfg::preview::Preview_Session> session_;
    LogPlayer* player_;
    SerialListener* listener_;
    PreviewRowsModel* rows_model_;
    ArrayBytesModel* array_model_;
    LearnFieldsModel* learn_model_;

    QString log_file_;
    QString port_name_;
    Activity activity_ = Activity::Idle;
    QString reason_;

    TitlePanel* title_;
    QLabel* L_Log;
    QLabel* L_LogFile;
    QPushButton* Btn_OpenLog;
    QComboBox* CB_Pace;
    QPushButton* Btn_Play;
    QPushButton* Btn_Pause;
    QPushButton* Btn_Stop;
    QLabel* L_Port;
    QComboBox* CB_Port;
    QLabel* L_Baud;
    QComboBox* CB_Baud;
    QLabel* L_Parity;
    QComboBox* CB_Parity;
    QLabel* L_StopBits;
    QComboBox* CB_StopBits;
    QPushButton* Btn_OpenPort;
    QLabel* L_Counts;
    QLabel* L_Status;
    QLabel* L_NoRows;
    QTabWidget* TS_Views;
    QTableView* ASG_Rows;
    QTableView* ASG_Array;
    QLabel* L_Learn;
    QLabel* L_Seen;
    QTableView* ASG_Learn;
    QPushButton* Btn_AddRows;
    QPushButton* Btn_Close;
};

} // namespace ui
