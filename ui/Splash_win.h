// The splash window that covers the start: product name, version and a picture.
#pragma once

#include "win/Form.h"
#include "win/Image.h"
#include "win/Panel.h"
#include "win/Timer.h"

class TForm_Splash : public win::Form {
  public:
    ~TForm_Splash() override { Destroy(); }
    bool CreateSplash();

    win::Panel Panel1;
    win::Image Image1;
    win::Panel Panel_Versie;
    win::Timer Timer1;

    void Timer1Timer();

  protected:
    void CreateControls() override;
};
