#pragma once

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

// Step 5, "EtherCAT ESI File": asks where to write the ESI file of the active configuration,
// starting in its folder, asks before replacing a file, and writes it from ParGen.xml and
// EtherCAT_Slave.xml; the configuration records what it describes, so that step 6 can tell when
// the master's copy is out of date. A failure is shown by the general error report; success says
// where the file went and how many variables it describes.
void Save_ESI_File(cfg::Application& app, QWidget* parent);

} // namespace ui
