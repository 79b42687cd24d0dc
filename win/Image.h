// A picture on a form: a graphic control, painted by its container.
#pragma once

#include <functional>

#include "util/ScalablePicture.h"
#include "win/Control.h"

namespace win {

struct ImageParams {
    WIN_CONTROL_PARAMS
    ScalablePicture picture{};
    bool centre = false;       // centred in the control, else at the top left
    bool transparent = false;  // the bottom-left pixel's colour is left out
};

class Image : public Control {
  public:
    bool Create(const ImageParams& params);
    // An empty picture shows nothing (what lies under it). It shows at the form's DPI;
    // GetPicture gives the 96-DPI one.
    const Picture& GetPicture() const { return picture_.Design(); }
    void SetPicture(const ScalablePicture& picture);
    void Clear() { SetPicture(ScalablePicture{}); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    std::function<void()> OnDblClick;

  protected:
    void PaintGraphic(HDC dc, const RECT& bounds) override;
    void MouseDown(Point p, bool doubleClick) override;

  private:
    ScalablePicture picture_;
    bool centre_ = false;
    bool transparent_ = false;
};

}  // namespace win
