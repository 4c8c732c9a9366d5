// The stand-in for the device maker's updater: started in the folder of the job file the program
// wrote, it checks what the real one would write, so the whole update can be tried without a device.
#include "cli/ProgramFolder.h"
#include "updater/StandIn.h"

#include <iostream>
#include <system_error>

int main(int argc, char* argv[]) {
    std::error_code error;
    const std::filesystem::path working_folder = std::filesystem::current_path(error);
    const std::filesystem::path own_folder = cfg::cli::executable_folder(argc > 0 ? argv[0] : "");
    return updater::Run_Stand_In(updater::Find_Job_Folder(working_folder, own_folder), std::cout, std::cerr);
}
