// Fetching a file off the window's thread: a web address over the network, anything else from
// the disk (one reading of the address for every caller). The outcome is posted to a window,
// which keeps painting and answering meanwhile. Whatever the server does, the outcome is posted
// at most `bound` after Start: at that deadline a timer of the system ends the connection from
// outside. Cancel (and the destructor) ends the fetch and waits for its thread, so no thread
// outlives its owner and no outcome arrives after it.
//
//   fetch_.Start(Handle(), kFetchDone, {.url = Rec.KoersenURL});
//   case kFetchDone: if (std::optional<win::DownloadResult> got = fetch_.Take(wp)) Use(*got);
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <thread>

#include "win/Download.h"

namespace win {

class BackgroundFetch {
  public:
    BackgroundFetch() = default;
    ~BackgroundFetch() { Cancel(); }
    BackgroundFetch(const BackgroundFetch&) = delete;
    BackgroundFetch& operator=(const BackgroundFetch&) = delete;

    // Starts fetching params.url (its cancel event is the fetch's own); when it ends, posts
    // `message` with this fetch's ticket as wParam. False while a fetch runs.
    bool Start(HWND window, UINT message, const DownloadParams& params);
    // A fetch was started and its outcome not taken yet.
    bool Running() const { return running_; }
    // The outcome, when the message carries this fetch's ticket; nothing for the message of a
    // fetch that was cancelled meanwhile.
    std::optional<DownloadResult> Take(WPARAM ticket);
    // Ends the fetch now and waits for its thread; its outcome is never posted.
    void Cancel();

  private:
    struct Shared;
    static void CALLBACK DeadlinePassed(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER);
    void StopTimer();
    void Join();

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
    PTP_TIMER timer_ = nullptr;
    WPARAM ticket_ = 0;
    bool running_ = false;
};

}  // namespace win
