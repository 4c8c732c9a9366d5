#pragma once

namespace bench {

// Arguments SCREEN RUNS DIR: opens the table screen SCREEN (listener, ethercat or mqtt) of the
// program on the active configuration of the data folder DIR, and a floor of the same size (plain
// table views over freshly filled item models with the screen's texts), each until its first paint
// and closed again, alternately RUNS times after one opening of each. Writes one line
// "PROGRAM_MS FLOOR_MS" a run.
int run_screen_reopens(int argc, char* argv[]);

} // namespace bench
