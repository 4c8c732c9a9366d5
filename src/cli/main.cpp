#include "cli/Cli.h"
#include "cli/ProgramFolder.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int code =
        cfg::cli::run(args, cfg::cli::executable_folder(argc > 0 ? argv[0] : ""), std::cout, std::cerr);
    std::cout.flush();
    return code;
}
