#include "ui/mqtt/TFMQTT_Set_Topic.h"

#include "core/app/Application.h"
#include "core/lang/TopicTexts.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/mqtt/TopicColumnDescriptions.h"
#include "core/mqtt/TopicColumns.h"
#include "core/mqtt/TopicRowOperations.h"
#include "core/mqtt/TopicTableRules.h"
#include "ui/mqtt/TFTopicTemplate.h"
#include "ui/mqtt/TemplateCellDelegate.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridView.h"

namespace ui {
namespace {

using cfg::mqtt::TopicTable;

namespace text = cfg::topic_text;

constexpr TableScreen::Screen_Texts Texts{.block = text::Title,
                                          .delete_row_question = text::Delete_Row_Question,
                                          .dropped_rows_question = text::Rows_Would_Be_Dropped_Question};

// This model never offers the screen: its tables keep their header rows only, and take their
// thousand topic rows when the screen first opens instead of at every start.
constexpr int Header_Only = 0;

// The grids in the order they are added, which is the order of TopicTable.
std::size_t grid_of(TopicTable which) {
    return static_cast<std::size_t>(which);
}

int template_column(TopicTable which) {
    if (which == TopicTable::Subscribe)
        return cfg::mqtt::subscribe::Template;
    return cfg::mqtt::publish::Template;
}

} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(cfg::Application& app, QWidget* parent)
    : TableScreen(app, Texts, parent), tables_(std::make_shared<cfg::mqtt::MqttTopicTables>(Header_Only)),
      form_topic_(new TFTopicTemplate(app, this)) {
    setObjectName("TFMQTT_Set_Topic");
    resize(1100, 337);
    Init_Table(TopicTable::Publish);
    Init_Table(TopicTable::Subscribe);
    Set_Lang();
}

void TFMQTT_Set_Topic::Init_Table(TopicTable which) {
    const bool publish = which == TopicTable::Publish;
    cfg::Table& table = publish ? tables_->publish : tables_->subscribe;
    Grid_Setup setup;
    setup.name = publish ? "ACG_Pub" : "ACG_Sub";
    setup.table = std::shared_ptr<cfg::Table>(tables_, &table);
    setup.columns = cfg::mqtt::topic_column_descriptions(which);
    setup.tab_text = publish ? text::Publish_Tab : text::Subscribe_Tab;
    setup.page_name = publish ? "TS_MQTT_Publish" : "TS_MQTT_Subscribe";
    setup.shown = publish;
    setup.actions.delete_row = [&table](int row) { cfg::Delete_Row(row, table); };
    setup.actions.insert_row = [&table](int row) { cfg::Insert_Row(row, table, false); };
    setup.actions.copy_row = [this, &table](int row) {
        cfg::mqtt::copy_topic_row(table, row, app_.Row_Clipboard);
    };
    setup.actions.paste_row = [this, &table](int row, bool copied, const cfg::ConfirmOverwrite& confirm) {
        return cfg::mqtt::paste_topic_row(table, row, copied, app_.Row_Clipboard, confirm);
    };
    setup.rules = cfg::mqtt::Topic_Table_Rules(which);
    add_grid(std::move(setup));

    GridView* view = grid_view(grid_of(which));
    view->setItemDelegateForColumn(template_column(which), new TemplateCellDelegate(view));
    connect(view, &GridView::doubleClicked, this, [this, view, which](const QModelIndex& index) {
        if (index.column() == template_column(which))
            run_reported(this, [&] { Show_Form_Topic(*view->model(), index); });
    });
}

void TFMQTT_Set_Topic::Show_Form_Topic(QAbstractItemModel& model, const QModelIndex& cell) {
    if (const std::optional<QString> edited =
            form_topic_->Edit_Text(cell.data(Qt::EditRole).toString(), true))
        model.setData(cell, *edited, Qt::EditRole);
}

std::filesystem::path TFMQTT_Set_Topic::file() const {
    return app_.File_MQTT_Set_Topic;
}

int TFMQTT_Set_Topic::read_tables() {
    return cfg::mqtt::load_mqtt_set_topic(file(), *tables_);
}

void TFMQTT_Set_Topic::clear_tables() {
    if (tables_->publish.row_count() == Header_Only + 1) {
        *tables_ = cfg::mqtt::MqttTopicTables();
        return;
    }
    cfg::mqtt::clear_topic_table(tables_->publish);
    cfg::mqtt::clear_topic_table(tables_->subscribe);
}

std::optional<TableScreen::Check_Failure> TFMQTT_Set_Topic::check_tables() {
    if (const auto failure = cfg::mqtt::Controllo_dati(*tables_, app_.Lang_Strings))
        return Check_Failure{grid_of(failure->table), failure->row, failure->message};
    return std::nullopt;
}

int TFMQTT_Set_Topic::first_row_save_would_drop() const {
    return cfg::mqtt::first_topic_row_save_would_drop(tables_->publish);
}

void TFMQTT_Set_Topic::save_tables() {
    cfg::mqtt::save_mqtt_set_topic(file(), tables_->publish);
}

} // namespace ui
