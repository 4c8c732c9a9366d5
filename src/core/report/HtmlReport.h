#pragma once

#include <chrono>
#include <string>

namespace cfg {
struct Application;
}

namespace cfg::report {

// The commissioning report of the active configuration as one self-contained XHTML page, in the
// catalogue's language: the name, the moment given and the program's version; the parameters as
// the parameter screen groups them; the listener rows with their bytes and marks; the EtherCAT
// variables with their places in the process image; the byte map as inline SVG; the ESI identity
// and whether the ESI file written last describes this process image; and the compiled banks.
// Headings, plain tables (a thead each) and a few style rules, so that a rich-text view can
// lay it out for print as well as a browser. ConfigError when a file of the configuration cannot
// be read.
std::string Configuration_Report_Html(const Application& app, std::chrono::system_clock::time_point now);

} // namespace cfg::report
