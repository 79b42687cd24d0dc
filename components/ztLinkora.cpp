#include "components/ztLinkora.h"

#include <unordered_map>

#include "util/FileNames.h"
#include "util/TextCodec.h"

namespace linkora {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != prefix[i]) return false;
    }
    return true;
}

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

}  // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    const std::string text = LenientUtf8(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text, start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text, start);
    return lines;
}

bool LooksLikeServerError(const std::vector<std::string>& lines) {
    return !lines.empty() && lines.front().find("404") != std::string::npos;
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

std::vector<Group> ReadLinks(const std::vector<std::string>& lines) {
    // Only the names of the two forms are kept; the first line of a name counts.
    std::unordered_map<std::string, std::string_view> values;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals > kLongestName) continue;
        std::string name = line.substr(0, equals);
        for (char& c : name) c = Lower(c);
        if (!name.starts_with("item") && !name.starts_with("subitem")) continue;
        values.try_emplace(std::move(name), std::string_view(line).substr(equals + 1));
    }
    std::vector<Group> groups;
    for (int n = 0; n <= kMaxNumber; ++n) {
        const auto item = values.find("item" + std::to_string(n));
        if (item == values.end()) continue;
        const NodeText head = ReadNodeText(item->second);
        Group group{head.caption, head.picture, head.selectedPicture, {}};
        for (int m = 0; m <= kMaxNumber; ++m) {
            const auto sub = values.find("subitem" + std::to_string(n) + "-" + std::to_string(m));
            if (sub == values.end()) continue;
            const std::string_view value = sub->second;
            const std::size_t bar = value.find('|');
            if (bar == std::string_view::npos) continue;
            const NodeText text = ReadNodeText(Trim(value.substr(0, bar)));
            std::string_view address = value.substr(bar + 1);
            address = Trim(address.substr(0, SkipChars(address, kMaxAddress)));
            group.links.push_back(
                {text.caption, text.picture, text.selectedPicture, std::string(address)});
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

bool IsWebAddress(std::string_view url) {
    for (std::size_t i = 0; i + 4 <= url.size(); ++i) {
        if (StartsWithNoCase(url.substr(i), "http")) return true;
    }
    return false;
}

std::string LocalCopyName(std::string_view url) {
    std::size_t i = url.size();
    while (i > 1 && url[i - 1] != '/') --i;
    std::string name = SafeFileName(url.substr(i), kFallbackCopyName);
    // A name longer than any links file needs would fail to open on some file systems.
    return name.size() > kLongestCopyName ? std::string(kFallbackCopyName) : name;
}

}  // namespace linkora
