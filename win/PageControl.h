// A page control: a tab control (multi-line tabs, hot tracking) whose pages are containers,
// each shown while its tab is selected. As in property sheets, a page's controls can wait until
// the page is first shown (TabSheet::OnFirstShow). Keys as in any Windows dialog: the arrow keys
// on the tabs, Ctrl+Tab and Ctrl+PgDn to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the
// previous one, Alt with a tab's access key; each runs the same page change as a click. Tab
// goes from the tabs to the controls of the page shown, then on through the form.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win/Panel.h"

namespace win {

class TabSheet;

struct PageControlParams {
    WIN_CONTROL_PARAMS
    bool multiLine = true;
    bool hotTrack = true;
};

class PageControl : public Control, public Container {
  public:
    ~PageControl() override;
    bool Create(const PageControlParams& params);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet* Page(int index) const;
    TabSheet* ActivePage() const { return Page(active_); }
    int ActivePageIndex() const { return active_; }
    // Code choosing a page shows it (running its OnFirstShow once) and runs no OnChange.
    void SetActivePage(TabSheet* page);
    // What the user does on the tabs: shows the page, then runs OnChange.
    void SelectPage(int index);
    void SelectNextPage(bool forward);
    std::function<void()> OnChange;

    // The area the pages fill, in the control's client pixels.
    RECT DisplayRect() const;

    // ---- Container
    HWND ContainerHandle() const override { return Handle(); }
    Form* ContainerForm() override { return OwnerForm(); }
    const FontSpec& ContainerFont() const override { return Font(); }
    Colour ContainerBackground() const override { return Background(); }

  protected:
    std::optional<LRESULT> ReflectNotify(NMHDR& header) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChanged() override;

  private:
    friend class TabSheet;
    void AddPage(TabSheet& page);
    void RemovePage(TabSheet& page);
    void CaptionChanged(TabSheet& page);
    void LayoutPages();
    void ShowPage(int index);
    bool FilterKey(const MSG& msg);
    // Tab and Shift+Tab in the form: the tab row, the page's controls, the rest of the form.
    bool MoveFocus(HWND root, bool forward);

    std::vector<TabSheet*> pages_;
    int active_ = -1;
    int keyFilter_ = 0;
};

struct TabSheetParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
};

// A page of a PageControl (its parent); the caption is its tab's text.
class TabSheet : public ContainerControl {
  public:
    ~TabSheet() override;
    // Created hidden at the end of the page control's tabs, filling its display area.
    bool Create(const TabSheetParams& params);
    void SetText(std::string_view text) override;
    PageControl* Owner() const { return owner_; }
    int PageIndex() const;
    bool WasShown() const { return wasShown_; }

    // Runs once, right before the page is first shown: the place to create its controls.
    std::function<void()> OnFirstShow;

  private:
    friend class PageControl;
    PageControl* owner_ = nullptr;
    bool wasShown_ = false;
};

}  // namespace win
