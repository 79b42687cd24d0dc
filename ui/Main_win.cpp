#include "ui/Main_win.h"

#include <windows.h>

#include "core/Conversion.h"
#include "core/SettingsStore.h"
#include "ui/About_win.h"
#include "ui/Artwork.h"
#include "ui/MainLayout.h"
#include "ui/MainPosition.h"
#include "ui/OptionsLogic.h"
#include "util/zt_Misc_win.h"
#include "win/Application.h"
#include "win/Clipboard.h"
#include "win/StartupLog.h"

namespace {

// Private window messages.
constexpr UINT kClipboardFlagMessage = WM_APP + 3;
// A timer's tick comes only when nothing is left to paint: the first one after the first paint
// finds the window and all its children painted.
constexpr UINT_PTR kPaintedTimer = 0x7A01;
// Formats by which password managers and the like mark content as not for clipboard monitors.
constexpr const char* kExcludedFormats[] = {"ExcludeClipboardContentFromMonitorProcessing",
                                            "Clipboard Viewer Ignore"};

}  // namespace

TForm_Main::TForm_Main(MainWindowEnvironment env) : env_(std::move(env)) {
    ztCalculator1.Seps = env_.separators;
    Pictures.Listen([this](int slot) { OwnPictureChanged(slot); });
}

TForm_Main::~TForm_Main() {
    if (keyFilter_) win::Application::RemoveKeyFilter(keyFilter_);
    // Its handlers run while the whole window object is alive: the chain and the tray are left.
    Destroy();
}

// ---- routines ----

