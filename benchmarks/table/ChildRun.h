#pragma once

#include <string>
#include <vector>

namespace bench {

// What one run of a program cost, as its parent sees it.
struct Child_Cost {
    double wall_ms = 0; // from starting it to its end
    double cpu_ms = 0;  // user and system time
    double peak_mb = 0; // largest resident set, in MiB
    std::string output; // what it wrote to standard output
};

// Where a child reads and writes: standard input from a file instead of ours, standard output
// dropped instead of kept (for output far larger than the figures need).
struct Child_Streams {
    std::string input_file;
    bool drop_output = false;
};

// Runs the program (arguments[0], a path) with the arguments, and the environment with the
// settings NAME=VALUE added, and waits for it. std::runtime_error when it cannot start or does not
// end with status 0; what it wrote to standard error goes to ours.
Child_Cost run_child(const std::vector<std::string>& arguments, const std::vector<std::string>& settings = {},
                     const Child_Streams& streams = {});

} // namespace bench
