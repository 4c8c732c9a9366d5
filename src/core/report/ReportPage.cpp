#include "core/report/ReportPage.h"

#include "core/common/Text.h"

#include <sstream>

namespace cfg::report {
namespace {

// Only what a rich-text view of a print dialogue understands as well as a browser does.
constexpr const char* Style_Sheet =
    "body { font-family: sans-serif; font-size: 10pt; }\n"
    "h1 { font-size: 16pt; }\n"
    "h2 { font-size: 13pt; margin-top: 14pt; }\n"
    "h3 { font-size: 11pt; }\n"
    "table { border-collapse: collapse; margin-bottom: 6pt; }\n"
    "th, td { border: 1px solid #a0a0a0; padding: 2px 4px; text-align: left; }\n"
    "th { background-color: #e8e8e8; }\n"
    "td.marked { background-color: #fff2b3; }\n";

// A configuration value as XML text: what is not UTF-8 and the control characters XML cannot hold
// become U+FFFD; pugixml escapes the rest.
std::string xml_text(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    const auto keeps = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte < 0x80) || c == '\t' || c == '\n' || c == '\r';
    };
    append_changing(text, value, keeps, [](std::string& out, char32_t code) {
        append_utf8(out, code < 0x20 ? U'\uFFFD' : code);
    });
    return text;
}

} // namespace

pugi::xml_node add_element(pugi::xml_node parent, const char* name, std::string_view content) {
    pugi::xml_node node = parent.append_child(name);
    if (!content.empty())
        node.append_child(pugi::node_pcdata).set_value(xml_text(content).c_str());
    return node;
}

Report_Page::Report_Page(std::string_view title, std::string_view more_style) {
    doc_.append_child(pugi::node_doctype).set_value("html");
    pugi::xml_node html = doc_.append_child("html");
    html.append_attribute("xmlns") = "http://www.w3.org/1999/xhtml";
    pugi::xml_node head = add_element(html, "head");
    add_element(head, "meta").append_attribute("charset") = "utf-8";
    add_element(head, "title", title);
    add_element(head, "style", std::string(Style_Sheet) + std::string(more_style));
    body_ = add_element(html, "body");
}

std::string Report_Page::text() const {
    std::ostringstream out;
    doc_.save(out, "  ",
              pugi::format_indent | pugi::format_no_declaration | pugi::format_no_empty_element_tags,
              pugi::encoding_utf8);
    return out.str();
}

} // namespace cfg::report
