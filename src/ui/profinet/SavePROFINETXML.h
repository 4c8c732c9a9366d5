#pragma once

#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace cfg {
struct Application;
}

namespace ui {

class TFProfinetFileName;

// The target of a GSDML file and the user's consent: the file is missing or may be replaced.
// Nothing is written: the GSDML content belongs to the PROFINET model that uses the target.
using GsdmlTarget = std::optional<std::filesystem::path>;

// Asks for the folder of the GSDML file, starting in the active configuration's folder with the
// composed name proposed; a different name typed in the save dialog only picks the folder. Asks
// before an existing file would be replaced. Empty when the user cancels or answers No.
GsdmlTarget Save_PROFINET_XML(cfg::Application& app, const std::string& name_file_xml, QWidget* parent);

// The PROFINET models' "PROFINET XML" step: shows the file-name dialog and, on OK, Save_PROFINET_XML
// with the composed name.
GsdmlTarget PROFINET_XML(cfg::Application& app, TFProfinetFileName& dialog, QWidget* parent);

} // namespace ui
