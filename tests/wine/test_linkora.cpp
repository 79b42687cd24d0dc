// The news-link directory against a real local HTTP server: the tree from a good file, the
// previous copy kept on failures, the notification before the shell, and addresses that are
// never opened.
#include <gtest/gtest.h>

#include <vector>

#include "components/ztLinkora_win.h"
#include "wine/local_http.h"
#include "wine/screenshot.h"
#include "win/Application.h"
#include "win/Folders.h"
#include "win/Shell.h"
#include "win/Text.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;
using testkeys::PumpUntil;

using std::chrono::milliseconds;

const std::string kLinks =
    "[Linkora]\r\n"
    "item0=0001 Wisselkoersen\r\n"
    "subitem0-0=0203 ECB|https://www.ecb.europa.eu/\r\n"
    "subitem0-1=0203 Valomat|https://www.valomat.example/\r\n"
    "item1=0001 Contact\r\n"
    "subitem1-0=0404 Mail|mailto:info@valomat.example\r\n"
    "subitem1-1=0505 Local file|file:///c:/windows/win.ini\r\n"
    "subitem1-2=0505 Program|c:\\windows\\system32\\notepad.exe\r\n";

class LinkoraTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!server.Usable()) GTEST_SKIP() << "needs Wine's Linux side for the server";
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        win::SetShellCatcher([this](HWND, const ShellRequest& r) {
            events.push_back("shell " + r.file);
            EXPECT_EQ(r.verb, "open");
            EXPECT_EQ(r.show, ShowKind::Show);
        });
        copyFolder = win::Narrow(server.Folder()) + "\\";
        ASSERT_TRUE(linkora.Create());
        linkora.CopyFolder = copyFolder;
        linkora.FetchBound = milliseconds(3000);
        linkora.Language = lgEnglish;
        linkora.OnURLSelected = [this](TztLinkora& sender, const std::string& url) {
            EXPECT_EQ(&sender, &linkora);
            events.push_back("selected " + url);
        };
    }
    void TearDown() override { win::SetShellCatcher({}); }

    TztNetDialog& Dialog() { return linkora.Dialog(); }
    // The links are fetched off the window's thread: wait for them.
    void Show() {
        linkora.ShowDirectory();
        ASSERT_TRUE(PumpUntil([this] { return !Dialog().Loading(); }));
    }
    void Refresh() {
        Dialog().SpeedbuttonUpdate.Click();
        ASSERT_TRUE(PumpUntil([this] { return !Dialog().Loading(); }));
    }
    std::string Status() { return Dialog().StatusBar.Text(); }
    // "group: link, link | group: ..." as the tree shows it.
    std::string Tree() {
        win::TreeView& tree = Dialog().TreeViewDirect;
        std::string text;
        for (win::TreeNode g = tree.FirstRoot(); g; g = tree.NextSibling(g)) {
            if (!text.empty()) text += " | ";
            text += tree.Caption(g) + ":";
            for (win::TreeNode l = tree.FirstChild(g); l; l = tree.NextSibling(l)) {
                text += " " + tree.Caption(l);
            }
        }
        return text;
    }
    win::TreeNode Link(int group, int index) {
        win::TreeView& tree = Dialog().TreeViewDirect;
        win::TreeNode node = tree.FirstRoot();
        for (int i = 0; i < group && node; ++i) node = tree.NextSibling(node);
        node = tree.FirstChild(node);
        for (int i = 0; i < index && node; ++i) node = tree.NextSibling(node);
        return node;
    }
    // A mouse click on the node's caption, as the tree receives it.
    void ClickNode(win::TreeNode node) {
        const RECT r = Dialog().TreeViewDirect.CaptionRect(node);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        HWND tree = Dialog().TreeViewDirect.Handle();
        PostMessageW(tree, WM_LBUTTONUP, 0, at);  // the tree waits for it while it tracks
        SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Pump();
    }
    std::string CopyBytes() { return testhttp::ReadAll(win::Widen(Dialog().CopyPath())); }

    testhttp::Server server;
    TztLinkora linkora;
    std::string copyFolder;
    std::vector<std::string> events;
};

