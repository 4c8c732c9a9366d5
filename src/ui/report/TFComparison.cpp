#include "ui/report/TFComparison.h"

#include "core/common/ModelIdentity.h"
#include "core/report/ReportTexts.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Texts.h"
#include "ui/widgets/TitlePanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ui {

TFComparison::TFComparison(const cfg::Lang_Strings& texts, const QString& page, QWidget* parent)
    : ScreenDialog(parent), texts_(texts), title_(new TitlePanel(qt_text(cfg::SW_Code), this)),
      Browser_Differences(new QTextBrowser(this)), Btn_Close(dialog_button("Btn_Close", this)) {
    setObjectName("TFComparison");
    Browser_Differences->setObjectName("Browser_Differences");
    // Nothing in the page leads elsewhere; a click must not replace it.
    Browser_Differences->setOpenLinks(false);
    Browser_Differences->setHtml(page);
    resize(720, 560);

    auto* body = new QVBoxLayout;
    body->addWidget(Browser_Differences, 1);
    lay_out_dialog(this, title_, body, {}, {Btn_Close});
    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::accept);
    Set_Lang();
}

void TFComparison::Set_Lang() {
    setWindowTitle(text_of(texts_, cfg::report::text::Comparison_Title));
    title_->descriptionLabel()->setText(text_of(texts_, cfg::report::text::Comparison_Title));
    Btn_Close->setText(text_of(texts_, report_text::Close));
}

} // namespace ui
