#pragma once

// The system's start of a program and its wait, for a front end without an event loop.
#ifdef _WIN32
#include "platform/WindowsProgramRunner.h"
namespace platform {
using ProgramRunner = WindowsProgramRunner;
}
#else
#include "platform/PosixProgramRunner.h"
namespace platform {
using ProgramRunner = PosixProgramRunner;
}
#endif
