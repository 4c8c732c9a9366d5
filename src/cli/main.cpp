#include "cli/Cli.h"
#include "platform/ConsoleProgram.h"

#include <iostream>

int main(int argc, char* argv[]) {
    const platform::Console_Program program(argc, argv);
    const int code = cfg::cli::run(program.arguments(), program.folder(), std::cout, std::cerr);
    std::cout.flush();
    return code;
}
