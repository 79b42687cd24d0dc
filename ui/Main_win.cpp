#include "ui/Main_win.h"

#include <windows.h>
#include <shellapi.h>

#include "core/Conversion.h"
#include "core/SettingsStore.h"
#include "ui/Artwork.h"
#include "ui/Languages.h"
#include "ui/MainLayout.h"
#include "win/Application.h"
#include "win/Clipboard.h"

namespace {

// Layout, in the window's pixels.
constexpr int kClientWidth = 326;
constexpr int kToolButtonWidth = 31;
constexpr int kToolButtonHeight = 30;
constexpr int kPanelConvertHeight = 67;
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 125;
constexpr int kBoxHeight = 21;
constexpr int kVanTop = 8;
constexpr int kNaarTop = 38;
constexpr int kCalculatorLeft = 137;
constexpr int kCalculatorSize = 23;
constexpr int kImageLeft = 166;
constexpr int kLabelLeft = 192;
constexpr int kLabelWidth = kClientWidth - kLabelLeft - 4;
constexpr int kGroupBoxTop = 6;
constexpr int kGroupBoxWidth = 66;
constexpr int kGroupBoxMargin = 4;
constexpr int kRowButtonWidth = 44;
constexpr int kRowLabelWidth = 170;
constexpr int kDesignListHeight = 22 * 13 + 22;  // thirteen rows at design time

// Private window messages.
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kStartMinimisedMessage = WM_APP + 2;
constexpr UINT kClipboardFlagMessage = WM_APP + 3;
constexpr UINT kTrayIconId = 1;
// Formats by which password managers and the like mark content as not for clipboard monitors.
constexpr const char* kExcludedFormats[] = {"ExcludeClipboardContentFromMonitorProcessing",
                                            "Clipboard Viewer Ignore"};

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

const Colour kNavy = MakeColour(0, 0, 0x80);
const Colour kResultGrey = MakeColour(0xE0, 0xE0, 0xE0);

}  // namespace

TForm_Main::TForm_Main(MainWindowEnvironment env) : env_(std::move(env)) {
    for (int slot = 1; slot <= 20; ++slot) flags_.push_back(SmallFlag(slot));
}

TForm_Main::~TForm_Main() = default;

bool TForm_Main::CreateMain() {
    return Create({.caption = "Valomat",
                   .clientWidth = kClientWidth,
                   .clientHeight = kPanelConvertHeight + 34 + kGroupBoxTop + kDesignListHeight + 10,
                   .border = win::BorderKind::Fixed,
                   .name = "Form_Main"});
}

int TForm_Main::ToolBarHeight() const {
    return CoolBar1.Height();
}

void TForm_Main::CreateControls() {
    ImageList_Buttons.Create(kToolPictureSize, kToolPictureSize);
    ImageList_Disabled.Create(kToolPictureSize, kToolPictureSize);
    ImageList_Menus.Create(kMenuPictureSize, kMenuPictureSize);
    ImageList_VlaggenKlein.Create(kFlagSize, kFlagSize);
    for (const Picture& flag : flags_) ImageList_VlaggenKlein.Add(flag, kFlagBackground);

    CreateMenus();
    CreateToolBar();
    CreateConvertPanel();
    CreateCurrencyRows();
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](win::CloseAction&) { FormClose(); };
}

