#include "ui/report/ReportAction.h"

#include "core/app/Application.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/lang/TextFill.h"
#include "ui/platform/QtPath.h"
#include "ui/report/ReportDocument.h"
#include "ui/report/ReportPdf.h"
#include "ui/report/ReportPrint.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/widgets/BusyPointer.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/SaveTarget.h"
#include "ui/widgets/Texts.h"

#include <chrono>
#include <optional>

namespace ui {

void Save_Report(const cfg::Application& app, QWidget* parent) {
    const cfg::Lang_Strings& texts = app.Lang_Strings;
    const Save_As save_as{qt_path(app.Path_Project / cfg::path_from_utf8(app.Name_Project + ".pdf")),
                          text_of(texts, report_text::Pdf_Filter), [](std::filesystem::path file) {
                              // Viewers open a PDF file by its extension.
                              if (!file.has_extension())
                                  file += ".pdf";
                              return file;
                          }};
    Save_Chosen_File(app, parent, save_as, [&](const std::filesystem::path& file) {
        std::optional<Report_Document> report;
        {
            const Busy_Pointer busy;
            report.emplace(app, std::chrono::system_clock::now());
            const QByteArray pdf = Report_Pdf(*report, text_of(texts, report_text::Pdf_Failed));
            cfg::write_file_safely(file, pdf.toStdString());
        }
        const QString written =
            qt_text(cfg::Fill_Text(texts[report_text::Written_Print_Question], {cfg::utf8_path(file)}));
        if (MessageService::show(parent, MessageIcon::Question, written, MessageButtons::YesNo) ==
            MessageAnswer::Yes)
            Print_Report(*report, texts, parent);
    });
}

} // namespace ui
