// The start-up timing log: with VALOMAT_STARTUP_LOG naming a file, each phase of the start adds
// one line to it, the phase and the milliseconds since the process began. Off by default: then
// a mark costs one test of a flag.
#pragma once

#include <string_view>

namespace win {

void StartupMark(std::string_view phase);
// The windows of this thread: "N top-level, M child windows", as the last line of the log.
void StartupCountWindows();

}  // namespace win
