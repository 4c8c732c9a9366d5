#pragma once

#include <filesystem>
#include <ostream>
#include <span>
#include <string>

namespace cfg::test {

// One reader of a configuration file, by its path: what it makes of a small file of its kind, as a
// text to compare.
struct Reader {
    const char* name;
    const std::string* content; // a file the reader takes, as bytes
    std::string (*read)(const std::filesystem::path& file);
    const char* expected;  // what read gives for content
    bool reports_failures; // false for the settings, whose reader falls back to the defaults
};

void PrintTo(const Reader& reader, std::ostream* out);

// Every reader of a configuration file, the compiler's and the ESI generator's included.
std::span<const Reader> every_reader();

} // namespace cfg::test
