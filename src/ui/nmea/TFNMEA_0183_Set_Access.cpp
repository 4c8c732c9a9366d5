#include "ui/nmea/TFNMEA_0183_Set_Access.h"

#include "core/app/Application.h"
#include "core/app/ModelIdentity.h"
#include "core/nmea/LegacyChecks.h"
#include "core/nmea/LegacyFile.h"
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
#include <QVBoxLayout>

namespace ui {
namespace {

using cfg::nmea::legacy::Legacy_Column;
using cfg::nmea::legacy::Legacy_Column_Count;
using cfg::nmea::legacy::Legacy_Columns;

constexpr int Delete_Row_Question = 627;
constexpr int Rows_Would_Be_Dropped_Question = 631;

const cfg::nmea::Column_Layout& layout_of(int column) {
    return Legacy_Columns()[static_cast<std::size_t>(column)];
}

} // namespace

TFNMEA_0183_Set_Access::TFNMEA_0183_Set_Access(cfg::Application& app, QWidget* parent)
    : QDialog(parent), app_(app), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      sga(new GridView(app.App_Settings, this)), model_(new TableGridModel(table_.grid(), this)),
      Btn_OK(dialog_button("Btn_OK", this)), Btn_Cancel(dialog_button("Btn_Cancel", this)),
      Btn_DelRow(dialog_button("Btn_DelRow", this)), Btn_InsRow(dialog_button("Btn_InsRow", this)),
      Btn_CopyRow(dialog_button("Btn_CopyRow", this)), Btn_PasteRow(dialog_button("Btn_PasteRow", this)) {
    setObjectName("TFNMEA_0183_Set_Access");
    sga->setObjectName("sga");
    resize(750, 337);

    // Enable_Index_Cell: the table derives the Index cell's state from the row's sentence, so it
    // follows every choice and every row operation by itself.
    model_->setEditableCell([this](int row, int column) { return table_.is_cell_editable(row, column); });
    model_->setCellListItems([this](int, int column) -> std::optional<QStringList> {
        if (layout_of(column).editor != cfg::nmea::Cell_Editor::List)
            return std::nullopt;
        QStringList items;
        for (const std::string& choice : table_.choices(column))
            items.append(QString::fromStdString(choice));
        return items;
    });
    sga->setGridModel(model_);
    for (int column = 0; column < Legacy_Column_Count; ++column)
        sga->setColumnWidth(column, layout_of(column).width);
    connect(model_, &TableGridModel::cellEdited, this, &TFNMEA_0183_Set_Access::sgaComboChange);

    RowActions actions;
    actions.delete_row = [this](int row) { cfg::Delete_Row(row, table_.grid()); };
    actions.insert_row = [this](int row) { cfg::Insert_Row(row, table_.grid(), true); };
    actions.copy_row = [this](int row) {
        cfg::Copy_Row(table_.grid(), row, app_.Row_Clipboard);
        Do_Copy_Listener = true;
    };
    // Only a copy made during this opening of the screen may be pasted.
    actions.paste_row = [this](int row, bool, const cfg::ConfirmOverwrite& confirm) {
        return cfg::Paste_Row(table_.grid(), row, Do_Copy_Listener, app_.Row_Clipboard, confirm);
    };
    actions.delete_question_text = Delete_Row_Question;
    row_buttons_ = new RowButtons(sga, app_.Lang_Strings, std::move(actions), this);
    connect(row_buttons_, &RowButtons::tableChanged, model_, &TableGridModel::tableChanged);
    connect(Btn_DelRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_DelRowClick);
    connect(Btn_InsRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_InsRowClick);
    connect(Btn_CopyRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_CopyRowClick);
    connect(Btn_PasteRow, &QPushButton::clicked, row_buttons_, &RowButtons::Btn_PasteRowClick);
    connect(Btn_OK, &QPushButton::clicked, this, &TFNMEA_0183_Set_Access::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QVBoxLayout;
    body->addWidget(sga);
    lay_out_dialog(this, title_, body, {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow},
                   {Btn_OK, Btn_Cancel});
    Set_Lang();
}

// The grid shows table_, a member that is gone before QWidget deletes the children: the grid and
// its model go first.
TFNMEA_0183_Set_Access::~TFNMEA_0183_Set_Access() {
    delete sga;
    delete model_;
}

void TFNMEA_0183_Set_Access::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, 600));
    title_->descriptionLabel()->setText(text_of(texts, 601));
    set_button_texts(texts, {{Btn_OK, 602, 608},
                             {Btn_Cancel, 603, 609},
                             {Btn_DelRow, 604, 610},
                             {Btn_InsRow, 605, 611},
                             {Btn_CopyRow, 606, 612},
                             {Btn_PasteRow, 607, 613}});
    // Hint_Listener: the header hints of columns 1 to 5.
    QStringList Hint_Listener;
    for (int column = 0; column < Legacy_Column_Count; ++column) {
        const cfg::nmea::Column_Layout& layout = layout_of(column);
        table_.grid().set_text(0, column, texts[layout.header_text]);
        Hint_Listener.append(layout.hint_text >= 0 ? text_of(texts, layout.hint_text) : QString());
    }
    model_->setHeaderHints(Hint_Listener);
}

void TFNMEA_0183_Set_Access::showEvent(QShowEvent* event) {
    // Restoring a minimised window is no new opening: the edits stay.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFNMEA_0183_Set_Access::FormShow() {
    // A file that cannot be read leaves the reset table, with the reason shown.
    if (!run_reported(
            this, [this] { cfg::nmea::legacy::Load_Legacy_Table(table_, app_.File_NMEA_0183_Set_Access); }))
        table_.Reset();
    Do_Copy_Listener = false;
    model_->tableChanged();
    sga->setCurrentIndex(model_->index(0, static_cast<int>(Legacy_Column::Enable)));
}

// sgaComboChange: a new sentence opens or closes its row's Index cell.
void TFNMEA_0183_Set_Access::sgaComboChange(int row, int column) {
    if (column == static_cast<int>(Legacy_Column::Sentence))
        model_->rowChanged(row);
}

void TFNMEA_0183_Set_Access::Btn_OKClick() {
    run_reported(this, [this] {
        const cfg::Lang_Strings& texts = app_.Lang_Strings;
        if (const auto failure = cfg::nmea::legacy::Controllo_dati(table_, texts)) {
            MessageService::error(this, QString::fromStdString(failure->message));
            return;
        }
        // Rows below a row without a sentence are not saved: the user decides whether to lose them.
        const std::vector<int> dropped = cfg::nmea::legacy::Rows_Save_Would_Drop(table_);
        if (!dropped.empty() &&
            !MessageService::confirm(this, text_of(texts, Rows_Would_Be_Dropped_Question) +
                                               QString::number(dropped.front())))
            return;
        cfg::nmea::legacy::Save_Legacy_Table(table_, app_.File_NMEA_0183_Set_Access);
        accept();
    });
}

} // namespace ui
