#pragma once

#include "core/common/FileBytes.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The one way every configuration file is read and written, so all of them look the same:
// UTF-8, no declaration, no indentation, values exactly as held.
namespace cfg::xml {

// The bytes of a configuration file, nothing when it does not exist. ConfigError naming the file
// and the reason when it cannot be read or is larger than Text_File_Limit.
std::optional<std::string> read_file(const std::filesystem::path& file);

// Parses the file's bytes into doc; ConfigError naming the file and the parser's reason, with the
// line and column, when they are not well-formed.
void load(pugi::xml_document& doc, const File_Bytes& file);

// The document's root element, null when it has none. A byte-order mark, a declaration, comments,
// processing instructions, a doctype and blanks in front of it are passed over, so a file saved by
// any XML editor reads the same as our own.
pugi::xml_node root_element(const pugi::xml_document& doc);

// The root element, which must be named `name`: a well-formed file of another kind (another
// screen's file, say) is no file of this reader, and reading it as one would show defaults.
// ConfigError naming the file, the element expected and the one found otherwise.
pugi::xml_node required_root(const pugi::xml_document& doc, const char* name, std::string_view file);

// The rows of a table element, in document order: its children named row_name, or every child
// element when row_name is null (comments and text never take a row). visit(row, element) runs for
// rows 1 to capacity; the result is how many more rows the element holds, which the table leaves out.
int for_each_row(const pugi::xml_node& table, const char* row_name, int capacity,
                 const std::function<void(int row, const pugi::xml_node& element)>& visit);

// The child element `name`; ConfigError naming the file when there is none, for a reader that
// cannot go on without it.
pugi::xml_node required_child(const pugi::xml_node& parent, const char* name, std::string_view file);

// The text of the child element `name`, or fallback when there is no such child.
// An element without text gives an empty text.
std::string child_text(const pugi::xml_node& node, const char* name, std::string_view fallback);

// The value of the attribute `name`, or fallback when it is missing.
std::string attribute_text(const pugi::xml_node& node, const char* name, std::string_view fallback);

// The attributes `names` of a row element, found in one pass over its attributes: values[i] becomes
// the value attribute_text would give for names[i] (the first attribute of that name), or null when
// the element has none. Files keep their attributes in the order of names, so each one is matched
// by a single comparison; an attribute out of order is looked for among all names.
void find_attributes(const pugi::xml_node& node, std::span<const char* const> names,
                     std::span<const char*> values);

// The value find_attributes found, or fallback for a missing attribute.
std::string attribute_or(const char* value, std::string_view fallback);

// Adds the child element `name` holding `text`.
pugi::xml_node append_text_element(pugi::xml_node parent, const char* name, std::string_view text);

// Adds the root element and, when version is not empty, the comment "SW_VERSION = <version>"
// after it at top level. Returns the root.
pugi::xml_node start_document(pugi::xml_document& doc, const char* root_name, std::string_view version);

// The document as the bytes of a configuration file. A carriage return in a text value is written
// as "&#13;", since a reader turns a raw one into a line feed.
std::string to_bytes(const pugi::xml_document& doc);

} // namespace cfg::xml
