#include "ui/mqtt/TFMQTT_Set_Topic.h"

#include "core/app/Application.h"
#include "core/app/ModelIdentity.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/mqtt/TopicCheck.h"
#include "core/mqtt/TopicRowOperations.h"
#include "ui/mqtt/TFTopicTemplate.h"
#include "ui/mqtt/TemplateCellDelegate.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/RowButtons.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace ui {
namespace {

using cfg::mqtt::TopicEditor;
using cfg::mqtt::TopicTable;
namespace publish = cfg::mqtt::publish;
namespace subscribe = cfg::mqtt::subscribe;

// Both tables hold the topic in column 1.
constexpr int Topic_Column = publish::Topic;
constexpr int Delete_Row_Question = 1323;
constexpr int Rows_Would_Be_Dropped_Question = 1399;

constexpr std::array<int, publish::Column_Count> Publish_Widths{35,  200, 60, 45, 75, 70, 60, 110, 150,
                                                                150, 70,  60, 65, 70, 60, 50, 75,  150};
constexpr std::array<int, subscribe::Column_Count> Subscribe_Widths{35, 250, 60,  45,  75, 70, 60, 110,
                                                                    60, 60,  150, 200, 50, 75, 250};

const cfg::mqtt::TopicColumn& column_of(std::span<const cfg::mqtt::TopicColumn> columns, int column) {
    return columns[static_cast<std::size_t>(column)];
}

QStringList choices_of(const cfg::mqtt::TopicColumn& column) {
    QStringList items;
    for (const std::string& choice : column.choices)
        items.append(QString::fromStdString(choice));
    return items;
}

// The table's header hints by column: none over the row number.
QStringList header_hints(std::span<const cfg::mqtt::TopicColumn> columns, const cfg::Lang_Strings& texts) {
    QStringList hints;
    for (const cfg::mqtt::TopicColumn& column : columns)
        hints.append(column.hint_text > 0 ? text_of(texts, column.hint_text) : QString());
    return hints;
}

} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(cfg::Application& app, QWidget* parent)
    : QDialog(parent), app_(app), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      tabs_(new QTabWidget(this)), TS_MQTT_Publish(new QWidget),
      TS_MQTT_Subscribe(new QWidget), pub_{TopicTable::Publish, &tables_.publish,
                                           cfg::mqtt::publish_columns(), publish::Template},
      sub_{TopicTable::Subscribe, &tables_.subscribe, cfg::mqtt::subscribe_columns(), subscribe::Template},
      form_topic_(new TFTopicTemplate(app, this)), Btn_OK(dialog_button("Btn_OK", this)),
      Btn_Cancel(dialog_button("Btn_Cancel", this)), Btn_DelRow(dialog_button("Btn_DelRow", this)),
      Btn_InsRow(dialog_button("Btn_InsRow", this)), Btn_CopyRow(dialog_button("Btn_CopyRow", this)),
      Btn_PasteRow(dialog_button("Btn_PasteRow", this)) {
    setObjectName("TFMQTT_Set_Topic");
    resize(1100, 337);

    TS_MQTT_Publish->setObjectName("TS_MQTT_Publish");
    TS_MQTT_Subscribe->setObjectName("TS_MQTT_Subscribe");
    tabs_->addTab(TS_MQTT_Publish, QString());
    tabs_->addTab(TS_MQTT_Subscribe, QString());
    tabs_->setTabVisible(tabs_->indexOf(TS_MQTT_Subscribe), false);
    Init_Table(pub_, TS_MQTT_Publish);
    Init_Table(sub_, TS_MQTT_Subscribe);
    pub_.view->setObjectName("ACG_Pub");
    sub_.view->setObjectName("ACG_Sub");
    for (std::size_t column = 0; column < Publish_Widths.size(); ++column)
        pub_.view->setColumnWidth(static_cast<int>(column), Publish_Widths[column]);
    for (std::size_t column = 0; column < Subscribe_Widths.size(); ++column)
        sub_.view->setColumnWidth(static_cast<int>(column), Subscribe_Widths[column]);

    connect(Btn_DelRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_DelRowClick(); });
    connect(Btn_InsRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_InsRowClick(); });
    connect(Btn_CopyRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_CopyRowClick(); });
    connect(Btn_PasteRow, &QPushButton::clicked, this,
            [this] { active_grid().row_buttons->Btn_PasteRowClick(); });
    connect(Btn_OK, &QPushButton::clicked, this, &TFMQTT_Set_Topic::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QVBoxLayout;
    body->addWidget(tabs_);
    lay_out_dialog(this, title_, body, {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow},
                   {Btn_OK, Btn_Cancel});
    Set_Lang();
}

// The grids show tables_, a member that is gone before QWidget deletes the children: the grids
// and their models go first.
TFMQTT_Set_Topic::~TFMQTT_Set_Topic() {
    for (Topic_Grid* grid : {&pub_, &sub_}) {
        delete grid->view;
        delete grid->model;
    }
}

