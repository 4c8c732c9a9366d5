#include "ui/report/ReportPrint.h"

#include "core/lang/TextFill.h"
#include "ui/report/ReportDocument.h"
#include "ui/report/ReportWindowTexts.h"
#include "ui/widgets/MessageService.h"
#include "ui/widgets/Texts.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

void Print_Report(const Report_Document& report, const cfg::Lang_Strings& texts, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(report.title());
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string printer_name = printer.outputFileName().isEmpty()
                                         ? printer.printerName().toStdString()
                                         : printer.outputFileName().toStdString();
    if (report.paint_pages(printer))
        MessageService::show(parent, MessageIcon::Information,
                             qt_text(cfg::Fill_Text(texts[report_text::Handed_To_Printer], {printer_name})));
    else
        MessageService::error(parent,
                              qt_text(cfg::Fill_Text(texts[report_text::Print_Failed], {printer_name})));
}

} // namespace ui
