#include "core/app/SettingsFile.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"

#include <pugixml.hpp>

namespace cfg {
namespace {

constexpr const char* Root_Name = "Conf_Settings";

std::string leaf_text(const pugi::xml_node& root, const char* group, const char* leaf,
                      std::string_view fallback) {
    const pugi::xml_node parent = root.child(group);
    if (!parent)
        return std::string(fallback);
    return xml::child_text(parent, leaf, fallback);
}

bool leaf_flag(const pugi::xml_node& root, const char* leaf) {
    return leaf_text(root, "lastinternet", leaf, "") == "1";
}

const char* flag_text(bool on) {
    return on ? "1" : "0";
}

// The root of a readable settings document, or null when there is none to read from.
pugi::xml_node load_root(pugi::xml_document& doc, const File_Bytes& file) {
    // A settings file that is not well-formed gives the defaults: the start goes on.
    try {
        xml::load(doc, file);
    } catch (const ConfigError&) {
        return {};
    }
    const pugi::xml_node root = xml::root_element(doc);
    if (std::string_view(root.name()) != Root_Name)
        return {};
    return root;
}

} // namespace

Saved_Settings Read_Settings(const std::filesystem::path& file) {
    std::optional<std::string> bytes;
    try {
        bytes = xml::read_file(file);
    } catch (const ConfigError&) {
        // A settings file that cannot be read gives the defaults as well.
    }
    return bytes ? Read_Settings(File_Bytes{utf8_path(file), *bytes}) : Saved_Settings{};
}

Saved_Settings Read_Settings(const File_Bytes& file) {
    Saved_Settings saved;
    pugi::xml_document doc;
    const pugi::xml_node root = load_root(doc, file);
    if (!root)
        return saved;
    App_Settings& settings = saved.settings;
    saved.Name_Project = leaf_text(root, "lastproj", "projectname", saved.Name_Project);
    settings.Last_IP_Address = leaf_text(root, "lastipadd", "ipaddress", settings.Last_IP_Address);
    settings.Language_Name = leaf_text(root, "lastlang", "language", settings.Language_Name);
    settings.enable_internet = leaf_flag(root, "enable_internet");
    settings.enable_update = leaf_flag(root, "enable_update");
    settings.enable_jump_field_tables = leaf_flag(root, "enable_jump_field_tables");
    settings.Double_Click_Auto_Size = leaf_flag(root, "Double_Click_Auto_Size");
    return saved;
}

std::string Settings_Bytes(const Saved_Settings& saved) {
    const App_Settings& settings = saved.settings;
    pugi::xml_document doc;
    pugi::xml_node root = xml::start_document(doc, Root_Name, "");
    xml::append_text_element(root.append_child("lastproj"), "projectname", saved.Name_Project);
    xml::append_text_element(root.append_child("lastipadd"), "ipaddress", settings.Last_IP_Address);
    xml::append_text_element(root.append_child("lastlang"), "language", settings.Language_Name);
    pugi::xml_node flags = root.append_child("lastinternet");
    xml::append_text_element(flags, "enable_internet", flag_text(settings.enable_internet));
    xml::append_text_element(flags, "enable_update", flag_text(settings.enable_update));
    xml::append_text_element(flags, "enable_jump_field_tables", flag_text(settings.enable_jump_field_tables));
    xml::append_text_element(flags, "Double_Click_Auto_Size", flag_text(settings.Double_Click_Auto_Size));
    return xml::to_bytes(doc);
}

void Write_Settings(const std::filesystem::path& file, const Saved_Settings& saved) {
    write_file_safely(file, Settings_Bytes(saved));
}

} // namespace cfg
