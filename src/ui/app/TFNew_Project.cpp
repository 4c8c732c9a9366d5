#include "ui/app/TFNew_Project.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/NewConfigurationTexts.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ErrorReport.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TFNew_Project::TFNew_Project(cfg::Application& app, QWidget* parent)
    : ScreenDialog(parent), app_(app), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      Label1(new QLabel(this)), E_New_Proj(new QLineEdit(this)), Btn_OK(new QPushButton(this)),
      Btn_Cancel(new QPushButton(this)) {
    setObjectName("TFNew_Project");
    E_New_Proj->setObjectName("E_New_Proj");
    Btn_OK->setObjectName("Btn_OK");
    Btn_Cancel->setObjectName("Btn_Cancel");
    setSmallestFixedSize(331, 162);

    auto* body = new QVBoxLayout;
    body->addWidget(Label1);
    body->addWidget(E_New_Proj);
    body->addStretch();
    lay_out_dialog(this, title_, body, {}, {Btn_OK, Btn_Cancel});

    // Enter in the name field presses OK through the dialogs' rule; no button takes it by default.
    Btn_OK->setAutoDefault(false);
    Btn_Cancel->setAutoDefault(false);

    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    namespace text = cfg::new_configuration_text;
    setWindowTitle(text_of(texts, text::Title));
    title_->descriptionLabel()->setText(text_of(texts, text::Description));
    Label1->setText(text_of(texts, text::Name_Label));
    Btn_OK->setText(text_of(texts, text::OK));
    Btn_Cancel->setText(text_of(texts, text::Cancel));
    E_New_Proj->setToolTip(text_of(texts, text::Name_Hint));
    Btn_OK->setToolTip(text_of(texts, text::OK_Hint));
    Btn_Cancel->setToolTip(text_of(texts, text::Cancel_Hint));
}

void TFNew_Project::opened() {
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick() {
    run_reported(this, [this] {
        if (const auto refused = cfg::Create_New_Project(app_, E_New_Proj->text().toStdString())) {
            MessageService::error(this, qt_text(refused->message));
            return;
        }
        accept();
    });
}

} // namespace ui
