// The clipboard as text. Every failure (clipboard held by another program, no text, out of
// memory) gives nothing or false; nothing here throws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace win::clipboard {

// Texts above this many UTF-16 characters are not read: a clipboard can hold gigabytes, and
// no text of ours is anywhere near this.
inline constexpr std::size_t kMaxTextChars = 16u * 1024u * 1024u;

// The clipboard's text (CF_UNICODETEXT) as UTF-8, up to its first NUL; nothing when there is
// none, it cannot be read or it is longer than kMaxTextChars.
std::optional<std::string> ReadText();
// Replaces the whole clipboard content with the text (an empty text too).
bool WriteText(std::string_view utf8);
bool HasText();
// Whether the clipboard holds data of a registered format, by its name.
bool IsFormatAvailable(std::string_view formatName);
// Changes whenever the clipboard's content changes.
std::uint32_t SequenceNumber();

}  // namespace win::clipboard
