#include "ui/About_win.h"

#include "ui/About.h"
#include "ui/Title_win.h"
#include "win/Folders.h"
#include "win/Shell.h"

namespace {

// Layout, in pixels of the client area.
constexpr int kClientWidth = 430;
constexpr int kClientHeight = 271;
constexpr int kPictureLeft = -4;  // the strip bleeds off the top-left corner
constexpr int kPictureTop = -4;
constexpr int kContentLeft = 120;
constexpr int kPanelTop = 8;
constexpr int kPanelWidth = 302;
constexpr int kPanelHeight = 58;
constexpr int kPanelBevel = 2;
constexpr int kPanelBorder = 2;
constexpr int kTitleLeft = 87;  // inside the panel
constexpr int kTitleTop = 12;
constexpr int kTitleShadow = 2;
constexpr int kVersionWidth = 223;
constexpr int kVersionTop = 76;
constexpr int kFrameLeft = 121;
constexpr int kFrameTop = 102;
constexpr int kFrameWidth = 300;
constexpr int kFrameHeight = 94;
constexpr int kMakerWidth = 286;
constexpr int kNameTop = 110;
constexpr int kPlaceTop = 130;
constexpr int kEmailTop = 150;
constexpr int kWebTop = 170;
constexpr int kButtonTop = 236;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 27;
constexpr int kOkLeft = kContentLeft + kPanelWidth - kButtonWidth;
constexpr int kNewsLeft = 380;  // partly beyond the right and bottom edges
constexpr int kNewsTop = 258;

const win::FontSpec kSmallFont{.face = "MS Sans Serif", .height = -11};               // 8 point
const win::FontSpec kBoldFont{.face = "MS Sans Serif", .height = -13, .bold = true};  // 10 point
constexpr Colour kBlack = MakeColour(0, 0, 0);
constexpr Colour kLinkBlue = MakeColour(0, 0, 255);

void StyleLink(TztLinkLabel& label) {
    label.SetFontStandard({kSmallFont, win::clWindowText});
    label.SetFontUsed({kSmallFont, win::clWindowText});
    win::FontSpec underlined = kSmallFont;
    underlined.underline = true;
    label.SetFontHighlight({underlined, kLinkBlue});
    // Centred in the maker's frame.
    label.SetLeft(kFrameLeft + (kFrameWidth - label.Width()) / 2);
}

}  // namespace

bool TAboutBox::CreateAbout(win::Form* owner) {
    if (!Create({.caption = AboutTextsFor(language_).caption,
                 .clientWidth = kClientWidth,
                 .clientHeight = kClientHeight,
                 .border = win::BorderKind::ToolWindow,
                 .owner = owner,
                 .font = kSmallFont,
                 .name = "AboutBox"})) {
        return false;
    }
    // A tool window without the close box: OK (or Esc) closes it.
    ::SetWindowLongPtrW(Handle(), GWL_STYLE,
                        ::GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_SYSMENU);
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetClientSize(kClientWidth, kClientHeight);
    CentreOnScreen();
    OnShow = [this] { FormShow(); };
    return true;
}

