// What a link label asks the shell to open when it is followed, in the order the label tries:
//   1. a link with "@" anywhere: "mailto:" + link;
//   2. a link that starts with "http" (any case): the link as a web address;
//   3. a viewer program: the viewer, with the link and the extra parameters;
//   4. else the link itself, opened with its associated program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "util/ShellRequest.h"

// Nothing for a link that is blank after trimming, and for one the shell must not get: a web or
// mail address with control characters (its blanks and quotes are percent-encoded), a path with
// control characters or quotes. The link itself goes untrimmed; a path with blanks is quoted
// for a viewer.
std::optional<ShellRequest> LinkLabelRequest(std::string_view link, std::string_view viewer,
                                             std::string_view parameters);

// The folder part of a Windows path, with its trailing "\" (or the drive's ":"), and the part
// after it.
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