void TForm_Main::CreateMenus() {
    for (MenuPicture p : {MenuPicture::Copy, MenuPicture::Paste, MenuPicture::PrintList,
                          MenuPicture::Options, MenuPicture::Convert}) {
        ImageList_Menus.Add(MenuPictureOf(p), kPictureKey);
    }
    PopupMenu1.Create(this, &ImageList_Menus);
    Menu_Copy = PopupMenu1.Add(
        {.name = "Menu_Copy", .image = 0, .onClick = [this] { ToolButton_CopyClick(); }});
    Menu_Paste =
        PopupMenu1.Add({.name = "Menu_Paste", .image = 1, .enabled = false, .onClick = [this] {
                            ToolButton_PasteClick();
                        }});
    PopupMenu1.Add({.caption = "-"});
    Menu_PrintList = PopupMenu1.Add(
        {.name = "Menu_PrintList", .image = 2, .onClick = [this] { ToolButton_PrintListClick(); }});
    Menu_Options = PopupMenu1.Add(
        {.name = "Menu_Options", .image = 3, .onClick = [this] { ToolButton_OptionsClick(); }});
    PopupMenu1.Add({.caption = "-"});
    Menu_Convert =
        PopupMenu1.Add({.name = "Menu_Convert", .image = 4, .onClick = [this] { Convert(true); }});

    PopupMenu_SystemTray.Create(this);
    Menu_ST_Open = PopupMenu_SystemTray.Add(
        {.name = "Menu_ST_Open", .onClick = [this] { Menu_ST_OpenClick(); }});
    PopupMenu_SystemTray.Add({.caption = "-"});
    Menu_ST_Info = PopupMenu_SystemTray.Add(
        {.name = "Menu_ST_Info", .onClick = [this] { ToolButton_InfoClick(); }});
    PopupMenu_SystemTray.Add({.caption = "-"});
    Menu_ST_Exit =
        PopupMenu_SystemTray.Add({.name = "Menu_ST_Exit", .onClick = [this] { Close(); }});
}

void TForm_Main::CreateToolBar() {
    const ToolPicture pictures[] = {
        ToolPicture::Copy,    ToolPicture::Paste,     ToolPicture::Convert,
        ToolPicture::List,    ToolPicture::StayOnTop, ToolPicture::PrintList,
        ToolPicture::Options, ToolPicture::Info,      ToolPicture::Exit};
    for (ToolPicture p : pictures) {
        const Picture picture = ToolbarPicture(p);
        ImageList_Buttons.Add(picture, kPictureKey);
        ImageList_Disabled.Add(GreyedPicture(picture, kPictureKey), kPictureKey);
    }
    CoolBar1.Create({.parent = this,
                     .name = "CoolBar1",
                     .height = kToolButtonHeight + 6,
                     .align = win::Align::Top,
                     .bevelOuter = win::BevelKind::Raised});
    ToolBar_Valomat.Create({.parent = &CoolBar1,
                            .name = "ToolBar_Valomat",
                            .x = 2,
                            .y = 2,
                            .width = kClientWidth - 4,
                            .height = kToolButtonHeight + 2,
                            .buttonWidth = kToolButtonWidth,
                            .buttonHeight = kToolButtonHeight,
                            .images = &ImageList_Buttons,
                            .disabledImages = &ImageList_Disabled});
    auto add = [this](const char* name, int image, win::ToolButtonStyle style,
                      std::function<void()> click) {
        return ToolBar_Valomat.Add(
            {.name = name, .style = style, .image = image, .onClick = std::move(click)});
    };
    auto separator = [this] { ToolBar_Valomat.Add({.style = win::ToolButtonStyle::Separator}); };
    using win::ToolButtonStyle;
    ToolButton_Copy =
        add("ToolButton_Copy", 0, ToolButtonStyle::Button, [this] { ToolButton_CopyClick(); });
    ToolButton_Paste =
        add("ToolButton_Paste", 1, ToolButtonStyle::Button, [this] { ToolButton_PasteClick(); });
    separator();
    ToolButton_Convert = add("ToolButton_Convert", 2, ToolButtonStyle::Button,
                             [this] { ToolButton_ConvertClick(); });
    separator();
    ToolButton_List =
        add("ToolButton_List", 3, ToolButtonStyle::Check, [this] { ToolButton_ListClick(); });
    ToolButton_StayOnTop = add("ToolButton_StayOnTop", 4, ToolButtonStyle::Check,
                               [this] { ToolButton_StayOnTopClick(); });
    separator();
    ToolButton_PrintList = add("ToolButton_PrintList", 5, ToolButtonStyle::Button,
                               [this] { ToolButton_PrintListClick(); });
    ToolButton_Options = add("ToolButton_Options", 6, ToolButtonStyle::Button,
                             [this] { ToolButton_OptionsClick(); });
    separator();
    ToolButton_Info =
        add("ToolButton_Info", 7, ToolButtonStyle::Button, [this] { ToolButton_InfoClick(); });
    ToolButton_Exit =
        add("ToolButton_Exit", 8, ToolButtonStyle::Button, [this] { ToolButton_ExitClick(); });
    ToolButton_List.SetDown(true);
    ToolButton_Paste.SetEnabled(false);
}

