#pragma once

#include "core/common/StdioFile.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace cfg {

// The hidden file in a configuration folder whose lock a command holds while it reads the
// configuration and writes what follows from it. It stays in the folder: removing it would let two
// commands lock two different files.
inline constexpr const char* Configuration_Lock_File_Name = ".lock";

// Held for the life of the object; the system lets go of it when the program ends, killed or not.
// While another program holds it, the constructor waits, first telling why through tell_waiting,
// and raises ConfigError once wait_limit has passed.
class Configuration_Lock {
public:
    Configuration_Lock(const std::filesystem::path& Path_Project, std::chrono::milliseconds wait_limit,
                       const std::function<void(const std::string&)>& tell_waiting);

private:
    Stdio_File file_;
};

} // namespace cfg
