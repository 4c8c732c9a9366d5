#pragma once

#include <memory>

#include "core/common/Table.h"
#include "ui/widgets/ScreenDialog.h"

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace cfg {
struct Application;
}

namespace ui {

class GridView;
class TableGridModel;
class TitlePanel;

// The template editor of the MQTT topics screen: a topic's template (or a topic) in a multi-line
// editor above the list of keywords a template may use.
class TFTopicTemplate : public ScreenDialog {
    Q_OBJECT
public:
    TFTopicTemplate(cfg::Application& app, QWidget* parent);

    void Set_Lang() override;

    // Shows the dialog with the text in the editor; the edited text on OK, nothing on Cancel.
    // topic_template chooses the title texts: a template (true) or a topic (false).
    std::optional<QString> Edit_Text(const QString& text, bool topic_template);

    bool TopicTemplate = true;

protected:
    void opened() override;

private:
    void Laod_Keywords();
    void set_keyword_headers();

    cfg::Application& app_;
    std::shared_ptr<cfg::Table> keywords_;
    TitlePanel* title_;
    QPlainTextEdit* RE_TopicTemplate;
    QLabel* L_List_Keywords;
    GridView* ASG_Keywords;
    TableGridModel* keyword_model_;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace ui
