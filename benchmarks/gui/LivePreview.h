#pragma once

namespace bench {

// Arguments SECONDS DIR: opens the preview of the listener screen of the configuration
// bench::Log_Name in the data folder DIR on a pseudo-terminal, and writes real sentences to it at
// the pace of 115200 baud for SECONDS. Watches the preview's rows as they are painted, and writes
// one line "CPU_PERCENT LARGEST_DELAY_MS MEDIAN_DELAY_MS": the window's share of one core (the
// writer's own time left out), and the time from writing a GGA line to the first painting of its
// latitude or of a later one.
int run_live_preview(int argc, char* argv[]);

} // namespace bench
