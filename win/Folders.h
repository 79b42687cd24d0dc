// The folders the program keeps files in, and whole-file reads and writes that replace a file
// only when the new content is complete.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace win {

// The folder of the running executable, with its trailing "\" (UTF-8).
std::string ProgramFolder();
// The user's local application-data folder followed by name and "\", created when missing;
// empty when it cannot be had.
std::string LocalAppDataFolder(std::string_view name);
// Whether a new file can be made in the folder (an installation under Program Files cannot).
bool CanWriteIn(std::string_view folder);

bool FileExists(std::string_view path);
// The file's bytes, or nothing when it cannot be read or holds more than maxBytes.
std::optional<std::string> ReadWholeFile(std::string_view path, std::size_t maxBytes);
// Writes the bytes to a temporary file beside the target and then puts it in the target's
// place, so the target is either the old file or the complete new one (ReplacingFile).
bool ReplaceWholeFile(std::string_view path, std::string_view bytes);

}  // namespace win
