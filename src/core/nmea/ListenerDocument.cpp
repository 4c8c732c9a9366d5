#include "core/nmea/ListenerDocument.h"

#include "core/common/ConfigError.h"
#include "core/common/Xml.h"

namespace cfg::nmea {

std::vector<pugi::xml_node> Load_Listener_Rows(pugi::xml_document& doc, const std::filesystem::path& file) {
    std::vector<pugi::xml_node> rows;
    if (!xml::load_file(doc, file))
        return rows;
    const pugi::xml_node listener = xml::first_top_level_node(doc).child("NMEA_Listener");
    if (!listener)
        throw ConfigError("The file \"" + file.string() + "\" has no element NMEA_Listener in its root");
    for (pugi::xml_node row = listener.first_child(); row; row = row.next_sibling()) {
        if (row.type() == pugi::node_element)
            rows.push_back(row);
    }
    return rows;
}

pugi::xml_node Start_Listener_Document(pugi::xml_document& doc, const char* version) {
    pugi::xml_node root = xml::start_document(doc, "NMEA_0183", version);
    return root.append_child("NMEA_Listener");
}

} // namespace cfg::nmea
