#pragma once

namespace bench {

// The program's start as main() runs it (with the program's own command line after it), or a bare
// window of the size given as WIDTH HEIGHT, started the same way, with one line of text when
// captioned: the least that any window showing text costs (the fonts found and loaded). Each writes
// the painted window's size and ends the process as soon as its first paint is done.
int run_program_start(int argc, char* argv[]);
int run_bare_window_start(int argc, char* argv[], bool captioned);

} // namespace bench
