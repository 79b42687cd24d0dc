// The addresses of the files the program fetches (the reference rates, the links file), read one
// way for every caller: blanks around the text go once; an address that begins with "http://"
// or "https://" (any case) is a web address, anything else is a local file's path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a request needs of a web address.
struct WebAddress {
    bool secure = false;  // https
    std::string host;     // a name or an IPv4 address; an IPv6 address without its brackets
    int port = 80;
    std::string target;  // path and query, "/" at least, percent-encoded, never a fragment
    bool operator==(const WebAddress&) const = default;
};

struct Address {
    std::string text;  // trimmed; a web address without its fragment
    bool web = false;
    // A web address that can be requested; nothing when it is malformed (no host, a bad port,
    // user credentials, control characters).
    std::optional<WebAddress> parts;
};

Address ReadAddress(std::string_view text);

// Where a redirection's Location leads from `from`: an absolute, scheme-relative or relative
// address. Nothing when it leads nowhere we fetch, or from https down to http.
std::optional<WebAddress> FollowRedirect(const WebAddress& from, std::string_view location);

// The value of the Host header: the host, with the port when it is not the scheme's own.
std::string HostHeader(const WebAddress& address);

// A web or mail address as the shell may get it: blanks, quotes and the other characters that
// could end or split a command line are percent-encoded; nothing when it holds control
// characters.
std::optional<std::string> ShellSafeAddress(std::string_view address);
