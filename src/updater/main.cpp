// The stand-in for the device maker's updater: started beside the program with the job file beside
// it, it checks what the real one would write, so the whole update can be tried without a device.
#include "cli/ProgramFolder.h"
#include "updater/StandIn.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return updater::Run_Stand_In(cfg::cli::executable_folder(argc > 0 ? argv[0] : ""), std::cout, std::cerr);
}
