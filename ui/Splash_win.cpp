#include "ui/Splash_win.h"

#include "ui/Artwork.h"
#include "ui/Title_win.h"
#include "win/StartupLog.h"
#include "win/Text.h"

namespace {

constexpr int kClientWidth = 282;
constexpr int kClientHeight = 163;
constexpr int kBevelWidth = 3;
constexpr int kPictureLeft = 4;
constexpr int kPictureTop = 4;
constexpr int kTitleLeft = 137;
constexpr int kTitleTop = 30;
constexpr int kShadowOffsetX = 3;
constexpr int kShadowOffsetY = 2;
constexpr int kVersionLeft = 167;
constexpr int kVersionTop = 89;
constexpr int kVersionWidth = 65;
constexpr int kVersionHeight = 41;
constexpr unsigned kSplashMilliseconds = 1000;
constexpr char kVersion[] = "2.81";

const win::FontSpec kVersionFont{.face = "Arial", .height = -24, .bold = true, .italic = true};

}  // namespace

bool TForm_Splash::CreateSplash() {
    // Not captioned "Valomat" alone, so that the main window is the one window of that name.
    return Create({.caption = "Valomat 2.81",
                   .clientWidth = kClientWidth,
                   .clientHeight = kClientHeight,
                   .border = win::BorderKind::None,
                   .topmost = true,
                   .taskbarButton = false,  // the taskbar shows Valomat only
                   .name = "Form_Splash"});
}

void TForm_Splash::CreateControls() {
    MakePicture();
    Timer1.Create(
        {.owner = this, .interval = kSplashMilliseconds, .onTimer = [this] { Timer1Timer(); }});
    OnClose = [](win::CloseAction& action) { action = win::CloseAction::Free; };
    OnDpiChanged = [this] { MakePicture(); };
}

void TForm_Splash::MakePicture() {
    win::WindowDc screen(Handle());
    win::DcHandle dc(CreateCompatibleDC(screen.Get()));
    drawn_.Reset(CreateCompatibleBitmap(screen.Get(), Scaled(kClientWidth), Scaled(kClientHeight)));
    if (dc && drawn_) {
        win::SelectGuard select(dc.Get(), drawn_.Get());
        Draw(dc.Get());
    }
}

void TForm_Splash::Draw(HDC dc) {
    const int line = LineWidthAt(Dpi());
    const RECT client{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
    win::FillSolid(dc, client, win::clBtnFace);
    win::DrawBevel(dc, client, win::BevelKind::Raised, kBevelWidth * line);
    DrawProductTitle(dc, kTitleLeft, kTitleTop, kShadowOffsetX, kShadowOffsetY, Dpi());
    win::DrawPicture(dc, SplashPicture(ScaleFactor(Dpi())), Scaled(kPictureLeft),
                     Scaled(kPictureTop));

    const RECT frame{Scaled(kVersionLeft), Scaled(kVersionTop),
                     Scaled(kVersionLeft + kVersionWidth), Scaled(kVersionTop + kVersionHeight)};
    win::FillSolid(dc, frame, win::clBtnFace);
    RECT inside = win::DrawBevel(dc, frame, win::BevelKind::Raised, line);
    const std::wstring version = win::Widen(kVersion);
    win::SelectGuard font(dc, win::SharedFont(kVersionFont, Dpi()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, win::ToColorRef(win::clWindowText));
    DrawTextW(dc, version.c_str(), static_cast<int>(version.size()), &inside,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TForm_Splash::CopyTo(HDC dc) {
    win::DcHandle memory(dc ? CreateCompatibleDC(dc) : nullptr);
    if (!memory || !drawn_) return;
    win::SelectGuard select(memory.Get(), drawn_.Get());
    BitBlt(dc, 0, 0, Scaled(kClientWidth), Scaled(kClientHeight), memory.Get(), 0, 0, SRCCOPY);
}

std::optional<LRESULT> TForm_Splash::OnMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // the copy covers everything
        case WM_PAINT: {
            win::PaintGuard paint(Handle());
            CopyTo(paint.Dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            CopyTo(reinterpret_cast<HDC>(wp));
            return 0;
        default:
            return std::nullopt;
    }
}

void TForm_Splash::Timer1Timer() {
    win::StartupMark("splash closes");
    Timer1.SetEnabled(false);
    Close();
}
