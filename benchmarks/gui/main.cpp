// The GUI half of scripts/bench: starts of the program and of its floor that end after the first
// paint, openings of the table screens beside plain table views, paintings of the byte map and the
// live preview on a pseudo-terminal. configurator-bench-table runs it.
#include "ByteMapPaints.h"
#include "LivePreview.h"
#include "ScreenReopens.h"
#include "StartRun.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // The first argument chooses; the rest is the run's own command line, its program name first.
    if (argc >= 2 && std::strcmp(argv[1], "program") == 0)
        return bench::run_program_start(argc - 1, argv + 1);
    if (argc >= 2 && std::strcmp(argv[1], "bare") == 0)
        return bench::run_bare_window_start(argc - 1, argv + 1, false);
    if (argc >= 2 && std::strcmp(argv[1], "captioned") == 0)
        return bench::run_bare_window_start(argc - 1, argv + 1, true);
    if (argc >= 2 && std::strcmp(argv[1], "reopen") == 0)
        return bench::run_screen_reopens(argc - 1, argv + 1);
    if (argc >= 2 && std::strcmp(argv[1], "bytemap") == 0)
        return bench::run_byte_map_paints(argc - 1, argv + 1);
    if (argc >= 2 && std::strcmp(argv[1], "live") == 0)
        return bench::run_live_preview(argc - 1, argv + 1);
    std::fputs(
        "usage: configurator-bench-gui program [--home DIR] | bare WIDTH HEIGHT | captioned WIDTH HEIGHT |\n"
        "       reopen SCREEN RUNS DIR | bytemap RUNS DIR | live SECONDS DIR\n",
        stderr);
    return 2;
}
