#pragma once

#include "cli/Command.h"

#include <string>
#include <string_view>

namespace cfg::cli {

// --option: 0 firmware + configuration (the default), 1 firmware, 2 configuration. Usage_Error for
// anything else.
int update_option(const Invocation& invocation);

// The device address given with the option address_option. Usage_Error, with the update dialog's
// message, when it is missing or no IPv4 address; its four parts go on as given, leading zeros
// included.
std::string device_address(const Context& context, std::string_view address_option);

} // namespace cfg::cli