void TForm_Main::CreateConvertPanel() {
    Panel_Convert.Create({.parent = this,
                          .name = "Panel_Convert",
                          .height = kPanelConvertHeight,
                          .align = win::Align::Top,
                          .popupMenu = &PopupMenu1,
                          .bevelOuter = win::BevelKind::None});
    Edit_Van.Create({.parent = &Panel_Convert,
                     .name = "Edit_Van",
                     .x = kBoxLeft,
                     .y = kVanTop,
                     .width = kBoxWidth,
                     .height = kBoxHeight,
                     .textColour = kNavy,
                     .popupMenu = &PopupMenu1,
                     .text = "0"});
    Edit_Van.OnChange = [this] { Edit_VanChange(); };
    Edit_Van.OnKeyPress = [this](wchar_t& key) { Edit_VanKeyPress(key); };
    Edit_Van.OnExit = [this] { Edit_VanExit(); };
    Edit_Van.OnEnter = [this] { Edit_VanEnter(); };

    SpeedButtonCalculator.Create({.parent = &Panel_Convert,
                                  .name = "SpeedButtonCalculator",
                                  .x = kCalculatorLeft,
                                  .y = kVanTop - 1,
                                  .width = kCalculatorSize,
                                  .height = kCalculatorSize,
                                  .glyph = MenuPictureOf(MenuPicture::Calculator)});
    SpeedButtonCalculator.OnClick = [this] { SpeedButtonCalculatorClick(); };
    Image_Van.Create({.parent = &Panel_Convert,
                      .name = "Image_Van",
                      .x = kImageLeft,
                      .y = kVanTop,
                      .width = kFlagSize,
                      .height = kFlagSize,
                      .popupMenu = &PopupMenu1});
    Label_Van.Create({.parent = &Panel_Convert,
                      .name = "Label_Van",
                      .x = kLabelLeft,
                      .y = kVanTop + 3,
                      .width = kLabelWidth,
                      .height = 15,
                      .popupMenu = &PopupMenu1,
                      .transparent = true});

    Edit_Naar.Create({.parent = &Panel_Convert,
                      .name = "Edit_Naar",
                      .x = kBoxLeft,
                      .y = kNaarTop,
                      .width = kBoxWidth,
                      .height = kBoxHeight,
                      .colour = kResultGrey,
                      .popupMenu = &PopupMenu1,
                      .text = "0",
                      .readOnly = true});
    Edit_Naar.OnEnter = [this] { Edit_NaarEnter(); };
    Edit_Naar.OnKeyPress = [this](wchar_t& key) { Edit_NaarKeyPress(key); };
    Image_Naar.Create({.parent = &Panel_Convert,
                       .name = "Image_Naar",
                       .x = kImageLeft,
                       .y = kNaarTop,
                       .width = kFlagSize,
                       .height = kFlagSize,
                       .popupMenu = &PopupMenu1});
    Label_Naar.Create({.parent = &Panel_Convert,
                       .name = "Label_Naar",
                       .x = kLabelLeft,
                       .y = kNaarTop + 3,
                       .width = kLabelWidth,
                       .height = 15,
                       .popupMenu = &PopupMenu1,
                       .transparent = true});

    for (win::Image* hidden : {&Image_Layout, &ImageOwn1, &ImageOwn2}) {
        const char* name = hidden == &Image_Layout ? "Image_Layout"
                           : hidden == &ImageOwn1  ? "ImageOwn1"
                                                   : "ImageOwn2";
        hidden->Create({.parent = &Panel_Convert,
                        .name = name,
                        .width = kFlagSize,
                        .height = kFlagSize,
                        .visible = false});
    }
}

