#include "ui/Options_win.h"

#include <windows.h>

#include "core/AmountFormat.h"
#include "core/CurrencyTable.h"
#include "core/EcbRates.h"
#include "ui/Languages.h"
#include "win/Locale.h"
#include "win/ReaderName.h"
#include "win/StartupLog.h"

namespace {

constexpr int kClientWidth = 402;
constexpr int kClientHeight = 472;

// The rates fetch's outcome, posted by its thread.
constexpr UINT kRatesFetched = WM_APP + 12;

CalendarDay Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace

TForm_Opties::TForm_Opties(TForm_Main& main, TForm_PrintList* printList)
    : main_(main), printList_(printList) {
    Beep = [] { MessageBeep(0); };
}

TForm_Opties::~TForm_Opties() {
    Destroy();
}

bool TForm_Opties::CreateOpties() {
    const bool created = Create({.caption = OptionTexts(main_.Rec.Taal).caption,
                                 .clientWidth = kClientWidth,
                                 .clientHeight = kClientHeight,
                                 .border = win::BorderKind::ToolWindow,
                                 .owner = &main_,
                                 .name = "Form_Opties"});
    win::StartupMark("options dialog created");
    return created;
}

void TForm_Opties::OnCommand(int id) {
    if (id == IDCANCEL) Close();
}

std::optional<LRESULT> TForm_Opties::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kRatesFetched) {
        if (std::optional<win::DownloadResult> got = fetch_.Take(wp)) RatesFetched(*got);
        return 0;
    }
    if (msg == WM_DESTROY) fetch_.Cancel();  // no thread outlives the window
    return Form::OnMessage(msg, wp, lp);
}

// ---- showing and closing

void TForm_Opties::FormShow() {
    PageControl1.SetActivePage(&TabSheet_Algemeen);
    // The keyboard starts on the tabs, as in a property sheet.
    SetActiveControl(&PageControl1);
    // The decimals boxes hold 0..8 only: a larger stored value is taken back into that range
    // when the dialog shows, whether or not its page has been built.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (main_.Rec.Decimalen[slot] > 8) main_.Rec.Decimalen[slot] = 8;
    }
    FillCurrencyRows();
    FillGeneral();
    FillResults();
    // A failure is news of one showing only; one at start waited for this showing.
    ecbState_ = fetch_.Running() ? EcbState::Fetching : startFailure_.value_or(EcbState::Day);
    startFailure_.reset();
    ShowEcbLine();
}

void TForm_Opties::FormClose() {
    // A rate typed without leaving its box still counts.
    CheckRateEdit(ActiveControl());
    // Closing gives the fetch up: nothing it would bring changes anything.
    StopRatesFetch();
}

void TForm_Opties::PageCreated(win::TabSheet& page) {
    // A page built after the dialog was shown gets what FormShow and ApplyLanguage would have
    // given it; the texts it was created with are already in the current language.
    if (&page == &TabSheet_Algemeen) {
        FillGeneral();
    } else if (&page == &TabSheet_Print) {
        FillResults();
    } else {
        RefreshRows();
        FillCurrencyRows(&page);
        ShowEcbLine();
    }
}

void TForm_Opties::FillCurrencyRows(const win::TabSheet* page) {
    const RecRec& rec = main_.Rec;
    const Separators& seps = main_.Seps();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto* rate = RowControl<win::Edit>("Edit_Koers", slot);
        if (!rate || (page && rate->Parent() != page)) continue;
        if (auto* spin = RowControl<win::SpinEdit>("SpinEdit_Decimalen", slot)) {
            spin->SetValue(rec.Decimalen[slot]);
        }
        rate->SetText(FormatGeneral(rec.Koers[slot], seps));
        const ScalablePicture flag = main_.Pictures.SlotGlyph(slot);
        for (const char* prefix : {"SpeedButton_DefaultVan", "SpeedButton_DefaultNaar"}) {
            if (auto* b = RowControl<win::SpeedButton>(prefix, slot)) b->SetGlyph(flag);
        }
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (auto* b = RowControl<win::SpeedButton>("SpeedButton_DefaultVan", slot)) {
            b->SetDown(slot == rec.DefaultVanMunt);
        }
        if (auto* b = RowControl<win::SpeedButton>("SpeedButton_DefaultNaar", slot)) {
            b->SetDown(slot == rec.DefaultNaarMunt);
        }
    }
}

