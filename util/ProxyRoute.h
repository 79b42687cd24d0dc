// Whether a request goes through the user's proxy, read from the settings Windows keeps for it
// (Internet Options and the Settings app both write them): a server "host:port" for every
// scheme, or per scheme "http=host:port;https=host:port"; and the addresses that go direct,
// separated by ";", with "*" as a wildcard and "<local>" for names without a dot.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "util/WebAddress.h"

struct ProxyServer {
    std::string host;
    int port = 80;
    bool operator==(const ProxyServer&) const = default;
};

// The proxy for the address; nothing when it goes direct (no proxy for its scheme, a bypass
// entry matches, or the setting cannot be read).
std::optional<ProxyServer> ProxyFor(std::string_view servers, std::string_view bypass,
                                    const WebAddress& address);

// The request line and headers that ask a proxy for a tunnel to the address.
std::string TunnelRequest(const WebAddress& address);
// The status of a proxy's answer to it once its headers are complete (up to the empty line);
// nothing while they are not, or when they are no HTTP answer.
std::optional<int> TunnelStatus(std::string_view answer);
