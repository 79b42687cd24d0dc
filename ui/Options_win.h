// The options dialog: the settings of Rec, edited in place control by control (the four colours
// only on OK), on four pages whose controls are created when a page is first shown. It owns
// ApplyLanguage, which re-captions this dialog, the main window and the result list window.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "components/ztColorPick_win.h"
#include "ui/Main_win.h"
#include "ui/OptionsLogic.h"
#include "win/Button.h"
#include "win/CheckBox.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Image.h"
#include "win/Label.h"
#include "win/PageControl.h"
#include "win/Panel.h"
#include "win/RadioButton.h"
#include "win/RadioGroup.h"
#include "win/SpeedButton.h"
#include "win/SpinEdit.h"

class TForm_PrintList;

class TForm_Opties : public win::Form {
  public:
    // The main window holds Rec and the flags; both windows must outlive this one. The result
    // list window may be missing (tests).
    TForm_Opties(TForm_Main& main, TForm_PrintList* printList);
    ~TForm_Opties() override;

    // Creates the window hidden, with its pages still empty.
    bool CreateOpties();

    // Re-captions this dialog, the main window and the result list window in the language of
    // Rec.Taal, and refreshes the rows from the settings.
    void ApplyLanguage();

    // Handlers.
    void FormShow();
    void FormClose();
    void CheckRateEdit(win::Control* sender);
    void SpeedButton_DefaultVanClick(win::SpeedButton& sender);
    void SpeedButton_DefaultNaarClick(win::SpeedButton& sender);
    void CheckBox_SelectedClick(win::CheckBox& sender);
    void SpinEdit_DecimalenChange(win::SpinEdit& sender);
    void SpeedButtonFrontClick(win::SpeedButton& sender);
    void RadioGroup_TaalClick();
    void RadioGroup_WeergaveClick();
    void RadioGroup_SystemTrayClick();
    void RadioButton_NormalVisibleClick();
    void RadioButton_MinimizedClick();
    void Edit_LettersExit();
    void ColumnCheckBoxClick(win::CheckBox& sender);
    void PageControl1Change();
    void SpeedButtonEigenMuntenClick();
    void Button_ECBClick();
    void BitBtn_OKClick();

    // The default message beep of a rejected rate; tests count it instead.
    std::function<void()> Beep;
    // Shows the own-currencies dialog modally.
    std::function<void()> ShowOwnCurrencies;
    // Fetches the reference-rates file from its address (Rec.KoersenURL): a web address within
    // the download's bound, anything else as a local file. Nothing when it cannot be had.
    // Tests hand in their own bytes.
    std::function<std::optional<std::string>(const std::string& address)> FetchRates;
    // Hands the interface language to the main window's calculator (ztCalculator1), once the

    // Controls that exist from the start.
    win::PageControl PageControl1;
    win::TabSheet TabSheet_Algemeen, TabSheet_Print, TabSheet_VasteMunten, TabSheet_VariabeleMunten;
    win::Button BitBtn_OK;

    // The general page.
    win::RadioGroup RadioGroup_Taal;
    win::GroupBox GroupBox_Klembord;
    win::Edit Edit_Letters;
    win::Label Label_Uitleg;
    win::RadioGroup RadioGroup_SystemTray;
    win::GroupBox GroupBox_Startup;
    win::RadioButton RadioButton_NormalVisible, RadioButton_Minimized;
    win::Image Image_Taal, Image_Klembord, Image_Pijl;

    // The results page.
    win::RadioGroup RadioGroup_Weergave;
    win::Panel Panel_Weergave;
    win::Image Image_Resultaten;
    win::GroupBox GroupBox_Kolommen;
    win::CheckBox CheckBox_Vlag, CheckBox_Munt, CheckBox_Munteenheid, CheckBox_Symbool;
    win::GroupBox GroupBox_Colors;
    TztColorPicker ztColorPickerEuro, ztColorPickerEU, ztColorPickerEuropa, ztColorPickerWereld;
    win::Label Label_KleurEuro, Label_KleurEU, Label_KleurEuropa, Label_KleurWereld;

    // The two currency pages: headings, and one row per slot, reached by name (prefix and
    // slot number) like "Edit_Koers13".
    win::Label Label_Defaults, Label_Koerswisselingen, Label_Decimalen;
    win::Label Label_Defaults2, Label_Koerswisselingen2, Label_Decimalen2;
    win::Bevel Bevel_Vast, Bevel_Variabel, Bevel_Eigen;
    // The symbol-position buttons carry their slot as group index; on a parent of their own
    // they never form a group with the default buttons (group indexes 1 and 2).
    win::Panel Panel_Front, Panel_Front2;
    win::SpeedButton SpeedButtonEigenMunten;
    // The bank's reference rates: the button that fetches them, and the line with their day.
    win::Button Button_ECB;
    win::Label Label_ECB;
    struct CurrencyRow {
        win::SpeedButton defaultVan, defaultNaar;
        win::Label euro;  // "1 euro ="
        win::Edit koers;
        win::Label munt;
        win::SpinEdit decimalen;
        win::CheckBox selected;
        win::SpeedButton front;
    };

  protected:
    void CreateControls() override;
    void OnCommand(int id) override;  // Esc closes like the close box

  private:
    // Page creation (OptionsPages_win.cpp), each run once, when the page is first shown.
    void CreateGeneralPage();
    void CreateResultsPage();
    void CreateCurrencyPage(bool fixed);
    void CreateCurrencyRow(win::TabSheet& page, win::Panel& fronts, int slot, int top);
    void PageCreated(win::TabSheet& page);

    // Filling what exists from Rec: the show-time values, the texts, the rows.
    void FillCurrencyRows(const win::TabSheet* page = nullptr);  // all pages when null
    void FillGeneral();
    void FillResults();
    void ApplyOptionTexts();
    void RefreshRows();
    void RefreshRow(int slot);
    void SyncStartupChoice();
    void WritePreview(PreviewMoment moment);
    void ApplyMainWindowTexts();
    void ShowEcbLine();

    template <typename T>
    T* RowControl(const char* prefix, int slot) const {
        return Find<T>(prefix + std::to_string(slot));
    }
    void ReleaseOtherDefaults(const char* prefix, int slot);
    // The four colour pickers with the settings they stand for, euro first.
    struct PickerSetting {
        TztColorPicker* picker;
        Colour* setting;
    };
    std::array<PickerSetting, 4> Pickers();

    TForm_Main& main_;
    TForm_PrintList* printList_;
    std::array<CurrencyRow, kSlotCount> rows_;  // by slot - 1
    EcbState ecbState_ = EcbState::Day;         // what the line under the bank's button says
};
