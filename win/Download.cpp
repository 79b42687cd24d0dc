#include "win/Download.h"

#include <winhttp.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "win/Handle.h"
#include "win/Text.h"

namespace win {

namespace {

struct InternetTraits {
    using Type = HINTERNET;
    static void Free(HINTERNET h) noexcept { ::WinHttpCloseHandle(h); }
};
using InternetHandle = Handle<InternetTraits>;

using Clock = std::chrono::steady_clock;

class Deadline {
  public:
    explicit Deadline(std::chrono::milliseconds bound) : end_(Clock::now() + bound) {}
    // Milliseconds left, 0 once the bound has passed.
    int Left() const {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end_ - Clock::now()).count();
        return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 0x7FFFFFFF));
    }

  private:
    Clock::time_point end_;
};

// Each blocking call gets only the time that is left, so the phases together keep the bound.
bool BoundNextCall(HINTERNET request, const Deadline& deadline) {
    const int left = deadline.Left();
    if (left == 0) return false;
    if (!::WinHttpSetTimeouts(request, left, left, left, left)) return false;
    // Older versions keep their own (long) wait for the status line unless told.
    DWORD wait = static_cast<DWORD>(left);
    ::WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &wait, sizeof wait);
    return true;
}

DownloadError Failure(const Deadline& deadline) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_WINHTTP_TIMEOUT || deadline.Left() == 0) return DownloadError::Timeout;
    return DownloadError::Connection;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool AcceptableAddress(std::string_view url) {
    if (!StartsWithNoCase(url, "http://") && !StartsWithNoCase(url, "https://")) return false;
    // Control characters would end up in the request line.
    return std::none_of(url.begin(), url.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

HINTERNET OpenSession() {
    const wchar_t* agent = L"Valomat/2.81";
    // The user's proxy settings as the system keeps them (Windows 8.1 and later); the machine's
    // WinHTTP settings where that kind is unknown.
    HINTERNET session = ::WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                      WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (!session) {
        session = ::WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                WINHTTP_NO_PROXY_BYPASS, 0);
    }
    return session;
}

}  // namespace

WaitCursor::WaitCursor()
    : previous_(::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)))) {}

WaitCursor::~WaitCursor() {
    ::SetCursor(previous_ ? previous_
                          : ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

DownloadResult Download(const DownloadParams& params) {
    DownloadResult result;
    if (!AcceptableAddress(params.url)) {
        result.error = DownloadError::BadAddress;
        return result;
    }
    std::optional<WaitCursor> hourglass;
    if (params.hourglass) hourglass.emplace();
    const Deadline deadline(params.bound);

    const std::wstring url = Widen(params.url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!::WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) ||
        parts.dwHostNameLength == 0) {
        result.error = DownloadError::BadAddress;
        return result;
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath ? parts.lpszUrlPath : L"", parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";

    InternetHandle session(OpenSession());
    if (!session) return result;
    InternetHandle connection(::WinHttpConnect(session.Get(), host.c_str(), parts.nPort, 0));
    if (!connection) return result;
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    InternetHandle request(::WinHttpOpenRequest(connection.Get(), L"GET", path.c_str(), nullptr,
                                                WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                secure | WINHTTP_FLAG_REFRESH));
    if (!request) return result;

    const wchar_t* headers = L"Cache-Control: no-cache\r\nPragma: no-cache\r\n";
    if (!BoundNextCall(request.Get(), deadline) ||
        !::WinHttpSendRequest(request.Get(), headers, static_cast<DWORD>(-1L),
                              WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !BoundNextCall(request.Get(), deadline) ||
        !::WinHttpReceiveResponse(request.Get(), nullptr)) {
        result.error = Failure(deadline);
        return result;
    }

    DWORD status = 0;
    DWORD size = sizeof status;
    if (!::WinHttpQueryHeaders(request.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                               WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                               WINHTTP_NO_HEADER_INDEX)) {
        result.error = DownloadError::Connection;
        return result;
    }
    result.status = static_cast<int>(status);
    if (status < 200 || status > 299) {
        result.error = DownloadError::Status;
        return result;
    }
    // The announced length, when there is one, tells a complete answer from a cut one.
    DWORD announced = 0;
    size = sizeof announced;
    const bool hasLength = ::WinHttpQueryHeaders(
        request.Get(), WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
        WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size, WINHTTP_NO_HEADER_INDEX);
    if (hasLength && announced > params.maxBytes) {
        result.error = DownloadError::TooLarge;
        return result;
    }

    std::string body;
    char buffer[8192];
    for (;;) {
        DWORD got = 0;
        if (!BoundNextCall(request.Get(), deadline) ||
            !::WinHttpReadData(request.Get(), buffer, sizeof buffer, &got)) {
            result.error = Failure(deadline);
            return result;
        }
        if (got == 0) break;
        if (body.size() + got > params.maxBytes) {
            result.error = DownloadError::TooLarge;
            return result;
        }
        body.append(buffer, got);
    }
    if (hasLength && body.size() != announced) {
        result.error = DownloadError::Incomplete;
        return result;
    }
    result.error = DownloadError::None;
    result.body = std::move(body);
    return result;
}

}  // namespace win
