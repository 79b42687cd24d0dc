// A flat tool bar with pictures from image lists, check buttons and hints.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "win/Control.h"
#include "win/ImageList.h"

namespace win {

class ToolBar;

enum class ToolButtonStyle { Button, Check, Separator };

struct ToolButtonParams {
    std::string name{};
    ToolButtonStyle style = ToolButtonStyle::Button;
    int image = -1;  // index in the tool bar's image lists
    std::string hint{};
    bool down = false;
    bool enabled = true;
    int tag = 0;
    std::function<void()> onClick{};
};

// A light reference to one button of a tool bar (it owns nothing and may be copied); a
// default-constructed one refers to nothing and ignores every call. It must not outlive
// its tool bar.
class ToolButton {
  public:
    ToolButton() = default;
    bool Down() const;
    void SetDown(bool down);  // runs no OnClick
    bool Enabled() const;
    void SetEnabled(bool enabled);
    std::string Hint() const;
    void SetHint(std::string_view hint);
    void SetImage(int image);
    int Command() const { return id_; }
    explicit operator bool() const { return bar_ != nullptr; }
    // Presses it as a click does: a check button toggles, then its handler runs.
    void Click();
    // The handler of a click (replaces the one given at Add).
    void SetOnClick(std::function<void()> handler);

  private:
    friend class ToolBar;
    ToolButton(ToolBar* bar, int id) : bar_(bar), id_(id) {}
    ToolBar* bar_ = nullptr;
    int id_ = 0;
};

struct ToolBarParams {
    WIN_CONTROL_PARAMS
    int buttonWidth = 23;  // 96-DPI figures, as every size
    int buttonHeight = 22;
    // Both must outlive the tool bar, which makes them for its DPI.
    ImageList* images = nullptr;
    ImageList* disabledImages = nullptr;  // greyed pictures for disabled buttons
};

class ToolBar : public Control {
  public:
    ~ToolBar() override;
    bool Create(const ToolBarParams& params);

    ToolButton Add(const ToolButtonParams& params);
    ToolButton Button(std::string_view name) const;
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    void SetButtonSize(int width, int height);
    void SetImages(ImageList* images, ImageList* disabledImages);

  private:
    friend class ToolButton;
    struct Item {
        int id;
        std::string name;
        std::string hint;
        ToolButtonStyle style;
        std::function<void()> onClick;
    };
    Item* FindItem(int id);
    void Clicked(int id);

  protected:
    std::optional<LRESULT> ReflectCommand(int id, int code) override;
    std::optional<LRESULT> ReflectNotify(NMHDR& header) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChanged() override;

  private:
    std::vector<std::unique_ptr<Item>> buttons_;
    ImageList* images_ = nullptr;
    ImageList* disabledImages_ = nullptr;
    std::wstring hintBuffer_;
    int nextId_ = 1;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
};

}  // namespace win
