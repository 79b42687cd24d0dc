// The About box in the three languages: its texts, its layout, the read-me command, the links
// and closing it modally.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/About_win.h"
#include "win/Application.h"
#include "win/Folders.h"
#include "win/Gdi.h"
#include "win/Shell.h"
#include "wine/screenshot.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

class AboutTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }
    void SetUp() override {
        win::SetShellCatcher([this](HWND owner, const ShellRequest& r) {
            requests.push_back(r);
            owners.push_back(owner);
        });
    }
    void TearDown() override {
        box.reset();
        win::SetShellCatcher({});
        Pump();
    }
    void Open(int language) {
        box = std::make_unique<TAboutBox>(language);
        ASSERT_TRUE(box->CreateAbout(nullptr));
        box->Show();
        SetForegroundWindow(box->Handle());
        Pump();
    }
    // Where the control lies in the client area.
    static RECT At(const win::Control& c) { return c.Bounds(); }

    std::unique_ptr<TAboutBox> box;
    std::vector<ShellRequest> requests;
    std::vector<HWND> owners;
};

TEST_F(AboutTest, TextsPerLanguage) {
    struct Case {
        int language;
        const char* caption;
        const char* version;
        const char* moreInfo;
        const char* news;
        const char* readme;
    };
    const Case cases[] = {
        {0, "Info", "Versie 2.81 / Juli 2002", "&Meer info", "Laatste nieuws",
         "Valomat_Leesmij.htm"},
        {1, "About", "Version 2.81 / July 2002", "&More info", "Latest news", "Valomat_Readme.htm"},
        {2, "A propos de", "Version 2.81 / Juillet 2002", "&Info suppl\u00E9m.", "Nouvelle",
         "Valomat_Readme.htm"},
    };
    for (const Case& c : cases) {
        requests.clear();
        owners.clear();
        Open(c.language);
        EXPECT_EQ(box->Caption(), c.caption);
        EXPECT_EQ(box->Label_Versie.Text(), c.version);
        EXPECT_EQ(box->BitBtn_Extra.Text(), c.moreInfo);
        EXPECT_EQ(box->BitBtn_Linkora.Text(), c.news);
        EXPECT_EQ(box->BitBtn_OK.Text(), "&OK");
        EXPECT_EQ(box->ntLabel_Naam.Text(), "Valomat");
        EXPECT_EQ(box->ntLabel_Plaats.Text(), "Leuven, Belgi\u00EB");
        EXPECT_EQ(box->ntLinkLabelEmail.Text(), "info@valomat.example");
        EXPECT_EQ(box->ntLinkLabelWeb.Text(), "https://www.valomat.example");

        // The read-me page: a bare name, found in the program's folder.
        box->BitBtn_Extra.Click();
        ASSERT_EQ(requests.size(), 1u) << c.caption;
        EXPECT_EQ(requests[0], (ShellRequest{.verb = "open",
                                             .file = c.readme,
                                             .folder = win::ProgramFolder(),
                                             .show = ShowKind::Normal}));
        EXPECT_EQ(owners[0], box->Handle());
        testshot::Save(box->Handle(), std::string("about-") + (c.language == 0   ? "nl"
                                                               : c.language == 1 ? "en"
                                                                                 : "fr"));
    }
}

