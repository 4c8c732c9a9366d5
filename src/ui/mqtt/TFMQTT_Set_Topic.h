#pragma once

#include "core/mqtt/TopicTables.h"
#include "ui/widgets/Screen.h"

#include <QDialog>

#include <span>

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
class TFTopicTemplate;
class TitlePanel;

// "Set MQTT Topics" of the sibling models that speak MQTT: the topics the converter publishes and
// those it subscribes to, each bound to a position of its data array. Every showing reloads the
// file; OK checks and saves it. This variant keeps no subscriptions, so the Subscribe tab stays
// hidden. A double click on a Template cell opens the template editor.
class TFMQTT_Set_Topic : public QDialog, public Screen {
    Q_OBJECT
public:
    TFMQTT_Set_Topic(cfg::Application& app, QWidget* parent);
    ~TFMQTT_Set_Topic() override;

    void Set_Lang() override;
    void Btn_OKClick();

    // The template editor this screen opens (TFTopicTemplate), a window with texts of its own.
    TFTopicTemplate* Form_Topic() const { return form_topic_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One table with its grid and row buttons.
    struct Topic_Grid {
        cfg::mqtt::TopicTable which;
        cfg::Table* table;
        std::span<const cfg::mqtt::TopicColumn> columns;
        int template_column;
        GridView* view = nullptr;
        TableGridModel* model = nullptr;
        RowButtons* row_buttons = nullptr;
        bool copied = false; // Do_Copy_Pub / Do_Copy_Sub
    };

    void Init_Table(Topic_Grid& grid, QWidget* page);
    void set_headers();
    void load();
    void Show_Form_Topic(Topic_Grid& grid, int row, int column);
    Topic_Grid& active_grid();
    Topic_Grid& grid_of(cfg::mqtt::TopicTable which);

    cfg::Application& app_;
    cfg::mqtt::MqttTopicTables tables_;
    TitlePanel* title_;
    QTabWidget* tabs_;
    QWidget* TS_MQTT_Publish;
    QWidget* TS_MQTT_Subscribe;
    Topic_Grid pub_;
    Topic_Grid sub_;
    TFTopicTemplate* form_topic_;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
};

} // namespace ui
