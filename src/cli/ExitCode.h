#pragma once

namespace cfg::cli {

// What scripts learn from the tool's exit status.
enum Exit_Code : int {
    Exit_Done = 0,
    Exit_Check_Failed = 1, // a check refused the configuration or the name
    Exit_Usage = 2,        // the command line is wrong; the usage follows the message
    Exit_File = 3,         // a file or folder could not be read or written
    Exit_No_Device = 4,    // the device did not answer, or could not be asked
    Exit_Not_Updated = 5,  // the updater is missing, would not start, failed or still runs
    Exit_Only_Checked = 6, // update --check-only: the files were checked, nothing was sent
    Exit_Stand_In = 7,     // the updater found is the check program: nothing was sent
};

} // namespace cfg::cli
