#include "ui/report/ReportPdf.h"

#include "core/common/ConfigError.h"
#include "ui/report/ReportDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace ui {

QByteArray Report_Pdf(const Report_Document& report, const QString& failure) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly))
            throw cfg::ConfigError(failure.toStdString());
        QPdfWriter pdf(&buffer);
        pdf.setTitle(report.title());
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        if (!report.paint_pages(pdf))
            throw cfg::ConfigError(failure.toStdString());
    }
    if (bytes.isEmpty())
        throw cfg::ConfigError(failure.toStdString());
    return bytes;
}

} // namespace ui
