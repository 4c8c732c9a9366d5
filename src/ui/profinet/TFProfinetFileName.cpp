#include "ui/profinet/TFProfinetFileName.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/ProfinetFileTexts.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace ui {

TFProfinetFileName::TFProfinetFileName(cfg::Application& app, QWidget* parent)
    : TFProfinetFileName(app, parent, cfg::profinet::local_date_today()) {}

TFProfinetFileName::TFProfinetFileName(cfg::Application& app, QWidget* parent,
                                       std::chrono::year_month_day creation_date)
    : ScreenDialog(parent), app_(app), file_name_(creation_date),
      title_(new TitlePanel(qt_text(cfg::SW_Code), this)), L_Select_Name(new QLabel(this)),
      L_FixPart_1(new QLabel(this)), L_UsedPart(new QLabel(this)), L_FixPart_2(new QLabel(this)),
      L_XML_Fix1(new QLabel(this)), E_XML_User(new QLineEdit(this)), L_XML_Fix2(new QLabel(this)),
      Btn_OK(new QPushButton(this)), Btn_Cancel(new QPushButton(this)) {
    setObjectName("TFProfinetFileName");
    const std::pair<QWidget*, const char*> names[] = {
        {L_Select_Name, "L_Select_Name"}, {L_FixPart_1, "L_FixPart_1"}, {L_UsedPart, "L_UsedPart"},
        {L_FixPart_2, "L_FixPart_2"},     {L_XML_Fix1, "L_XML_Fix1"},   {E_XML_User, "E_XML_User"},
        {L_XML_Fix2, "L_XML_Fix2"},       {Btn_OK, "Btn_OK"},           {Btn_Cancel, "Btn_Cancel"}};
    for (const auto& [control, name] : names)
        control->setObjectName(name);
    setSmallestFixedSize(540, 205);

    L_XML_Fix1->setText(qt_text(cfg::profinet::Gsdml_Fixed_Part_1));
    L_XML_Fix2->setText(qt_text(file_name_.fixed_part_2()));

    // The name reads left to right: fixed part, user part, fixed part, each under its caption.
    auto* name_row = new QGridLayout;
    name_row->setHorizontalSpacing(4);
    name_row->addWidget(L_FixPart_1, 0, 0);
    name_row->addWidget(L_UsedPart, 0, 1);
    name_row->addWidget(L_FixPart_2, 0, 2);
    name_row->addWidget(L_XML_Fix1, 1, 0);
    name_row->addWidget(E_XML_User, 1, 1);
    name_row->addWidget(L_XML_Fix2, 1, 2);
    name_row->setColumnStretch(1, 1);

    auto* body = new QVBoxLayout;
    body->addWidget(L_Select_Name);
    body->addSpacing(6);
    body->addLayout(name_row);
    body->addStretch();
    lay_out_dialog(this, title_, body, {}, {Btn_OK, Btn_Cancel});

    // Enter in the user part presses OK through the dialogs' rule; no button takes it by default.
    Btn_OK->setAutoDefault(false);
    Btn_Cancel->setAutoDefault(false);

    connect(Btn_OK, &QPushButton::clicked, this, &TFProfinetFileName::Btn_OK_Click);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    namespace text = cfg::profinet_file_text;
    setWindowTitle(text_of(texts, text::Title));
    title_->descriptionLabel()->setText(text_of(texts, text::Description));
    L_Select_Name->setText(text_of(texts, text::Name_Label));
    L_FixPart_1->setText(text_of(texts, text::Fixed_Part_Before));
    L_UsedPart->setText(text_of(texts, text::User_Part));
    L_FixPart_2->setText(text_of(texts, text::Fixed_Part_After));
    Btn_OK->setText(text_of(texts, text::OK));
    Btn_Cancel->setText(text_of(texts, text::Cancel));
    Btn_OK->setToolTip(text_of(texts, text::OK_Hint));
    Btn_Cancel->setToolTip(text_of(texts, text::Cancel_Hint));
    E_XML_User->setToolTip(text_of(texts, text::User_Part_Hint));
}

void TFProfinetFileName::opened() {
    E_XML_User->setFocus();
}

void TFProfinetFileName::Btn_OK_Click() {
    Name_File_XML_ = file_name_.compose(E_XML_User->text().toStdString());
    accept();
}

} // namespace ui
