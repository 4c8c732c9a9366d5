#include "ui/lang/TFSoftOptions.h"

#include "core/app/Application.h"
#include "core/app/SoftOptions.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/LanguageList.h"
#include "core/lang/LanguagePages.h"
#include "core/lang/MainWindowTexts.h"
#include "core/lang/MakerSite.h"
#include "core/lang/OptionsTexts.h"
#include "core/lang/VersionCheck.h"
#include "ui/lang/BackgroundVersionCheck.h"
#include "ui/platform/MakerHosts.h"
#include "ui/platform/QtPath.h"
#include "ui/platform/WebAddress.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ui {

TFSoftOptions::TFSoftOptions(cfg::Application& app, cfg::HttpClient& http,
                             std::function<void()> change_language, QWidget* parent)
    : ScreenDialog(parent), app_(app), version_check_(new BackgroundVersionCheck(http, this)),
      change_language_(std::move(change_language)), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      PC_Options(new QTabWidget(this)), L_Sel_Lang(new QLabel(this)), Btn_Prev(new QPushButton(this)),
      Btn_Next(new QPushButton(this)), L_Page_Lang(new QLabel(this)), CB_En_Con(new QCheckBox(this)),
      CB_Update(new QCheckBox(this)), Btn_Check_Update(new QPushButton(this)),
      LL_Check_Update(new QLabel(this)), CB_Soft_Set_Jump_Table(new QCheckBox(this)),
      CB_DoubleClick_Auto_Size(new QCheckBox(this)), Btn_OK(new QPushButton(this)),
      Btn_Cancel(new QPushButton(this)) {
    setObjectName("TFSoftOptions");
    setSmallestFixedSize(509, 373);
    const std::pair<QObject*, const char*> names[] = {{PC_Options, "PC_Options"},
                                                      {L_Sel_Lang, "L_Sel_Lang"},
                                                      {Btn_Prev, "Btn_Prev"},
                                                      {Btn_Next, "Btn_Next"},
                                                      {L_Page_Lang, "L_Page_Lang"},
                                                      {CB_En_Con, "CB_En_Con"},
                                                      {CB_Update, "CB_Update"},
                                                      {Btn_Check_Update, "Btn_Check_Update"},
                                                      {LL_Check_Update, "LL_Check_Update"},
                                                      {CB_Soft_Set_Jump_Table, "CB_Soft_Set_Jump_Table"},
                                                      {CB_DoubleClick_Auto_Size, "CB_DoubleClick_Auto_Size"},
                                                      {Btn_OK, "Btn_OK"},
                                                      {Btn_Cancel, "Btn_Cancel"}};
    for (const auto& [object, name] : names)
        object->setObjectName(name);

    LL_Check_Update->setTextFormat(Qt::RichText);
    PC_Options->addTab(build_language_tab(), QString());
    PC_Options->addTab(build_connection_tab(), QString());
    PC_Options->addTab(build_settings_tab(), QString());

    auto* body = new QVBoxLayout;
    body->addWidget(PC_Options);
    lay_out_dialog(this, title_, body, {}, {Btn_OK, Btn_Cancel});

    connect(Btn_OK, &QPushButton::clicked, this, [this] { run_reported(this, [this] { Btn_OKClick(); }); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

QWidget* TFSoftOptions::build_language_tab() {
    auto* tab = new QWidget(this);
    tab->setObjectName("TS_Language");
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(L_Sel_Lang);
    auto* grid = new QGridLayout;
    for (int k = 0; k < 6; ++k) {
        LanguageSlot& slot = slots_[static_cast<std::size_t>(k)];
        slot.image = new ClickableLabel(tab);
        slot.image->setObjectName(QString("I_L%1").arg(k + 1));
        slot.image->setFixedSize(48, 48);
        slot.image->setScaledContents(true);
        slot.name = new ClickableLabel(tab);
        slot.name->setObjectName(QString("L_L%1").arg(k + 1));
        for (ClickableLabel* part : {slot.image, slot.name}) {
            part->setCursor(Qt::PointingHandCursor);
            connect(part, &ClickableLabel::clicked, this,
                    [this, k] { run_reported(this, [this, k] { LangClick(k + 1); }); });
        }
        // Slots 1 to 3 on the left, 4 to 6 on the right, top to bottom.
        const int row = k % 3;
        const int column = (k / 3) * 2;
        grid->addWidget(slot.image, row, column);
        grid->addWidget(slot.name, row, column + 1);
    }
    // The slots keep their places however many of them a page fills.
    for (int row = 0; row < 3; ++row)
        grid->setRowMinimumHeight(row, 48);
    for (int column : {0, 2})
        grid->setColumnMinimumWidth(column, 48);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid, 1);
    auto* paging = new QHBoxLayout;
    paging->addWidget(Btn_Prev);
    paging->addStretch();
    paging->addWidget(L_Page_Lang);
    paging->addStretch();
    paging->addWidget(Btn_Next);
    layout->addLayout(paging);
    connect(Btn_Prev, &QPushButton::clicked, this,
            [this] { Update_Lang_Page(cfg::Turn_Lang_Page(Show_Page, SL_Languages.size(), false)); });
    connect(Btn_Next, &QPushButton::clicked, this,
            [this] { Update_Lang_Page(cfg::Turn_Lang_Page(Show_Page, SL_Languages.size(), true)); });
    return tab;
}

QWidget* TFSoftOptions::build_connection_tab() {
    auto* tab = new QWidget(this);
    tab->setObjectName("TS_Con_Options");
    auto* layout = new QGridLayout(tab);
    layout->setColumnMinimumWidth(0, 20);
    layout->addWidget(CB_En_Con, 0, 0, 1, 2);
    layout->addWidget(CB_Update, 1, 1);
    layout->addWidget(Btn_Check_Update, 2, 1, Qt::AlignLeft);
    layout->addWidget(LL_Check_Update, 3, 1);
    layout->setRowStretch(4, 1);
    for (QCheckBox* box : {CB_En_Con, CB_Update})
        connect(box, &QCheckBox::toggled, this, &TFSoftOptions::Update_CheckBox);
    connect(version_check_, &BackgroundVersionCheck::answered, this, &TFSoftOptions::Version_Checked);
    connect(Btn_Check_Update, &QPushButton::clicked, this,
            [this] { run_reported(this, [this] { Btn_Check_UpdateClick(); }); });
    connect(LL_Check_Update, &QLabel::linkActivated, this,
            [](const QString& link) { open_web_address(link); });
    return tab;
}

QWidget* TFSoftOptions::build_settings_tab() {
    auto* tab = new QWidget(this);
    tab->setObjectName("TS_Soft_Settings");
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(CB_Soft_Set_Jump_Table);
    layout->addWidget(CB_DoubleClick_Auto_Size);
    layout->addStretch();
    return tab;
}

void TFSoftOptions::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    namespace text = cfg::options_text;
    setWindowTitle(text_of(texts, text::Title));
    title_->descriptionLabel()->setText(text_of(texts, text::Description));
    PC_Options->setTabText(0, text_of(texts, text::Language_Tab));
    PC_Options->setTabText(1, text_of(texts, text::Connection_Tab));
    PC_Options->setTabText(2, text_of(texts, text::Settings_Tab));
    Btn_Prev->setText(text_of(texts, text::Previous));
    Btn_Next->setText(text_of(texts, text::Next));
    CB_En_Con->setText(text_of(texts, text::Enable_Internet));
    CB_Update->setText(text_of(texts, text::Check_Update_At_Start));
    Btn_Check_Update->setText(text_of(texts, text::Check_Update));
    Btn_OK->setText(text_of(texts, text::OK));
    Btn_Cancel->setText(text_of(texts, text::Cancel));
    CB_Soft_Set_Jump_Table->setText(text_of(texts, text::Enter_Jumps));
    CB_DoubleClick_Auto_Size->setText(text_of(texts, text::Double_Click_Sizes));
    // A page on display is shown again in the new language rather than reset to page 1 of 1.
    if (Show_Page > 0)
        Update_Lang_Page(Show_Page);
    else
        L_Page_Lang->setText(QString::fromStdString(cfg::Initial_Page_Text(texts)));
}

void TFSoftOptions::opened() {
    const cfg::Soft_Options_Choices choices = cfg::Soft_Options_From_Settings(app_.App_Settings);
    Language_In_Use = choices.Language_In_Use;
    SL_Languages = cfg::Create_Lang_List(app_.language_folders());
    Update_Lang_Page(1);
    LL_Check_Update->setVisible(version_check_->running()); // still saying that it checks
    PC_Options->setCurrentIndex(0);
    CB_En_Con->setChecked(choices.CB_En_Con);
    CB_Update->setChecked(choices.CB_Update);
    CB_Soft_Set_Jump_Table->setChecked(choices.CB_Soft_Set_Jump_Table);
    CB_DoubleClick_Auto_Size->setChecked(choices.CB_DoubleClick_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    Show_Page = Num_Page;
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    const cfg::Language_Page page = cfg::Update_Lang_Page(SL_Languages, Num_Page, texts);
    L_Sel_Lang->setText(QString::fromStdString(cfg::Selected_Language_Text(texts, Language_In_Use)));
    L_Page_Lang->setText(QString::fromStdString(page.page_text));
    Btn_Prev->setVisible(page.show_previous);
    Btn_Next->setVisible(page.show_next);
    for (std::size_t k = 0; k < slots_.size(); ++k) {
        const LanguageSlot& slot = slots_[k];
        const bool shown = k < page.names.size();
        slot.name->setVisible(shown);
        slot.image->setVisible(false);
        if (!shown)
            continue;
        slot.name->setText(QString::fromStdString(page.names[k]));
        if (const auto picture = cfg::Flag_Picture(app_.language_folders(), page.names[k])) {
            slot.image->setPixmap(QPixmap(qt_path(*picture)));
            slot.image->setVisible(true);
        }
    }
}

void TFSoftOptions::LangClick(int slot) {
    const auto name = cfg::Language_In_Slot(SL_Languages, Show_Page, slot);
    if (!name)
        return;
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    if (!MessageService::confirm(
            this, QString::fromStdString(cfg::Change_Language_Question(texts, Language_In_Use, *name))))
        return;
    Language_In_Use = *name;
    cfg::Load_Picked_Language(app_.Lang_Strings, app_.language_folders(), *name);
    change_language_();
    L_Sel_Lang->setText(
        QString::fromStdString(cfg::Selected_Language_Text(app_.Lang_Strings, Language_In_Use)));
}

void TFSoftOptions::Update_CheckBox() {
    const cfg::Connection_Controls controls =
        cfg::Update_CheckBox(CB_En_Con->isChecked(), CB_Update->isChecked());
    CB_Update->setEnabled(controls.CB_Update_enabled);
    Btn_Check_Update->setEnabled(controls.Btn_Check_Update_enabled && !version_check_->running());
}

// The check runs in the background while the dialog says so; the button waits for its answer, so a
// second click asks nothing twice.
void TFSoftOptions::Btn_Check_UpdateClick() {
    if (!version_check_->start())
        return;
    LL_Check_Update->setText(
        text_of(app_.Lang_Strings, cfg::main_window_text::Checking_Version).toHtmlEscaped());
    LL_Check_Update->show();
    Update_CheckBox();
}

void TFSoftOptions::Version_Checked(bool newer_version_available) {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    Update_CheckBox();
    if (newer_version_available) {
        const QString target = QString::fromStdString(cfg::Download_Page_Address(maker_web_host()));
        LL_Check_Update->setText(
            QString("<a href=\"%1\">%2</a>")
                .arg(target.toHtmlEscaped(), text_of(texts, cfg::options_text::New_Version).toHtmlEscaped()));
    } else {
        LL_Check_Update->setText(text_of(texts, cfg::options_text::No_Update).toHtmlEscaped());
    }
    LL_Check_Update->show();
}

void TFSoftOptions::Btn_OKClick() {
    cfg::Soft_Options_Choices choices;
    choices.Language_In_Use = Language_In_Use;
    choices.CB_En_Con = CB_En_Con->isChecked();
    choices.CB_Update = CB_Update->isChecked();
    choices.CB_Soft_Set_Jump_Table = CB_Soft_Set_Jump_Table->isChecked();
    choices.CB_DoubleClick_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    cfg::Commit_Soft_Options(app_.App_Settings, choices);
    accept();
}

} // namespace ui