void TForm_Opties::FillGeneral() {
    const RecRec& rec = main_.Rec;
    if (RadioGroup_Taal.Exists()) RadioGroup_Taal.SetItemIndex(rec.Taal);
    if (RadioGroup_SystemTray.Exists()) RadioGroup_SystemTray.SetItemIndex(rec.SysteemLade ? 1 : 0);
    SyncStartupChoice();
    if (Edit_Letters.Exists()) Edit_Letters.SetText(rec.Letters);
    if (Image_Pijl.Exists()) Image_Pijl.SetLeft(ArrowLeft(rec.SysteemLade));
}

void TForm_Opties::FillResults() {
    const RecRec& rec = main_.Rec;
    if (RadioGroup_Weergave.Exists()) RadioGroup_Weergave.SetItemIndex(rec.Weergave);
    WritePreview(PreviewMoment::Show);
    const std::pair<win::CheckBox*, bool> columns[] = {
        {&CheckBox_Vlag, rec.KolomVlag},
        {&CheckBox_Munt, rec.KolomMunt},
        {&CheckBox_Munteenheid, rec.KolomMunteenheid},
        {&CheckBox_Symbool, rec.KolomSymbool}};
    for (auto [box, on] : columns) box->SetChecked(on);
    for (const PickerSetting& p : Pickers()) {
        if (p.picker->Exists()) p.picker->SetColor(*p.setting);
    }
}

std::array<TForm_Opties::PickerSetting, 4> TForm_Opties::Pickers() {
    RecRec& rec = main_.Rec;
    return {{{&ztColorPickerEuro, &rec.KleurEuro},
             {&ztColorPickerEU, &rec.KleurEU},
             {&ztColorPickerEuropa, &rec.KleurEuropa},
             {&ztColorPickerWereld, &rec.KleurWereld}}};
}

void TForm_Opties::SyncStartupChoice() {
    if (!RadioButton_Minimized.Exists()) return;
    if (main_.Rec.Minimalizeren) {
        RadioButton_Minimized.SetChecked(true);
    } else {
        RadioButton_NormalVisible.SetChecked(true);
    }
}

void TForm_Opties::WritePreview(PreviewMoment moment) {
    if (Panel_Weergave.Exists()) {
        Panel_Weergave.SetText(PreviewText(main_.Rec.Weergave, moment, main_.Seps().decimal));
        Panel_Weergave.Invalidate();
    }
}

// ---- rows

void TForm_Opties::RefreshRows() {
    for (int slot = 1; slot <= kSlotCount; ++slot) RefreshRow(slot);
}

void TForm_Opties::RefreshRow(int slot) {
    const RecRec& rec = main_.Rec;
    if (auto* label = RowControl<win::Label>("Label_Munt", slot)) {
        label->SetText(SlotCaption(rec, slot, rec.Taal));
        label->SetTextColour(SlotColour(rec, slot));
    }
    if (auto* box = RowControl<win::CheckBox>("CheckBox_Selected", slot)) {
        box->SetChecked(rec.Geselecteerd[slot]);
    }
    if (auto* front = RowControl<win::SpeedButton>("SpeedButtonFront", slot)) {
        const OptionsTexts& t = OptionTexts(rec.Taal);
        front->SetDown(rec.SymboolVooraan[slot]);
        front->SetHint(rec.SymboolVooraan[slot] ? t.symbolBefore : t.symbolAfter);
    }
    RefreshRowNames(slot);
}

// Each names its currency: the boxes of one page tell their rows apart by it. The two own
// currencies may be alike (both undefined at first): their number tells them apart.
void TForm_Opties::RefreshRowNames(int slot) {
    const RecRec& rec = main_.Rec;
    const OptionsTexts& t = OptionTexts(rec.Taal);
    std::string currency = t.nameSeparator + SlotCaption(rec, slot, rec.Taal);
    if (slot > kSlotCount - 2) currency += " " + std::to_string(slot - (kSlotCount - 2));
    const auto setText = [](win::Control& control, const std::string& text) {
        if (control.Text() != text) control.SetText(text);
    };
    if (auto* rate = RowControl<win::Edit>("Edit_Koers", slot)) {
        win::SetReaderName(*rate, t.koerswisselingen + currency);
    }
    if (auto* spin = RowControl<win::SpinEdit>("SpinEdit_Decimalen", slot)) {
        win::SetReaderName(*spin, t.decimalen + currency);
    }
    if (auto* box = RowControl<win::CheckBox>("CheckBox_Selected", slot)) {
        setText(*box, t.offeredName + currency);
    }
    if (auto* front = RowControl<win::SpeedButton>("SpeedButtonFront", slot)) {
        setText(*front, (front->Down() ? t.symbolBefore : t.symbolAfter) + currency);
    }
}

