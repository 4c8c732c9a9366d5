#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cfg::nmea {

// Sentences counted by their code, in bounded memory. A log may hold any number of codes (a
// proprietary address is "P" and any run of letters and digits), so only some are kept by name: every
// code of the catalogue, the only ones a listener row can name, and the first Other_Codes_Kept others
// in the order they first came. Sentences of any further code are only counted: telling how many
// distinct codes they had would itself take memory that grows with the codes.
class Code_Counts {
public:
    // Far more than the sentences of the devices on one port; a log with more is noise or an attack.
    static constexpr std::size_t Other_Codes_Kept = 64;

    struct Entry {
        std::string code;
        std::size_t count = 0;
        bool operator==(const Entry&) const = default;
    };

    // Counts one sentence of the code; its place in entries() when the code is kept.
    std::optional<std::size_t> Count(const std::string& code);

    // The kept codes in the order they first came.
    const std::vector<Entry>& entries() const { return entries_; }
    bool contains(const std::string& code) const { return places_.contains(code); }
    // Sentences of the codes that were not kept.
    std::size_t sentences_not_kept() const { return sentences_not_kept_; }

    bool operator==(const Code_Counts&) const = default;

private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> places_; // code to its place in entries_
    std::size_t others_kept_ = 0;
    std::size_t sentences_not_kept_ = 0;
};

} // namespace cfg::nmea