void TFMQTT_Set_Topic::Init_Table(Topic_Grid& grid, QWidget* page) {
    grid.view = new GridView(app_.App_Settings, page);
    grid.model = new TableGridModel(*grid.table, this);
    grid.model->setCellListItems([&grid](int, int column) -> std::optional<QStringList> {
        const cfg::mqtt::TopicColumn& layout = column_of(grid.columns, column);
        if (layout.editor != TopicEditor::List && layout.editor != TopicEditor::TextOrList)
            return std::nullopt;
        return choices_of(layout);
    });
    grid.model->setCellListTakesText([&grid](int, int column) {
        return column_of(grid.columns, column).editor == TopicEditor::TextOrList;
    });
    grid.view->setGridModel(grid.model);
    grid.view->setItemDelegateForColumn(grid.template_column, new TemplateCellDelegate(grid.view));
    connect(grid.view, &GridView::doubleClicked, this, [this, &grid](const QModelIndex& index) {
        if (index.column() == grid.template_column)
            Show_Form_Topic(grid, TableGridModel::tableRow(index), index.column());
    });

    RowActions actions;
    actions.delete_row = [&grid](int row) { cfg::Delete_Row(row, *grid.table); };
    actions.insert_row = [&grid](int row) { cfg::Insert_Row(row, *grid.table, false); };
    actions.copy_row = [this, &grid](int row) {
        cfg::mqtt::copy_topic_row(*grid.table, row, app_.Row_Clipboard);
        pub_.copied = &grid == &pub_;
        sub_.copied = &grid == &sub_;
    };
    // Only a copy made in this table, during this opening, may be pasted into it.
    actions.paste_row = [this, &grid](int row, bool, const cfg::ConfirmOverwrite& confirm) {
        return cfg::mqtt::paste_topic_row(*grid.table, row, grid.copied, app_.Row_Clipboard, confirm);
    };
    actions.delete_question_text = Delete_Row_Question;
    grid.row_buttons = new RowButtons(grid.view, app_.Lang_Strings, std::move(actions), this);
    connect(grid.row_buttons, &RowButtons::tableChanged, grid.model, &TableGridModel::tableChanged);

    auto* page_layout = new QVBoxLayout(page);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->addWidget(grid.view);
}

void TFMQTT_Set_Topic::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, 1300));
    title_->descriptionLabel()->setText(text_of(texts, 1301));
    set_button_texts(texts, {{Btn_OK, 1302, 1308},
                             {Btn_Cancel, 1303, 1309},
                             {Btn_DelRow, 1304, 1310},
                             {Btn_InsRow, 1305, 1311},
                             {Btn_CopyRow, 1306, 1312},
                             {Btn_PasteRow, 1307, 1313}});
    tabs_->setTabText(tabs_->indexOf(TS_MQTT_Publish), text_of(texts, 1333));
    tabs_->setTabText(tabs_->indexOf(TS_MQTT_Subscribe), text_of(texts, 1334));
    set_headers();
    for (Topic_Grid* grid : {&pub_, &sub_})
        grid->model->setHeaderHints(header_hints(grid->columns, texts));
}

void TFMQTT_Set_Topic::set_headers() {
    for (Topic_Grid* grid : {&pub_, &sub_}) {
        cfg::mqtt::set_topic_headers(*grid->table, grid->columns, app_.Lang_Strings);
        emit grid->model->headerDataChanged(Qt::Horizontal, 0, grid->table->column_count() - 1);
    }
}

void TFMQTT_Set_Topic::showEvent(QShowEvent* event) {
    // Restoring a minimised window is no new opening: the edits stay.
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void TFMQTT_Set_Topic::load() {
    tabs_->setCurrentWidget(TS_MQTT_Publish);
    // A file that cannot be read leaves empty tables, with the reason shown.
    if (!run_reported(this, [this] { cfg::mqtt::load_mqtt_set_topic(app_.File_MQTT_Set_Topic, tables_); })) {
        cfg::mqtt::clear_topic_table(tables_.publish);
        cfg::mqtt::clear_topic_table(tables_.subscribe);
    }
    for (Topic_Grid* grid : {&pub_, &sub_}) {
        grid->copied = false;
        grid->model->tableChanged();
        grid->view->setCurrentIndex(grid->model->index(0, Topic_Column));
    }
}

void TFMQTT_Set_Topic::Show_Form_Topic(Topic_Grid& grid, int row, int column) {
    const QModelIndex cell = grid.model->index(row - 1, column);
    if (const std::optional<QString> text =
            form_topic_->Edit_Text(cell.data(Qt::EditRole).toString(), column == grid.template_column))
        grid.model->setData(cell, *text, Qt::EditRole);
}

TFMQTT_Set_Topic::Topic_Grid& TFMQTT_Set_Topic::active_grid() {
    return tabs_->currentWidget() == TS_MQTT_Subscribe ? sub_ : pub_;
}

TFMQTT_Set_Topic::Topic_Grid& TFMQTT_Set_Topic::grid_of(TopicTable which) {
    return which == TopicTable::Subscribe ? sub_ : pub_;
}

void TFMQTT_Set_Topic::Btn_OKClick() {
    run_reported(this, [this] {
        const cfg::Lang_Strings& texts = app_.Lang_Strings;
        if (const auto failure = cfg::mqtt::Controllo_dati(tables_, texts)) {
            Topic_Grid& grid = grid_of(failure->table);
            grid.view->setCurrentIndex(grid.model->index(failure->row - 1, Topic_Column));
            MessageService::error(this, QString::fromStdString(failure->message));
            return;
        }
        // Topics below an empty Topic are not saved: the user decides whether to lose them.
        if (const int dropped = cfg::mqtt::first_topic_row_save_would_drop(tables_.publish);
            dropped > 0 && !MessageService::confirm(this, text_of(texts, Rows_Would_Be_Dropped_Question) +
                                                              QString::number(dropped)))
            return;
        cfg::mqtt::save_mqtt_set_topic(app_.File_MQTT_Set_Topic, tables_.publish);
        accept();
    });
}

} // namespace ui
