// The top-level window base. A window class of the program derives from Form, holds its
// controls as typed members, creates them in CreateControls and wires their events:
//
//   class TForm_Main : public win::Form {
//       void CreateControls() override {
//           Edit_Van.Create({.parent = this, .name = "Edit_Van", .x = 8, .y = 6, .width = 125});
//           Edit_Van.OnChange = [this] { Edit_VanChange(); };
//       }
//   };
//   form.Create({.caption = "Valomat", .clientWidth = 326, .clientHeight = 400});
//
// A form has a DPI: its monitor's, from its creation on, and whatever WM_DPICHANGED says when it
// moves to another monitor. Its client size and its controls are given in 96-DPI figures and
// stand scaled to that DPI (win/Control.h); on WM_DPICHANGED the form takes the rectangle Windows
// suggests and lays itself out again from those figures.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win/Control.h"

namespace win {

class Timer;
class Form;

namespace detail {
LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
}

enum class BorderKind {
    Fixed,              // fixed size, caption, system menu and minimise button only
    SizableToolWindow,  // small caption, resizable, close box
    ToolWindow,         // small caption, fixed size, close box only
    None,               // borderless popup
};

// What happens when a form closes, chosen by its OnClose handler.
enum class CloseAction {
    None,  // the close is refused
    Hide,  // hidden, kept for showing again (the default)
    Free,  // the window is destroyed (OnDestroy runs); the object may be deleted afterwards
};

// Modal results; any other positive number works the same.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

struct FormParams {
    std::string caption{};
    int clientWidth = 300;  // 96-DPI figures
    int clientHeight = 200;
    BorderKind border = BorderKind::Fixed;
    bool topmost = false;
    // On the work area of the monitor of the owner (else of the main form, else the primary
    // one), and again on showing when that window has gone to another monitor; else at
    // (left, top).
    bool centred = true;
    int left = 0;  // screen pixels
    int top = 0;
    Form* owner = nullptr;      // an owned window stays above its owner and has no taskbar button
    bool taskbarButton = true;  // false: a tool window, which the taskbar leaves out
    FontSpec font{};
    Colour colour = clBtnFace;
    bool keyPreview = false;
    std::string name{};
};

class Form : public Container {
  public:
    Form() = default;
    // A derived form calls Destroy in its own destructor, so that its handlers (and the
    // WM_DESTROY of its OnMessage) run while the whole object is alive. This destructor only
    // destroys a window that is still left, without any handler.
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window hidden, then runs CreateControls, then OnCreate.
    bool Create(const FormParams& params);
    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }
    // Destroys the window and its children now: OnDestroy and OnMessage(WM_DESTROY) run.
    void Destroy();
    const std::string& Name() const { return name_; }
    static Form* FromHandle(HWND window);

    int Tag = 0;

    // ---- showing and closing
    void Show();  // shows, activates and brings it to the front; OnShow runs when it was hidden
    void Hide();
    bool Visible() const;
    void SetVisible(bool visible);
    // Asks OnClose, then hides or destroys as it decides; a modal form ends its loop with
    // mrCancel unless a result is already set. Closing the application's main form ends Run.
    void Close();
    // Shows the form modally: every other window of the program is disabled while a nested
    // message loop runs until ModalResult becomes non-zero, the form closes or the program
    // quits. Returns the modal result (mrCancel when closed otherwise).
    int ShowModal();
    bool IsModal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Stay on top, switched without re-creating the window.
    bool StayOnTop() const;
    void SetStayOnTop(bool on);

    // ---- geometry: the window on the screen in the screen's pixels, the client area in 96-DPI
    // figures
    int ClientWidth() const { return designClient_.cx; }
    int ClientHeight() const { return designClient_.cy; }
    void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    // The whole window's size, frame included, from 96-DPI figures.
    void SetWindowSize(int width, int height);
    RECT Bounds() const;
    // The bounds the window has when it is neither minimised nor maximised, also while it is
    // minimised or hidden (where Bounds is somewhere off the screen).
    RECT NormalBounds() const;
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const;
    int Height() const;
    void SetPosition(int left, int top);
    // Centres the window on the monitor of its owner or the main form (else its own).
    void CentreOnScreen();

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    // ---- DPI
    int Dpi() const { return dpi_; }
    // A 96-DPI figure in the pixels of the form's DPI.
    int Scaled(int figure) const { return ScaleToDpi(figure, dpi_); }

