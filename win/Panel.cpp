#include "win/Panel.h"

#include "win/Form.h"
#include "win/Text.h"
#include "win/WindowClasses.h"

namespace win {

// ---- ContainerControl

bool ContainerControl::CreateContainer(const ControlParams& params, DWORD style, DWORD exStyle,
                                       std::string_view text, bool controlParent) {
    if (!detail::EnsureClasses()) return false;
    // WS_EX_CONTROLPARENT lets Tab move into the children.
    return CreateWindowFor(params, detail::kContainerClass, style | WS_CLIPCHILDREN,
                           exStyle | (controlParent ? WS_EX_CONTROLPARENT : 0), text);
}

void ContainerControl::PaintContainer(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    FillSolid(dc, client, Background());
    if (OnPaint) OnPaint(dc, client);
}

std::optional<LRESULT> ContainerControl::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (auto graphic = GraphicMessage(msg, wp, lp)) return *graphic;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // all painting is in WM_PAINT
        case WM_PAINT: {
            PaintGuard paint(Handle());
            if (paint.Dc()) {
                PaintContainer(paint.Dc());
                PaintGraphics(paint.Dc(), paint.Dirty());
            }
            return 0;
        }
        case WM_PRINTCLIENT: {
            const auto dc = reinterpret_cast<HDC>(wp);
            PaintContainer(dc);
            PaintGraphics(dc, PrintArea(Handle(), dc));
            return 0;
        }
        case WM_SIZE:
            Realign();
            break;
        default:
            break;
    }
    return std::nullopt;
}

namespace detail {

LRESULT CALLBACK ContainerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Guarded([&] {
        if (auto reflected = ReflectToControl(hwnd, msg, wp, lp)) return *reflected;
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    });
}

}  // namespace detail

// ---- Panel

bool Panel::Create(const PanelParams& params) {
    outer_ = params.bevelOuter;
    inner_ = params.bevelInner;
    bevelWidth_ = params.bevelWidth;
    return CreateContainer(CommonParams(params), 0, 0, params.caption);
}

void Panel::SetBevel(BevelKind outer, BevelKind inner, int width) {
    outer_ = outer;
    inner_ = inner;
    bevelWidth_ = width;
    Invalidate();
    Realign();
}

RECT Panel::AlignRect() const {
    RECT r{};
    ::GetClientRect(Handle(), &r);
    const int width = bevelWidth_ * LineWidthAt(Dpi());
    int inset = 0;
    if (outer_ != BevelKind::None) inset += width;
    if (inner_ != BevelKind::None) inset += width;
    ::InflateRect(&r, -inset, -inset);
    return r;
}

void Panel::PaintContainer(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    FillSolid(dc, client, Background());
    const int width = bevelWidth_ * LineWidthAt(Dpi());
    RECT inside = DrawBevel(dc, client, outer_, width);
    inside = DrawBevel(dc, inside, inner_, width);
    const std::wstring caption = Widen(Text());
    if (!caption.empty()) {
        SelectGuard font(dc, DrawFont());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ToColorRef(TextColour()));
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &inside,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (OnPaint) OnPaint(dc, client);
}

// ---- GroupBox

bool GroupBox::Create(const GroupBoxParams& params) {
    return CreateContainer(CommonParams(params), 0, 0, params.caption);
}

void GroupBox::SetText(std::string_view text) {
    Control::SetText(text);
    Invalidate();
}

void GroupBox::PaintContainer(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    FillSolid(dc, client, Background());
    SelectGuard font(dc, DrawFont());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Widen(Text());
    if (!caption.empty()) {
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const RECT text = CaptionRect(extent.cx, metrics.tmHeight);
        FillSolid(dc, text, Background());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ToColorRef(Enabled() ? TextColour() : clGrayText));
        ::TextOutW(dc, text.left + Scaled(2), 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    if (OnPaint) OnPaint(dc, client);
}

RECT GroupBox::CaptionRect(int textWidth, int textHeight) const {
    return {Scaled(8), 0, Scaled(8) + textWidth + Scaled(4), textHeight};
}

// ---- Bevel

bool Bevel::Create(const BevelParams& params) {
    shape_ = params.shape;
    style_ = params.style;
    return CreateGraphic(CommonParams(params));
}

bool Bevel::TakesMouse(Point) const {
    return false;
}

void Bevel::PaintGraphic(HDC dc, const RECT& bounds) {
    const RECT r = bounds;
    const Colour dark = clBtnShadow;
    const Colour light = clBtnHighlight;
    const Colour first = style_ == BevelKind::Raised ? light : dark;
    const Colour second = style_ == BevelKind::Raised ? dark : light;
    const int w = LineWidthAt(Dpi());
    switch (shape_) {
        case BevelShape::Box:
            DrawBevel(dc, r, style_, w);
            break;
        case BevelShape::Frame:
            // An etched frame: two offset rectangles.
            for (int i = 0; i < w; ++i) {
                RECT outer = r;
                ::InflateRect(&outer, -i, -i);
                outer.right -= w;
                outer.bottom -= w;
                RECT inner = r;
                ::InflateRect(&inner, -i, -i);
                inner.left += w;
                inner.top += w;
                ::FrameRect(dc, &inner, SharedBrush(second));
                ::FrameRect(dc, &outer, SharedBrush(first));
            }
            break;
        case BevelShape::TopLine:
            FillSolid(dc, {r.left, r.top, r.right, r.top + w}, first);
            FillSolid(dc, {r.left, r.top + w, r.right, r.top + 2 * w}, second);
            break;
        case BevelShape::BottomLine:
            FillSolid(dc, {r.left, r.bottom - 2 * w, r.right, r.bottom - w}, first);
            FillSolid(dc, {r.left, r.bottom - w, r.right, r.bottom}, second);
            break;
        case BevelShape::LeftLine:
            FillSolid(dc, {r.left, r.top, r.left + w, r.bottom}, first);
            FillSolid(dc, {r.left + w, r.top, r.left + 2 * w, r.bottom}, second);
            break;
        case BevelShape::RightLine:
            FillSolid(dc, {r.right - 2 * w, r.top, r.right - w, r.bottom}, first);
            FillSolid(dc, {r.right - w, r.top, r.right, r.bottom}, second);
            break;
    }
}

}  // namespace win
