#pragma once

#include "core/mqtt/TopicTables.h"
#include "ui/widgets/TableScreen.h"

namespace cfg {
struct Application;
}

class QAbstractItemModel;
class QModelIndex;

namespace ui {

class TFTopicTemplate;

// "Set MQTT Topics" of the sibling models that speak MQTT: the topics the converter publishes and
// those it subscribes to, each bound to a position of its data array. This variant keeps no
// subscriptions: the program carries the Subscribe table, but the user never reaches it. A double
// click on a Template cell opens the template editor.
class TFMQTT_Set_Topic : public TableScreen {
    Q_OBJECT
public:
    TFMQTT_Set_Topic(cfg::Application& app, QWidget* parent);

    // The template editor this screen opens (TFTopicTemplate), a window with texts of its own.
    TFTopicTemplate* Form_Topic() const { return form_topic_; }

private:
    void Init_Table(cfg::mqtt::TopicTable which);
    void Show_Form_Topic(QAbstractItemModel& model, const QModelIndex& cell);

    std::filesystem::path file() const override;
    int read_tables() override;
    void clear_tables() override;
    std::optional<Check_Failure> check_tables() override;
    int first_row_save_would_drop() const override;
    void save_tables() override;

    std::shared_ptr<cfg::mqtt::MqttTopicTables> tables_;
    TFTopicTemplate* form_topic_;
};

} // namespace ui
