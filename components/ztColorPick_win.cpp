#include "components/ztColorPick_win.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cwctype>
#include <optional>
#include <utility>

#include "win/Application.h"
#include "win/Gdi.h"
#include "win/GdiCanvas.h"
#include "win/Message.h"

namespace {

using namespace colorpick;

constexpr wchar_t kPickerClass[] = L"ValomatColorPicker";

ATOM PickerClass() {
    static ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = win::Application::Instance();
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kPickerClass;
        return ::RegisterClassExW(&wc);
    }();
    return atom;
}

// The one system colour dialog of the program: its sixteen custom colours live as long as the
// program, so a colour mixed for one picker is offered to the others.
class SharedColorDialog {
  public:
    static SharedColorDialog& Instance() {
        static SharedColorDialog dialog;
        return dialog;
    }
    // Opens with the custom-colour part expanded and the colour preselected; the chosen colour,
    // or nothing when the user cancels.
    std::optional<Colour> Execute(HWND owner, Colour initial) {
        CHOOSECOLORW cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = owner;
        cc.rgbResult = win::ToColorRef(initial);
        cc.lpCustColors = custom_;
        cc.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ANYCOLOR;
        if (!::ChooseColorW(&cc)) return std::nullopt;
        return static_cast<Colour>(cc.rgbResult & 0x00FFFFFFu);
    }

  private:
    SharedColorDialog() { std::fill(std::begin(custom_), std::end(custom_), RGB(255, 255, 255)); }
    COLORREF custom_[16];
};

}  // namespace

// ---- TztColorForm

TztColorForm::~TztColorForm() {
    Destroy();
}

bool TztColorForm::CreateDropDown(win::Form* owner, int left, int top) {
    owner_ = owner;
    if (!Create({.clientWidth = kDropDownWidth,
                 .clientHeight = kDropDownHeight,
                 .border = win::BorderKind::None,
                 .topmost = true,
                 .centred = false,
                 .left = left,
                 .top = top,
                 .owner = owner,
                 .name = "ztColorForm"})) {
        return false;
    }
    OnShow = [this] { FormShow(); };
    return true;
}

void TztColorForm::FormShow() {
    hot_ = InitialHotCell(CurrentColor);
}

void TztColorForm::CloseUp() {
    if (!Visible()) return;
    const bool active = ::GetActiveWindow() == Handle();
    Hide();
    // Windows would pick any window of the program; the picker's form is the one to go on in.
    if (active && owner_ && owner_->Exists() && ::IsWindowEnabled(owner_->Handle())) {
        ::SetActiveWindow(owner_->Handle());
    }
}