void TForm_Main::CreateCurrencyRows() {
    Panel_Main.Create({.parent = this,
                       .name = "Panel_Main",
                       .align = win::Align::Client,
                       .popupMenu = &PopupMenu1,
                       .bevelOuter = win::BevelKind::None});
    const int boxHeight = kDesignListHeight;
    GroupBox_Van.Create({.parent = &Panel_Main,
                         .name = "GroupBox_Van",
                         .x = kGroupBoxMargin,
                         .y = kGroupBoxTop,
                         .width = kGroupBoxWidth,
                         .height = boxHeight,
                         .caption = "Bron"});
    GroupBox_Naar.Create({.parent = &Panel_Main,
                          .name = "GroupBox_Naar",
                          .x = kClientWidth - kGroupBoxMargin - kGroupBoxWidth,
                          .y = kGroupBoxTop,
                          .width = kGroupBoxWidth,
                          .height = boxHeight,
                          .caption = "Doel"});
    const int lineLeft = kGroupBoxMargin + kGroupBoxWidth + 4;
    const int lineWidth = kClientWidth - 2 * lineLeft;
    Bevel5.Create({.parent = &Panel_Main,
                   .name = "Bevel5",
                   .x = lineLeft,
                   .y = kGroupBoxTop + 6,
                   .width = lineWidth,
                   .height = 2,
                   .shape = win::BevelShape::TopLine});
    BevelOnder.Create({.parent = &Panel_Main,
                       .name = "BevelOnder",
                       .x = lineLeft,
                       .y = kGroupBoxTop + boxHeight - 6,
                       .width = lineWidth,
                       .height = 2,
                       .shape = win::BevelShape::TopLine});

    const int buttonLeft = (kGroupBoxWidth - kRowButtonWidth) / 2;
    const int labelLeft = (kClientWidth - kRowLabelWidth) / 2;
    for (int n = 1; n <= kSlotCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const std::string number = std::to_string(n);
        win::SpeedButton& van = SpeedButton_Van[i];
        van.Create({.parent = &GroupBox_Van,
                    .name = "SpeedButton_Van" + number,
                    .x = buttonLeft,
                    .y = 14 + (n - 1) * kRowPitch,
                    .width = kRowButtonWidth,
                    .height = kRowPitch,
                    .groupIndex = 1,
                    .showCaption = false});
        van.OnClick = [this, &van] { SpeedButton_Van1Click(&van); };
        win::SpeedButton& naar = SpeedButton_Naar[i];
        naar.Create({.parent = &GroupBox_Naar,
                     .name = "SpeedButton_Naar" + number,
                     .x = buttonLeft,
                     .y = 14 + (n - 1) * kRowPitch,
                     .width = kRowButtonWidth,
                     .height = kRowPitch,
                     .groupIndex = 2,
                     .showCaption = false});
        naar.OnClick = [this, &naar] { SpeedButton_Naar1Click(&naar); };
        Label_Munt[i].Create({.parent = &Panel_Main,
                              .name = "Label_Munt" + number,
                              .x = labelLeft,
                              .y = kGroupBoxTop + (n - 1) * kRowPitch + 19,
                              .width = kRowLabelWidth,
                              .height = 15,
                              .popupMenu = &PopupMenu1,
                              .alignment = win::TextAlign::Centre,
                              .transparent = true});
    }
}

// ---- routines ----

