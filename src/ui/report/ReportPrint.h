#pragma once

class QWidget;

namespace cfg {
class Lang_Strings;
}

namespace ui {

class Report_Document;

// Offers the report to a printer the user chooses in the system's print dialog, and says whether
// it was handed to the printer or could not be printed.
void Print_Report(const Report_Document& report, const cfg::Lang_Strings& texts, QWidget* parent);

} // namespace ui
