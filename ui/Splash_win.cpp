#include "ui/Splash_win.h"

#include "ui/Artwork.h"
#include "ui/Title_win.h"
#include "win/StartupLog.h"

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
    Panel1.Create({.parent = this,
                   .name = "Panel1",
                   .align = win::Align::Client,
                   .bevelOuter = win::BevelKind::Raised,
                   .bevelWidth = kBevelWidth});
    // The title is drawn by the panel: two texts that overlap cannot be two windows that
    // each paint their own background. The window's caption carries the same name.
    Panel1.OnPaint = [](HDC dc, const RECT&) {
        DrawProductTitle(dc, kTitleLeft, kTitleTop, kShadowOffsetX, kShadowOffsetY);
    };
    Image1.Create({.parent = &Panel1,
                   .name = "Image1",
                   .x = kPictureLeft,
                   .y = kPictureTop,
                   .width = kSplashPictureWidth,
                   .height = kSplashPictureHeight,
                   .picture = SplashPicture()});
    Panel_Versie.Create({.parent = &Panel1,
                         .name = "Panel_Versie",
                         .x = kVersionLeft,
                         .y = kVersionTop,
                         .width = kVersionWidth,
                         .height = kVersionHeight,
                         .font = kVersionFont,
                         .bevelOuter = win::BevelKind::Raised,
                         .caption = "2.81"});
    Timer1.Create(
        {.owner = this, .interval = kSplashMilliseconds, .onTimer = [this] { Timer1Timer(); }});
    OnClose = [](win::CloseAction& action) { action = win::CloseAction::Free; };
}

void TForm_Splash::Timer1Timer() {
    win::StartupMark("splash closes");
    Timer1.SetEnabled(false);
    Close();
}
