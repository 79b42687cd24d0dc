// ApplyLanguage: the texts of the options dialog, the main window and the result list window.
#include "ui/Languages.h"
#include "ui/Options_win.h"
#include "ui/Print_win.h"
#include "win/ReaderName.h"

namespace {

// Every change is a round trip to the window system: an unchanged text is left alone.
void SetText(win::Control& control, std::string_view text) {
    if (control.Exists() && control.Text() != text) control.SetText(text);
}

}  // namespace

void TForm_Opties::ApplyLanguage() {
    RecRec& rec = main_.Rec;
    ApplyOptionTexts();
    ApplyMainWindowTexts();
    if (printList_) printList_->ApplyLanguage();
    const auto language = static_cast<TztLanguage>(rec.Taal);
    for (const PickerSetting& p : Pickers()) p.picker->SetLanguage(language);
    main_.ztCalculator1.Language = language;

    // The rebuilt items are selected again, which acts like a click on them: the preview gets
    // its click text, and the tray and start-up interlock holds again.
    if (RadioGroup_Weergave.Exists()) {
        RadioGroup_Weergave.SetItemIndex(rec.Weergave);
        RadioGroup_WeergaveClick();
    }
    if (RadioGroup_SystemTray.Exists()) {
        RadioGroup_SystemTray.SetItemIndex(rec.SysteemLade ? 1 : 0);
        RadioGroup_SystemTrayClick();
    } else {
        TrayChosen(rec, rec.SysteemLade ? 1 : 0);
    }
    RefreshRows();
}

void TForm_Opties::ApplyOptionTexts() {
    const OptionsTexts& t = OptionTexts(main_.Rec.Taal);
    if (Caption() != t.caption) SetCaption(t.caption);
    TabSheet_Algemeen.SetText(t.tabAlgemeen);
    TabSheet_Print.SetText(t.tabPrint);
    TabSheet_VasteMunten.SetText(t.tabVasteMunten);
    TabSheet_VariabeleMunten.SetText(t.tabVariabeleMunten);
    // Controls of pages not built yet are created in the current language later.
    const std::pair<win::Control*, const char*> captions[] = {
        {&RadioGroup_Taal, t.taal},
        {&GroupBox_Klembord, t.klembord},
        {&Label_Uitleg, t.uitleg},
        {&RadioGroup_SystemTray, t.systemTray},
        {&GroupBox_Startup, t.startup},
        {&RadioButton_NormalVisible, t.normalVisible},
        {&RadioButton_Minimized, t.minimized},
        {&RadioGroup_Weergave, t.weergave},
        {&GroupBox_Kolommen, t.kolommen},
        {&CheckBox_Vlag, t.vlag},
        {&CheckBox_Munt, t.munt},
        {&CheckBox_Munteenheid, t.munteenheid},
        {&CheckBox_Symbool, t.symbool},
        {&GroupBox_Colors, t.colors},
        {&Label_KleurEuro, t.kleurEuro},
        {&Label_KleurEU, t.kleurEU},
        {&Label_KleurEuropa, t.kleurEuropa},
        {&Label_KleurWereld, t.kleurWereld},
        {&Label_Defaults, t.defaults},
        {&Label_Defaults2, t.defaults2},
        {&Label_Koerswisselingen, t.koerswisselingen},
        {&Label_Koerswisselingen2, t.koerswisselingen},
        {&Label_Decimalen, t.decimalen},
        {&Label_Decimalen2, t.decimalen},
        {&SpeedButtonEigenMunten, t.eigenMunten},
        {&Button_ECB, t.ecbButton},
        {&CheckBox_KoersenBijStart, t.ecbAtStart},
    };
    for (auto [control, text] : captions) SetText(*control, text);
    // The names of controls that show none: the colour pickers carry their labels' texts.
    const std::pair<win::Control*, const char*> pickerNames[] = {
        {&ztColorPickerEuro, t.kleurEuro},
        {&ztColorPickerEU, t.kleurEU},
        {&ztColorPickerEuropa, t.kleurEuropa},
        {&ztColorPickerWereld, t.kleurWereld},
    };
    for (auto [control, text] : pickerNames) SetText(*control, text);
    if (Edit_Letters.Exists()) win::SetReaderName(Edit_Letters, t.lettersName);
    const MainWindowTexts& groups = MainTexts(main_.Rec.Taal);
    const std::pair<win::Control*, std::string> columns[] = {
        {&Panel_DefaultVan, std::string(t.defaults) + t.nameSeparator + groups.groupVan},
        {&Panel_DefaultNaar, std::string(t.defaults) + t.nameSeparator + groups.groupNaar},
        {&Panel_DefaultVan2, std::string(t.defaults2) + t.nameSeparator + groups.groupVan},
        {&Panel_DefaultNaar2, std::string(t.defaults2) + t.nameSeparator + groups.groupNaar},
    };
    for (const auto& [control, text] : columns) SetText(*control, text);
    ShowEcbLine();
    // Radio items are replaced as a whole, as the language switch has always done.
    if (RadioGroup_SystemTray.Exists()) {
        RadioGroup_SystemTray.SetItems({t.systemTrayItems[0], t.systemTrayItems[1]});
    }
    if (RadioGroup_Weergave.Exists()) {
        RadioGroup_Weergave.SetItems(
            {t.weergaveItems[0], t.weergaveItems[1], t.weergaveItems[2], t.weergaveItems[3]});
    }
}

