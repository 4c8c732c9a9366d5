#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace cfg::report {

// A page with the look of the configuration report: one self-contained XHTML document with the
// report's few style rules and the page's own, which a rich-text view lays out as a browser does.
class Report_Page {
public:
    explicit Report_Page(std::string_view title, std::string_view more_style = {});

    pugi::xml_node body() const { return body_; }
    // The page as UTF-8 text, indented, with a doctype and no XML declaration.
    std::string text() const;

private:
    pugi::xml_document doc_;
    pugi::xml_node body_;
};

// A new element at the end of parent, holding content as its text (escaped, never markup).
pugi::xml_node add_element(pugi::xml_node parent, const char* name, std::string_view content = {});

} // namespace cfg::report
