#include "ui/report/TFCompareWith.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/ModelIdentity.h"
#include "core/common/PathText.h"
#include "core/lang/TextFill.h"
#include "core/report/BankFileInfo.h"
#include "ui/platform/QtPath.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/widgets/ConfigurationList.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/FileDialogService.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TFCompareWith::TFCompareWith(const cfg::Application& app, QWidget* parent)
    : ScreenDialog(parent), app_(app), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      Label1(new QLabel(this)), ListBox1(new QListWidget(this)),
      Btn_Bank_Folder(dialog_button("Btn_Bank_Folder", this)), Btn_OK(dialog_button("Btn_OK", this)),
      Btn_Cancel(dialog_button("Btn_Cancel", this)) {
    setObjectName("TFCompareWith");
    ListBox1->setObjectName("ListBox1");
    resize(420, 380);

    auto* body = new QVBoxLayout;
    body->addWidget(Label1);
    body->addWidget(ListBox1, 1);
    lay_out_dialog(this, title_, body, {Btn_Bank_Folder}, {Btn_OK, Btn_Cancel});

    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this](int row) { Btn_OK->setEnabled(row >= 0); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TFCompareWith::choose_configuration);
    connect(Btn_OK, &QPushButton::clicked, this, &TFCompareWith::choose_configuration);
    connect(Btn_Bank_Folder, &QPushButton::clicked, this,
            [this] { run_reported(this, [this] { choose_bank_folder(); }); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFCompareWith::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, report_text::Compare_Caption));
    title_->descriptionLabel()->setText(text_of(texts, report_text::Compare_Description));
    Label1->setText(text_of(texts, report_text::Configurations_Label));
    set_button_texts(texts,
                     {{Btn_Bank_Folder, report_text::Bank_Folder_Caption, report_text::Bank_Folder_Hint},
                      {Btn_OK, report_text::Compare_OK, report_text::Compare_OK_Hint},
                      {Btn_Cancel, report_text::Cancel, report_text::Cancel}});
}

// The list as the open dialog shows it, the opened configuration selected.
void TFCompareWith::opened() {
    cfg::Open_Conf_State list;
    list.FormShow(app_);
    show_configurations(ListBox1, list);
    Btn_OK->setEnabled(list.selected >= 0);
}

void TFCompareWith::choose_configuration() {
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item)
        return;
    chosen_name_ = item->text();
    chosen_ = {app_.Path_Projects / cfg::path_from_utf8(chosen_name_.toStdString()), false};
    accept();
}

void TFCompareWith::choose_bank_folder() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    const QString folder = FileDialogService::getExistingDirectory(
        this, text_of(texts, report_text::Bank_Folder_Dialog), qt_path(app_.Path_Project));
    if (folder.isEmpty())
        return;
    const std::string shown = cfg::utf8_path(std_path(folder));
    if (!cfg::report::Is_Bank_Folder(std_path(folder))) {
        MessageService::error(this, qt_text(cfg::Fill_Text(texts[report_text::Not_A_Bank_Folder], {shown})));
        return;
    }
    chosen_name_ = qt_text(cfg::Fill_Text(texts[report_text::Bank_Folder_Label], {shown}));
    chosen_ = {std_path(folder), true};
    accept();
}

} // namespace ui
