// Fetching from hostile and broken servers on this machine, with the program's own 15-second
// deadline. Every kind of answer is fetched at once, each on a thread of its own, while the
// options dialog fetches the rates from a server that drips its headers: each ends within 16 s
// with nothing taken, the dialog answers every message meanwhile, and the process's memory
// stays within 64 MiB of where it started.
#include <gtest/gtest.h>
#include <psapi.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "core/SettingsStore.h"
#include "keys.h"
#include "local_http.h"
#include "ui/OptionsLogic.h"
#include "ui/Options_win.h"
#include "win/BackgroundFetch.h"

namespace {

using testkeys::Pump;
using testkeys::PumpUntil;
using Moment = std::chrono::steady_clock;

constexpr UINT kFirstOutcome = WM_APP + 200;

double SecondsSince(Moment::time_point start) {
    return std::chrono::duration<double>(Moment::now() - start).count();
}

// The memory the process has committed (Wine leaves PrivateUsage at 0; this is the same).
std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// From another thread, a message to the window every 50 ms: the longest wait for its answer,
// and the process's memory at its highest.
class Prober {
  public:
    explicit Prober(HWND window) : start_(PrivateBytes()), peak_(start_) {
        thread_ = std::thread([this, window] {
            while (!stop_) {
                const auto sent = Moment::now();
                DWORD_PTR answer = 0;
                if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer)) {
                    ++unanswered_;
                }
                longestMs_ = std::max<long long>(
                    longestMs_,
                    std::chrono::duration_cast<std::chrono::milliseconds>(Moment::now() - sent)
                        .count());
                peak_ = std::max(peak_.load(), PrivateBytes());
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    ~Prober() { Stop(); }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    long long LongestMs() const { return longestMs_; }
    int Unanswered() const { return unanswered_; }
    double GrowthMiB() const { return static_cast<double>(peak_ - start_) / (1 << 20); }

  private:
    std::thread thread_;
    std::atomic<bool> stop_ = false;
    std::atomic<long long> longestMs_ = 0;
    std::atomic<int> unanswered_ = 0;
    std::size_t start_;
    std::atomic<std::size_t> peak_;
};

// A hidden window that hands on the outcomes posted to it.
class Sink : public win::Form {
  public:
    ~Sink() override { Destroy(); }
    std::function<void(UINT msg, WPARAM ticket)> OnOutcome;

  protected:
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM) override {
        if (msg < kFirstOutcome || msg >= kFirstOutcome + 64) return std::nullopt;
        if (OnOutcome) OnOutcome(msg, wp);
        return 0;
    }
};

class HostileServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!server.Usable()) GTEST_SKIP() << "needs Wine's Linux side for the server";
        ASSERT_TRUE(win::Application::Initialize("Valomat"));
        server.Put(L"daily.xml",
                   "<gesmes:Envelope><Cube><Cube time='2026-12-04'>"
                   "<Cube currency='USD' rate='1.0432'/><Cube currency='GBP' rate='0.83105'/>"
                   "</Cube></Cube></gesmes:Envelope>");
        // 1.4 MB of one element's attributes: read in quadratic time it took a minute.
        std::string many = "<gesmes:Envelope><Cube><Cube time='2026-12-04' ";
        for (int i = 0; many.size() < 1400000; ++i) many += "a" + std::to_string(i) + "='1' ";
        server.Put(L"many-attributes.xml", many + "/></Cube></gesmes:Envelope>");
        ASSERT_TRUE(server.Hostile());
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = {",", "."}, .localeLanguage = 1});
        ASSERT_TRUE(main->CreateMain());
        opties = std::make_unique<TForm_Opties>(*main, nullptr);
        ASSERT_TRUE(opties->CreateOpties());
        main->ApplyLanguage = [this] { opties->ApplyLanguage(); };
        main->Show();
        Pump();
    }
    void TearDown() override {
        opties.reset();
        main.reset();
        Pump();
    }
    // The options dialog on its rates page, running `inside` from its own message loop.
    void InDialog(std::function<void()> inside) {
        static std::function<void()> pending;
        pending = [this, inside = std::move(inside)] {
            opties->PageControl1.SelectPage(opties->TabSheet_VariabeleMunten.PageIndex());
            Pump();
            inside();
        };
        SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            auto action = std::move(pending);
            if (action) action();
        });
        opties->ShowModal();
    }
    std::string Line() { return opties->Label_ECB.Text(); }

    testhttp::Server server;
    MemoryRegistry registry;
    std::unique_ptr<TForm_Main> main;
    std::unique_ptr<TForm_Opties> opties;
};

