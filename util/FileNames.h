// File names made from text that comes from outside (currency codes, web addresses), so that
// they always name a file inside the intended folder.
#pragma once

#include <string>
#include <string_view>

// Characters that cannot stand in a Windows file name (\ / : * ? " < > | and control
// characters), and # and % that would break a relative link.
bool IsBadFileNameChar(unsigned char c);
// Names that Windows takes as devices whatever the extension (CON, NUL, COM1, LPT²...).
bool IsDeviceName(std::string_view stem);

// The name with every bad character replaced by "_" and a device name given a leading "_"; a
// name that is empty or only dots and blanks becomes the fallback.
std::string SafeFileName(std::string_view name, std::string_view fallback);