void TForm_Opties::ApplyMainWindowTexts() {
    TForm_Main& m = main_;
    const RecRec& rec = m.Rec;
    const MainWindowTexts& t = MainTexts(rec.Taal);
    SetText(m.GroupBox_Van, t.groupVan);
    SetText(m.GroupBox_Naar, t.groupNaar);
    // Each command's hint and menu item show its shortcut.
    const auto command = [&t](win::ToolButton& button, win::MenuItem* item, const char* text,
                              MainCommand which) {
        const Shortcut shortcut = ShortcutOf(which);
        button.SetHint(HintWithShortcut(text, shortcut, t.shiftKey));
        if (item) {
            item->SetCaption(text);
            item->SetShortcut(ShortcutText(shortcut, t.shiftKey));
        }
    };
    command(m.ToolButton_Copy, &m.Menu_Copy, t.copy, MainCommand::Copy);
    command(m.ToolButton_Paste, &m.Menu_Paste, t.paste, MainCommand::Paste);
    command(m.ToolButton_Convert, &m.Menu_Convert, t.convert, MainCommand::Convert);
    command(m.ToolButton_List, nullptr, t.list, MainCommand::List);
    command(m.ToolButton_StayOnTop, nullptr, t.stayOnTop, MainCommand::StayOnTop);
    command(m.ToolButton_PrintList, &m.Menu_PrintList, t.printList, MainCommand::PrintList);
    command(m.ToolButton_Options, &m.Menu_Options, t.options, MainCommand::Options);
    command(m.ToolButton_Info, nullptr, t.info, MainCommand::Info);
    command(m.ToolButton_Exit, nullptr, t.exit, MainCommand::Exit);
    // The tray menu works while the window is away, where its keys do not reach.
    m.Menu_ST_Info.SetCaption(t.info);
    m.Menu_ST_Exit.SetCaption(t.exit);
    m.SpeedButtonCalculator.SetHint(t.calculator);
    SetText(m.SpeedButtonCalculator, t.calculator);  // its name for screen readers
    m.Menu_ST_Open.SetCaption(t.open);
    win::SetReaderName(m.Edit_Van, t.amount);
    win::SetReaderName(m.Edit_Naar, t.result);
    // Each row shows the slot its label's Tag holds.
    for (int row = 1; row <= kSlotCount; ++row) {
        auto* label = m.Find<win::Label>("Label_Munt" + std::to_string(row));
        if (!label || label->Tag < 1 || label->Tag > kSlotCount) continue;
        label->SetText(SlotCaption(rec, label->Tag, rec.Taal));
        label->SetTextColour(SlotColour(rec, label->Tag));
    }
}
