// Fetching a small file over http or https into memory, on the calling thread, within a time
// bound. The user-interface thread blocks while it runs (the hourglass shows that it works);
// the caller decides where the bytes go, so a failed fetch never touches a file.
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

enum class DownloadError {
    None,
    BadAddress,  // not an http:// or https:// address
    Connection,  // no connection, or it broke off
    Timeout,     // the bound passed
    Status,      // the server answered with a status outside 200..299
    Incomplete,  // fewer bytes came than the server announced
    TooLarge,    // more than maxBytes
};

struct DownloadParams {
    std::string url{};
    std::chrono::milliseconds bound = kDownloadBound;
    std::size_t maxBytes = kDownloadMaxBytes;
    bool hourglass = true;  // the wait cursor while it runs
};

struct DownloadResult {
    DownloadError error = DownloadError::Connection;
    int status = 0;      // the final HTTP status (after redirections), 0 when none came
    std::string body{};  // the answer's bytes; empty unless the fetch succeeded
    // A complete answer with a 2xx status.
    bool Succeeded() const { return error == DownloadError::None; }
    explicit operator bool() const { return Succeeded(); }
};

// Fetches the address with a GET (following redirections, never to http from https), without
// any cache. Succeeds only for a complete 2xx answer that arrived within the bound.
DownloadResult Download(const DownloadParams& params);

// The hourglass cursor while alive; the previous cursor comes back after.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR previous_;
};

}  // namespace win
