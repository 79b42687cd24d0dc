// Text conversions that portable code needs; those at the Win32 edge are in win/Text.h.
#pragma once

#include <filesystem>
#include <string>

// Turns a UTF-8 path text into a filesystem path (wide on Windows).
std::filesystem::path PathFromUtf8(const std::string& text);
