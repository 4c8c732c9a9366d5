#pragma once

#include "core/app/Application.h"
#include "core/app/ConfigurationLock.h"

#include <ostream>
#include <string>

namespace cfg::cli {

// Makes the configuration a CONFIG argument names the active one: a name under PROJECTS, or,
// when the argument holds a path separator, the folder at that path. Raises ConfigError with the
// catalogue's "project not valid" text and the folder when there is no such configuration folder,
// or when a path names a folder that is none (Is_Configuration_Folder), so that no command writes
// its bin/ folder into an arbitrary folder.
void open_configuration(Application& app, const std::string& argument);

// The lock on the active configuration, for a command that reads it and writes what follows from
// it, so that two such commands at once do not lose each other's work. A wait is told on err.
Configuration_Lock lock_configuration(const Application& app, std::ostream& err);

} // namespace cfg::cli
