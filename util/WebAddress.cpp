#include "util/WebAddress.h"

#include "util/Text.h"

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool IsHostChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_';
}

bool IsIpv6Char(char c) {
    return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9') || c == ':' ||
           c == '.';
}

// Characters a request line cannot carry as they stand; they are sent percent-encoded.
bool NeedsEncoding(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || c == ' ' || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
           c == '`' || c == '{' || c == '|' || c == '}';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view WithoutFragment(std::string_view text) {
    return text.substr(0, text.find('#'));
}

// The text with every character that `encode` picks percent-encoded; nothing when it holds
// control characters.
template <typename Pick>
std::optional<std::string> PercentEncoded(std::string_view text, Pick encode) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        if (IsControl(c)) return std::nullopt;
        if (encode(c)) {
            const auto u = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

// "/path?query" made fit for a request line; nothing when it holds control characters.
std::optional<std::string> Target(std::string_view text) {
    std::optional<std::string> target = PercentEncoded(text, NeedsEncoding);
    if (target && (target->empty() || target->front() != '/')) target->insert(0, 1, '/');
    return target;
}

// "http://host:port/target" without the fragment.
std::optional<WebAddress> Parts(std::string_view text) {
    WebAddress address;
    if (StartsWithNoCase(text, "https://")) {
        address.secure = true;
        address.port = 443;
        text.remove_prefix(8);
    } else if (StartsWithNoCase(text, "http://")) {
        text.remove_prefix(7);
    } else {
        return std::nullopt;
    }
    const std::size_t end = text.find_first_of("/?");
    std::string_view authority = text.substr(0, end);
    const std::string_view rest = end == std::string_view::npos ? "" : text.substr(end);
    if (authority.find('@') != std::string_view::npos) return std::nullopt;  // credentials
    std::string_view port;
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        address.host = std::string(authority.substr(1, close - 1));
        for (const char c : address.host) {
            if (!IsIpv6Char(c)) return std::nullopt;
        }
        authority.remove_prefix(close + 1);
        if (!authority.empty()) {
            if (authority.front() != ':') return std::nullopt;
            port = authority.substr(1);
        }
    } else {
        const std::size_t colon = authority.find(':');
        address.host = std::string(authority.substr(0, colon));
        if (colon != std::string_view::npos) port = authority.substr(colon + 1);
        for (const char c : address.host) {
            if (!IsHostChar(c)) return std::nullopt;
        }
    }
    if (address.host.empty()) return std::nullopt;
    if (!port.empty()) {
        if (port.size() > 5) return std::nullopt;
        int number = 0;
        for (const char c : port) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (number < 1 || number > 65535) return std::nullopt;
        address.port = number;
    }
    std::optional<std::string> target = Target(rest);
    if (!target) return std::nullopt;
    address.target = std::move(*target);
    return address;
}

}  // namespace

Address ReadAddress(std::string_view text) {
    text = Trim(text);
    Address address;
    address.web = StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://");
    if (!address.web) {
        address.text = std::string(text);
        return address;
    }
    text = WithoutFragment(text);
    address.text = std::string(text);
    address.parts = Parts(text);
    return address;
}

std::optional<WebAddress> FollowRedirect(const WebAddress& from, std::string_view location) {
    location = WithoutFragment(Trim(location));
    std::optional<WebAddress> to;
    if (StartsWithNoCase(location, "http://") || StartsWithNoCase(location, "https://")) {
        to = Parts(location);
    } else if (location.starts_with("//")) {
        to = Parts(std::string(from.secure ? "https:" : "http:") + std::string(location));
    } else {
        WebAddress next = from;
        std::string path(location);
        if (!location.starts_with("/")) {
            // Relative to the folder of the current path (its query aside).
            const std::string_view current =
                std::string_view(from.target).substr(0, from.target.find('?'));
            path = std::string(current.substr(0, current.rfind('/') + 1)) + path;
        }
        const std::optional<std::string> target = Target(path);
        if (!target) return std::nullopt;
        next.target = *target;
        to = next;
    }
    if (to && from.secure && !to->secure) return std::nullopt;
    return to;
}

std::string HostHeader(const WebAddress& address) {
    // Appending rather than chaining operator+ (GCC 12 warns falsely on the chains at -O3).
    const bool ipv6 = address.host.find(':') != std::string::npos;
    std::string host = ipv6 ? "[" : "";
    host += address.host;
    if (ipv6) host += ']';
    if (address.port != (address.secure ? 443 : 80)) {
        host += ':';
        host += std::to_string(address.port);
    }
    return host;
}

std::optional<std::string> ShellSafeAddress(std::string_view address) {
    // Characters beyond ASCII stay: the shell takes them as they are.
    return PercentEncoded(address, [](char c) {
        return c == ' ' || c == '"' || c == '\'' || c == '<' || c == '>' || c == '^' || c == '`' ||
               c == '|' || c == '{' || c == '}' || c == '\\';
    });
}