TEST_F(LinkoraTest, FetchedFileFillsTheTreeAndFailuresKeepThePreviousCopy) {
    server.Put(L"Linkora_Eng.inf", kLinks);
    ASSERT_TRUE(server.ServeFiles());
    linkora.URL = server.Url("Linkora_Eng.inf");
    linkora.SetTitle("Latest news from www.valomat.example");
    Show();
    EXPECT_TRUE(Dialog().Visible());
    EXPECT_EQ(Dialog().Caption(), "Latest news from www.valomat.example");
    const std::string tree = "Wisselkoersen: ECB Valomat | Contact: Mail Local file Program";
    EXPECT_EQ(Tree(), tree);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Dialog().CopyPath(), copyFolder + "Linkora_Eng.inf");
    EXPECT_EQ(CopyBytes(), kLinks) << "a good file becomes the local copy";
    SendMessageW(Dialog().TreeViewDirect.Handle(), WM_MOUSEMOVE, 0, 0);  // no hot node
    testshot::Save(Dialog().Handle(), "directory");

    // The server now sends an error page with a good status: the copy stays as it was.
    server.Put(L"Linkora_Eng.inf", "<html><title>404 Not Found</title>\r\n</html>\r\n");
    Refresh();
    EXPECT_EQ(Tree(), tree);
    EXPECT_EQ(Status(), "Web server not found, using previous update");
    EXPECT_EQ(CopyBytes(), kLinks);

    // A real 404 answer is a failed fetch.
    ::DeleteFileW((server.Root() + L"\\Linkora_Eng.inf").c_str());
    linkora.URL = server.Url("Linkora_Eng.inf");
    Refresh();
    EXPECT_EQ(Tree(), tree);
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(CopyBytes(), kLinks);

    // The server stopped.
    server.Stop();
    Refresh();
    EXPECT_EQ(Tree(), tree);
    EXPECT_EQ(Status(), "Connection error, using previous update");
    EXPECT_EQ(CopyBytes(), kLinks);
    WIN32_FIND_DATAW found{};
    const HANDLE temporary = FindFirstFileW(win::Widen(copyFolder + "~*.tmp").c_str(), &found);
    EXPECT_EQ(temporary, INVALID_HANDLE_VALUE) << "no temporary file is left";
    if (temporary != INVALID_HANDLE_VALUE) FindClose(temporary);
}

// Only a complete links file with a group replaces the copy: an answer cut short, an empty one
// or a network's login page leave it as it was, and the tree shows it.
TEST_F(LinkoraTest, CutOrEmptyAnswersKeepTheCopy) {
    server.Put(L"links.inf", kLinks);
    ASSERT_TRUE(server.Hostile());
    linkora.URL = server.Url("file/links.inf");
    Show();
    const std::string tree = Tree();
    ASSERT_EQ(CopyBytes(), kLinks);
    const std::pair<const char*, const char*> cases[] = {
        {"cut/links.inf", "Connection error, using previous update"},
        {"short/links.inf", "Connection error, using previous update"},
        {"empty/links.inf", "Web server not found, using previous update"},
        {"portal/links.inf", "Web server not found, using previous update"},
    };
    for (const auto& [path, status] : cases) {
        linkora.URL = server.Url(path);
        Show();
        EXPECT_EQ(Status(), status) << path;
        EXPECT_EQ(Tree(), tree) << path;
        EXPECT_EQ(CopyBytes(), kLinks) << path;
    }
}

TEST_F(LinkoraTest, NoServerAndNoCopyLeavesTheTreeEmpty) {
    struct Case {
        TztLanguage language;
        const char* status;
    };
    for (const Case c : {Case{lgNederlands, "Connectie fout, aanvraag afgebroken"},
                         Case{lgFrancais, "Connection error, request aborted"}}) {
        linkora.Language = c.language;
        linkora.URL = "http://127.0.0.1:1/Linkora_Ned.inf";  // nothing listens there
        Show();
        EXPECT_EQ(Tree(), "");
        EXPECT_EQ(Status(), c.status);
        EXPECT_FALSE(win::FileExists(Dialog().CopyPath()));
    }
    // An error page and no copy: nothing is shown and nothing is kept.
    server.Put(L"Linkora_Ned.inf", "404 Not Found\r\nitem0=0000 x\r\n");
    ASSERT_TRUE(server.ServeFiles());
    linkora.Language = lgNederlands;
    linkora.URL = server.Url("Linkora_Ned.inf");
    Show();
    EXPECT_EQ(Tree(), "");
    EXPECT_EQ(Status(), "Web server niet gevonden, aanvraag afgebroken");
    EXPECT_FALSE(win::FileExists(Dialog().CopyPath()));
}

