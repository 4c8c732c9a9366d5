#pragma once

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace cfg::cli {

// The text as a JSON string, quotes included. A byte sequence that is not UTF-8 becomes U+FFFD, so
// the output stays valid whatever a bank file holds.
std::string json_string(std::string_view text);
// A JSON string, or null when there is no text.
std::string json_string_or_null(const std::optional<std::string>& text);
std::string json_bool(bool value);

// A member of an object: its name and its value, written as JSON already.
using Json_Member = std::pair<std::string_view, std::string>;
// An object on one line: {"row": 1, "name": "Heading"}.
std::string json_line_object(std::initializer_list<Json_Member> members);

// The one shape every --json output has, so a script reads them all alike: an object with one
// member a line, and lists with one item a line.
class Json_Document {
public:
    explicit Json_Document(std::ostream& out) : out_(out) { out_ << '{'; }
    Json_Document(const Json_Document&) = delete;
    Json_Document& operator=(const Json_Document&) = delete;

    void member(std::string_view name, const std::string& value) {
        begin_member(name);
        out_ << value;
    }
    // item(element) gives the element as JSON.
    template <typename Items, typename Item> void list(std::string_view name, const Items& items, Item item) {
        begin_member(name);
        out_ << '[';
        bool first_item = true;
        for (const auto& element : items) {
            out_ << (first_item ? "" : ",") << "\n    " << item(element);
            first_item = false;
        }
        out_ << (first_item ? "]" : "\n  ]");
    }
    void end() { out_ << "\n}\n"; }

private:
    void begin_member(std::string_view name) {
        out_ << (first_ ? "" : ",") << "\n  " << json_string(name) << ": ";
        first_ = false;
    }

    std::ostream& out_;
    bool first_ = true;
};

} // namespace cfg::cli
