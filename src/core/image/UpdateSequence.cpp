#include "core/image/UpdateSequence.h"

#include "core/common/IpAddress.h"
#include "core/image/SystemPing.h"
#include "core/image/UpdaterRun.h"

namespace cfg::image {
namespace {

Device_Test test_device(const Update_Services& services, Update_Host& host, const std::string& target,
                        int& ping_res) {
    const std::int64_t start = host.now_ms();
    const Device_Test test = Send_Ping(services.echo, host, target, ping_res);
    if (test != Device_Test::Not_Permitted)
        return test;
    return Ping_With_Program(services.ping, host, target, start, ping_res);
}

Update_Result device_test_failure(Device_Test test, int ping_res) {
    switch (test) {
    case Device_Test::Silent:
        return {Update_Outcome::Device_Silent, ping_res};
    case Device_Test::Not_Permitted:
        return {Update_Outcome::Icmp_Not_Permitted, ping_res};
    case Device_Test::Given_Up:
        return {Update_Outcome::Given_Up, ping_res};
    case Device_Test::Send_Failed:
    case Device_Test::Answered:
        break;
    }
    return {Update_Outcome::Address_Unusable, ping_res};
}

} // namespace

Update_Result Run_Update(const Update_Request& request, const Update_Job_Folders& folders,
                         const Update_Services& services, Update_Host& host) {
    if (services.updater.status().state == Program_State::Running)
        return {Update_Outcome::Updater_Busy};
    const IpAddressCheck address = Check_IP_Address(request.address);
    if (!address.valid)
        return {Update_Outcome::Address_Unusable};
    const std::vector<std::filesystem::path> missing = Missing_Job_Files(folders, request.option);
    if (!missing.empty())
        return {Update_Outcome::Files_Missing, Ping_None, 0, missing.front()};
    const Found_Program updater = request.check_only ? Find_Check_Program(folders.Path_Exe)
                                                     : Find_Maker_Updater(folders, services.windows_launcher);
    if (!updater.found) {
        const Update_Outcome missing =
            updater.windows_only ? Update_Outcome::Updater_Needs_Wine : Update_Outcome::Updater_Missing;
        return {missing, Ping_None, 0, updater.file, 0, request.check_only};
    }

    int ping_res = Ping_None;
    const Device_Test test = test_device(services, host, Dotted_Decimal(address), ping_res);
    if (test != Device_Test::Answered)
        return device_test_failure(test, ping_res);

    host.device_answered(request);
    Compile_XML_Parameter_New_Boot(folders, request.address, request.option, request.read_back);
    Update_Result result = Run_Updater(services.updater, host, updater, folders.Path_Data, request.check_only,
                                       services.updater_wait_limit_ms);
    result.ping_res = ping_res;
    return result;
}

} // namespace cfg::image
