#pragma once

#include <string>

namespace cfg {
struct Application;
}

// The largest configuration the screens and the device take, for measuring at full size.
namespace cfg::bench {

inline constexpr const char* Maximal_Name = "Maximal";

// The files of a configuration whose tables are full: 100 listener rows, 256 variables each way and
// 1024 topics, every row valid.
std::string Maximal_Listener_File();
std::string Maximal_EtherCAT_File();
std::string Maximal_Topics_File();

// Creates the configuration Maximal_Name with these files in the program's data, makes it the active
// one and writes Morvel.xml, so that the next start opens it too. ConfigError when it cannot.
void Make_Maximal_Configuration(Application& app);

} // namespace cfg::bench