TEST_F(HostileServerTest, EveryAnswerEndsInTimeWithNothingTaken) {
    struct Case {
        const char* path;
        EcbState line;  // what the rates line says of it
        const char* covers;
    };
    const Case cases[] = {
        {"drip-status", EcbState::NoConnection, "the status line, a byte every half second"},
        {"drip-headers", EcbState::NoConnection, "the headers, a byte every half second"},
        {"drip-body-length", EcbState::NoConnection, "a body with its length, dripping"},
        {"drip-body", EcbState::NoConnection, "a body to the end of the connection, dripping"},
        {"drip-chunks", EcbState::NoConnection, "a chunk every half second"},
        {"flood", EcbState::NoConnection, "headers without end"},
        {"silent", EcbState::NoConnection, "no answer at all"},
        {"cut/daily.xml", EcbState::NoConnection, "a chunked answer cut in half"},
        {"short/daily.xml", EcbState::NoConnection, "fewer bytes than announced"},
        {"redirect-dead", EcbState::NoConnection, "a redirection to a dead port"},
        {"empty", EcbState::NotUnderstood, "an empty body"},
        {"portal", EcbState::NotUnderstood, "a network's login page"},
        {"file/many-attributes.xml", EcbState::NotUnderstood, "1.4 MB of attributes"},
    };
    constexpr std::size_t kCases = std::size(cases);
    RecRec rec = main->Rec;
    const RecRec before = rec;
    main->Rec.KoersenURL = server.Url("drip-headers");
    const RecRec settingsBefore = main->Rec;

    InDialog([&] {
        Prober prober(opties->Handle());
        const auto start = Moment::now();
        // The dialog's own fetch, as the user clicks.
        SendMessageW(opties->Button_ECB.Handle(), BM_CLICK, 0, 0);
        EXPECT_FALSE(opties->Button_ECB.Enabled()) << "one fetch at a time";
        EXPECT_EQ(Line(), "Fetching the ECB rates…");
        // Every other kind of answer beside it, posting to the same window's thread.
        std::array<win::BackgroundFetch, kCases> fetches;
        std::array<std::optional<win::DownloadResult>, kCases> results;
        std::array<double, kCases> seconds{};
        Sink sink;
        ASSERT_TRUE(sink.Create({.caption = "sink"}));
        sink.OnOutcome = [&](UINT msg, WPARAM ticket) {
            const std::size_t i = msg - kFirstOutcome;
            if ((results[i] = fetches[i].Take(ticket))) seconds[i] = SecondsSince(start);
        };
        for (std::size_t i = 0; i < kCases; ++i) {
            ASSERT_TRUE(fetches[i].Start(sink.Handle(), kFirstOutcome + static_cast<UINT>(i),
                                         {.url = server.Url(cases[i].path)}));
        }
        auto collect = [&] {
            return std::all_of(results.begin(), results.end(),
                               [](auto& r) { return r.has_value(); }) &&
                   !opties->FetchingRates();
        };
        ASSERT_TRUE(PumpUntil(collect, 30000));
        const double dialogSeconds = SecondsSince(start);
        prober.Stop();

        EXPECT_LE(dialogSeconds, 16.0);
        EXPECT_EQ(Line(), "Could not reach the ECB; rates unchanged");
        EXPECT_TRUE(opties->Button_ECB.Enabled());
        EXPECT_TRUE(main->Rec == settingsBefore) << "no rate or stored value changed";
        EXPECT_LT(prober.LongestMs(), 500) << "the dialog answers while it fetches";
        EXPECT_EQ(prober.Unanswered(), 0);
        EXPECT_LT(prober.GrowthMiB(), 64.0);
        std::printf(
            "dialog, dripping headers: line after %.1f s; longest answer %lld ms; "
            "memory +%.1f MiB at most\n",
            dialogSeconds, prober.LongestMs(), prober.GrowthMiB());
        for (std::size_t i = 0; i < kCases; ++i) {
            SCOPED_TRACE(cases[i].covers);
            EXPECT_LE(seconds[i], 16.0);
            const auto readStart = Moment::now();
            const EcbOutcome outcome = TakeEcbRates(
                rec, *results[i] ? std::optional<std::string>(results[i]->body) : std::nullopt);
            const double reading = SecondsSince(readStart);
            EXPECT_EQ(outcome.state, cases[i].line);
            EXPECT_LT(reading, 1.0);
            EXPECT_TRUE(rec == before);
            std::printf("%-26s %5.1f s, read in %.3f s\n", cases[i].path, seconds[i], reading);
        }
        PostMessageW(opties->Handle(), WM_CLOSE, 0, 0);
    });
}

// Closing the dialog gives the fetch up at once: the dialog goes, nothing changes, and nothing
// arrives later.
TEST_F(HostileServerTest, ClosingTheDialogCancelsTheFetch) {
    main->Rec.KoersenURL = server.Url("drip-headers");
    const RecRec before = main->Rec;
    double closing = 0;
    InDialog([&] {
        SendMessageW(opties->Button_ECB.Handle(), BM_CLICK, 0, 0);
        // Closed while the headers drip in.
        ASSERT_TRUE(PumpUntil([&] { return server.Requests().find("drip") != std::string::npos; }));
        ASSERT_TRUE(opties->FetchingRates());
        const auto start = Moment::now();
        PostMessageW(opties->Handle(), WM_CLOSE, 0, 0);
        Pump();
        closing = SecondsSince(start);
    });
    EXPECT_FALSE(opties->Visible());
    EXPECT_FALSE(opties->FetchingRates());
    EXPECT_LT(closing, 1.0);
    EXPECT_TRUE(main->Rec == before);
    InDialog([&] {
        EXPECT_EQ(Line(), "") << "no failure reported for a fetch given up";
        EXPECT_TRUE(opties->Button_ECB.Enabled());
        PostMessageW(opties->Handle(), WM_CLOSE, 0, 0);
    });
}

}  // namespace