void TForm_Main::FormCreate() {
    // Joining the clipboard viewer chain comes first; the clipboard handler converts nothing
    // until the settings are loaded.
    nextViewer_ = SetClipboardViewer(Handle());
    stayOnTop_ = false;
    const SettingsEnvironment settingsEnv{.localeLanguage = env_.localeLanguage,
                                          .screenWidth = GetSystemMetrics(SM_CXSCREEN),
                                          .screenHeight = GetSystemMetrics(SM_CYSCREEN),
                                          .windowWidth = Width(),
                                          .windowHeight = Height()};
    LoadResult loaded;
    if (env_.registry) {
        loaded = LoadSettings(Rec, *env_.registry, settingsEnv, Own);
    } else {
        MemoryRegistry scratch;  // no registry: every setting takes its default
        loaded = LoadSettings(Rec, scratch, settingsEnv, Own);
    }
    ImageOwn1.SetPicture(Own.own1);
    ImageOwn2.SetPicture(Own.own2);
    // A position saved on a screen that is no longer there would hide the window.
    RECT want{loaded.position.left, loaded.position.top, loaded.position.left + Width(),
              loaded.position.top + Height()};
    MONITORINFO monitor{sizeof(monitor)};
    if (GetMonitorInfoW(MonitorFromRect(&want, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (want.left >= work.right - 40 || want.right <= work.left + 40 ||
            want.top >= work.bottom - 30 || want.top < work.top - 10) {
            want.left = work.left + (work.right - work.left - Width()) / 2;
            want.top = work.top + (work.bottom - work.top - Height()) / 2;
        }
    }
    SetPosition(want.left, want.top);
    ShowDefaults(false);
    if (env_.cleanupRun && env_.registry) DeleteLegacyKey(*env_.registry);
    watch_.SetReady(true);
}

void TForm_Main::FormShow() {
    ApplyLanguage();
    Convert(true);
    ShowDefaults(true);
    if (Edit_Van.CanFocus()) Edit_Van.SetFocus();
}

void TForm_Main::FormClose() {
    SaveOnce();
}

void TForm_Main::SaveOnce() {
    if (saved_ || env_.cleanupRun || !env_.registry) return;
    saved_ = true;
    // A registry that cannot be written must not keep the program from ending.
    SaveSettings(Rec, *env_.registry, {.top = Top(), .left = Left()});
}

UINT TForm_Main::ActivateMessage() {
    static const UINT message = RegisterWindowMessageW(L"ZT.Valomat.Activate");
    return message;
}

std::optional<LRESULT> TForm_Main::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DRAWCLIPBOARD:
            ClipboardChanged();
            if (nextViewer_) SendMessageW(nextViewer_, msg, wp, lp);
            return 0;
        case WM_CHANGECBCHAIN:
            if (reinterpret_cast<HWND>(wp) == nextViewer_) {
                nextViewer_ = reinterpret_cast<HWND>(lp);
            } else if (nextViewer_) {
                SendMessageW(nextViewer_, msg, wp, lp);
            }
            return 0;
        case WM_DESTROY:
            ChangeClipboardChain(Handle(), nextViewer_);
            nextViewer_ = nullptr;
            RemoveTrayIcon();
            break;
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED && Rec.SysteemLade && !inTray_) GoToTray();
            break;
        case kTrayMessage:
            TrayEvent(static_cast<UINT>(lp));
            return 0;
        case kClipboardFlagMessage:
            SetClipboardNumber(ClipboardWatch::IsNumber(ReadClipboardNotice(), env_.separators));
            return 0;
        case kStartMinimisedMessage:
            ShowWindow(Handle(), SW_MINIMIZE);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // Windows ends the process after this message without closing the window.
            if (wp) SaveOnce();
            return 0;
    }
    if (msg == TaskbarCreatedMessage()) {
        // Explorer started again: its tray forgot our icon.
        trayIconShown_ = false;
        if (inTray_) AddTrayIcon();
        return 0;
    }
    if (msg == ActivateMessage()) {
        RestoreWindow();
        return 0;
    }
    return Form::OnMessage(msg, wp, lp);
}

// ---- clipboard ----

ClipboardNotice TForm_Main::ReadClipboardNotice() const {
    ClipboardNotice notice;
    for (const char* format : kExcludedFormats) {
        if (win::clipboard::IsFormatAvailable(format)) notice.excluded = true;
    }
    if (!notice.excluded) notice.text = win::clipboard::ReadText();
    notice.ownWrite = writingClipboard_ || (ownWriteSequence_ != 0 &&
                                            win::clipboard::SequenceNumber() == ownWriteSequence_);
    notice.nowMs = GetTickCount64();
    return notice;
}

void TForm_Main::ClipboardChanged() {
    if (!watch_.Ready()) {
        // Joining the chain announces the clipboard at once, before the settings are loaded:
        // nothing converts, and reading a text another program holds can take a while under
        // X11, so the paste flag is looked at once the window runs.
        PostMessageW(Handle(), kClipboardFlagMessage, 0, 0);
        return;
    }
    ClipboardNotice notice = ReadClipboardNotice();
    if (auto amount = watch_.AmountToConvert(notice, Rec.Letters, env_.separators)) {
        Edit_Van.SetText(FormatGeneral(*amount, env_.separators));
        Convert(true);
        // Writing runs this handler again, nested; that notice is our own and converts nothing.
        writingClipboard_ = true;
        if (win::clipboard::WriteText(Edit_Naar.Text())) {
            ownWriteSequence_ = win::clipboard::SequenceNumber();
        }
        writingClipboard_ = false;
        notice = ReadClipboardNotice();
    }
    SetClipboardNumber(ClipboardWatch::IsNumber(notice, env_.separators));
}

