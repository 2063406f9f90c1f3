// The program's entry: command line, windows in their order, the script after start-up.
#pragma once

namespace quadrilo::app {

// The program's entry: the command line `quadrilo [--home DIR] [--script FILE] [--exit]
// [--autosave-seconds N] [DOCUMENT]`, the windows in their order of creation, the script run after
// start-up.

// Runs the program; returns the exit status.
int RunProgram(int argc, char** argv);

} // namespace quadrilo::app
