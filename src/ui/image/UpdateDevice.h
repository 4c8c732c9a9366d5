#pragma once

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

class TFBoot;

// Step 6, "Update Device", with a configuration active: compiles it into bin/bank1.bin, bank2.bin
// and bank3.bin, then shows the update dialog over Ethernet. A compile or write failure is shown
// by the general error report and the dialog does not open.
void Update_Device(cfg::Application& app, TFBoot& boot, QWidget* parent);

} // namespace ui
