// Fetching a small file over http or https into memory on the calling thread, with our own
// HTTP/1.1 client over Winsock and Schannel: every wait ends at the deadline or when the cancel
// event is set, the headers and the body are capped, and only a complete answer counts. The
// user-interface thread never calls it directly: BackgroundFetch runs it on a thread of its own.
//
//   const win::DownloadResult got = win::Download({.url = "https://www.valomat.example/x.inf"});
//   if (got) WriteTheFile(got.body);
#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace win {

// How long one fetch may take in all, from the name lookup to the last byte.
inline constexpr std::chrono::milliseconds kDownloadBound{15000};
// A bigger answer is not what we asked for.
inline constexpr std::size_t kDownloadMaxBytes = 8u << 20;
// Status line and headers together.
inline constexpr std::size_t kDownloadMaxHeaderBytes = 64u << 10;

enum class DownloadError {
    None,
    BadAddress,   // not an http:// or https:// address we can request
    Connection,   // no name, no connection, or it broke off
    Timeout,      // the bound passed
    Cancelled,    // the cancel event was set
    Certificate,  // https: the server could not prove who it is
    Malformed,    // the answer is no HTTP, or contradicts itself
    Status,       // the server answered with a status outside 200..299 (after redirections)
    Incomplete,   // the connection ended before the answer was complete
    TooLarge,     // headers or body beyond their caps
};

struct DownloadParams {
    std::string url{};
    std::chrono::milliseconds bound = kDownloadBound;
    std::size_t maxBytes = kDownloadMaxBytes;
    HANDLE cancel = nullptr;  // an event that, set from another thread, ends the fetch at once
};

struct DownloadResult {
    DownloadError error = DownloadError::Connection;
    int status = 0;      // the final HTTP status (after redirections), 0 when none came
    std::string body{};  // the answer's bytes; empty unless the fetch succeeded
    // A complete answer with a 2xx status.
    bool Succeeded() const { return error == DownloadError::None; }
    explicit operator bool() const { return Succeeded(); }
};

// Fetches the address with a GET, following up to five redirections (never from https down to
// http), asking every cache on the way for a fresh copy. Succeeds only for a complete 2xx
// answer that arrived within the bound.
DownloadResult Download(const DownloadParams& params);

}  // namespace win