void TForm_Opties::ReleaseOtherDefaults(const char* prefix, int slot) {
    // Each page's buttons are a group of their own: those of the other page are let go here.
    for (int other = 1; other <= kSlotCount; ++other) {
        if (other == slot) continue;
        if (auto* b = RowControl<win::SpeedButton>(prefix, other)) b->SetDown(false);
    }
}

// ---- handlers

void TForm_Opties::CheckRateEdit(win::Control* sender) {
    auto* box = dynamic_cast<win::Edit*>(sender);
    const int slot = box ? box->Tag : 0;
    if (slot < 1 || slot > kSlotCount || box != RowControl<win::Edit>("Edit_Koers", slot)) return;
    const RateCheck checked = CheckRateText(box->Text(), main_.Seps());
    if (checked.beep && Beep) Beep();
    box->SetText(checked.text);
    RecRec& rec = main_.Rec;
    if (TypedRateClearsDay(slot, rec.Koers[slot], checked.rate) && !rec.KoersDatum.empty()) {
        rec.KoersDatum.clear();
        ecbState_ = EcbState::Day;
        ShowEcbLine();
    }
    rec.Koers[slot] = checked.rate;
}

void TForm_Opties::SpeedButton_DefaultVanClick(win::SpeedButton& sender) {
    const int slot = sender.Tag;
    ChooseDefaultSlot(main_.Rec, slot, DefaultKind::Source);
    ReleaseOtherDefaults("SpeedButton_DefaultVan", slot);
    if (auto* box = RowControl<win::CheckBox>("CheckBox_Selected", slot)) box->SetChecked(true);
}

void TForm_Opties::SpeedButton_DefaultNaarClick(win::SpeedButton& sender) {
    const int slot = sender.Tag;
    ChooseDefaultSlot(main_.Rec, slot, DefaultKind::Target);
    ReleaseOtherDefaults("SpeedButton_DefaultNaar", slot);
    if (auto* box = RowControl<win::CheckBox>("CheckBox_Selected", slot)) box->SetChecked(true);
}

void TForm_Opties::CheckBox_SelectedClick(win::CheckBox& sender) {
    sender.SetChecked(OfferedBoxClicked(main_.Rec, sender.Tag, sender.Checked()));
}

void TForm_Opties::SpinEdit_DecimalenChange(win::SpinEdit& sender) {
    const int slot = sender.Tag;
    if (slot >= 1 && slot <= kSlotCount) {
        main_.Rec.Decimalen[slot] = static_cast<std::uint8_t>(sender.Value());
    }
}

void TForm_Opties::SpeedButtonFrontClick(win::SpeedButton& sender) {
    const int slot = sender.GroupIndex();
    if (slot < 1 || slot > kSlotCount) return;
    main_.Rec.SymboolVooraan[slot] = sender.Down();
    const OptionsTexts& t = OptionTexts(main_.Rec.Taal);
    sender.SetHint(sender.Down() ? t.symbolBefore : t.symbolAfter);
    RefreshRowNames(slot);
}

void TForm_Opties::RadioGroup_TaalClick() {
    const int index = RadioGroup_Taal.ItemIndex();
    if (index < 0 || index > 2) return;
    main_.Rec.Taal = static_cast<std::uint8_t>(index);
    ApplyLanguage();
}

void TForm_Opties::RadioGroup_WeergaveClick() {
    const int index = RadioGroup_Weergave.ItemIndex();
    if (index < 0) return;
    main_.Rec.Weergave = static_cast<std::uint8_t>(index);
    WritePreview(PreviewMoment::Click);
}

void TForm_Opties::RadioGroup_SystemTrayClick() {
    const int index = RadioGroup_SystemTray.ItemIndex();
    if (index < 0) return;
    TrayChosen(main_.Rec, index);
    if (Image_Pijl.Exists()) Image_Pijl.SetLeft(ArrowLeft(main_.Rec.SysteemLade));
    SyncStartupChoice();
}

void TForm_Opties::RadioButton_NormalVisibleClick() {
    NormalVisibleChosen(main_.Rec);
}

void TForm_Opties::RadioButton_MinimizedClick() {
    MinimizedChosen(main_.Rec);
    RadioGroup_SystemTray.SetItemIndex(1);
    if (Image_Pijl.Exists()) Image_Pijl.SetLeft(ArrowLeft(true));
}

