#include "ui/report/CompareAction.h"

#include "core/app/Application.h"
#include "core/lang/TextFill.h"
#include "core/report/ConfigurationDiff.h"
#include "core/report/DiffHtml.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/report/TFCompareWith.h"
#include "ui/report/TFComparison.h"
#include "ui/widgets/BusyPointer.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"

#include <exception>

namespace ui {

void Compare_With(const cfg::Application& app, QWidget* parent) {
    TFCompareWith picker(app, parent);
    if (picker.exec() != QDialog::Accepted)
        return;
    const cfg::Lang_Strings& texts = app.Lang_Strings;
    std::string page;
    try {
        const Busy_Pointer busy;
        const std::vector<cfg::report::Difference> differences =
            cfg::report::Compare_Folders({app.Path_Project, false}, picker.chosen(), texts);
        page = cfg::report::Difference_Html(differences, app.Name_Project, picker.chosen_name().toStdString(),
                                            texts);
    } catch (const std::exception& failure) {
        MessageService::error(
            parent, qt_text(cfg::Fill_Text(texts[report_text::Comparison_Failed], {failure.what()})));
        return;
    }
    TFComparison window(texts, QString::fromStdString(page), parent);
    window.exec();
}

} // namespace ui
