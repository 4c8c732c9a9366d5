#include "core/nmea/ListenerDocument.h"

#include "core/common/Xml.h"

namespace cfg::nmea {
namespace {

constexpr const char* Root_Name = "NMEA_0183";

} // namespace

int For_Each_Listener_Row(const File_Bytes& file, int capacity,
                          const std::function<void(int row, const pugi::xml_node& element)>& visit) {
    pugi::xml_document doc;
    xml::load(doc, file);
    return xml::for_each_row(
        xml::required_child(xml::required_root(doc, Root_Name, file.name), "NMEA_Listener", file.name),
        nullptr, capacity, visit);
}

pugi::xml_node Start_Listener_Document(pugi::xml_document& doc, const char* version) {
    pugi::xml_node root = xml::start_document(doc, Root_Name, version);
    return root.append_child("NMEA_Listener");
}

} // namespace cfg::nmea
