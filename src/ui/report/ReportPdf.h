#pragma once

#include <QByteArray>
#include <QString>

namespace ui {

class Report_Document;

// The report as the bytes of an A4 PDF file, made in memory so that the file is written whole or
// not at all. ConfigError with the failure text when it cannot be made.
QByteArray Report_Pdf(const Report_Document& report, const QString& failure);

} // namespace ui
