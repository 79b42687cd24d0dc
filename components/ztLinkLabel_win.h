// A label that behaves like a hyperlink: the highlight font under the mouse (with the hand
// cursor when it has a link), a click opens the link through the shell and leaves the label in
// its "used" font. Like a Windows link control it is also reached with Tab and followed with
// Enter or Space, and shows a focus rectangle then.
#pragma once

#include <functional>
#include <string>

#include "win/Edit.h"
#include "win/Label.h"

// A font with its colour (the label's three fonts carry both).
struct LinkFont {
    win::FontSpec font{};
    Colour colour = win::clWindowText;
    bool operator==(const LinkFont&) const = default;
};

struct LinkLabelParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
    std::string link{};
    win::TextAlign alignment = win::TextAlign::Left;
    bool transparent = false;
    bool autoSize = true;
};

class TztLinkLabel : public win::Label {
  public:
    // The three fonts start from the label's own font: standard in the window-text colour,
    // highlight blue and underlined, used purple.
    bool Create(const LinkLabelParams& params);

    // Setting it shows the used (true) or standard (false) font.
    bool Used() const { return used_; }
    void SetUsed(bool used);

    // Assigning a font copies it; the label shows it when its state next asks for it.
    const LinkFont& FontStandard() const { return standard_; }
    const LinkFont& FontHighlight() const { return highlight_; }
    const LinkFont& FontUsed() const { return usedFont_; }
    void SetFontStandard(const LinkFont& font) { standard_ = font; }
    void SetFontHighlight(const LinkFont& font) { highlight_ = font; }
    void SetFontUsed(const LinkFont& font) { usedFont_ = font; }

    std::string Link;        // what a click opens
    std::string Viewer;      // full path of a program that opens a non-web link
    std::string Parameters;  // extra parameters for a non-web link
    std::string ExtraInfo;   // for the owner; the label never reads it

    // Follows the link (when there is one), shows the used font, then OnClick runs.
    void Click();
    std::function<void()> OnClick;

    // The mouse is over the label.
    bool Hot() const { return hot_; }

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool WantsKey(WPARAM vk) const override;

  private:
    void Show(const LinkFont& font);
    void MouseEnter();
    void MouseLeave();
    bool HasLink() const;

    LinkFont standard_;
    LinkFont highlight_;
    LinkFont usedFont_;
    bool used_ = false;
    bool hot_ = false;
    bool pressed_ = false;
};
