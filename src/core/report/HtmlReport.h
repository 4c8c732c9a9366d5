#pragma once

#include "core/bytemap/ByteMap.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace cfg {
struct Application;
}

namespace cfg::report {

// A picture the caller draws, by the name the page refers to it with, and its size on the page.
struct Report_Picture {
    std::string source;
    int width = 0;
    int height = 0;
};

// For a view that draws no SVG: the pictures that stand for the byte map, one under the other.
using Byte_Map_Pictures = std::function<std::vector<Report_Picture>(const bytemap::Byte_Map&)>;

// The commissioning report of the active configuration as one self-contained XHTML page, in the
// catalogue's language: the name, the moment given and the program's version; the parameters as
// the parameter screen groups them; the listener rows with their bytes and marks; the EtherCAT
// variables with their places in the process image; the byte map as inline SVG, or as the
// pictures given; the ESI identity and whether the ESI file written last describes this process
// image; and the compiled banks. Headings, plain tables (a thead each) and a few style rules, so
// that a rich-text view can lay it out for print as well as a browser. ConfigError when a file of
// the configuration cannot be read.
std::string Configuration_Report_Html(const Application& app, std::chrono::system_clock::time_point now,
                                      const Byte_Map_Pictures& pictures = {});

} // namespace cfg::report
