#pragma once

#include "core/app/Application.h"

#include <string>

namespace cfg::cli {

// Makes the configuration a CONFIG argument names the active one: a name under PROJECTS, or,
// when the argument holds a path separator, the folder at that path. Raises ConfigError with the
// catalogue's "project not valid" text and the folder when there is no such configuration folder,
// or when a path names a folder that is none (Is_Configuration_Folder), so that no command writes
// its bin/ folder into an arbitrary folder.
void open_configuration(Application& app, const std::string& argument);

} // namespace cfg::cli