TEST_F(LinkoraTest, ClickTellsTheOwnerFirstAndOpensOnlyWebAndMail) {
    // A local links file (no "http" in its address) is read from the disk.
    const std::wstring file = server.Folder() + L"\\links.inf";
    testhttp::WriteAll(file, kLinks);
    linkora.URL = win::Narrow(file);
    Show();
    ASSERT_EQ(Tree(), "Wisselkoersen: ECB Valomat | Contact: Mail Local file Program");
    EXPECT_EQ(Status(), "");

    ClickNode(Link(0, 0));
    EXPECT_EQ(events, (std::vector<std::string>{"selected https://www.ecb.europa.eu/",
                                                "shell https://www.ecb.europa.eu/"}));
    EXPECT_NE(Dialog().TreeViewDirect.Selected(), Link(0, 0)) << "ready to be clicked again";
    ClickNode(Link(0, 0));
    EXPECT_EQ(events.size(), 4u);

    events.clear();
    ClickNode(Link(1, 0));
    ClickNode(Link(1, 1));
    ClickNode(Link(1, 2));
    EXPECT_EQ(events, (std::vector<std::string>{"selected mailto:info@valomat.example",
                                                "shell mailto:info@valomat.example",
                                                "selected file:///c:/windows/win.ini",
                                                "selected c:\\windows\\system32\\notepad.exe"}));
    EXPECT_EQ(Status(),
              "Not opened, not a web or e-mail address: c:\\windows\\system32\\notepad.exe");

    // A group does nothing; hovering a link shows its address.
    events.clear();
    ClickNode(Dialog().TreeViewDirect.FirstRoot());
    EXPECT_TRUE(events.empty());
    const RECT r = Dialog().TreeViewDirect.CaptionRect(Link(0, 1));
    SendMessageW(Dialog().TreeViewDirect.Handle(), WM_MOUSEMOVE, 0,
                 MAKELPARAM(r.left + 3, (r.top + r.bottom) / 2));
    EXPECT_EQ(Status(), "https://www.valomat.example/");
}

TEST_F(LinkoraTest, WindowSizeAndInformationButton) {
    linkora.URL = win::Narrow(server.Folder() + L"\\none.inf");
    Show();
    EXPECT_EQ(Dialog().Width(), 470);
    EXPECT_EQ(Dialog().Height(), 310);
    SetWindowPos(Dialog().Handle(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Dialog().Width(), 470) << "no smaller than designed";
    EXPECT_FALSE(Dialog().SpeedButtonInfo.Visible());
    linkora.Information = "  ";
    Show();
    EXPECT_FALSE(Dialog().SpeedButtonInfo.Visible()) << "blank information";
    linkora.Information = "Links chosen by the maker.";
    Show();
    EXPECT_TRUE(Dialog().SpeedButtonInfo.Visible());
    EXPECT_EQ(Dialog().SpeedButtonInfo.Hint(), "Links chosen by the maker.");
}

TEST(LinkoraCopyFolder, ProgramFolderOrTheUsersOwn) {
    EXPECT_FALSE(win::CanWriteIn("C:\\no such folder\\"));
    const std::string own = win::LocalAppDataFolder("Valomat");
    ASSERT_FALSE(own.empty());
    EXPECT_TRUE(own.ends_with("\\Valomat\\")) << own;
    EXPECT_TRUE(win::CanWriteIn(own));
    // The tests run from a folder they can write: the copy lives beside the program.
    ASSERT_TRUE(win::CanWriteIn(win::ProgramFolder()));
    TztLinkora linkora;
    ASSERT_TRUE(linkora.Create());
    linkora.URL = "https://www.valomat.example/Linkora_Eng.inf";
    linkora.Dialog().Configure({.url = linkora.URL});
    EXPECT_EQ(linkora.Dialog().CopyPath(), win::ProgramFolder() + "Linkora_Eng.inf");
}

}  // namespace
