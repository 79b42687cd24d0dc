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
#include "win/ButtonGroup.h"
#include "win/CheckBox.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Image.h"
#include "win/Label.h"
#include "win/PageControl.h"
#include "win/Panel.h"
#include "win/RadioButton.h"
#include "win/RadioGroup.h"
#include "win/BackgroundFetch.h"
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
    void CheckBox_KoersenBijStartClick();
    void BitBtn_OKClick();

    // Fetches the bank's rates in the background, once, when the user asked for that and the
    // rates are older than a working day; called when the main window has first been painted
    // (the dialog is made then, when it has to fetch). A failure is told only by the line, the
    // next time the dialog shows.
    void FetchRatesAtStart();
    bool FetchingRates() const { return fetch_.Running(); }
    // How long a fetch of the rates may take, from the click to the line that tells.
    std::chrono::milliseconds FetchBound = win::kDownloadBound;

    // The default message beep of a rejected rate; tests count it instead.
    std::function<void()> Beep;
    // Shows the own-currencies dialog modally.
    std::function<void()> ShowOwnCurrencies;

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
    // The default flags of a page: a column of source flags and one of target flags, each one
    // tab stop (a radio group for the keyboard). The symbol-position buttons, which carry
    // their slot as group index, so never form a group with them.
    win::ButtonColumn Panel_DefaultVan, Panel_DefaultNaar, Panel_DefaultVan2, Panel_DefaultNaar2;
    win::SpeedButton SpeedButtonEigenMunten;
    // The bank's reference rates: the button that fetches them, the choice to fetch them at
    // start, and the line with their day.
    win::Button Button_ECB;
    win::CheckBox CheckBox_KoersenBijStart;
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
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // Page creation (OptionsPages_win.cpp), each run once, when the page is first shown.
    void CreateGeneralPage();
    void CreateResultsPage();
    void CreateCurrencyPage(bool fixed);
    void CreateCurrencyRow(win::TabSheet& page, win::ButtonColumn& vans, win::ButtonColumn& naars,
                           int slot, int top);
    void PageCreated(win::TabSheet& page);

    // Filling what exists from Rec: the show-time values, the texts, the rows.
    void FillCurrencyRows(const win::TabSheet* page = nullptr);  // all pages when null
    void FillGeneral();
    void FillResults();
    void ApplyOptionTexts();
    void RefreshRows();
    void RefreshRow(int slot);
    // What screen readers call the row's rate, decimals, offered box and symbol position.
    void RefreshRowNames(int slot);
    void SyncStartupChoice();
    void WritePreview(PreviewMoment moment);
    void ApplyMainWindowTexts();
    void ShowEcbLine();  // and the bank's button and the start choice
    bool StartRatesFetch();
    void RatesFetched(const win::DownloadResult& got);
    void StopRatesFetch();

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
    std::vector<std::string> ecbKept_;          // the rates the last file lacked
    std::optional<EcbState> startFailure_;      // a failed fetch at start, for the next showing
    win::BackgroundFetch fetch_;
};
