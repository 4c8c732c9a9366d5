#pragma once

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

// The main window's "Report": asks where to save the report of the active configuration as a PDF
// file, starting in the configuration's folder, asks before replacing a file, writes it whole or
// not at all, and only then says where it went and offers to print it. A failure goes to the
// general error report.
void Save_Report(const cfg::Application& app, QWidget* parent);

} // namespace ui
