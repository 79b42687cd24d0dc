#include "win/Download.h"

#include "util/HttpResponse.h"
#include "util/ProxyRoute.h"
#include "util/WebAddress.h"
#include "win/NetStream.h"
#include "win/Text.h"

namespace win {

namespace {

constexpr int kMaxRedirections = 5;

DownloadError FromNet(NetError error) {
    switch (error) {
        case NetError::None:
            return DownloadError::None;
        case NetError::Timeout:
            return DownloadError::Timeout;
        case NetError::Cancelled:
            return DownloadError::Cancelled;
        case NetError::Certificate:
            return DownloadError::Certificate;
        case NetError::Connection:
            break;
    }
    return DownloadError::Connection;
}

DownloadError FromHttp(HttpFault fault) {
    switch (fault) {
        case HttpFault::Malformed:
            return DownloadError::Malformed;
        case HttpFault::HeadersTooLarge:
        case HttpFault::BodyTooLarge:
            return DownloadError::TooLarge;
        case HttpFault::Cut:
        case HttpFault::None:
            break;
    }
    return DownloadError::Incomplete;
}

bool IsRedirection(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

constexpr wchar_t kInternetSettings[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
// A proxy's answer to a tunnel request is a few lines; more is not a proxy.
constexpr std::size_t kMaxTunnelAnswer = 64 << 10;

std::string ReadSetting(const wchar_t* name) {
    DWORD size = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, kInternetSettings, name, RRF_RT_REG_SZ, nullptr, nullptr,
                       &size) != ERROR_SUCCESS ||
        size == 0 || size > kMaxTunnelAnswer) {
        return {};
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, kInternetSettings, name, RRF_RT_REG_SZ, nullptr,
                       text.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    text.resize(::wcsnlen(text.c_str(), text.size()));
    return Narrow(text);
}

// The proxy the user chose for the address in the system's settings, read at every fetch (the
// settings may change while the program runs); nothing when it goes direct. A proxy script or
// automatic detection is not followed.
std::optional<ProxyServer> UserProxy(const WebAddress& address) {
    DWORD enabled = 0;
    DWORD size = sizeof enabled;
    if (::RegGetValueW(HKEY_CURRENT_USER, kInternetSettings, L"ProxyEnable", RRF_RT_REG_DWORD,
                       nullptr, &enabled, &size) != ERROR_SUCCESS ||
        enabled == 0) {
        return std::nullopt;
    }
    return ProxyFor(ReadSetting(L"ProxyServer"), ReadSetting(L"ProxyOverride"), address);
}

// Asks the proxy on the stream for a tunnel to the address and reads its answer.
NetError OpenTunnel(NetStream& stream, const WebAddress& address, int& status) {
    NetError e = stream.Send(TunnelRequest(address));
    std::string answer;
    std::optional<int> got;
    while (e == NetError::None && !(got = TunnelStatus(answer))) {
        std::string bytes;
        bool ended = false;
        e = stream.Receive(bytes, ended);
        answer += bytes;
        if (e == NetError::None && (ended || answer.size() > kMaxTunnelAnswer)) {
            e = NetError::Connection;
        }
    }
    if (got) status = *got;
    return e;
}

// The request; through a proxy without a tunnel, its target is the whole address.
std::string Request(const WebAddress& address, bool toProxy) {
    const std::string target =
        toProxy ? "http://" + HostHeader(address) + address.target : address.target;
    return "GET " + target + " HTTP/1.1\r\nHost: " + HostHeader(address) +
           "\r\nUser-Agent: Valomat/2.81\r\nAccept: */*\r\nAccept-Encoding: identity\r\n"
           "Cache-Control: no-cache\r\nPragma: no-cache\r\nConnection: close\r\n\r\n";
}

// One request and its whole answer.
DownloadError Exchange(const WebAddress& address, const NetLimits& limits,
                       HttpResponseReader& reader) {
    NetStream stream(limits);
    const std::optional<ProxyServer> proxy = UserProxy(address);
    NetError e = proxy ? stream.Connect(proxy->host, proxy->port)
                       : stream.Connect(address.host, address.port);
    if (e == NetError::None && proxy && address.secure) {
        int status = 0;
        e = OpenTunnel(stream, address, status);
        // The proxy refused the tunnel (or asks for credentials, which we do not send).
        if (e == NetError::None && (status < 200 || status > 299)) return DownloadError::Status;
    }
    if (e == NetError::None && address.secure) e = stream.StartTls(address.host);
    if (e == NetError::None) e = stream.Send(Request(address, proxy && !address.secure));
    std::string bytes;
    while (e == NetError::None && !reader.Finished()) {
        bytes.clear();
        bool ended = false;
        e = stream.Receive(bytes, ended);
        if (e != NetError::None) break;
        reader.Feed(bytes);
        if (ended) reader.End();
    }
    if (e != NetError::None) return FromNet(e);
    return reader.Complete() ? DownloadError::None : FromHttp(reader.Fault());
}

}  // namespace

DownloadResult Download(const DownloadParams& params) {
    DownloadResult result;
    const Address address = ReadAddress(params.url);
    if (!address.web || !address.parts) {
        result.error = DownloadError::BadAddress;
        return result;
    }
    const NetLimits limits{.deadline = NetClock::now() + params.bound, .cancel = params.cancel};
    WebAddress at = *address.parts;
    for (int hop = 0; hop <= kMaxRedirections; ++hop) {
        HttpResponseReader reader(
            {.maxHeaderBytes = kDownloadMaxHeaderBytes, .maxBodyBytes = params.maxBytes});
        result.error = Exchange(at, limits, reader);
        result.status = reader.Status();
        if (result.error != DownloadError::None) return result;
        if (IsRedirection(result.status) && !reader.Location().empty()) {
            const std::optional<WebAddress> next = FollowRedirect(at, reader.Location());
            if (!next) break;
            at = *next;
            continue;
        }
        if (result.status < 200 || result.status > 299) break;
        result.body = reader.TakeBody();
        return result;
    }
    result.error = DownloadError::Status;
    return result;
}

}  // namespace win
