// The own-currencies dialog: name, unit, symbol and picture of the two currencies the user
// defines (slots 21 and 22). Created hidden at start and shown modally from the options dialog:
//
//   FormEigenMunt.ShowModal();  // then the caller refreshes what shows slots 21 and 22
//
// Texts take effect on OK only; a chosen picture takes effect at once, in the settings and in
// the slot pictures every window shows.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/RecRec.h"
#include "ui/SlotPictures.h"
#include "win/Button.h"
#include "win/Dialogs.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Image.h"
#include "win/Label.h"
#include "win/Panel.h"
#include "win/SpeedButton.h"

class TFormEigenMunt : public win::Form {
  public:
    // The settings record and the slot pictures must outlive the dialog.
    TFormEigenMunt(RecRec& rec, SlotPictures& pictures);
    ~TFormEigenMunt() override;

    // Creates the window hidden. Show it with ShowModal() (mrOk after OK, mrCancel after the
    // close box); each showing fills it from the settings in the language of Rec.Taal.
    bool CreateEigenMunt();

    // Handlers.
    void FormShow();
    void BitBtn_OKClick();
    // Opens the picture chooser for own currency k (1 or 2), preset with its current file;
    // SpeedButton<k> and a double-click on Image<k> run it.
    void ChoosePicture(int k);
    // Takes the bitmap file as own currency k's picture at once; a file that is no readable
    // bitmap is reported through ReportError and changes nothing (false).
    bool UsePicture(int k, const std::string& path);

    // Shows an error to the user; the application's error box unless a test replaces it.
    std::function<void(const std::string& message)> ReportError;

    // Controls, per own currency (index k - 1).
    win::Panel Panel_Top;
    std::array<win::GroupBox, 2> GroupBox;
    std::array<win::Panel, 2> PanelImage;
    std::array<win::Image, 2> Image;
    std::array<win::SpeedButton, 2> SpeedButton;
    std::array<win::Label, 2> LabelMunt, LabelMunteenheid, LabelSymbool, LabelBitmap;
    std::array<win::Edit, 2> Edit_Munt, Edit_Munteenheid, Edit_Symbool;
    win::Button BitBtn_OK;
    win::FileDialogParams OpenPictureDialog1;

  protected:
    void CreateControls() override;
    void OnCommand(int id) override;  // Esc cancels as the close box does

  private:
    void CreateGroup(int k);
    void ShowPicture(int k);

    RecRec& rec_;
    SlotPictures& pictures_;
};
