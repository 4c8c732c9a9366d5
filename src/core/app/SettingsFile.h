#pragma once

#include "core/app/AppSettings.h"
#include "core/common/FileBytes.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace cfg {

// Morvel.xml beside the program.
inline constexpr std::string_view Settings_File_Name = "Morvel.xml";

// What Morvel.xml holds: the settings and the name of the configuration that was last active.
struct Saved_Settings {
    std::string Name_Project;
    App_Settings settings;

    bool operator==(const Saved_Settings&) const = default;
};

// Every value is read on its own and falls back to its default when it cannot be found. A missing
// file, one that cannot be read (too large for a settings file included), one that is not
// well-formed, or one whose root element is not Conf_Settings gives the defaults: the start goes on
// with them. Texts are taken as stored, and a flag is on only when its text is exactly "1".
Saved_Settings Read_Settings(const std::filesystem::path& file);
// The same for the content of a Morvel.xml held in memory.
Saved_Settings Read_Settings(const File_Bytes& file);

// The whole tree as the bytes of Morvel.xml.
std::string Settings_Bytes(const Saved_Settings& saved);

// Writes Settings_Bytes, replacing the file; ConfigError when it cannot be written, so the user
// learns that the settings are not saved.
void Write_Settings(const std::filesystem::path& file, const Saved_Settings& saved);

} // namespace cfg
