// The rules of the news-link directory that need no window: reading a links file into groups of
// links, the server-error test, the status texts, which addresses may be opened, and the name
// of the local copy.
//
// A links file holds name=value lines (names without regard to case, the first line of a name
// counts, other lines are ignored):
//   item3=0001 Exchange rates            a group: pictures 00 and 01, any separator, caption
//   subitem3-0=0203 ECB |https://...     a link of group 3: caption part | address
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "util/zt_Misc.h"

namespace linkora {

inline constexpr int kMaxNumber = 99;            // groups 0..99, links 0..99 in each
inline constexpr std::size_t kMaxAddress = 128;  // characters of an address that count
inline constexpr int kPictureCount = 16;         // node pictures 0..15

struct Link {
    std::string caption;
    int picture = 0;
    int selectedPicture = 0;
    std::string address;
    bool operator==(const Link&) const = default;
};

struct Group {
    std::string caption;
    int picture = 0;
    int selectedPicture = 0;
    std::vector<Link> links;
    bool operator==(const Group&) const = default;
};

// The file's bytes as text in UTF-8: bytes that are no UTF-8 are taken as Windows-1252, the
// encoding such files were written in. CR LF, LF or CR end a line.
std::string LinksText(std::string_view bytes);

// The server sent an error page instead of the file: its first line holds "404".
bool LooksLikeServerError(std::string_view text);

// The groups in increasing number, each with its links in increasing number; links of a number
// without a group are not read. One pass over the text: time linear in it, and memory beyond
// the result bounded by the 100 groups of 100 links that can be named.
std::vector<Group> ReadLinks(std::string_view text);

// The two picture numbers and the caption of a value: characters 1-2 and 3-4 are the numbers
// (both 0 when either is not a decimal number), character 5 separates, the caption follows.
struct NodeText {
    int picture = 0;
    int selectedPicture = 0;
    std::string caption;
    bool operator==(const NodeText&) const = default;
};
NodeText ReadNodeText(std::string_view value);

// Blanks (and control characters) trimmed from both ends.
std::string_view Trim(std::string_view text);

// ---- Status line

enum class StatusPart { ConnectionError, ServerNotFound, UsingPrevious, Aborted };
// Dutch for lgNederlands, English for every other language.
std::string StatusText(TztLanguage language, StatusPart first, StatusPart second);
std::string ConnectingText(TztLanguage language, std::string_view url);
std::string RefusedText(TztLanguage language, std::string_view address);

// ---- Addresses

// An address from a links file is opened only when it is a web or mail address: the file came
// from the network, and the shell would run a program or open a share just as readily.
bool MayOpen(std::string_view address);

// The local copy's file name: the URL's last segment (after the last "/"; the first character is
// never looked at), made safe so that it stays in its folder.
std::string LocalCopyName(std::string_view url);
inline constexpr std::string_view kFallbackCopyName = "Linkora.inf";
inline constexpr std::size_t kLongestCopyName = 120;

}  // namespace linkora
