// The fetch against real local servers: a file, a missing file, no server, https. (Hostile
// servers and cancelling: test_fetch_hostile.cpp.)
#include <gtest/gtest.h>

#include <chrono>

#include "wine/local_http.h"
#include "win/Download.h"
#include "win/NetStream.h"

namespace {

using std::chrono::milliseconds;
using Timer = std::chrono::steady_clock;

class DownloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!server.Usable()) GTEST_SKIP() << "needs Wine's Linux side for the server";
    }
    testhttp::Server server;
};

// One server start serves every case (starting Python takes seconds on a busy machine).
TEST_F(DownloadTest, FileServerGivesTheBytesOrTheStatusThenStopsAnswering) {
    std::string bytes = "[Linkora]\r\nitem0=0001 Groep\r\n";
    bytes += std::string(20000, 'x');  // more than one read
    bytes += '\0';
    bytes += "\xff\x80 end";
    server.Put(L"links.inf", bytes);
    ASSERT_TRUE(server.ServeFiles());
    const std::string url = server.Url("links.inf");

    const win::DownloadResult got = win::Download({.url = url});
    EXPECT_TRUE(got.Succeeded());
    EXPECT_EQ(got.status, 200);
    EXPECT_EQ(got.body, bytes);

    const win::DownloadResult missing = win::Download({.url = server.Url("nothing.inf")});
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.error, win::DownloadError::Status);
    EXPECT_EQ(missing.status, 404);
    EXPECT_TRUE(missing.body.empty());

    // Bigger than the caller allows.
    const win::DownloadResult large = win::Download({.url = url, .maxBytes = 1000});
    EXPECT_EQ(large.error, win::DownloadError::TooLarge);
    EXPECT_TRUE(large.body.empty());

    // An upper-case scheme is an http address all the same.
    EXPECT_TRUE(win::Download({.url = "HTTP" + url.substr(4)}).Succeeded());

    server.Stop();
    const auto start = Timer::now();
    const win::DownloadResult gone = win::Download({.url = url, .bound = milliseconds(2000)});
    EXPECT_EQ(gone.error, win::DownloadError::Connection);
    EXPECT_EQ(gone.status, 0);
    EXPECT_LT(Timer::now() - start, milliseconds(1500)) << "a refused connection fails at once";
}

// https through Schannel against a local server: refused while its certificate is no trusted
// root, a body of many TLS records once it is, refused again under a name not its own.
TEST_F(DownloadTest, HttpsOnlyFromAServerThatProvesWhoItIs) {
    std::string body;
    for (int i = 0; body.size() < 100000; ++i) body += std::to_string(i) + ",";
    server.Put(L"rates.xml", body);
    ASSERT_TRUE(server.ServeTls());
    const std::string path = ":" + std::to_string(server.Port()) + "/rates.xml";
    EXPECT_EQ(win::Download({.url = "https://localhost" + path}).error,
              win::DownloadError::Certificate);
    win::TrustRootForTests(testhttp::PemToDer(server.Certificate()));
    const win::DownloadResult got = win::Download({.url = "https://localhost" + path});
    EXPECT_TRUE(got.Succeeded()) << static_cast<int>(got.error);
    EXPECT_EQ(got.body, body);
    EXPECT_EQ(win::Download({.url = "https://127.0.0.1" + path}).error,
              win::DownloadError::Certificate);
}

// The user's proxy from the system's settings: http asked with the whole address, https through
// a tunnel, the bypass list going direct.
TEST_F(DownloadTest, ThroughTheUsersProxy) {
    server.Put(L"a.txt", "through");
    ASSERT_TRUE(server.Hostile());
    testhttp::Server tls;
    tls.Put(L"b.txt", "tunnelled");
    ASSERT_TRUE(tls.ServeTls());
    win::TrustRootForTests(testhttp::PemToDer(tls.Certificate()));
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER,
                              L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const auto set = [key](const wchar_t* name, const std::wstring& text) {
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    };
    const DWORD on = 1;
    RegSetValueExW(key, L"ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), 4);
    set(L"ProxyServer", L"http=127.0.0.1:" + std::to_wstring(server.Port()) + L";https=127.0.0.1:" +
                            std::to_wstring(server.Port()));
    set(L"ProxyOverride", L"direct.invalid");

    EXPECT_EQ(win::Download({.url = "http://rates.invalid/file/a.txt"}).body, "through");
    EXPECT_EQ(
        win::Download({.url = "https://localhost:" + std::to_string(tls.Port()) + "/b.txt"}).body,
        "tunnelled");
    EXPECT_EQ(win::Download({.url = "http://direct.invalid/file/a.txt"}).error,
              win::DownloadError::Connection)
        << "the bypass list goes direct, where no such name is";
    EXPECT_EQ(server.Requests(),
              "http://rates.invalid/file/a.txt\nlocalhost:" + std::to_string(tls.Port()) + "\n");
    RegDeleteValueW(key, L"ProxyEnable");
    RegDeleteValueW(key, L"ProxyServer");
    RegDeleteValueW(key, L"ProxyOverride");
    RegCloseKey(key);
}

TEST(DownloadAddress, OnlyHttpAndHttpsAreFetched) {
    for (const char* url :
         {"", "ftp://127.0.0.1/a", "file:///c:/windows/win.ini", "c:\\windows\\win.ini", "http://",
          "https://127.0.0.1/a\r\nX: y", "mailto:a@b.example"}) {
        const auto start = Timer::now();
        EXPECT_EQ(win::Download({.url = url}).error, win::DownloadError::BadAddress) << url;
        EXPECT_LT(Timer::now() - start, milliseconds(500)) << url;
    }
}

}  // namespace