void TztColorForm::SetHot(colorpick::HotCell hot) {
    if (hot == hot_) return;
    hot_ = hot;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TztColorForm::MouseMove(int x, int y) {
    SetHot(HotCellAt(x, y, ClientWidth(), ClientHeight()));
}

void TztColorForm::Select(Colour colour) {
    if (OnSelectColor) OnSelectColor(colour);
}

void TztColorForm::MouseDown(int x, int y) {
    // Normally the last move has set the cell already; a click that came without one (the
    // drop-down opened under a resting pointer) is taken where it is.
    hot_ = HotCellAt(x, y, ClientWidth(), ClientHeight());
    Act(ClickAction(hot_, x, y, ClientHeight()));
}

bool TztColorForm::KeyDown(WPARAM key) {
    static constexpr std::pair<WPARAM, GridKey> kMoves[] = {
        {VK_LEFT, GridKey::Left}, {VK_RIGHT, GridKey::Right}, {VK_UP, GridKey::Up},
        {VK_DOWN, GridKey::Down}, {VK_HOME, GridKey::Home},   {VK_END, GridKey::End}};
    for (const auto& [vk, move] : kMoves) {
        if (key != vk) continue;
        SetHot(MoveHotCell(hot_, move));
        return true;
    }
    switch (key) {
        case VK_RETURN:
        case VK_SPACE:
            Act(KeyAction(hot_));
            return true;
        case VK_ESCAPE:
            CloseUp();
            return true;
        default:
            return false;
    }
}

void TztColorForm::Act(DropDownAction action) {
    switch (action) {
        case DropDownAction::ChooseCell:
            Select(CellColour(hot_));
            CloseUp();
            break;
        case DropDownAction::ChooseCurrent:
            Select(CurrentColor);
            CloseUp();
            break;
        case DropDownAction::OtherColour: {
            // The dialog takes the activation, which closes the drop-down.
            HWND owner = owner_ && owner_->Exists() ? owner_->Handle() : Handle();
            const std::optional<Colour> chosen =
                SharedColorDialog::Instance().Execute(owner, CurrentColor);
            CloseUp();
            if (chosen) Select(*chosen);
            break;
        }
        case DropDownAction::None:
            break;
    }
}

std::optional<LRESULT> TztColorForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const auto paint = [this](Canvas& canvas, int width, int height) {
        PaintDropDown(canvas, {.width = width,
                               .height = height,
                               .current = CurrentColor,
                               .hot = hot_,
                               .language = Language});
    };
    // The grid's geometry is in 96-DPI figures: drawn scaled, the mouse taken back to them.
    if (auto painted = win::PaintMessage(Handle(), msg, wp, win::SharedFont(ContainerFont(), Dpi()),
                                         paint, Dpi())) {
        return painted;
    }
    switch (msg) {
        case WM_MOUSEMOVE: {
            const win::Point p = win::MousePoint(lp);
            MouseMove(ScaleFromDpi(p.x, Dpi()), ScaleFromDpi(p.y, Dpi()));
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const win::Point p = win::MousePoint(lp);
            MouseDown(ScaleFromDpi(p.x, Dpi()), ScaleFromDpi(p.y, Dpi()));
            return 0;
        }
        case WM_GETDLGCODE:
            // Every key is the grid's: the dialog manager would take the arrows, and a letter
            // for a button of the dialog below.
            return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (KeyDown(wp)) return 0;
            return std::nullopt;
        case WM_CHAR:
        case WM_SYSCHAR:
            // The other button's access key, with Alt or without, as in a dialog.
            if (std::towlower(static_cast<wint_t>(wp)) == OtherButtonKey(Language)) {
                Act(DropDownAction::OtherColour);
                return 0;
            }
            return msg == WM_CHAR ? std::optional<LRESULT>(0) : std::nullopt;
        case WM_ACTIVATE:
            if (win::IsDeactivation(wp)) CloseUp();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void TztColorForm::OnCommand(int id) {
    if (id == IDCANCEL) CloseUp();  // Esc
}

// ---- TztColorPicker

TztColorPicker::~TztColorPicker() {
    // The drop-down goes first: it reports to this picker.
    dropDown_.reset();
}

bool TztColorPicker::Create(const TztColorPickerParams& params) {
    color_ = params.color;
    flat_ = params.flat;
    language_ = params.language;
    if (!PickerClass()) return false;
    win::ControlParams common = win::CommonParams(params);
    if (common.width <= 0) common.width = kPickerWidth;
    if (common.height <= 0) common.height = kPickerHeight;
    return CreateWindowFor(common, kPickerClass, params.tabStop ? WS_TABSTOP : 0);
}

void TztColorPicker::SetColor(Colour color) {
    if (color_ == color) return;
    color_ = color;
    Changed();
}

void TztColorPicker::SetFlat(bool flat) {
    if (flat_ == flat) return;
    flat_ = flat;
    Changed();
}

void TztColorPicker::Changed() {
    if (Exists()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TztColorPicker::OpenDropDown() {
    if (!Exists()) return;
    POINT corner{0, PixelBounds().bottom - PixelBounds().top};
    ::ClientToScreen(Handle(), &corner);
    dropDown_.reset();
    auto dropDown = std::make_unique<TztColorForm>();
    if (!dropDown->CreateDropDown(OwnerForm(), corner.x, corner.y)) return;
    dropDown->OnSelectColor = [this](Colour newColor) { ColorSelected(newColor); };
    dropDown->CurrentColor = color_;
    dropDown->Language = language_;
    dropDown_ = std::move(dropDown);
    dropDown_->Show();
    if (OnClick) OnClick();
}

void TztColorPicker::ColorSelected(Colour newColor) {
    if (newColor == color_) return;
    color_ = newColor;
    if (Exists()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (OnChangeColor) OnChangeColor();
}

void TztColorPicker::PointerAt(LPARAM lp) {
    const win::Point p = win::MousePoint(lp);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const bool inside = ::PtInRect(&client, POINT{p.x, p.y}) != FALSE;
    if (inside != state_.PointerInside()) {
        state_.SetPointerInside(inside);
        Changed();
    }
    if (inside && !trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
}

bool TztColorPicker::WantsKey(WPARAM vk) const {
    return vk == VK_RETURN;  // Enter opens the drop-down instead of pressing a default button
}

std::optional<LRESULT> TztColorPicker::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const auto paint = [this](Canvas& canvas, int width, int height) {
        PaintPicker(canvas, {.width = width,
                             .height = height,
                             .color = color_,
                             .enabled = Enabled(),
                             .flat = flat_,
                             .focused = Focused(),
                             .pressed = state_.PressedLook()});
    };
    if (auto painted = win::PaintMessage(Handle(), msg, wp, DrawFont(), paint)) {
        return painted;
    }
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            state_.MouseDown();
            PointerAt(lp);
            Changed();
            ::SetCapture(Handle());
            SetFocus();
            return 0;
        case WM_MOUSEMOVE:
            PointerAt(lp);
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            if (::GetCapture() != Handle() && state_.PointerInside()) {
                state_.SetPointerInside(false);
                Changed();
            }
            return 0;
        case WM_LBUTTONUP: {
            PointerAt(lp);
            const bool click = state_.MouseUp();
            if (::GetCapture() == Handle()) ::ReleaseCapture();
            Changed();
            if (click) OpenDropDown();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (state_.Pressed() && !state_.SpaceHeld()) {
                state_.Cancel();
                Changed();
            }
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_SPACE) {
                if (state_.SpaceDown()) Changed();
                return 0;
            }
            return std::nullopt;
        case WM_KEYUP:
            if (wp == VK_SPACE) {
                if (state_.SpaceUp()) {
                    Changed();
                    OpenDropDown();
                }
                return 0;
            }
            return std::nullopt;
        case WM_CHAR:
            if (wp == VK_RETURN) OpenDropDown();
            return std::nullopt;
        case WM_SETFOCUS:
            Changed();
            if (OnEnter) OnEnter();
            return std::nullopt;  // the form notes its focused control
        case WM_KILLFOCUS:
            // A press whose key-up goes to another window would stay pressed.
            state_.Cancel();
            Changed();
            if (OnExit) OnExit();
            return std::nullopt;
        case WM_ENABLE:
            Changed();
            return 0;
        default:
            return std::nullopt;
    }
}
