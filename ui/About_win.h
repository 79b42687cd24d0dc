// The About box: the program's name and version, the maker's details with two link labels, and
// the read-me page in the user's language. Created for each use, shown modally, then freed:
//
//   ShowAboutBox(this, Rec.Taal);
#pragma once

#include <string>

#include "components/ztLinkLabel_win.h"
#include "components/ztLinkora_win.h"
#include "win/Button.h"
#include "win/Form.h"
#include "win/Image.h"
#include "win/Label.h"
#include "win/Panel.h"

class TAboutBox : public win::Form {
  public:
    // language: Taal (0 Dutch, 1 English, 2 French).
    explicit TAboutBox(int language) : language_(language) {}
    ~TAboutBox() override { Destroy(); }

    // Creates the box hidden, centred on the screen; its texts are set when it is shown.
    bool CreateAbout(win::Form* owner);

    // The program's folder as remembered when the box was shown (with its trailing "\").
    const std::string& ProgramFolder() const { return programFolder_; }

    win::Image Image1;
    win::Panel Panel1;
    win::Label Label_Versie;
    win::Bevel Bevel2;
    win::Label ntLabel_Naam;
    win::Label ntLabel_Plaats;
    TztLinkLabel ntLinkLabelEmail;
    TztLinkLabel ntLinkLabelWeb;
    win::Button BitBtn_Extra;
    win::Button BitBtn_OK;
    win::Button BitBtn_Linkora;
    TztLinkora ztLinkora1;

    void FormShow();
    void BitBtn_OKClick();
    void BitBtn_ExtraClick();
    void BitBtn_LinkoraClick();

  protected:
    void CreateControls() override;

  private:
    int language_;
    std::string programFolder_;
};

// Creates the box, shows it modally in the language and frees it.
void ShowAboutBox(win::Form* owner, int language);