TEST_F(AboutTest, Layout) {
    Open(0);
    EXPECT_EQ(box->ClientWidth(), 430);
    EXPECT_EQ(box->ClientHeight(), 271);
    const auto style = GetWindowLongPtrW(box->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU) << "no caption-bar buttons";
    EXPECT_TRUE(GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    // The strip bleeds off the top-left corner and the bottom.
    EXPECT_EQ(At(box->Image1).left, -4);
    EXPECT_EQ(At(box->Image1).top, -4);
    EXPECT_EQ(box->Image1.Width(), 118);
    EXPECT_EQ(box->Image1.Height(), 308);
    EXPECT_EQ(box->Panel1.Width(), 302);
    EXPECT_EQ(box->Panel1.Height(), 58);
    EXPECT_EQ(box->Bevel2.Width(), 300);
    EXPECT_EQ(box->Bevel2.Height(), 94);
    EXPECT_EQ(box->Label_Versie.Width(), 223);
    EXPECT_EQ(box->ntLabel_Plaats.Width(), 286);
    for (const win::Button* b : {&box->BitBtn_Extra, &box->BitBtn_OK, &box->BitBtn_Linkora}) {
        EXPECT_EQ(b->Width(), 96);
        EXPECT_EQ(b->Height(), 27);
    }
    // Everything else lies right of the strip and inside the window, without overlaps.
    const win::Control* shown[] = {&box->Panel1, &box->Label_Versie, &box->Bevel2,
                                   &box->BitBtn_Extra, &box->BitBtn_OK};
    for (const win::Control* c : shown) {
        const RECT r = At(*c);
        EXPECT_GE(r.left, 114) << c->Name();
        EXPECT_LE(r.right, 430) << c->Name();
        EXPECT_GE(r.top, 0) << c->Name();
        EXPECT_LE(r.bottom, 271) << c->Name();
    }
    // The maker's lines lie inside the frame, the links centred in it.
    const RECT frame = At(box->Bevel2);
    for (const win::Control* c : {static_cast<const win::Control*>(&box->ntLabel_Naam),
                                  static_cast<const win::Control*>(&box->ntLabel_Plaats),
                                  static_cast<const win::Control*>(&box->ntLinkLabelEmail),
                                  static_cast<const win::Control*>(&box->ntLinkLabelWeb)}) {
        RECT r = At(*c), inside{};
        EXPECT_TRUE(IntersectRect(&inside, &r, &frame) && EqualRect(&inside, &r)) << c->Name();
        EXPECT_LE(std::abs((r.left + r.right) - (frame.left + frame.right)), 1) << c->Name();
    }
    RECT overlap{};
    const RECT extra = At(box->BitBtn_Extra), ok = At(box->BitBtn_OK);
    EXPECT_FALSE(IntersectRect(&overlap, &extra, &ok));
    // The news button: hidden, disabled, partly outside the window.
    EXPECT_FALSE(box->BitBtn_Linkora.Visible());
    EXPECT_FALSE(box->BitBtn_Linkora.Enabled());
    EXPECT_GT(At(box->BitBtn_Linkora).bottom, 271);
}

TEST_F(AboutTest, TitleIsTealWithAWhiteShadow) {
    Open(1);
    // The panel draws the title: count teal pixels, and white ones two pixels down and right.
    const int w = box->Panel1.Width(), h = box->Panel1.Height();
    win::DcHandle dc(CreateCompatibleDC(nullptr));
    Picture canvas(w, h, 0);
    win::BitmapHandle bitmap = win::MakeBitmap(canvas);
    {
        win::SelectGuard select(dc.Get(), bitmap.Get());
        SendMessageW(box->Panel1.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()),
                     PRF_CLIENT);
    }
    const auto pixels = win::ReadBitmap(bitmap.Get());
    ASSERT_TRUE(pixels);
    int teal = 0, shadowed = 0;
    for (int y = 0; y + 2 < h; ++y) {
        for (int x = 0; x + 2 < w; ++x) {
            if (pixels->At(x, y) != MakeColour(0, 128, 128)) continue;
            ++teal;
            if (pixels->At(x + 2, y + 2) == MakeColour(255, 255, 255)) ++shadowed;
        }
    }
    EXPECT_GT(teal, 300);
    EXPECT_GT(shadowed, 20);
}

TEST_F(AboutTest, LinksOpenMailAndWeb) {
    Open(0);
    for (TztLinkLabel* label : {&box->ntLinkLabelEmail, &box->ntLinkLabelWeb}) {
        SendMessageW(label->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(label->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].file, "mailto:info@valomat.example");
    EXPECT_EQ(requests[1].file, "https://www.valomat.example");
    // Hovered, a link is blue and underlined; used, it keeps the window-text colour.
    SendMessageW(box->ntLinkLabelWeb.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(box->ntLinkLabelWeb.TextColour(), MakeColour(0, 0, 255));
    EXPECT_TRUE(box->ntLinkLabelWeb.Font().underline);
    SendMessageW(box->ntLinkLabelWeb.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(box->ntLinkLabelWeb.TextColour(), win::clWindowText);
}

TEST_F(AboutTest, ModalUntilOkOrEscape) {
    for (const bool escape : {false, true}) {
        box = std::make_unique<TAboutBox>(1);
        ASSERT_TRUE(box->CreateAbout(nullptr));
        HWND target = box->BitBtn_OK.Handle();
        if (escape) {
            PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0000000);
        } else {
            PostMessageW(target, BM_CLICK, 0, 0);
        }
        const int result = box->ShowModal();
        EXPECT_EQ(result, win::mrOk) << (escape ? "Esc" : "OK");
        EXPECT_FALSE(box->Visible());
        EXPECT_EQ(box->ProgramFolder(), win::ProgramFolder());
    }
}

}  // namespace
