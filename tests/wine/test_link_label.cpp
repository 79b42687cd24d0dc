// The link label driven by mouse and keyboard messages; the shell requests it makes are caught
// instead of opening anything.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "components/ztLinkLabel_win.h"
#include "win/Application.h"
#include "win/Form.h"
#include "win/Shell.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr Colour kPurple = MakeColour(128, 0, 128);
constexpr Colour kTextNavy = MakeColour(0, 0, 128);

class LinkLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        win::SetShellCatcher([this](HWND, const ShellRequest& r) {
            requests.push_back(r);
            events.push_back("shell");
        });
        ASSERT_TRUE(form.Create({.caption = "links", .clientWidth = 300, .clientHeight = 100}));
        ASSERT_TRUE(label.Create({.parent = &form,
                                  .name = "ntLinkLabelWeb",
                                  .x = 10,
                                  .y = 10,
                                  .textColour = kTextNavy,
                                  .caption = "https://www.valomat.example",
                                  .link = "https://www.valomat.example",
                                  .transparent = true}));
        ASSERT_TRUE(other.Create({.parent = &form, .name = "Other", .x = 10, .y = 50}));
        label.OnClick = [this] { events.push_back("click"); };
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }
    void TearDown() override { win::SetShellCatcher({}); }

    void MouseClick() {
        SendMessageW(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    HCURSOR CursorOverLabel() {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        SendMessageW(label.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }
    // A key as the keyboard delivers it, through the message loop's dialog navigation.
    void Key(HWND target, WPARAM vk) {
        PostMessageW(target, WM_KEYDOWN, vk, 0);
        PostMessageW(target, WM_KEYUP, vk, 0xC0000000);
        Pump();
    }

    win::Form form;
    TztLinkLabel label;
    TztLinkLabel other;
    std::vector<ShellRequest> requests;
    std::vector<std::string> events;
};

TEST_F(LinkLabelTest, FourShellRulesInTheirOrder) {
    struct Case {
        const char* link;
        const char* viewer;
        const char* parameters;
        std::optional<ShellRequest> expected;
        const char* covers;
    };
    const Case cases[] = {
        {"info@valomat.example", "", "", ShellRequest{.file = "mailto:info@valomat.example"},
         "an e-mail address"},
        {"https://user@www.valomat.example/", "", "",
         ShellRequest{.file = "mailto:https://user@www.valomat.example/"},
         "any \"@\" makes a mail link, even in a web address"},
        {"HtTpS://www.valomat.example/", "C:\\Tools\\view.exe", "",
         ShellRequest{.file = "HtTpS://www.valomat.example/"},
         "http in any case wins over a viewer"},
        {"C:\\Docs\\rates.txt", "C:\\Tools\\view.exe", "-ro",
         ShellRequest{.verb = "open",
                      .file = "view.exe",
                      .parameters = "C:\\Docs\\rates.txt -ro",
                      .folder = "C:\\Tools\\"},
         "a viewer gets the link and the parameters"},
        {"C:\\Docs\\rates.txt", "C:\\Tools\\view.exe", "",
         ShellRequest{.verb = "open",
                      .file = "view.exe",
                      .parameters = "C:\\Docs\\rates.txt ",
                      .folder = "C:\\Tools\\"},
         "the blank after the link stays without parameters"},
        {"C:\\Docs\\rates.txt", "", "-p",
         ShellRequest{
             .verb = "open", .file = "rates.txt", .parameters = "-p", .folder = "C:\\Docs\\"},
         "else the file itself"},
        {"readme.htm", "", "", ShellRequest{.verb = "open", .file = "readme.htm"},
         "a bare file name"},
        {"https://www.valomat.example/a b\"c", "", "",
         ShellRequest{.file = "https://www.valomat.example/a%20b%22c"},
         "blanks and quotes of a web address are percent-encoded"},
        {"https://www.valomat.example/\r\ncalc.exe", "", "", std::nullopt,
         "control characters: nothing reaches the shell"},
        {"C:\\My Docs\\rates.txt", "C:\\Tools\\view.exe", "",
         ShellRequest{.verb = "open",
                      .file = "view.exe",
                      .parameters = "\"C:\\My Docs\\rates.txt\" ",
                      .folder = "C:\\Tools\\"},
         "a path with blanks reaches a viewer as one argument"},
        {"C:\\Docs\\\" & calc", "", "", std::nullopt, "a quote in a path"},
    };
    for (const Case& c : cases) {
        requests.clear();
        label.Link = c.link;
        label.Viewer = c.viewer;
        label.Parameters = c.parameters;
        MouseClick();
        std::optional<ShellRequest> got;
        if (!requests.empty()) got = requests.back();
        EXPECT_LE(requests.size(), 1u) << c.covers;
        EXPECT_EQ(got, c.expected) << c.covers << ": " << (got ? DescribeShellRequest(*got) : "-");
    }
}

TEST_F(LinkLabelTest, FontsFollowTheMouseAndTheClick) {
    // Until the mouse has been over it, the label shows its own font.
    EXPECT_EQ(label.TextColour(), kTextNavy);
    EXPECT_FALSE(label.Used());

    SendMessageW(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(label.Hot());
    EXPECT_EQ(label.TextColour(), kBlue);
    EXPECT_TRUE(label.Font().underline);
    EXPECT_EQ(CursorOverLabel(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));

    SendMessageW(label.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(label.Hot());
    EXPECT_EQ(label.TextColour(), win::clWindowText);
    EXPECT_FALSE(label.Font().underline);

    MouseClick();
    EXPECT_TRUE(label.Used());
    EXPECT_EQ(label.TextColour(), kPurple);
    EXPECT_EQ(events, (std::vector<std::string>{"shell", "click"})) << "the link, then OnClick";

    SendMessageW(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(label.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label.TextColour(), kPurple) << "used stays used";
    label.SetUsed(false);
    EXPECT_EQ(label.TextColour(), win::clWindowText);
}

TEST_F(LinkLabelTest, BlankLinkChangesOnlyTheFontAndUsed) {
    label.Link = "   ";
    SendMessageW(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(CursorOverLabel(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)))
        << "no hand without a link";
    MouseClick();
    EXPECT_TRUE(requests.empty());
    EXPECT_TRUE(label.Used());
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
}

TEST_F(LinkLabelTest, ReachedWithTabAndFollowedWithEnterOrSpace) {
    other.SetFocus();
    Pump();
    Key(other.Handle(), VK_TAB);
    ASSERT_TRUE(label.Focused()) << "Tab moves to the link";
    Key(label.Handle(), VK_RETURN);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].file, "https://www.valomat.example");
    Key(label.Handle(), VK_SPACE);
    EXPECT_EQ(requests.size(), 2u);
    // Held down, the key repeats (bit 30 set): the link opens once per press.
    PostMessageW(label.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    for (int i = 0; i < 5; ++i) PostMessageW(label.Handle(), WM_KEYDOWN, VK_RETURN, 0x40000001);
    PostMessageW(label.Handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
    Pump();
    EXPECT_EQ(requests.size(), 3u);
}

}  // namespace
