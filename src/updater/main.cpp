// The stand-in for the device maker's updater: started in the folder of the job file the program
// wrote, it checks what the real one would write, so the whole update can be tried without a device.
#include "platform/ConsoleProgram.h"
#include "updater/StandIn.h"

#include <iostream>
#include <system_error>

int main(int argc, char* argv[]) {
    const platform::Console_Program program(argc, argv);
    std::error_code error;
    const std::filesystem::path working_folder = std::filesystem::current_path(error);
    const int code = updater::Run_Stand_In(updater::Find_Job_Folder(working_folder, program.folder()),
                                           std::cout, std::cerr);
    std::cout.flush();
    return code;
}