// ---- tray ----

bool TForm_Main::AddTrayIcon() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = Handle();
    data.uID = kTrayIconId;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!data.hIcon) data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(data.szTip, L"Valomat", static_cast<int>(std::size(data.szTip)));
    trayIconShown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return trayIconShown_;
}

void TForm_Main::RemoveTrayIcon() {
    if (!trayIconShown_) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = Handle();
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayIconShown_ = false;
}

void TForm_Main::GoToTray() {
    // Without a tray to hold the icon the window stays on the taskbar, or it could not be
    // brought back.
    if (!AddTrayIcon()) return;
    inTray_ = true;
    ShowWindow(Handle(), SW_HIDE);
}

void TForm_Main::RestoreWindow() {
    if (inTray_) {
        inTray_ = false;
        RemoveTrayIcon();
        ShowWindow(Handle(), SW_SHOW);
    }
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

void TForm_Main::TrayEvent(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            RestoreWindow();
            break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: {
            POINT at{};
            GetCursorPos(&at);
            // The menu closes when the user clicks elsewhere only if we are in front.
            SetForegroundWindow(Handle());
            PopupMenu_SystemTray.Popup(at.x, at.y);
            PostMessageW(Handle(), WM_NULL, 0, 0);
            break;
        }
    }
}

Picture TForm_Main::SlotPicture(int slot) const {
    if (slot >= 1 && slot <= 20) return flags_[static_cast<std::size_t>(slot - 1)];
    return slot == 21 ? ImageOwn1.GetPicture() : ImageOwn2.GetPicture();
}

void TForm_Main::ShowSlot(win::Label& label, win::Image& image, int slot, bool clearFirst) {
    label.SetText(SlotCaption(Rec, slot, Rec.Taal));
    label.SetTextColour(SlotColour(Rec, slot));
    if (clearFirst) image.Clear();
    image.SetPicture(SlotPicture(slot));
}

void TForm_Main::Convert(bool record) {
    const int caret = Edit_Van.SelStart();
    std::string text = Edit_Van.Text();
    if (auto fix = ReplaceForeignSeparator(text, caret, env_.separators)) {
        // Runs this routine again, nested, which replaces any further separator.
        Edit_Van.SetText(fix->text);
        Edit_Van.SetCaret(fix->caret);
        text = Edit_Van.Text();
    }
    const std::optional<long double> amount = ParseAmount(text, env_.separators);
    if (!amount) {
        if (record) {
            Edit_Van.SetText("0");
            Edit_Naar.SetText("0");
        }
        return;
    }
    const ConversionResult result = FormatResult(Rec, *amount, env_.separators);
    Edit_Naar.SetText(result.text);
    if (!record) return;
    if (result.value != 0 && results_) {
        results_->AppendEntry(MakeResultEntry(Rec, *amount, result.value, env_.separators));
    }
    MoveFocusToResult();
}

void TForm_Main::MoveFocusToResult() {
    if (!Edit_Naar.CanFocus()) return;
    // The amount box's exit handler runs inside this focus move; it must not commit again.
    committing_ = true;
    if (GetActiveWindow() == Handle()) {
        Edit_Naar.SetFocus();
    } else {
        // In the background (a clipboard conversion) the focus is only remembered, so the
        // window does not take the activation from the program the user works in.
        SetActiveControl(&Edit_Naar);
    }
    committing_ = false;
    Edit_Naar.SelectAll();
}

