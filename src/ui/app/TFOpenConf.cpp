#include "ui/app/TFOpenConf.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/OpenConfigurationTexts.h"
#include "ui/widgets/ConfigurationList.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TFOpenConf::TFOpenConf(cfg::Application& app, QWidget* parent)
    : ScreenDialog(parent), app_(app), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      Label1(new QLabel(this)), ListBox1(new QListWidget(this)), Btn_OK(new QPushButton(this)),
      Btn_Cancel(new QPushButton(this)) {
    setObjectName("TFOpenConf");
    ListBox1->setObjectName("ListBox1");
    Btn_OK->setObjectName("Btn_OK");
    Btn_Cancel->setObjectName("Btn_Cancel");
    resize(377, 351);

    auto* body = new QVBoxLayout;
    body->addWidget(Label1);
    body->addWidget(ListBox1, 1);
    lay_out_dialog(this, title_, body, {}, {Btn_OK, Btn_Cancel});

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            state_.ListBox1Click(row);
    });
    // A double click on a name opens it, as Enter does.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    namespace text = cfg::open_configuration_text;
    setWindowTitle(text_of(texts, text::Title));
    title_->descriptionLabel()->setText(text_of(texts, text::Description));
    Label1->setText(text_of(texts, text::List_Label));
    Btn_OK->setText(text_of(texts, text::OK));
    Btn_Cancel->setText(text_of(texts, text::Cancel));
    ListBox1->setToolTip(text_of(texts, text::List_Hint));
    Btn_OK->setToolTip(text_of(texts, text::OK_Hint));
    Btn_Cancel->setToolTip(text_of(texts, text::Cancel_Hint));
}

void TFOpenConf::opened() {
    state_.FormShow(app_);
    show_configurations(ListBox1, state_);
}

} // namespace ui
