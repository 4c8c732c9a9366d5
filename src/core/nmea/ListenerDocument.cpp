#include "core/nmea/ListenerDocument.h"

#include "core/common/ConfigError.h"
#include "core/common/Xml.h"

namespace cfg::nmea {

void For_Each_Listener_Row(const std::filesystem::path& file, int max_rows,
                           const std::function<void(int row, const pugi::xml_node& element)>& visit) {
    pugi::xml_document doc;
    if (!xml::load_file(doc, file))
        return;
    const pugi::xml_node listener = xml::first_top_level_node(doc).child("NMEA_Listener");
    if (!listener)
        throw ConfigError("The file \"" + file.string() + "\" has no element NMEA_Listener in its root");
    int row = 0;
    for (pugi::xml_node element = listener.first_child(); element && row < max_rows;
         element = element.next_sibling()) {
        if (element.type() == pugi::node_element)
            visit(++row, element);
    }
}

pugi::xml_node Start_Listener_Document(pugi::xml_document& doc, const char* version) {
    pugi::xml_node root = xml::start_document(doc, "NMEA_0183", version);
    return root.append_child("NMEA_Listener");
}

} // namespace cfg::nmea
