#include "core/params/ParGenFile.h"

#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"
#include "core/params/SerialChoices.h"

namespace cfg {
namespace {

constexpr const char* file_version = "1.000";

// The stored text as the value of its kind; choices become the listed text of their index.
void set_from_text(ParGen_Set& set, const ParGen_Key& key, const std::string& text) {
    switch (key.kind) {
    case ParGen_Kind::Text:
        set.*key.text = text;
        break;
    case ParGen_Kind::Flag:
        set.*key.flag = text == "1";
        break;
    case ParGen_Kind::Baud:
        set.*key.text = Baud_Texts[static_cast<std::size_t>(Baud_to_Index(text))];
        break;
    case ParGen_Kind::Parity:
        set.*key.text = Parity_Texts[static_cast<std::size_t>(Parity_to_Index(text))];
        break;
    case ParGen_Kind::StopBits:
        set.*key.text = StopBits_Texts[static_cast<std::size_t>(StopBits_to_Index(text))];
        break;
    }
}

} // namespace

ParGen_Set Load_ParGen(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = xml::read_file(file);
    return bytes ? Load_ParGen(File_Bytes{utf8_path(file), *bytes}) : ParGen_Set{};
}

ParGen_Set Load_ParGen(const File_Bytes& file) {
    ParGen_Set set;
    pugi::xml_document doc;
    xml::load(doc, file);
    const pugi::xml_node root = xml::required_root(doc, ParGen_Root, file.name);
    for (const ParGen_Key& key : ParGen_Keys())
        set_from_text(set, key, xml::child_text(root, key.name, ParGen_Default_Text(key)));
    set.Eth_Conn_DHCP_WiFi = false;
    return set;
}

std::string ParGen_Bytes(const ParGen_Set& set) {
    ParGen_Set saved = set;
    saved.Eth_Conn_DHCP_WiFi = false;
    pugi::xml_document doc;
    pugi::xml_node root = xml::start_document(doc, ParGen_Root, file_version);
    for (const ParGen_Key& key : ParGen_Keys())
        xml::append_text_element(root, key.name, ParGen_Value_Text(saved, key));
    return xml::to_bytes(doc);
}

void Save_ParGen(const ParGen_Set& set, const std::filesystem::path& file) {
    write_file_safely(file, ParGen_Bytes(set));
}

} // namespace cfg
