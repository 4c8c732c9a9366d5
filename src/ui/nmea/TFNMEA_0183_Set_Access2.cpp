#include "ui/nmea/TFNMEA_0183_Set_Access2.h"

#include "core/app/Application.h"
#include "core/app/ModelIdentity.h"
#include "core/nmea/ListenerChecks.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ListenerPositions.h"
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
#include <QVBoxLayout>

namespace ui {
namespace {

using cfg::nmea::Cell_Editor;
using cfg::nmea::Listener_Column;

constexpr int Delete_Row_Question = 1039;
constexpr int Rows_Would_Be_Dropped_Question = 1046;

int column_of(Listener_Column column) {
    return static_cast<int>(column);
}

} // namespace

TFNMEA_0183_Set_Access2::TFNMEA_0183_Set_Access2(cfg::Application& app, QWidget* parent)
    : QDialog(parent), app_(app), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      ASG(new GridView(app.App_Settings, this)), model_(new TableGridModel(table_.grid(), this)),
      Btn_OK(dialog_button("Btn_OK", this)), Btn_Cancel(dialog_button("Btn_Cancel", this)),
      Btn_DelRow(dialog_button("Btn_DelRow", this)), Btn_InsRow(dialog_button("Btn_InsRow", this)),
      Btn_CopyRow(dialog_button("Btn_CopyRow", this)), Btn_PasteRow(dialog_button("Btn_PasteRow", this)) {
    setObjectName("TFNMEA_0183_Set_Access2");
    ASG->setObjectName("ASG");
    resize(1200, 337);

    model_->setEditableCell([this](int row, int column) { return table_.is_cell_editable(row, column); });
    model_->setCellListItems([this](int row, int column) -> std::optional<QStringList> {
        if (cfg::nmea::Listener_Columns()[static_cast<std::size_t>(column)].editor != Cell_Editor::List)
            return std::nullopt;
        QStringList items;
        for (const std::string& choice : table_.choices(row, column))
            items.append(QString::fromStdString(choice));
        return items;
    });
    ASG->setGridModel(model_);
    for (int column = 0; column < cfg::nmea::Listener_Column_Count; ++column)
        ASG->setColumnWidth(column, cfg::nmea::Listener_Columns()[static_cast<std::size_t>(column)].width);
    connect(model_, &TableGridModel::cellEdited, this, &TFNMEA_0183_Set_Access2::ASGComboChange);

    RowActions actions;
    actions.delete_row = [this](int row) { table_.Delete_Row(row); };
    actions.insert_row = [this](int row) { table_.Insert_Row(row); };
    actions.copy_row = [this](int row) { cfg::Copy_Row_CB(table_.grid(), row, app_.Row_Clipboard); };
    actions.paste_row = [this](int row, bool copied, const cfg::ConfirmOverwrite& confirm) {
        return cfg::Paste_Row_CB(table_.grid(), row, copied, app_.Row_Clipboard, confirm);
    };
    actions.delete_question_text = Delete_Row_Question;
    row_buttons_ = new RowButtons(ASG, app_.Lang_Strings, std::move(actions), this);
    connect(row_buttons_, &RowButtons::tableChanged, model_, &TableGridModel::tableChanged);
    connect(Btn_DelRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_DelRowClick);
    connect(Btn_InsRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_InsRowClick);
    connect(Btn_CopyRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_CopyRowClick);
    connect(Btn_PasteRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_PasteRowClick);
    connect(Btn_OK, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access2::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QVBoxLayout;
    body->addWidget(ASG);
    lay_out_dialog(this, title_, body, {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow},
                   {Btn_OK, Btn_Cancel});
    Set_Lang();
}

// The grid shows table_, a member that is gone before QWidget deletes the children: the grid and
// its model go first.
TFNMEA_0183_Set_Access2::~TFNMEA_0183_Set_Access2() {
    delete ASG;
    delete model_;
}

void TFNMEA_0183_Set_Access2::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, 1000));
    title_->descriptionLabel()->setText(text_of(texts, 1001));
    set_button_texts(texts, {{Btn_OK, 1002, 1008},
                             {Btn_Cancel, 1003, 1009},
                             {Btn_DelRow, 1004, 1010},
                             {Btn_InsRow, 1005, 1011},
                             {Btn_CopyRow, 1006, 1012},
                             {Btn_PasteRow, 1007, 1013}});
    QStringList hints;
    for (int column = 0; column < cfg::nmea::Listener_Column_Count; ++column) {
        const cfg::nmea::Column_Layout& layout =
            cfg::nmea::Listener_Columns()[static_cast<std::size_t>(column)];
        table_.grid().set_text(0, column, texts[layout.header_text]);
        hints.append(layout.hint_text >= 0 ? text_of(texts, layout.hint_text) : QString());
    }
    model_->setHeaderHints(hints);
}

void TFNMEA_0183_Set_Access2::showEvent(QShowEvent* event) {
    load();
    QDialog::showEvent(event);
}

void TFNMEA_0183_Set_Access2::load() {
    table_.Reset();
    // A file that cannot be read leaves the reset table, with the reason shown.
    if (!run_reported(this,
                      [this] { cfg::nmea::Load_Listener_Table(table_, app_.File_NMEA_0183_Set_Access); }))
        table_.Reset();
    model_->tableChanged();
    ASG->setCurrentIndex(model_->index(0, column_of(Listener_Column::Enable)));
}

void TFNMEA_0183_Set_Access2::ASGComboChange(int row, int column) {
    if (column == column_of(Listener_Column::Sentence))
        cfg::nmea::Choose_Sentence(table_, row, table_.text(row, Listener_Column::Sentence));
    else if (column == column_of(Listener_Column::DataField))
        cfg::nmea::Choose_DataField(table_, row, table_.text(row, Listener_Column::DataField));
    else
        return;
    model_->rowChanged(row);
}

void TFNMEA_0183_Set_Access2::Btn_OKClick() {
    run_reported(this, [this] {
        const cfg::Lang_Strings& texts = app_.Lang_Strings;
        if (const auto failure = cfg::nmea::Controllo_dati(table_, texts)) {
            MessageService::error(this, QString::fromStdString(failure->message));
            return;
        }
        // Rows below a row without a sentence are not saved: the user decides whether to lose them.
        const std::vector<int> dropped = cfg::nmea::Rows_Save_Would_Drop(table_);
        if (!dropped.empty() &&
            !MessageService::confirm(this, text_of(texts, Rows_Would_Be_Dropped_Question) +
                                               QString::number(dropped.front())))
            return;
        cfg::nmea::Save_Listener_Table(table_, app_.File_NMEA_0183_Set_Access);
        accept();
    });
}

} // namespace ui
