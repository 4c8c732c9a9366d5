#pragma once

#include <pugixml.hpp>

#include <filesystem>
#include <string>
#include <string_view>

// The one way every configuration file is read and written, so all of them look the same:
// UTF-8, no declaration, no indentation, values exactly as held.
namespace cfg::xml {

// Loads the file into doc, keeping comments and declarations so that callers can tell which node
// comes first. Returns false, leaving doc empty, when the file does not exist; raises ConfigError
// naming the file and the parser's reason when it is not well-formed.
bool load_file(pugi::xml_document& doc, const std::filesystem::path& file);

// The document's first top-level node (element, comment or declaration), null when it is empty.
pugi::xml_node first_top_level_node(const pugi::xml_document& doc);

// The text of the child element `name`, or fallback when there is no such child.
// An element without text gives an empty text.
std::string child_text(const pugi::xml_node& node, const char* name, std::string_view fallback);

// The value of the attribute `name`, or fallback when it is missing.
std::string attribute_text(const pugi::xml_node& node, const char* name, std::string_view fallback);

// Adds the child element `name` holding `text`.
pugi::xml_node append_text_element(pugi::xml_node parent, const char* name, std::string_view text);

// Adds the root element and, when version is not empty, the comment "SW_VERSION = <version>"
// after it at top level. Returns the root.
pugi::xml_node start_document(pugi::xml_document& doc, const char* root_name, std::string_view version);

// The document as the bytes of a configuration file.
std::string to_bytes(const pugi::xml_document& doc);

// Serialises the document and writes it through the safe writer.
void save_file(const pugi::xml_document& doc, const std::filesystem::path& file);

} // namespace cfg::xml
