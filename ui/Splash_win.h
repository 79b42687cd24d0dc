// The splash window that covers the start: product name, version and a picture. It is the
// program's first window and comes before anything it does not need: one window without
// children, drawn once into a bitmap that each paint copies.
#pragma once

#include "win/Form.h"
#include "win/Handle.h"
#include "win/Timer.h"

class TForm_Splash : public win::Form {
  public:
    ~TForm_Splash() override { Destroy(); }
    bool CreateSplash();

    win::Timer Timer1;

    void Timer1Timer();

  protected:
    void CreateControls() override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // Drawn at the window's DPI: again when it changes.
    void MakePicture();
    // The panel with its wide raised bevel, the picture, the title and the version in its frame.
    void Draw(HDC dc);
    void CopyTo(HDC dc);
    win::BitmapHandle drawn_;
};
