// Starting and ending the program.
#pragma once

#include <string>
#include <vector>

// The command-line arguments after the program name.
std::vector<std::wstring> CommandLineArguments();
// True for a clean-up run: the first argument is exactly "R".
bool IsCleanupRun(const std::vector<std::wstring>& args);

int RunProgram();
