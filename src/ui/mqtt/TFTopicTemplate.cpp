#include "ui/mqtt/TFTopicTemplate.h"

#include "core/app/Application.h"
#include "core/common/ModelIdentity.h"
#include "core/lang/TopicTemplateTexts.h"
#include "core/mqtt/TopicTemplate.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/TableGridModel.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace ui {
namespace {

namespace keyword = cfg::mqtt::keyword;

namespace text = cfg::topic_template_text;

} // namespace

TFTopicTemplate::TFTopicTemplate(cfg::Application& app, QWidget* parent)
    : ScreenDialog(parent), app_(app),
      keywords_(std::make_shared<cfg::Table>(cfg::mqtt::make_keyword_table(cfg::mqtt::topic_keywords()))),
      title_(new TitlePanel(qt_text(cfg::SW_Code), this)), RE_TopicTemplate(new QPlainTextEdit(this)),
      L_List_Keywords(new QLabel(this)), ASG_Keywords(new GridView(app.App_Settings, this)),
      keyword_model_(new TableGridModel(keywords_, this)), Btn_OK(dialog_button("Btn_OK", this)),
      Btn_Cancel(dialog_button("Btn_Cancel", this)) {
    setObjectName("TFTopicTemplate");
    RE_TopicTemplate->setObjectName("RE_TopicTemplate");
    L_List_Keywords->setObjectName("L_List_Keywords");
    ASG_Keywords->setObjectName("ASG_Keywords");
    resize(635, 396);

    keyword_model_->setEditableCell([](int, int column) { return column == keyword::Keyword; });
    ASG_Keywords->horizontalHeader()->setStretchLastSection(true);

    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QVBoxLayout;
    body->addWidget(RE_TopicTemplate, 1);
    body->addWidget(L_List_Keywords);
    body->addWidget(ASG_Keywords, 1);
    lay_out_dialog(this, title_, body, {}, {Btn_OK, Btn_Cancel});
    Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, text::Topic_Title));
    title_->descriptionLabel()->setText(text_of(texts, text::Topic_Description));
    L_List_Keywords->setText(text_of(texts, text::Keywords_Label));
    set_keyword_headers();
    Btn_OK->setText(text_of(texts, text::OK));
    Btn_Cancel->setText(text_of(texts, text::Cancel));
}

void TFTopicTemplate::set_keyword_headers() {
    keywords_->set_text(0, keyword::Keyword, app_.Lang_Strings[text::Keyword_Header]);
    keywords_->set_text(0, keyword::Description, app_.Lang_Strings[text::Keyword_Description_Header]);
    emit keyword_model_->headerDataChanged(Qt::Horizontal, 0, keyword::Column_Count - 1);
}

std::optional<QString> TFTopicTemplate::Edit_Text(const QString& text, bool topic_template) {
    TopicTemplate = topic_template;
    RE_TopicTemplate->setPlainText(text);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return RE_TopicTemplate->toPlainText();
}

void TFTopicTemplate::opened() {
    const cfg::Lang_Strings& texts = app_.Lang_Strings;
    setWindowTitle(text_of(texts, TopicTemplate ? text::Template_Title : text::Topic_Title));
    title_->descriptionLabel()->setText(
        text_of(texts, TopicTemplate ? text::Template_Description : text::Topic_Description));
    // The list gets its model when the editor first opens, as the table screens' grids do: attaching
    // a model is most of what a table view costs, and the program builds every window at start.
    if (!ASG_Keywords->gridModel()) {
        ASG_Keywords->setGridModel(keyword_model_);
        ASG_Keywords->setColumnWidth(keyword::Keyword, 180);
    }
    Laod_Keywords();
    RE_TopicTemplate->setFocus();
}

// The keywords are the program's own fixed list, so the table keeps the size it was made with.
void TFTopicTemplate::Laod_Keywords() {
    *keywords_ = cfg::mqtt::make_keyword_table(cfg::mqtt::topic_keywords());
    set_keyword_headers();
    keyword_model_->tableChanged();
}

} // namespace ui
