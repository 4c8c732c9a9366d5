#pragma once

#include <cstddef>
#include <string_view>

namespace cfg {

// A configuration name is the name of one folder directly under PROJECTS that the open list shows.
// A name that is empty, holds a path separator ("/" or "\", whatever the platform) or a NUL, or
// starts a root of its own (such as "C:") would point elsewhere and is refused; so is a name with a
// leading "." (".", ".." and hidden folders), which the list never shows.
bool Is_Plain_Folder_Name(std::string_view name);

// Why a new configuration may not take a name. A folder that exists opens whatever its name; a new
// one must be a folder that the program holds on Linux and on Windows alike, and that a list of
// names shows as one name.
enum class Name_Fault {
    None,
    Control_Character,     // a line break, a tab, a NUL ...
    Not_Utf8,              // bytes that are no UTF-8 text
    Leading_Blank_Or_Dot,  // a blank, or a dot: ".", ".." and hidden folders
    Trailing_Dot_Or_Blank, // Windows drops them, so the folder would be another one
    Windows_Character,     // < > : " / \ | ? *, the path separators among them
    Windows_Device,        // CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, also with an extension
    Too_Long,              // more than Max_Name_Bytes
};

// The longest name a folder may have on the file systems the program runs on, in bytes of UTF-8.
inline constexpr std::size_t Max_Name_Bytes = 255;

// The first rule a new, non-empty name breaks, or None.
Name_Fault New_Name_Fault(std::string_view name);

} // namespace cfg