void TAboutBox::CreateControls() {
    Image1.Create({.parent = this,
                   .name = "Image1",
                   .x = kPictureLeft,
                   .y = kPictureTop,
                   .width = kAboutPictureWidth,
                   .height = kAboutPictureHeight,
                   .picture = Drawn(AboutPicture)});
    Panel1.Create({.parent = this,
                   .name = "Panel1",
                   .x = kContentLeft,
                   .y = kPanelTop,
                   .width = kPanelWidth,
                   .height = kPanelHeight,
                   .bevelOuter = win::BevelKind::Raised,
                   .bevelWidth = kPanelBevel});
    // Label_Title over LabelTitle2: the teal name with its white shadow, and the inner bevel.
    Panel1.OnPaint = [this](HDC dc, const RECT& client) {
        const int line = LineWidthAt(Dpi());
        const int inset = kPanelBevel * line + Scaled(kPanelBorder);
        RECT inner = client;
        ::InflateRect(&inner, -inset, -inset);
        win::DrawBevel(dc, inner, win::BevelKind::Lowered, line);
        DrawProductTitle(dc, kTitleLeft, kTitleTop, kTitleShadow, kTitleShadow, Dpi());
    };
    Label_Versie.Create({.parent = this,
                         .name = "Label_Versie",
                         .x = kContentLeft + (kPanelWidth - kVersionWidth) / 2,
                         .y = kVersionTop,
                         .width = kVersionWidth,
                         .height = 16,
                         .font = kBoldFont,
                         .textColour = kBlack,
                         .alignment = win::TextAlign::Centre,
                         .transparent = true});
    Bevel2.Create({.parent = this,
                   .name = "Bevel2",
                   .x = kFrameLeft,
                   .y = kFrameTop,
                   .width = kFrameWidth,
                   .height = kFrameHeight,
                   .shape = win::BevelShape::Frame});
    const int makerLeft = kFrameLeft + (kFrameWidth - kMakerWidth) / 2;
    ntLabel_Naam.Create({.parent = this,
                         .name = "ntLabel_Naam",
                         .x = makerLeft,
                         .y = kNameTop,
                         .width = kMakerWidth,
                         .height = 16,
                         .font = kBoldFont,
                         .textColour = kBlack,
                         .text = std::string(kMakerName),
                         .alignment = win::TextAlign::Centre,
                         .transparent = true});
    ntLabel_Plaats.Create({.parent = this,
                           .name = "ntLabel_Plaats",
                           .x = makerLeft,
                           .y = kPlaceTop,
                           .width = kMakerWidth,
                           .height = 14,
                           .textColour = kBlack,
                           .text = std::string(kMakerLocation),
                           .alignment = win::TextAlign::Centre,
                           .transparent = true});
    ntLinkLabelEmail.Create({.parent = this,
                             .name = "ntLinkLabelEmail",
                             .x = kFrameLeft,
                             .y = kEmailTop,
                             .caption = std::string(kMakerEmail),
                             .link = std::string(kMakerEmail),
                             .transparent = true});
    StyleLink(ntLinkLabelEmail);
    ntLinkLabelWeb.Create({.parent = this,
                           .name = "ntLinkLabelWeb",
                           .x = kFrameLeft,
                           .y = kWebTop,
                           .caption = std::string(kMakerWeb),
                           .link = std::string(kMakerWeb),
                           .transparent = true});
    StyleLink(ntLinkLabelWeb);
    BitBtn_Extra.Create({.parent = this,
                         .name = "BitBtn_Extra",
                         .x = kContentLeft,
                         .y = kButtonTop,
                         .width = kButtonWidth,
                         .height = kButtonHeight});
    BitBtn_Extra.OnClick = [this] { BitBtn_ExtraClick(); };
    BitBtn_OK.Create({.parent = this,
                      .name = "BitBtn_OK",
                      .x = kOkLeft,
                      .y = kButtonTop,
                      .width = kButtonWidth,
                      .height = kButtonHeight,
                      .caption = "&OK",
                      .glyph = Drawn(TickGlyph),
                      .isDefault = true,
                      .isCancel = true,
                      .modalResult = win::mrOk});
    BitBtn_OK.OnClick = [this] { BitBtn_OKClick(); };
    // The news command stays hidden and disabled: nothing in the program offers it.
    BitBtn_Linkora.Create({.parent = this,
                           .name = "BitBtn_Linkora",
                           .x = kNewsLeft,
                           .y = kNewsTop,
                           .width = kButtonWidth,
                           .height = kButtonHeight,
                           .visible = false,
                           .enabled = false});
    BitBtn_Linkora.OnClick = [this] { BitBtn_LinkoraClick(); };
    ztLinkora1.Create(this);
}

void TAboutBox::FormShow() {
    const AboutTexts& texts = AboutTextsFor(language_);
    SetCaption(texts.caption);
    Label_Versie.SetText(texts.version);
    BitBtn_Extra.SetText(texts.moreInfo);
    BitBtn_Linkora.SetText(texts.news);
    programFolder_ = win::ProgramFolder();
    BitBtn_OK.SetFocus();
}

void TAboutBox::BitBtn_OKClick() {
    Close();
}

void TAboutBox::BitBtn_ExtraClick() {
    // A bare name with the program's folder as the working folder: the shell finds it there.
    win::ShellOpen(Handle(), {.verb = "open",
                              .file = ReadmeFileName(language_),
                              .parameters = "",
                              .folder = programFolder_,
                              .show = ShowKind::Normal});
}

void TAboutBox::BitBtn_LinkoraClick() {
    ztLinkora1.Language = NewsLanguage(language_);
    ztLinkora1.SetTitle(AboutTextsFor(language_).newsTitle);
    ztLinkora1.URL = NewsUrl(language_);
    ztLinkora1.ShowDirectory();
}

void ShowAboutBox(win::Form* owner, int language) {
    TAboutBox box(language);
    if (box.CreateAbout(owner)) box.ShowModal();
}
