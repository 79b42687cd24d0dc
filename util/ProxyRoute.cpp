#include "util/ProxyRoute.h"

#include <cctype>
#include <vector>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const std::size_t at = text.find(separator);
        const std::string_view part = Trim(text.substr(0, at));
        if (!part.empty()) parts.push_back(part);
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + 1);
    }
    return parts;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// "*" matches any run of characters; the rest matches ignoring case.
bool Matches(std::string_view pattern, std::string_view text) {
    std::size_t p = 0, t = 0, star = std::string_view::npos, resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[p])) ==
                                             std::tolower(static_cast<unsigned char>(text[t]))) {
            ++p;
            ++t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// "host:port", "[v6]:port" or "http://host:port"; the port 80 when none is given.
std::optional<ProxyServer> ReadServer(std::string_view text) {
    if (const std::size_t scheme = text.find("://"); scheme != std::string_view::npos) {
        text.remove_prefix(scheme + 3);
    }
    if (!text.empty() && text.back() == '/') text.remove_suffix(1);
    ProxyServer server;
    std::string_view port;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        server.host = std::string(text.substr(1, close - 1));
        text.remove_prefix(close + 1);
        if (!text.empty() && text.front() != ':') return std::nullopt;
        if (!text.empty()) port = text.substr(1);
    } else {
        const std::size_t colon = text.rfind(':');
        server.host = std::string(text.substr(0, colon));
        if (colon != std::string_view::npos) port = text.substr(colon + 1);
    }
    if (server.host.empty()) return std::nullopt;
    for (char c : server.host) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '/' || c == '@') return std::nullopt;
    }
    if (!port.empty()) {
        int value = 0;
        for (char c : port) {
            if (c < '0' || c > '9' || value > 6553) return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < 1 || value > 65535) return std::nullopt;
        server.port = value;
    }
    return server;
}

bool Bypassed(std::string_view bypass, const WebAddress& address) {
    for (std::string_view entry : Split(bypass, ';')) {
        if (entry == "<local>") {
            if (address.host.find('.') == std::string::npos &&
                address.host.find(':') == std::string::npos) {
                return true;
            }
        } else {
            // Appending rather than chaining operator+ (GCC 12 warns falsely on the chain).
            std::string withPort = address.host;
            withPort += ':';
            withPort += std::to_string(address.port);
            if (Matches(entry, address.host) || Matches(entry, withPort)) return true;
        }
    }
    return false;
}

}  // namespace

std::optional<ProxyServer> ProxyFor(std::string_view servers, std::string_view bypass,
                                    const WebAddress& address) {
    if (Bypassed(bypass, address)) return std::nullopt;
    const std::string_view scheme = address.secure ? "https" : "http";
    std::optional<std::string_view> general, own;
    for (std::string_view entry : Split(servers, ';')) {
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) {
            if (!general) general = entry;
        } else if (SameIgnoringCase(Trim(entry.substr(0, equals)), scheme)) {
            own = Trim(entry.substr(equals + 1));
        }
    }
    if (own) return ReadServer(*own);
    if (general) return ReadServer(*general);
    return std::nullopt;
}

std::string TunnelRequest(const WebAddress& address) {
    const bool ipv6 = address.host.find(':') != std::string::npos;
    std::string authority;
    if (ipv6) authority += '[';
    authority += address.host;
    if (ipv6) authority += ']';
    authority += ':';
    authority += std::to_string(address.port);
    std::string request = "CONNECT ";
    request += authority;
    request += " HTTP/1.1\r\nHost: ";
    request += authority;
    request += "\r\n\r\n";
    return request;
}

std::optional<int> TunnelStatus(std::string_view answer) {
    if (answer.find("\r\n\r\n") == std::string_view::npos) return std::nullopt;
    // "HTTP/1.x NNN ..."
    if (answer.size() < 12 || answer.substr(0, 7) != "HTTP/1." || answer[8] != ' ') {
        return std::nullopt;
    }
    int status = 0;
    for (std::size_t i = 9; i < 12; ++i) {
        if (answer[i] < '0' || answer[i] > '9') return std::nullopt;
        status = status * 10 + (answer[i] - '0');
    }
    return status;
}
