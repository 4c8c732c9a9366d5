#include "EsiTestFiles.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <sstream>

namespace cfg::test {
namespace {

void append_rows(pugi::xml_node parent, const std::vector<Stored_Row>& rows) {
    for (const Stored_Row& row : rows) {
        pugi::xml_node element = parent.append_child("row");
        const std::pair<const char*, const std::optional<std::string>&> attributes[] = {
            {"Enable", row.enable}, {"Type", row.type}, {"Length", row.length}, {"Name", row.name}};
        for (const auto& [name, value] : attributes) {
            if (value)
                element.append_attribute(name).set_value(value->c_str());
        }
    }
}

std::string to_text(const pugi::xml_document& doc) {
    std::ostringstream stream;
    doc.save(stream, "", pugi::format_raw | pugi::format_no_declaration);
    return stream.str();
}

} // namespace

std::string ethercat_slave_xml(const std::vector<Stored_Row>& slave_to_master,
                               const std::vector<Stored_Row>& master_to_slave) {
    pugi::xml_document doc;
    pugi::xml_node variables = doc.append_child("EtherCAT_Slave").append_child("EtherCAT_Slave_Variables");
    append_rows(variables.append_child("EtherCAT_Slave_To_Master"), slave_to_master);
    append_rows(variables.append_child("EtherCAT_Master_To_Slave"), master_to_slave);
    return to_text(doc);
}

std::string pargen_xml(const char* revision, const char* name, const char* node_address) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Par_Gen");
    const std::pair<const char*, const char*> elements[] = {{"EtherCAT_Slave_Revision_Number", revision},
                                                            {"EtherCAT_Slave_Name", name},
                                                            {"EtherCAT_Slave_Node_Address", node_address}};
    for (const auto& [element, text] : elements) {
        if (text)
            root.append_child(element).text().set(text);
    }
    return to_text(doc);
}

std::vector<std::string> crlf_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the file does not end with CR LF";
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace cfg::test
