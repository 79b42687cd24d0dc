#include "win/BackgroundFetch.h"

#include <atomic>
#include <mutex>

#include "util/WebAddress.h"
#include "win/Folders.h"

namespace win {

struct BackgroundFetch::Shared {
    std::mutex mutex;
    HWND window = nullptr;
    UINT message = 0;
    WPARAM ticket = 0;
    HANDLE cancel = nullptr;  // set at the deadline or by Cancel: every wait of the fetch ends
    std::optional<DownloadResult> outcome;
    bool posted = false;
    std::atomic<bool> finished = false;  // the thread has nothing left to do

    ~Shared() {
        if (cancel) ::CloseHandle(cancel);
    }

    // The first outcome counts: the fetch's own, or the deadline's.
    void Post(DownloadResult result) {
        const std::lock_guard lock(mutex);
        if (posted) return;
        posted = true;
        outcome = std::move(result);
        ::PostMessageW(window, message, ticket, 0);
    }
};

namespace {

DownloadResult FetchAddress(const DownloadParams& params) {
    const Address address = ReadAddress(params.url);
    if (address.web) return Download(params);
    DownloadResult result;
    if (std::optional<std::string> bytes = ReadWholeFile(address.text, params.maxBytes)) {
        result.error = DownloadError::None;
        result.body = std::move(*bytes);
    }
    return result;
}

}  // namespace

void CALLBACK BackgroundFetch::DeadlinePassed(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER) {
    auto* shared = static_cast<Shared*>(context);
    ::SetEvent(shared->cancel);  // the connection closes; the thread winds down
    shared->Post({.error = DownloadError::Timeout});
}

bool BackgroundFetch::Start(HWND window, UINT message, const DownloadParams& params) {
    if (running_) return false;
    Join();  // a thread whose outcome was taken may still be winding down
    auto shared = std::make_shared<Shared>();
    shared->window = window;
    shared->message = message;
    shared->ticket = ++ticket_;
    shared->cancel = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!shared->cancel) return false;
    timer_ = ::CreateThreadpoolTimer(DeadlinePassed, shared.get(), nullptr);
    if (!timer_) return false;
    // Relative due time, in units of 100 ns.
    const long long due = -static_cast<long long>(params.bound.count()) * 10000;
    FILETIME when{static_cast<DWORD>(due), static_cast<DWORD>(due >> 32)};
    ::SetThreadpoolTimer(timer_, &when, 0, 0);
    DownloadParams own = params;
    own.cancel = shared->cancel;
    try {
        thread_ = std::thread([shared, own] {
            DownloadResult result;
            try {
                result = FetchAddress(own);
            } catch (const std::exception&) {
                result = {.error = DownloadError::Connection};  // out of memory, say
            }
            shared->Post(std::move(result));
            shared->finished = true;
        });
    } catch (const std::exception&) {
        StopTimer();
        return false;
    }
    shared_ = std::move(shared);
    running_ = true;
    return true;
}

std::optional<DownloadResult> BackgroundFetch::Take(WPARAM ticket) {
    if (!running_ || !shared_ || ticket != shared_->ticket) return std::nullopt;
    std::optional<DownloadResult> outcome;
    {
        const std::lock_guard lock(shared_->mutex);
        if (!shared_->posted) return std::nullopt;
        outcome = std::move(shared_->outcome);
    }
    running_ = false;
    StopTimer();
    // After the deadline the thread has been told to end and does so at its next wait; one
    // that cannot be interrupted (a name lookup of an old system) is waited for later, at the
    // next Start or at the end, never here.
    ::SetEvent(shared_->cancel);
    if (shared_->finished) Join();
    return outcome;
}

void BackgroundFetch::Cancel() {
    if (shared_) {
        const std::lock_guard lock(shared_->mutex);
        shared_->posted = true;  // nothing is posted from now on
        ::SetEvent(shared_->cancel);
    }
    StopTimer();
    Join();
    running_ = false;
}

void BackgroundFetch::StopTimer() {
    if (!timer_) return;
    ::SetThreadpoolTimer(timer_, nullptr, 0, 0);
    ::WaitForThreadpoolTimerCallbacks(timer_, TRUE);
    ::CloseThreadpoolTimer(timer_);
    timer_ = nullptr;
}

void BackgroundFetch::Join() {
    if (thread_.joinable()) thread_.join();
    shared_.reset();
}

}  // namespace win
