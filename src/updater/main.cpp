// The check program, our stand-in for the device maker's updater: started in the folder of the job
// file the program wrote (or given that folder), it checks what the maker's updater would write, so
// the whole update can be tried without a device.
#include "core/common/ModelIdentity.h"
#include "core/common/PathText.h"
#include "core/image/UpdaterProgram.h"
#include "platform/ConsoleProgram.h"
#include "updater/StandIn.h"

#include <iostream>
#include <string>
#include <system_error>

namespace {

constexpr int Exit_Usage = 2;

void print_help(std::ostream& out) {
    const std::string name(cfg::image::Check_Program_Name);
    out << "Usage: " << name << " [FOLDER]\n"
        << "       " << name << " --help | --version\n\n"
        << "Checks the updater job Ethernet_Update.xml in FOLDER (default: the current folder) and the\n"
           "firmware image and bank files it names, as the maker's updater would write them into the\n"
           "device. Nothing is sent to any device. What is shown also goes to "
        << cfg::image::Check_Log_File_Name << "\nbeside the job.\n\n"
        << "Exit status: " << cfg::image::Check_Passed_Exit_Code << " every file could go into the device, "
        << cfg::image::Check_Faults_Exit_Code << " faults were found,\n"
        << Exit_Usage
        << " a usage error. It never ends with 0 after a check, so that it is not taken for the\n"
        << "maker's updater, whose 0 means the device was written.\n";
}

} // namespace

int main(int argc, char* argv[]) {
    const platform::Console_Program program(argc, argv);
    const std::vector<std::string>& args = program.arguments();
    if (args.size() == 1 && args[0] == "--help") {
        print_help(std::cout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << cfg::image::Check_Program_Name << " (" << cfg::SW_Code << ' ' << cfg::Program_Version
                  << ")\n"
                  << cfg::Licence_Notice;
        return 0;
    }
    if (args.size() > 1 || (args.size() == 1 && args[0].starts_with("-"))) {
        std::cerr << "Unknown arguments. Try " << cfg::image::Check_Program_Name << " --help\n";
        return Exit_Usage;
    }
    std::error_code error;
    const std::filesystem::path folder =
        args.empty() ? std::filesystem::current_path(error) : cfg::path_from_utf8(args[0]);
    const int code = updater::Run_Stand_In(folder, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