    // ---- controls
    // The control registered under this name (names are unique on a form), or null.
    Control* FindComponent(std::string_view name) const;
    template <typename T>
    T* Find(std::string_view name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
    const std::vector<Control*>& Controls() const { return controls_; }
    // The control that has, or last had, the keyboard focus in this form; null if none.
    Control* ActiveControl() const;
    void SetActiveControl(Control* control);

    // ---- events
    bool KeyPreview = false;                    // OnKeyPress sees children's characters first
    std::function<void()> OnCreate;             // after CreateControls
    std::function<void()> OnShow;               // each time the hidden form is shown
    std::function<void(CloseAction&)> OnClose;  // may change the action, None vetoes
    std::function<void()> OnDestroy;            // the window is being destroyed
    std::function<void()> OnResize;             // the client area changed size
    // The form has been laid out again at a new DPI (after its controls' DpiChanged): what it
    // draws by itself is made anew here.
    std::function<void()> OnDpiChanged;
    // Windows is ending the session: the process ends after this without closing any window.
    std::function<void()> OnEndSession;
    std::function<void(wchar_t& key)> OnKeyPress;  // set key to 0 to swallow it

    // Tells an outside tool what the graphic controls show, as child windows tell it by
    // themselves: sent with the tool's window as WPARAM, the form answers with one WM_COPYDATA
    // per showing graphic control with text, "text|x|y" in UTF-16 with the centre on the
    // screen, and returns how many it sent.
    static UINT DescribeGraphicsMessage();

    // ---- Container
    HWND ContainerHandle() const override { return hwnd_; }
    Form* ContainerForm() override { return this; }
    const FontSpec& ContainerFont() const override { return font_; }
    Colour ContainerBackground() const override { return colour_; }

  protected:
    // Builds the controls; runs inside Create after the window exists.
    virtual void CreateControls() {}
    // Sees every message of the form first; returning a value ends its processing.
    virtual std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Commands that come from no control: menu and accelerator ids, IDOK and IDCANCEL from
    // the dialog keys.
    virtual void OnCommand(int id);

  private:
    friend class Control;
    friend class Container;
    friend class Timer;
    friend class Application;
    friend LRESULT CALLBACK detail::FormWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    bool KeyPressPreview(wchar_t& key);
    void Register(Control& control);
    void Unregister(Control& control);
    int NextControlId() { return nextId_++; }
    void FireShow();
    void RemoveHint(Control& control);
    void UpdateHint(Control& control);
    // The text of a graphic control's tool tip; false when the tool is not one of those.
    bool AnswerGraphicHint(NMTTDISPINFOW& info);
    LRESULT DescribeGraphics(HWND to);
    // WM_DPICHANGED: the suggested rectangle, then every control again from its 96-DPI figures.
    void ApplyDpi(int dpi, const RECT* suggested);
    int AddTimer(Timer& timer);
    void RemoveTimer(Timer& timer);

    HWND hwnd_ = nullptr;
    int dpi_ = kDesignDpi;
    SIZE designClient_{};     // the client size in 96-DPI figures
    bool rescaling_ = false;  // inside ApplyDpi: sizes in between mean nothing
    std::string name_;
    FontSpec font_;
    Colour colour_ = clBtnFace;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    // The window a centred form opens over: the owner, else the main form; null when none.
    HWND AnchorWindow() const;

    HWND lastFocus_ = nullptr;
    Form* owner_ = nullptr;
    bool centred_ = false;
    bool shownBefore_ = false;
    HWND tooltip_ = nullptr;
    std::wstring hintBuffer_;
    int nextId_ = 100;
    int nextTimerId_ = 1;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool wasVisible_ = false;
};

}  // namespace win
