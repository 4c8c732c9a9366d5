#include "cli/UpdateArguments.h"

#include "cli/UsageError.h"
#include "core/common/IpAddress.h"
#include "core/image/DeviceTest.h"
#include "core/image/UpdateJob.h"
#include "core/lang/UpdateDialogTexts.h"

namespace cfg::cli {

int update_option(const Invocation& invocation) {
    const std::string option = invocation.value("--option").value_or("0");
    if (option == "0")
        return image::Update_Firmware_And_Configuration;
    if (option == "1")
        return image::Update_Firmware;
    if (option == "2")
        return image::Update_Configuration;
    throw Usage_Error("The option --option takes 0, 1 or 2, not \"" + option + "\"");
}

std::string device_address(const Context& context, std::string_view address_option) {
    const std::optional<std::string> typed = context.invocation.value(address_option);
    if (!typed)
        throw Usage_Error("The device address is missing: give " + std::string(address_option) + " ADDRESS");
    const IpAddressCheck address = Check_IP_Address(*typed);
    if (!address.valid)
        throw Usage_Error(context.app.Lang_Strings[update_text::Check_Address] + " (" + *typed + ")");
    return image::Device_Address(address.parts);
}

} // namespace cfg::cli
