#pragma once

namespace cfg::cli {

// What scripts learn from the tool's exit status.
enum Exit_Code : int {
    Exit_Done = 0,
    Exit_Check_Failed = 1, // a check refused the configuration or the name
    Exit_Usage = 2,        // the command line is wrong; the usage follows the message
    Exit_File = 3,         // a file or folder could not be read or written
};

} // namespace cfg::cli