void TForm_Opties::Edit_LettersExit() {
    main_.Rec.Letters = Edit_Letters.Text();
}

void TForm_Opties::ColumnCheckBoxClick(win::CheckBox& sender) {
    RecRec& rec = main_.Rec;
    bool* setting = &sender == &CheckBox_Vlag          ? &rec.KolomVlag
                    : &sender == &CheckBox_Munt        ? &rec.KolomMunt
                    : &sender == &CheckBox_Munteenheid ? &rec.KolomMunteenheid
                                                       : &rec.KolomSymbool;
    *setting = sender.Checked();
}

void TForm_Opties::PageControl1Change() {
    ApplyLanguage();
}

void TForm_Opties::SpeedButtonEigenMuntenClick() {
    if (ShowOwnCurrencies) ShowOwnCurrencies();
    for (int slot : {21, 22}) {
        const ScalablePicture flag = main_.Pictures.SlotGlyph(slot);
        for (const char* prefix : {"SpeedButton_DefaultVan", "SpeedButton_DefaultNaar"}) {
            if (auto* b = RowControl<win::SpeedButton>(prefix, slot)) b->SetGlyph(flag);
        }
        if (auto* label = RowControl<win::Label>("Label_Munt", slot)) {
            label->SetText(SlotCaption(main_.Rec, slot, main_.Rec.Taal));
            label->SetTextColour(SlotColour(main_.Rec, slot));
        }
        RefreshRowNames(slot);
    }
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void TForm_Opties::Button_ECBClick() {
    StartRatesFetch();
}

void TForm_Opties::CheckBox_KoersenBijStartClick() {
    main_.Rec.KoersenBijStart = CheckBox_KoersenBijStart.Checked();
}

void TForm_Opties::FetchRatesAtStart() {
    const RecRec& rec = main_.Rec;
    if (!rec.KoersenBijStart || !RatesAreStale(rec.KoersDatum, Today())) return;
    // The fetch reports to this window, which is made when first needed.
    if (Exists() || CreateOpties()) StartRatesFetch();
}

bool TForm_Opties::StartRatesFetch() {
    if (fetch_.Running()) return false;
    if (!fetch_.Start(Handle(), kRatesFetched,
                      {.url = main_.Rec.KoersenURL, .bound = FetchBound})) {
        RatesFetched({});
        return false;
    }
    ecbState_ = EcbState::Fetching;
    ShowEcbLine();
    return true;
}

void TForm_Opties::RatesFetched(const win::DownloadResult& got) {
    RecRec& rec = main_.Rec;
    // Nothing is taken before the whole file is in and understood.
    const EcbOutcome outcome =
        TakeEcbRates(rec, got ? std::optional<std::string>(got.body) : std::nullopt);
    for (int slot : outcome.slots) {
        if (auto* box = RowControl<win::Edit>("Edit_Koers", slot)) {
            box->SetText(FormatGeneral(rec.Koers[slot], main_.Seps()));
        }
    }
    ecbState_ = outcome.state;
    if (outcome.state == EcbState::Day) ecbKept_ = outcome.kept;
    // In the background at start a failure waits for the dialog to show.
    if (!Visible() && outcome.state != EcbState::Day) startFailure_ = outcome.state;
    ShowEcbLine();
}

void TForm_Opties::StopRatesFetch() {
    if (!fetch_.Running()) return;
    fetch_.Cancel();
    ecbState_ = EcbState::Day;
    ShowEcbLine();
}

void TForm_Opties::ShowEcbLine() {
    if (!Label_ECB.Exists()) return;
    const RecRec& rec = main_.Rec;
    Button_ECB.SetEnabled(!fetch_.Running());
    CheckBox_KoersenBijStart.SetChecked(rec.KoersenBijStart);
    std::string day;
    if (const std::optional<CalendarDay> d = ParseIsoDate(rec.KoersDatum)) {
        day = win::FormatShortDate(d->year, d->month, d->day);
        if (day.empty()) day = rec.KoersDatum;
    }
    const std::string text = EcbLineText(ecbState_, day, rec.Taal, ecbKept_);
    if (Label_ECB.Text() != text) Label_ECB.SetText(text);
}

void TForm_Opties::BitBtn_OKClick() {
    // The colours are the one setting that waits for OK.
    for (const PickerSetting& p : Pickers()) {
        if (p.picker->Exists()) *p.setting = p.picker->Color();
    }
}
