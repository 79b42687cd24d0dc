#include "win/Download.h"

#include "util/HttpResponse.h"
#include "util/WebAddress.h"
#include "win/NetStream.h"

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

std::string Request(const WebAddress& address) {
    return "GET " + address.target + " HTTP/1.1\r\nHost: " + HostHeader(address) +
           "\r\nUser-Agent: Valomat/2.81\r\nAccept: */*\r\nAccept-Encoding: identity\r\n"
           "Cache-Control: no-cache\r\nPragma: no-cache\r\nConnection: close\r\n\r\n";
}

// One request and its whole answer.
DownloadError Exchange(const WebAddress& address, const NetLimits& limits,
                       HttpResponseReader& reader) {
    NetStream stream(limits);
    NetError e = stream.Connect(address.host, address.port);
    if (e == NetError::None && address.secure) e = stream.StartTls(address.host);
    if (e == NetError::None) e = stream.Send(Request(address));
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
