#pragma once

#include <string_view>

namespace cfg {

// A configuration name is the name of one folder directly under PROJECTS that the open list shows.
// A name that is empty, holds a path separator ("/" or "\", whatever the platform) or a NUL, or
// starts a root of its own (such as "C:") would point elsewhere and is refused; so is a name with a
// leading "." (".", ".." and hidden folders), which the list never shows.
bool Is_Plain_Folder_Name(std::string_view name);

} // namespace cfg
