#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/UsageError.h"
#include "core/common/IpAddress.h"
#include "core/image/UpdateJob.h"

namespace cfg::cli {
namespace {

// The update dialog's message for an address it cannot use.
constexpr int Text_Check_Ip_Address = 837;

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

// The dialog writes the job only for a device that answered at the address, so an address no
// device could answer at is refused here. Its four parts go in as typed, leading zeros included.
std::string device_address(const Context& context) {
    const std::optional<std::string> typed = context.invocation.value("--ip");
    if (!typed)
        throw Usage_Error("The command job needs --ip ADDRESS");
    const IpAddressCheck address = Check_IP_Address(*typed);
    if (!address.valid)
        throw Usage_Error(context.app.Lang_Strings[Text_Check_Ip_Address] + " (" + *typed + ")");
    return address.parts[0] + "." + address.parts[1] + "." + address.parts[2] + "." + address.parts[3];
}

} // namespace

// Writes the job the update dialog would hand to the updater; the updater is not started and the
// device is not asked. The settings file keeps its last address.
int run_job(Context& context) {
    const int option = update_option(context.invocation);
    const std::string address = device_address(context);
    open_configuration(context.app, context.invocation.operands[0]);
    const Application& app = context.app;
    image::Compile_XML_Parameter_New_Boot({app.Path_Exe, app.Path_Master, app.Path_Project}, address, option,
                                          context.invocation.has("--read-back"));
    return Exit_Done;
}

} // namespace cfg::cli