void TForm_Main::ShowDefaults(bool pressButtons) {
    Rec.VanMunt = Rec.DefaultVanMunt;
    ShowSlot(Label_Van, Image_Van, Rec.VanMunt, false);
    if (pressButtons) {
        const int n = FindVanButton(Rec.VanMunt);
        if (n != -1) SpeedButton_Van[static_cast<std::size_t>(n - 1)].SetDown(true);
    }
    Rec.NaarMunt = Rec.DefaultNaarMunt;
    ShowSlot(Label_Naar, Image_Naar, Rec.NaarMunt, false);
    if (pressButtons) {
        const int n = FindVanButton(Rec.NaarMunt);
        if (n != -1) SpeedButton_Naar[static_cast<std::size_t>(n - 1)].SetDown(true);
    }
    listView_ = Rec.Lijst == 2;
    ToolButton_List.SetDown(listView_);
    ApplyLayout();
}

int TForm_Main::FindVanButton(int slot) const {
    for (int n = 1; n <= kSlotCount; ++n) {
        if (SpeedButton_Van[static_cast<std::size_t>(n - 1)].Tag == slot) return n;
    }
    return -1;
}

void TForm_Main::ApplyLayout() {
    const MainLayout layout = ComputeMainLayout(Rec, listView_,
                                                {.buttonHeight = SpeedButton_Van[0].Height(),
                                                 .groupBoxTop = kGroupBoxTop,
                                                 .panelConvertHeight = Panel_Convert.Height(),
                                                 .toolBarHeight = ToolBarHeight()});
    Rec.Lijst = layout.lijst;
    // WM_SETREDRAW on a hidden window would make it visible (and skip its first showing).
    const bool suspend = Visible();
    if (suspend) SetRedraw(false);
    // Each change is a round trip to the window system (and under Wine to its server): only
    // what differs is set, which keeps the layout at showing and every switch quick.
    auto setText = [](win::Control& c, const std::string& text) {
        if (c.Text() != text) c.SetText(text);
    };
    auto setTop = [](win::Control& c, int top) {
        if (c.Top() != top) c.SetTop(top);
    };
    auto setVisible = [](win::Control& c, bool visible) {
        if (c.Visible() != visible) c.SetVisible(visible);
    };
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlotCount); ++i) {
        win::Label& label = Label_Munt[i];
        win::SpeedButton* buttons[] = {&SpeedButton_Van[i], &SpeedButton_Naar[i]};
        if (i < layout.rows.size()) {
            const RowPlacement& row = layout.rows[i];
            label.Tag = row.slot;
            label.SetTextColour(SlotColour(Rec, row.slot));
            setText(label, SlotCaption(Rec, row.slot, Rec.Taal));
            if (listView_) setTop(label, row.labelTop);
            setVisible(label, true);
            const Picture glyph = SlotPicture(row.slot);
            for (win::SpeedButton* b : buttons) {
                if (b->Height() != kRowPitch) b->SetHeight(kRowPitch);
                b->Tag = row.slot;
                if (listView_) setTop(*b, row.buttonTop);
                if (!(b->Glyph() == glyph)) b->SetGlyph(glyph);
                setText(*b, Rec.Munteenheid[row.slot]);  // what a screen reader announces
                setVisible(*b, true);
            }
        } else {
            // No row outside the list keeps a slot.
            setVisible(label, false);
            label.Tag = 0;
            for (win::SpeedButton* b : buttons) {
                setVisible(*b, false);
                b->Tag = 0;
            }
        }
    }
    if (listView_) {
        GroupBox_Van.SetHeight(layout.groupBoxHeight);
        GroupBox_Naar.SetHeight(layout.groupBoxHeight);
        BevelOnder.SetTop(layout.bevelOnderTop);
    }
    Panel_Main.SetVisible(listView_);
    SetClientHeight(layout.clientHeight);
    if (suspend) SetRedraw(true);
}

