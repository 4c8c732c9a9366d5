#include "core/common/Xml.h"

#include "core/common/ConfigError.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace cfg::xml {
namespace {

// Line and column of a byte offset, for messages a user can act on.
std::string position_text(std::string_view bytes, std::ptrdiff_t offset) {
    int line = 1;
    int column = 1;
    for (std::ptrdiff_t i = 0; i < offset && i < static_cast<std::ptrdiff_t>(bytes.size()); ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

std::optional<std::string> read_file(const std::filesystem::path& file) {
    return read_file_if_present(file, Text_File_Limit);
}

void load(pugi::xml_document& doc, const File_Bytes& file) {
    // Values are kept exactly as typed, so a text of blanks only is a value too (ws_pcdata_single);
    // blanks between elements still are not.
    constexpr unsigned options = pugi::parse_default | pugi::parse_comments | pugi::parse_declaration |
                                 pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata_single;
    const pugi::xml_parse_result result =
        doc.load_buffer(file.bytes.data(), file.bytes.size(), options, pugi::encoding_auto);
    if (!result) {
        doc.reset();
        throw ConfigError("The file \"" + std::string(file.name) + "\" is not well-formed XML: " +
                          result.description() + " (" + position_text(file.bytes, result.offset) + ")");
    }
}

pugi::xml_node root_element(const pugi::xml_document& doc) {
    return doc.document_element();
}

pugi::xml_node required_root(const pugi::xml_document& doc, const char* name, std::string_view file) {
    const pugi::xml_node root = root_element(doc);
    if (std::string_view(root.name()) != name)
        throw ConfigError("The file \"" + std::string(file) + "\" holds the element " + root.name() +
                          " where the element " + name + " was expected.");
    return root;
}

int for_each_row(const pugi::xml_node& table, const char* row_name, int capacity,
                 const std::function<void(int row, const pugi::xml_node& element)>& visit) {
    int row = 0;
    for (const pugi::xml_node& element : table.children()) {
        if (element.type() != pugi::node_element ||
            (row_name && std::string_view(element.name()) != row_name))
            continue;
        if (++row <= capacity)
            visit(row, element);
    }
    return row > capacity ? row - capacity : 0;
}

pugi::xml_node required_child(const pugi::xml_node& parent, const char* name, std::string_view file) {
    const pugi::xml_node child = parent.child(name);
    if (!child)
        throw ConfigError("The file \"" + std::string(file) + "\" has no element " + name + ".");
    return child;
}

std::string child_text(const pugi::xml_node& node, const char* name, std::string_view fallback) {
    const pugi::xml_node child = node.child(name);
    if (!child)
        return std::string(fallback);
    return child.text().get();
}

std::string attribute_text(const pugi::xml_node& node, const char* name, std::string_view fallback) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        return std::string(fallback);
    return attribute.value();
}

void find_attributes(const pugi::xml_node& node, std::span<const char* const> names,
                     std::span<const char*> values) {
    std::fill(values.begin(), values.end(), nullptr);
    std::size_t expected = 0;
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        const char* name = attribute.name();
        std::size_t index = expected;
        if (index >= names.size() || std::strcmp(names[index], name) != 0)
            index = static_cast<std::size_t>(
                std::find_if(names.begin(), names.end(),
                             [name](const char* n) { return std::strcmp(n, name) == 0; }) -
                names.begin());
        if (index == names.size())
            continue;
        if (!values[index])
            values[index] = attribute.value();
        expected = index + 1;
    }
}

std::string attribute_or(const char* value, std::string_view fallback) {
    return value ? std::string(value) : std::string(fallback);
}

pugi::xml_node append_text_element(pugi::xml_node parent, const char* name, std::string_view text) {
    pugi::xml_node child = parent.append_child(name);
    if (!text.empty())
        child.text().set(std::string(text).c_str());
    return child;
}

pugi::xml_node start_document(pugi::xml_document& doc, const char* root_name, std::string_view version) {
    doc.reset();
    pugi::xml_node root = doc.append_child(root_name);
    if (!version.empty())
        doc.append_child(pugi::node_comment).set_value(("SW_VERSION = " + std::string(version)).c_str());
    return root;
}

namespace {

// Collects the document as it is written. The library escapes a carriage return in an attribute but
// writes it raw in a text. Nothing else of what we write can hold one (names are fixed, the only
// comment is the version), so every raw one belongs to a text value and is escaped here.
class Escaping_String_Writer : public pugi::xml_writer {
public:
    explicit Escaping_String_Writer(std::string& bytes) : bytes_(bytes) {}

    void write(const void* data, std::size_t size) override {
        std::string_view chunk(static_cast<const char*>(data), size);
        for (std::size_t cr = chunk.find('\r'); cr != std::string_view::npos; cr = chunk.find('\r')) {
            bytes_.append(chunk.substr(0, cr));
            bytes_.append("&#13;");
            chunk.remove_prefix(cr + 1);
        }
        bytes_.append(chunk);
    }

private:
    std::string& bytes_;
};

} // namespace

std::string to_bytes(const pugi::xml_document& doc) {
    std::string bytes;
    Escaping_String_Writer writer(bytes);
    doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return bytes;
}

} // namespace cfg::xml
