#pragma once

namespace bench {

// Arguments RUNS DIR: builds the byte map of the active configuration of the data folder DIR (the
// whole data array and the Slave To Master image) and paints all of it into an image, beside a
// floor that paints only the map's texts at their places, unclipped and unmeasured, on the cleared
// image, alternately RUNS times after one painting of each. Writes one line "PROGRAM_MS FLOOR_MS"
// a run.
int run_byte_map_paints(int argc, char* argv[]);

} // namespace bench