void TForm_Main::ApplyLanguage() {
    const MainWindowTexts& t = MainTexts(Rec.Taal);
    GroupBox_Van.SetText(t.groupVan);
    GroupBox_Naar.SetText(t.groupNaar);
    ToolButton_Copy.SetHint(t.copy);
    Menu_Copy.SetCaption(t.copy);
    ToolButton_Paste.SetHint(t.paste);
    Menu_Paste.SetCaption(t.paste);
    ToolButton_Convert.SetHint(t.convert);
    Menu_Convert.SetCaption(t.convert);
    ToolButton_List.SetHint(t.list);
    ToolButton_StayOnTop.SetHint(t.stayOnTop);
    ToolButton_PrintList.SetHint(t.printList);
    Menu_PrintList.SetCaption(t.printList);
    ToolButton_Options.SetHint(t.options);
    Menu_Options.SetCaption(t.options);
    ToolButton_Info.SetHint(t.info);
    Menu_ST_Info.SetCaption(t.info);
    ToolButton_Exit.SetHint(t.exit);
    Menu_ST_Exit.SetCaption(t.exit);
    SpeedButtonCalculator.SetHint(t.calculator);
    Menu_ST_Open.SetCaption(t.open);
    // The rows show the slot their label's Tag holds.
    for (win::Label& label : Label_Munt) {
        if (label.Tag < 1 || label.Tag > kSlotCount) continue;
        label.SetText(SlotCaption(Rec, label.Tag, Rec.Taal));
        label.SetTextColour(SlotColour(Rec, label.Tag));
    }
    if (OnLanguageApplied) OnLanguageApplied();
}

// ---- handlers ----

void TForm_Main::Edit_VanChange() {
    Convert(false);
}

void TForm_Main::Edit_VanKeyPress(wchar_t& key) {
    if (key != L'\r') return;
    key = 0;  // no beep for a key the box cannot use
    if (Edit_Naar.CanFocus()) Edit_Naar.SetFocus();
}

void TForm_Main::Edit_VanExit() {
    if (committing_) return;
    // Only a move inside this window commits; switching to another program does not.
    HWND focus = GetFocus();
    if (!focus || GetAncestor(focus, GA_ROOT) != Handle()) return;
    Convert(true);
}

void TForm_Main::Edit_VanEnter() {
    SetPasteEnabled(clipboardNumber_);
}

void TForm_Main::Edit_NaarEnter() {
    SetPasteEnabled(false);
}

void TForm_Main::Edit_NaarKeyPress(wchar_t& key) {
    if (key != L'\r') return;
    key = 0;
    if (Edit_Van.CanFocus()) Edit_Van.SetFocus();
}

void TForm_Main::SetPasteEnabled(bool enabled) {
    ToolButton_Paste.SetEnabled(enabled);
    Menu_Paste.SetEnabled(enabled);
}

void TForm_Main::SetClipboardNumber(bool isNumber) {
    clipboardNumber_ = isNumber;
    if (ActiveControl() == &Edit_Van) SetPasteEnabled(isNumber);
}

void TForm_Main::SpeedButton_Van1Click(win::SpeedButton* sender) {
    if (sender) Rec.VanMunt = static_cast<std::uint8_t>(sender->Tag);
    ShowSlot(Label_Van, Image_Van, Rec.VanMunt, true);
    Convert(true);
}

void TForm_Main::SpeedButton_Naar1Click(win::SpeedButton* sender) {
    if (sender) Rec.NaarMunt = static_cast<std::uint8_t>(sender->Tag);
    ShowSlot(Label_Naar, Image_Naar, Rec.NaarMunt, true);
    Convert(true);
}

void TForm_Main::ToolButton_CopyClick() {
    for (win::Edit* box : {&Edit_Van, &Edit_Naar}) {
        if (ActiveControl() != box) continue;
        box->SelectAll();
        box->CopyToClipboard();
    }
}

void TForm_Main::ToolButton_PasteClick() {
    if (ActiveControl() != &Edit_Van) return;
    Edit_Van.PasteFromClipboard();
    Edit_Van.SetFocus();
}

void TForm_Main::ToolButton_ListClick() {
    listView_ = !listView_;
    ToolButton_List.SetDown(listView_);
    ApplyLayout();
}

void TForm_Main::ToolButton_StayOnTopClick() {
    stayOnTop_ = !stayOnTop_;
    ToolButton_StayOnTop.SetDown(stayOnTop_);
    SetStayOnTop(stayOnTop_);
}

void TForm_Main::ToolButton_PrintListClick() {
    if (results_) results_->ShowResults();
}

// The options dialog, the About box and the calculator come with their own windows.
void TForm_Main::ToolButton_OptionsClick() {}
void TForm_Main::ToolButton_InfoClick() {}
void TForm_Main::SpeedButtonCalculatorClick() {}