void TForm_Main::FormCreate() {
    // Joining the clipboard viewer chain comes first; the clipboard handler converts nothing
    // until the settings are loaded.
    viewer_.emplace(Handle(), [this] { ClipboardChanged(); });
    stayOnTop_ = false;
    const SettingsEnvironment settingsEnv{.localeLanguage = env_.localeLanguage,
                                          .screenWidth = GetSystemMetrics(SM_CXSCREEN),
                                          .screenHeight = GetSystemMetrics(SM_CYSCREEN),
                                          .windowWidth = Width(),
                                          .windowHeight = Height()};
    LoadResult loaded;
    if (env_.registry) {
        loaded = LoadSettings(Rec, *env_.registry, settingsEnv, Pictures.Own());
    } else {
        MemoryRegistry scratch;  // no registry: every setting takes its default
        loaded = LoadSettings(Rec, scratch, settingsEnv, Pictures.Own());
    }
    // A position saved on a screen that is no longer there would hide the window.
    const WindowPosition saved = loaded.position;
    RECT want{saved.left, saved.top, saved.left + Width(), saved.top + Height()};
    MONITORINFO monitor{sizeof(monitor)};
    WindowPosition placed = saved;
    if (GetMonitorInfoW(MonitorFromRect(&want, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        placed = PlaceOnWorkArea(
            saved, Width(), Height(),
            {.left = work.left, .top = work.top, .right = work.right, .bottom = work.bottom});
    }
    SetPosition(placed.left, placed.top);
    win::StartupMark("settings loaded");
    ShowDefaults(false);
    if (env_.cleanupRun && env_.registry) DeleteLegacyKey(*env_.registry);
    watch_.SetReady(true);
    // The clipboard's state at joining was not looked at: the paste flag is set once we run.
    PostMessageW(Handle(), kClipboardFlagMessage, 0, 0);
}

void TForm_Main::FormShow() {
    if (ApplyLanguage) ApplyLanguage();
    Convert(true);
    ShowDefaults(true);
    if (Edit_Van.CanFocus()) Edit_Van.SetFocus();
    if (!started_) {
        started_ = true;
        win::StartupMark("main window shown");
        // Before the window is first painted; into the tray with SysteemLade (see WM_SIZE).
        if (Rec.Minimalizeren) ShowWindow(Handle(), SW_MINIMIZE);
    }
}

void TForm_Main::FormClose() {
    SaveOnce();
}

void TForm_Main::SaveOnce() {
    if (saved_ || env_.cleanupRun || !env_.registry) return;
    saved_ = true;
    // A registry that cannot be written must not keep the program from ending.
    // Where the window comes back to, also when it is minimised or in the tray now.
    const RECT normal = NormalBounds();
    SaveSettings(Rec, *env_.registry, {.top = normal.top, .left = normal.left});
}

UINT TForm_Main::ActivateMessage() {
    static const UINT message = RegisterWindowMessageW(L"ZT.Valomat.Activate");
    return message;
}

std::optional<LRESULT> TForm_Main::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (viewer_) {
        if (auto handled = viewer_->HandleMessage(msg, wp, lp)) return handled;
    }
    if (tray_) {
        if (auto handled = tray_->HandleMessage(msg, wp, lp)) return handled;
    }
    switch (msg) {
        case WM_DESTROY:
            // The window still exists: the chain and the tray are left properly.
            viewer_.reset();
            tray_.reset();
            break;
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED && Rec.SysteemLade && !tray_) GoToTray();
            break;
        case kClipboardFlagMessage:
            SetClipboardNumber(ClipboardWatch::IsNumber(ReadClipboardNotice(), env_.separators));
            return 0;
        case WM_PAINT:
            if (!painted_) SetTimer(Handle(), kPaintedTimer, USER_TIMER_MINIMUM, nullptr);
            painted_ = true;
            break;
        case WM_TIMER:
            if (wp != kPaintedTimer) break;
            KillTimer(Handle(), kPaintedTimer);
            win::StartupMark("main window painted");
            win::StartupCountWindows();
            AfterFirstPaint();
            if (AfterFirstShow) AfterFirstShow();
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
    // Our write's own notice, or another program's taken while the write waits on the old
    // owner: the write reads the clipboard once it is done.
    if (writingClipboard_) return;
    ClipboardNotice notice = ReadClipboardNotice();
    if (auto amount = watch_.AmountToConvert(notice, Rec.Letters, env_.separators)) {
        Edit_Van.SetText(FormatGeneral(*amount, env_.separators));
        Convert(true);
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

void TForm_Main::GoToTray() {
    tray_.emplace(win::TrayIconParams{.window = Handle(), .tip = "Valomat"});
    // Without a tray to hold the icon the window stays on the taskbar, or it could not be
    // brought back.
    if (!tray_->Shown()) {
        tray_.reset();
        return;
    }
    tray_->OnDoubleClick = [this] { RestoreWindow(); };
    tray_->OnMenu = [this](int x, int y) { PopupMenu_SystemTray.Popup(x, y); };
    ShowWindow(Handle(), SW_HIDE);
}

void TForm_Main::RestoreWindow() {
    if (tray_) {
        tray_.reset();
        ShowWindow(Handle(), SW_SHOW);
    }
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

void TForm_Main::AfterFirstPaint() {
    // What no one sees at the start waits until the window is on the screen.
    for (int slot = 1; slot <= 20; ++slot) {
        ImageList_VlaggenKlein.Add(Pictures.SlotPicture(slot), kFlagBackground);
    }
}

Picture TForm_Main::SlotPicture(int slot) const {
    return Pictures.SlotPicture(slot);
}

void TForm_Main::OwnPictureChanged(int slot) {
    // A newly chosen picture shows at once wherever the slot is on view.
    const ScalablePicture picture = Pictures.SlotGlyph(slot);
    if (Rec.VanMunt == slot) Image_Van.SetPicture(picture);
    if (Rec.NaarMunt == slot) Image_Naar.SetPicture(picture);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlotCount); ++i) {
        for (win::SpeedButton* b : {&SpeedButton_Van[i], &SpeedButton_Naar[i]}) {
            if (b->Tag == slot) b->SetGlyph(picture);
        }
    }
}

void TForm_Main::ShowSlot(win::Label& label, win::Image& image, int slot, bool clearFirst) {
    label.SetText(SlotCaption(Rec, slot, Rec.Taal));
    label.SetTextColour(SlotColour(Rec, slot));
    if (clearFirst) image.Clear();
    image.SetPicture(Pictures.SlotGlyph(slot));
}

// After a dialog: the current currencies and the result as the settings now have them. Closing
// a dialog is no conversion of the user's: nothing is recorded.
void TForm_Main::ShowCurrentCurrencies() {
    ShowSlot(Label_Van, Image_Van, Rec.VanMunt, true);
    ShowSlot(Label_Naar, Image_Naar, Rec.NaarMunt, true);
    Convert(false);
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
    // The keyboard keeps the focus where it took it: in a currency column, whose arrow keys
    // go on selecting, or wherever Tab sent it from the amount box.
    if (keepFocus_ || GroupBox_Van.Focused() || GroupBox_Naar.Focused()) return;
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
    const RedrawSuspension suspended(Handle());
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
            const ScalablePicture glyph = Pictures.SlotGlyph(row.slot);
            for (win::SpeedButton* b : buttons) {
                if (b->Height() != kRowPitch) b->SetHeight(kRowPitch);
                b->Tag = row.slot;
                if (listView_) setTop(*b, row.buttonTop);
                if (!(b->Glyph() == glyph.Design())) b->SetGlyph(glyph);
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
    keepFocus_ = focus != Edit_Naar.Handle();
    Convert(true);
    keepFocus_ = false;
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

void TForm_Main::ToolButton_OptionsClick() {
    if (!ShowOptions) return;
    ShowOptions();
    const RECT before = Bounds();
    {
        const RedrawSuspension suspended(Handle());
        // A current currency no longer offered gives way to the first one offered. Row 1 still
        // carries the slot of the old list, which may be the one just taken off.
        if (const int first = FirstOfferedSlot(Rec); first != 0) {
            if (!Rec.Geselecteerd[Rec.VanMunt]) {
                SpeedButton_Van[0].Tag = first;
                SpeedButton_Van[0].SetDown(true);
                Rec.VanMunt = static_cast<std::uint8_t>(first);
            }
            if (!Rec.Geselecteerd[Rec.NaarMunt]) {
                SpeedButton_Naar[0].Tag = first;
                SpeedButton_Naar[0].SetDown(true);
                Rec.NaarMunt = static_cast<std::uint8_t>(first);
            }
        }
        ShowCurrentCurrencies();
        ApplyLayout();
        Label_Van.SetTextColour(SlotColour(Rec, Rec.VanMunt));
        Label_Naar.SetTextColour(SlotColour(Rec, Rec.NaarMunt));
    }  // drawing resumes here, frame and children repainted
    const RECT after = Bounds();
    if (after.bottom < before.bottom) {
        // What the shorter window no longer covers is painted by the windows below it.
        const RECT uncovered{before.left, after.bottom, before.right, before.bottom};
        RedrawWindow(GetDesktopWindow(), &uncovered, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

void TForm_Main::ToolButton_InfoClick() {
    ShowAboutBox(this, Rec.Taal);
    const RedrawSuspension suspended(Handle());
    ShowCurrentCurrencies();
}

void TForm_Main::Menu_ST_InfoClick() {
    ShowAboutBox(this, Rec.Taal);
}

// An amount that does not read as a number gives the calculator 0; OK's number starts the live
// conversion.
void TForm_Main::SpeedButtonCalculatorClick() {
    ztCalculator1.Value = ParseAmount(Edit_Van.Text(), env_.separators).value_or(0);
    if (ztCalculator1.Execute()) {
        Edit_Van.SetText(FormatGeneral(ztCalculator1.Value, env_.separators));
    }
}
