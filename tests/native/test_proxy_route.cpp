// The user's proxy settings read for one request, and the proxy's answer to a tunnel request.
#include <gtest/gtest.h>

#include "util/ProxyRoute.h"

namespace {

const WebAddress kHttp{.secure = false, .host = "www.ecb.europa.eu", .port = 80, .target = "/"};
const WebAddress kHttps{.secure = true, .host = "www.ecb.europa.eu", .port = 443, .target = "/"};
const WebAddress kIntranet{.secure = false, .host = "rates", .port = 8080, .target = "/"};

TEST(ProxyRoute, ServerPerSchemeAndBypassList) {
    struct Case {
        const char* servers;
        const char* bypass;
        WebAddress address;
        std::optional<ProxyServer> expected;
        const char* what;
    };
    const ProxyServer proxy{"proxy.example", 3128};
    const Case cases[] = {
        {"proxy.example:3128", "", kHttps, proxy, "one server for every scheme"},
        {"proxy.example", "", kHttp, ProxyServer{"proxy.example", 80}, "port 80 when none"},
        {"http://proxy.example:3128/", "", kHttp, proxy, "written as an address"},
        {"[fd00::1]:8080", "", kHttp, ProxyServer{"fd00::1", 8080}, "an IPv6 server"},
        {"http=proxy.example:3128;ftp=other:21", "", kHttp, proxy, "the http entry"},
        {"http=proxy.example:3128", "", kHttps, std::nullopt, "no entry for https: direct"},
        {"HTTPS = proxy.example:3128; other:1", "", kHttps, proxy, "the scheme's own first"},
        {"proxy.example:3128", "*.europa.eu", kHttps, std::nullopt, "a wildcard bypass"},
        {"proxy.example:3128", "WWW.ECB.EUROPA.EU:443", kHttps, std::nullopt, "host and port"},
        {"proxy.example:3128", "*.ecb.int; <local>", kIntranet, std::nullopt, "<local>"},
        {"proxy.example:3128", "<local>", kHttp, proxy, "a name with a dot is not local"},
        {"proxy.example:99999", "", kHttp, std::nullopt, "a port out of range"},
        {"proxy.example:80x", "", kHttp, std::nullopt, "a port that is no number"},
        {":3128", "", kHttp, std::nullopt, "no host"},
        {"", "", kHttp, std::nullopt, "nothing set"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProxyFor(c.servers, c.bypass, c.address), c.expected) << c.what;
    }
}

TEST(ProxyRoute, TunnelRequestAndAnswer) {
    EXPECT_EQ(TunnelRequest(kHttps),
              "CONNECT www.ecb.europa.eu:443 HTTP/1.1\r\nHost: www.ecb.europa.eu:443\r\n\r\n");
    EXPECT_EQ(TunnelStatus("HTTP/1.1 200 Connection established\r\n\r\n"), 200);
    EXPECT_EQ(TunnelStatus("HTTP/1.0 407 Proxy Authentication Required\r\nX: y\r\n\r\n"), 407);
    EXPECT_EQ(TunnelStatus("HTTP/1.1 200 Connection established\r\n"), std::nullopt)
        << "headers not complete yet";
    EXPECT_EQ(TunnelStatus("SSH-2.0-x\r\n\r\n"), std::nullopt);
}

}  // namespace
