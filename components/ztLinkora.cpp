#include "components/ztLinkora.h"

#include <array>
#include <optional>

#include "util/FileNames.h"
#include "util/Text.h"
#include "util/TextCodec.h"

namespace linkora {

namespace {

// Byte offset after `count` characters of UTF-8 text (or its end).
std::size_t SkipChars(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count) at += DecodeUtf8At(text, at).length;
    return at;
}

// The number the digits spell; ok becomes false when there are none or another character.
int PictureNumber(std::string_view digits, bool& ok) {
    if (digits.empty()) ok = false;
    int n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            ok = false;
            return 0;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

// The longest names the reader looks for: "subitem99-99".
constexpr std::size_t kLongestName = 12;

// "7" as 7: 0 to 99 in decimal as the number prints, without leading zeros.
std::optional<int> ReadNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 || (digits.size() == 2 && digits[0] == '0')) {
        return std::nullopt;
    }
    int n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// "item3" or "subitem3-0", in any case.
struct NumberedName {
    int group = 0;
    int link = -1;  // -1 for a group's own name
};
std::optional<NumberedName> ReadName(std::string_view name) {
    if (StartsWithNoCase(name, "item")) {
        const std::optional<int> n = ReadNumber(name.substr(4));
        if (!n) return std::nullopt;
        return NumberedName{*n, -1};
    }
    if (!StartsWithNoCase(name, "subitem")) return std::nullopt;
    name.remove_prefix(7);
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<int> n = ReadNumber(name.substr(0, dash));
    const std::optional<int> m = ReadNumber(name.substr(dash + 1));
    if (!n || !m) return std::nullopt;
    return NumberedName{*n, *m};
}

}  // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::string LinksText(std::string_view bytes) {
    return LenientUtf8(bytes);
}

bool LooksLikeServerError(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n")).find("404") != std::string_view::npos;
}

NodeText ReadNodeText(std::string_view value) {
    NodeText node;
    const std::size_t second = SkipChars(value, 2);
    const std::size_t third = SkipChars(value, 4);
    bool ok = true;
    const int picture = PictureNumber(value.substr(0, second), ok);
    const int selected = PictureNumber(value.substr(second, third - second), ok);
    if (ok) {
        node.picture = picture;
        node.selectedPicture = selected;
    }
    node.caption = std::string(value.substr(SkipChars(value, 5)));
    return node;
}

std::vector<Group> ReadLinks(std::string_view text) {
    // The value of every name we read, by number; the first line of a name counts.
    std::array<std::optional<std::string_view>, kMaxNumber + 1> items;
    std::vector<std::optional<std::string_view>> subitems((kMaxNumber + 1) * (kMaxNumber + 1));
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals > kLongestName) continue;
        const std::optional<NumberedName> name = ReadName(line.substr(0, equals));
        if (!name) continue;
        auto& slot =
            name->link < 0
                ? items[static_cast<std::size_t>(name->group)]
                : subitems[static_cast<std::size_t>(name->group * (kMaxNumber + 1) + name->link)];
        if (!slot) slot = line.substr(equals + 1);
    }
    std::vector<Group> groups;
    for (int n = 0; n <= kMaxNumber; ++n) {
        const auto& item = items[static_cast<std::size_t>(n)];
        if (!item) continue;
        const NodeText head = ReadNodeText(*item);
        Group group{head.caption, head.picture, head.selectedPicture, {}};
        for (int m = 0; m <= kMaxNumber; ++m) {
            const auto& sub = subitems[static_cast<std::size_t>(n * (kMaxNumber + 1) + m)];
            if (!sub) continue;
            const std::string_view value = *sub;
            const std::size_t bar = value.find('|');
            if (bar == std::string_view::npos) continue;
            const NodeText link = ReadNodeText(Trim(value.substr(0, bar)));
            std::string_view address = value.substr(bar + 1);
            address = Trim(address.substr(0, SkipChars(address, kMaxAddress)));
            group.links.push_back(
                {link.caption, link.picture, link.selectedPicture, std::string(address)});
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

std::string StatusText(TztLanguage language, StatusPart first, StatusPart second) {
    const bool dutch = language == lgNederlands;
    auto part = [dutch](StatusPart p) -> const char* {
        switch (p) {
            case StatusPart::ConnectionError:
                return dutch ? "Connectie fout, " : "Connection error, ";
            case StatusPart::ServerNotFound:
                return dutch ? "Web server niet gevonden, " : "Web server not found, ";
            case StatusPart::UsingPrevious:
                return dutch ? "vorige update zal gebruikt worden" : "using previous update";
            case StatusPart::Aborted:
                return dutch ? "aanvraag afgebroken" : "request aborted";
        }
        return "";
    };
    return std::string(part(first)) + part(second);
}

std::string ConnectingText(TztLanguage language, std::string_view url) {
    return (language == lgNederlands ? "Connectie maken met: " : "Connecting to: ") +
           std::string(url);
}

std::string RefusedText(TztLanguage language, std::string_view address) {
    return (language == lgNederlands ? "Niet geopend, geen web- of e-mailadres: "
                                     : "Not opened, not a web or e-mail address: ") +
           std::string(address);
}

bool MayOpen(std::string_view address) {
    return StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://") ||
           StartsWithNoCase(address, "mailto:");
}

std::string LocalCopyName(std::string_view url) {
    std::size_t i = url.size();
    while (i > 1 && url[i - 1] != '/') --i;
    std::string name = SafeFileName(url.substr(i), kFallbackCopyName);
    // A name longer than any links file needs would fail to open on some file systems.
    return name.size() > kLongestCopyName ? std::string(kFallbackCopyName) : name;
}

}  // namespace linkora
