#pragma once

#include <string>
#include <string_view>

namespace cfg {

// The maker's servers. The build may name others; these reserved names never reach a real host.
inline constexpr std::string_view Update_Server_Host = "update.configurator.example";
inline constexpr std::string_view Maker_Web_Host = "www.configurator.example";

// The download page of this device, opened from the "new version" links.
std::string Download_Page_Address(std::string_view host = Maker_Web_Host);

// The maker's home page, opened from the web address in the main window and the About box.
std::string Home_Page_Address(std::string_view host = Maker_Web_Host);

} // namespace cfg
