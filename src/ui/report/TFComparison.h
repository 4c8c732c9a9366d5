#pragma once

#include "ui/widgets/ScreenDialog.h"

class QPushButton;
class QTextBrowser;

namespace cfg {
class Lang_Strings;
}

namespace ui {

class TitlePanel;

// The differences between two configurations as a page with the report's look, read-only.
class TFComparison : public ScreenDialog {
    Q_OBJECT
public:
    TFComparison(const cfg::Lang_Strings& texts, const QString& page, QWidget* parent);

    void Set_Lang() override;

private:
    const cfg::Lang_Strings& texts_;
    TitlePanel* title_;
    QTextBrowser* Browser_Differences;
    QPushButton* Btn_Close;
};

} // namespace ui
