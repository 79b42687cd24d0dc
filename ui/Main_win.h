// The main window: the amount and result boxes, the currency rows, the tool bar and menus.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/ztCalculator.h"
#include "core/AmountFormat.h"
#include "core/CurrencyTable.h"
#include "core/RecRec.h"
#include "ui/ClipboardWatch.h"
#include "ui/MainShortcuts.h"
#include "ui/SlotPictures.h"
#include "util/zt_Registry.h"
#include "win/ButtonGroup.h"
#include "win/ClipboardViewer.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Image.h"
#include "win/ImageList.h"
#include "win/Label.h"
#include "win/Panel.h"
#include "win/PopupMenu.h"
#include "win/SpeedButton.h"
#include "win/ToolBar.h"
#include "win/TrayIcon.h"

// Where committed conversions go: the result list window, or a test's recorder.
class ResultSink {
  public:
    virtual ~ResultSink() = default;
    virtual void AppendEntry(const std::string& entry) = 0;
    virtual void ShowResults() = 0;
};

// What the main window needs from outside, so tests can hand in their own.
struct MainWindowEnvironment {
    Registry* registry = nullptr;  // the settings store's registry (must outlive the window)
    Separators separators;         // the user's decimal and thousands separators
    int localeLanguage = 1;        // TztLanguage of the user locale: the default of Taal
    bool cleanupRun = false;       // the "R" argument: delete the old key, save nothing
};

class TForm_Main : public win::Form {
  public:
    explicit TForm_Main(MainWindowEnvironment env);
    ~TForm_Main() override;

    // Creates the window hidden; its creation loads the settings.
    bool CreateMain();

    RecRec Rec;             // the settings record, for the whole run
    SlotPictures Pictures;  // every slot's flag, the own currencies' included
    const Separators& Seps() const { return env_.separators; }

    void SetResultSink(ResultSink* sink) { results_ = sink; }

    // Routines of the window.
    void Convert(bool record);
    void ShowDefaults(bool pressButtons);
    void ApplyLayout();
    int FindVanButton(int slot) const;
    Picture SlotPicture(int slot) const;
    // The language routine, owned by the options dialog: it re-captions this window too.
    std::function<void()> ApplyLanguage;
    // Shows the options dialog modally.
    std::function<void()> ShowOptions;
    // Runs once, from the message loop, after the window has first been painted (the rates at
    // start).
    std::function<void()> AfterFirstShow;

    bool ListView() const { return listView_; }
    bool StayOnTopFlag() const { return stayOnTop_; }
    bool ClipboardNumber() const { return clipboardNumber_; }
    void SetClipboardNumber(bool isNumber);  // keeps the paste commands up to date

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void Edit_VanChange();
    void Edit_VanKeyPress(wchar_t& key);
    void Edit_VanExit();
    void Edit_VanEnter();
    void Edit_NaarEnter();
    void Edit_NaarKeyPress(wchar_t& key);
    void SpeedButton_Van1Click(win::SpeedButton* sender);
    void SpeedButton_Naar1Click(win::SpeedButton* sender);
    void ToolButton_CopyClick();
    void ToolButton_PasteClick();
    void ToolButton_ConvertClick() { Convert(true); }
    void ToolButton_ListClick();
    void ToolButton_StayOnTopClick();
    void ToolButton_PrintListClick();
    void ToolButton_OptionsClick();
    void ToolButton_InfoClick();
    void ToolButton_ExitClick() { Close(); }
    void SpeedButtonCalculatorClick();
    // A tool-bar command, as its button or its shortcut runs it.
    void RunCommand(MainCommand command);

    // Controls.
    win::ImageList ImageList_Buttons;
    win::ImageList ImageList_Disabled;
    win::ImageList ImageList_Menus;
    win::ImageList ImageList_VlaggenKlein;
    win::Panel CoolBar1;
    win::ToolBar ToolBar_Valomat;
    win::ToolButton ToolButton_Copy, ToolButton_Paste, ToolButton_Convert, ToolButton_List,
        ToolButton_StayOnTop, ToolButton_PrintList, ToolButton_Options, ToolButton_Info,
        ToolButton_Exit;
    win::Panel Panel_Convert;
    win::Edit Edit_Van;
    win::Edit Edit_Naar;
    win::SpeedButton SpeedButtonCalculator;
    win::Image Image_Van, Image_Naar, Image_Layout;
    win::Label Label_Van, Label_Naar;
    win::Panel Panel_Main;
    // Each column of currency buttons is one tab stop, a radio group for the keyboard.
    win::ButtonGroupBox GroupBox_Van, GroupBox_Naar;
    win::Bevel Bevel5, BevelOnder;
    std::array<win::SpeedButton, kSlotCount> SpeedButton_Van, SpeedButton_Naar;  // rows 1..22
    std::array<win::Label, kSlotCount> Label_Munt;
    win::PopupMenu PopupMenu1;
    win::MenuItem Menu_Copy, Menu_Paste, Menu_PrintList, Menu_Options, Menu_Convert;
    win::PopupMenu PopupMenu_SystemTray;
    win::MenuItem Menu_ST_Open, Menu_ST_Info, Menu_ST_Exit;
    TztCalculator ztCalculator1{this};

    // The geometry of the list view, measured once the controls exist.
    int ToolBarHeight() const;

    // The clipboard auto-conversion: runs for every change of the clipboard.
    void ClipboardChanged();
    // The tray: minimising with SysteemLade hides the window behind a tray icon.
    bool InTray() const { return tray_.has_value(); }
    void GoToTray();
    void RestoreWindow();  // from the tray or the taskbar, to the front
    void Menu_ST_OpenClick() { RestoreWindow(); }
    void Menu_ST_InfoClick();
    void Menu_ST_ExitClick() { Close(); }

    // Another start of the program asks the running one to come to the front with this.
    static UINT ActivateMessage();

  protected:
    void CreateControls() override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void CreateToolBar();
    void CreateConvertPanel();
    void CreateCurrencyRows();
    void CreateMenus();
    void ShowSlot(win::Label& label, win::Image& image, int slot, bool clearFirst);
    void ShowCurrentCurrencies();
    void OwnPictureChanged(int slot);
    void SetPasteEnabled(bool enabled);
    void MoveFocusToResult();
    // The shortcuts of the tool-bar commands, for keys typed anywhere in this window.
    bool ShortcutKey(const MSG& msg);
    void SaveOnce();
    void AfterFirstPaint();
    ClipboardNotice ReadClipboardNotice() const;

    MainWindowEnvironment env_;
    ResultSink* results_ = nullptr;
    bool listView_ = true;
    bool stayOnTop_ = false;
    bool clipboardNumber_ = false;
    bool committing_ = false;  // Convert(true) is moving the focus to the result
    bool keepFocus_ = false;   // a commit while the focus goes where the keyboard sent it
    int keyFilter_ = 0;
    bool saved_ = false;
    bool started_ = false;  // shown once: the start-minimised setting is done
    bool painted_ = false;  // painted once: what waited for it has run, or is due
    std::optional<win::ClipboardViewer> viewer_;  // from FormCreate to WM_DESTROY
    ClipboardWatch watch_;
    bool writingClipboard_ = false;
    std::uint32_t ownWriteSequence_ = 0;  // the clipboard's sequence number after our write
    std::optional<win::TrayIcon> tray_;   // while the window hides in the tray
};
