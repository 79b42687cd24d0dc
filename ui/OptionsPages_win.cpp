// The options dialog's controls: the form's own at creation, each page's when it is first shown.
#include "ui/Artwork.h"
#include "ui/Languages.h"
#include "ui/OptionsArt.h"
#include "ui/Options_win.h"
#include "win/ReaderName.h"

namespace {

// Layout, in the dialog's pixels.
constexpr int kClientWidth = 402;
constexpr int kClientHeight = 472;
constexpr int kMargin = 4;
constexpr int kOkWidth = 75;
constexpr int kOkHeight = 25;
constexpr int kPagesHeight = kClientHeight - kOkHeight - 18;

// A currency row, left to right.
constexpr int kRowTop = 28;
constexpr int kRowPitch = 28;
constexpr int kDefaultButton = 26;
constexpr int kDefaultVanLeft = 4;
constexpr int kDefaultNaarLeft = 32;
constexpr int kEuroLeft = 60;
constexpr int kEuroWidth = 52;  // "1 euro =" whole, also at 150 %
constexpr int kRateLeft = 113;
constexpr int kRateWidth = 70;
constexpr int kBoxHeight = 21;
constexpr int kNameLeft = 187;
constexpr int kNameWidth = 115;
constexpr int kSpinLeft = 304;
constexpr int kSpinWidth = 36;
constexpr int kSelectedLeft = 346;
constexpr int kFrontLeft = 364;
constexpr int kFrontSize = 20;
constexpr int kLineWidth = 384;
constexpr int kEcbButtonWidth = 140;

// The general and results pages.
constexpr int kGroupLeft = 8;
constexpr int kGroupWidth = 370;
constexpr int kPreviewWidth = 53;
constexpr int kPreviewHeight = 15;
constexpr int kPickerWidth = 42;
constexpr int kPickerHeight = 21;
constexpr int kPickerPitch = 26;

// The slots of the two currency pages, in their order.
constexpr int kFixedSlots[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16};
constexpr int kVariableSlots[] = {13, 14, 15, 17, 18, 19, 20};
constexpr int kOwnSlots[] = {21, 22};

const Colour kWhite = MakeColour(255, 255, 255);

}  // namespace

void TForm_Opties::CreateControls() {
    const OptionsTexts& t = OptionTexts(main_.Rec.Taal);
    PageControl1.Create({.parent = this,
                         .name = "PageControl1",
                         .x = kMargin,
                         .y = kMargin,
                         .width = kClientWidth - 2 * kMargin,
                         .height = kPagesHeight});
    struct PageInfo {
        win::TabSheet& sheet;
        const char* name;
        const char* caption;
        std::function<void()> create;
    };
    const PageInfo pages[] = {
        {TabSheet_Algemeen, "TabSheet_Algemeen", t.tabAlgemeen, [this] { CreateGeneralPage(); }},
        {TabSheet_Print, "TabSheet_Print", t.tabPrint, [this] { CreateResultsPage(); }},
        {TabSheet_VasteMunten, "TabSheet_VasteMunten", t.tabVasteMunten,
         [this] { CreateCurrencyPage(true); }},
        {TabSheet_VariabeleMunten, "TabSheet_VariabeleMunten", t.tabVariabeleMunten,
         [this] { CreateCurrencyPage(false); }},
    };
    for (const PageInfo& page : pages) {
        page.sheet.Create({.parent = &PageControl1, .name = page.name, .caption = page.caption});
        page.sheet.OnFirstShow = [this, sheet = &page.sheet, create = page.create] {
            create();
            PageCreated(*sheet);
        };
    }
    PageControl1.OnChange = [this] { PageControl1Change(); };

    BitBtn_OK.Create({.parent = this,
                      .name = "BitBtn_OK",
                      .x = kClientWidth - 8 - kOkWidth,
                      .y = kClientHeight - 8 - kOkHeight,
                      .width = kOkWidth,
                      .height = kOkHeight,
                      .caption = "&OK",
                      .glyph = Drawn(OkPicture),
                      .isDefault = true,
                      .modalResult = win::mrOk});
    BitBtn_OK.OnClick = [this] { BitBtn_OKClick(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](win::CloseAction&) { FormClose(); };
}

void TForm_Opties::CreateGeneralPage() {
    const OptionsTexts& t = OptionTexts(main_.Rec.Taal);
    win::TabSheet* page = &TabSheet_Algemeen;
    RadioGroup_Taal.Create({.parent = page,
                            .name = "RadioGroup_Taal",
                            .x = kGroupLeft,
                            .y = 8,
                            .width = 200,
                            .height = 80,
                            .caption = t.taal,
                            .items = {kLanguageNames[0], kLanguageNames[1], kLanguageNames[2]}});
    RadioGroup_Taal.OnClick = [this] { RadioGroup_TaalClick(); };
    Image_Taal.Create({.parent = page,
                       .name = "Image_Taal",
                       .x = 240,
                       .y = 28,
                       .width = 32,
                       .height = 32,
                       .picture = Drawn(LanguagesPicture),
                       .transparent = true});

    GroupBox_Klembord.Create({.parent = page,
                              .name = "GroupBox_Klembord",
                              .x = kGroupLeft,
                              .y = 100,
                              .width = kGroupWidth,
                              .height = 150,
                              .caption = t.klembord});
    Edit_Letters.Create({.parent = &GroupBox_Klembord,
                         .name = "Edit_Letters",
                         .x = 12,
                         .y = 22,
                         .width = 48,
                         .height = kBoxHeight,
                         .text = "VL"});
    Edit_Letters.OnExit = [this] { Edit_LettersExit(); };
    win::SetReaderName(Edit_Letters, t.lettersName);
    Image_Klembord.Create({.parent = &GroupBox_Klembord,
                           .name = "Image_Klembord",
                           .x = kGroupWidth - 48,
                           .y = 16,
                           .width = 32,
                           .height = 32,
                           .picture = Drawn(ClipboardCoinPicture),
                           .transparent = true});
    Label_Uitleg.Create({.parent = &GroupBox_Klembord,
                         .name = "Label_Uitleg",
                         .x = 12,
                         .y = 56,
                         .width = kGroupWidth - 24,
                         .height = 84,
                         .text = t.uitleg,
                         .transparent = true,
                         .wordWrap = true});

    // Minimising and starting: kept consistent, but not shown in this layout.
    RadioGroup_SystemTray.Create({.parent = page,
                                  .name = "RadioGroup_SystemTray",
                                  .x = kGroupLeft,
                                  .y = 262,
                                  .width = 180,
                                  .height = 64,
                                  .visible = false,
                                  .caption = t.systemTray,
                                  .items = {t.systemTrayItems[0], t.systemTrayItems[1]}});
    RadioGroup_SystemTray.OnClick = [this] { RadioGroup_SystemTrayClick(); };
    GroupBox_Startup.Create({.parent = page,
                             .name = "GroupBox_Startup",
                             .x = 196,
                             .y = 262,
                             .width = 182,
                             .height = 64,
                             .visible = false,
                             .caption = t.startup});
    RadioButton_NormalVisible.Create({.parent = &GroupBox_Startup,
                                      .name = "RadioButton_NormalVisible",
                                      .x = 10,
                                      .y = 18,
                                      .width = 160,
                                      .height = 18,
                                      .caption = t.normalVisible,
                                      .checked = true});
    RadioButton_NormalVisible.OnClick = [this] { RadioButton_NormalVisibleClick(); };
    RadioButton_Minimized.Create({.parent = &GroupBox_Startup,
                                  .name = "RadioButton_Minimized",
                                  .x = 10,
                                  .y = 38,
                                  .width = 160,
                                  .height = 18,
                                  .caption = t.minimized});
    RadioButton_Minimized.OnClick = [this] { RadioButton_MinimizedClick(); };
    Image_Pijl.Create({.parent = page,
                       .name = "Image_Pijl",
                       .x = ArrowLeft(main_.Rec.SysteemLade),
                       .y = 336,
                       .width = 16,
                       .height = 16,
                       .visible = false,
                       .picture = Drawn(PointerPicture),
                       .transparent = true});
}

void TForm_Opties::CreateResultsPage() {
    const OptionsTexts& t = OptionTexts(main_.Rec.Taal);
    win::TabSheet* page = &TabSheet_Print;
    RadioGroup_Weergave.Create({.parent = page,
                                .name = "RadioGroup_Weergave",
                                .x = kGroupLeft,
                                .y = 8,
                                .width = 268,
                                .height = 100,
                                .caption = t.weergave,
                                .items = {t.weergaveItems[0], t.weergaveItems[1],
                                          t.weergaveItems[2], t.weergaveItems[3]}});
    RadioGroup_Weergave.OnClick = [this] { RadioGroup_WeergaveClick(); };
    Panel_Weergave.Create({.parent = page,
                           .name = "Panel_Weergave",
                           .x = 290,
                           .y = 56,
                           .width = kPreviewWidth,
                           .height = kPreviewHeight,
                           .textColour = kWhite,
                           .colour = win::clBtnShadow,
                           .bevelOuter = win::BevelKind::Lowered});
    Image_Resultaten.Create({.parent = page,
                             .name = "Image_Resultaten",
                             .x = 300,
                             .y = 14,
                             .width = 32,
                             .height = 32,
                             .picture = Drawn(ResultsPicture),
                             .transparent = true});

    GroupBox_Kolommen.Create({.parent = page,
                              .name = "GroupBox_Kolommen",
                              .x = kGroupLeft,
                              .y = 118,
                              .width = kGroupWidth,
                              .height = 72,
                              .caption = t.kolommen});
    struct Column {
        win::CheckBox& box;
        const char* name;
        const char* caption;
        int x;
        int y;
    };
    // Made line by line, which is the Tab order.
    const Column columns[] = {
        {CheckBox_Vlag, "CheckBox_Vlag", t.vlag, 16, 20},
        {CheckBox_Munteenheid, "CheckBox_Munteenheid", t.munteenheid, 190, 20},
        {CheckBox_Munt, "CheckBox_Munt", t.munt, 16, 44},
        {CheckBox_Symbool, "CheckBox_Symbool", t.symbool, 190, 44},
    };
    for (const Column& c : columns) {
        c.box.Create({.parent = &GroupBox_Kolommen,
                      .name = c.name,
                      .x = c.x,
                      .y = c.y,
                      .width = 170,
                      .height = 20,
                      .caption = c.caption,
                      .checked = true});
        win::CheckBox* box = &c.box;
        box->OnClick = [this, box] { ColumnCheckBoxClick(*box); };
    }

    GroupBox_Colors.Create({.parent = page,
                            .name = "GroupBox_Colors",
                            .x = kGroupLeft,
                            .y = 200,
                            .width = kGroupWidth,
                            .height = 20 + 4 * kPickerPitch + 4,
                            .caption = t.colors});
    // A colour picker at the left of each line, its label beside it.
    const auto pickers = Pickers();
    const char* pickerNames[] = {"ztColorPickerEuro", "ztColorPickerEU", "ztColorPickerEuropa",
                                 "ztColorPickerWereld"};
    win::Label* labels[] = {&Label_KleurEuro, &Label_KleurEU, &Label_KleurEuropa,
                            &Label_KleurWereld};
    const char* names[] = {"Label_KleurEuro", "Label_KleurEU", "Label_KleurEuropa",
                           "Label_KleurWereld"};
    const char* captions[] = {t.kleurEuro, t.kleurEU, t.kleurEuropa, t.kleurWereld};
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        pickers[at].picker->Create({.parent = &GroupBox_Colors,
                                    .name = pickerNames[i],
                                    .x = 16,
                                    .y = 20 + i * kPickerPitch,
                                    .width = kPickerWidth,
                                    .height = kPickerHeight,
                                    .color = *pickers[at].setting,
                                    .flat = true,
                                    .language = static_cast<TztLanguage>(main_.Rec.Taal)});
        // Named by its label's text, which it carries without showing it.
        pickers[at].picker->SetText(captions[i]);
        labels[i]->Create({.parent = &GroupBox_Colors,
                           .name = names[i],
                           .x = 16 + kPickerWidth + 10,
                           .y = 20 + i * kPickerPitch + 4,
                           .width = 280,
                           .height = 15,
                           .text = captions[i],
                           .transparent = true});
    }
}

void TForm_Opties::CreateCurrencyPage(bool fixed) {
    const OptionsTexts& t = OptionTexts(main_.Rec.Taal);
    win::TabSheet& page = fixed ? TabSheet_VasteMunten : TabSheet_VariabeleMunten;
    win::Label& defaults = fixed ? Label_Defaults : Label_Defaults2;
    win::Label& rates = fixed ? Label_Koerswisselingen : Label_Koerswisselingen2;
    win::Label& decimals = fixed ? Label_Decimalen : Label_Decimalen2;
    const std::string suffix = fixed ? "" : "2";
    defaults.Create({.parent = &page,
                     .name = "Label_Defaults" + suffix,
                     .x = kDefaultVanLeft,
                     .y = 6,
                     .width = kEuroLeft - kDefaultVanLeft - 2,
                     .height = 15,
                     .text = fixed ? t.defaults : t.defaults2});
    rates.Create({.parent = &page,
                  .name = "Label_Koerswisselingen" + suffix,
                  .x = kEuroLeft,
                  .y = 6,
                  .width = kNameLeft - kEuroLeft,
                  .height = 15,
                  .text = t.koerswisselingen});
    decimals.Create({.parent = &page,
                     .name = "Label_Decimalen" + suffix,
                     .x = kSpinLeft,
                     .y = 6,
                     .width = 70,
                     .height = 15,
                     .text = t.decimalen});
    (fixed ? Bevel_Vast : Bevel_Variabel)
        .Create({.parent = &page,
                 .name = fixed ? "Bevel_Vast" : "Bevel_Variabel",
                 .x = kDefaultVanLeft,
                 .y = 22,
                 .width = kLineWidth - kDefaultVanLeft,
                 .height = 2,
                 .shape = win::BevelShape::TopLine});
    // The two columns of flags first: in the Tab order they come before the rows.
    win::ButtonColumn& vans = fixed ? Panel_DefaultVan : Panel_DefaultVan2;
    win::ButtonColumn& naars = fixed ? Panel_DefaultNaar : Panel_DefaultNaar2;
    const MainWindowTexts& groups = MainTexts(main_.Rec.Taal);
    const std::string heading = std::string(fixed ? t.defaults : t.defaults2) + t.nameSeparator;
    const int columnHeight = fixed ? 13 * kRowPitch : 9 * kRowPitch + 8;
    const auto column = [&](win::ButtonColumn& c, const char* name, int x, const char* kind) {
        c.Create({.parent = &page,
                  .name = name + suffix,
                  .x = x,
                  .y = kRowTop,
                  .width = kDefaultButton,
                  .height = columnHeight,
                  .caption = heading + kind});
    };
    column(vans, "Panel_DefaultVan", kDefaultVanLeft, groups.groupVan);
    column(naars, "Panel_DefaultNaar", kDefaultNaarLeft, groups.groupNaar);
    int top = kRowTop;
    if (fixed) {
        for (int slot : kFixedSlots) {
            CreateCurrencyRow(page, vans, naars, slot, top);
            top += kRowPitch;
        }
        return;
    }
    for (int slot : kVariableSlots) {
        CreateCurrencyRow(page, vans, naars, slot, top);
        top += kRowPitch;
    }
    Bevel_Eigen.Create({.parent = &page,
                        .name = "Bevel_Eigen",
                        .x = kDefaultVanLeft,
                        .y = top + 2,
                        .width = kLineWidth - kDefaultVanLeft,
                        .height = 2,
                        .shape = win::BevelShape::TopLine});
    top += 8;
    for (int slot : kOwnSlots) {
        CreateCurrencyRow(page, vans, naars, slot, top);
        top += kRowPitch;
    }
    SpeedButtonEigenMunten.Create({.parent = &page,
                                   .name = "SpeedButtonEigenMunten",
                                   .x = kDefaultVanLeft,
                                   .y = top + 8,
                                   .width = 110,
                                   .height = 25,
                                   .caption = t.eigenMunten,
                                   .glyph = Drawn(MenuPictureOf, MenuPicture::Options),
                                   .flat = false,
                                   .tabStop = true});
    SpeedButtonEigenMunten.OnClick = [this] { SpeedButtonEigenMuntenClick(); };
    Button_ECB.Create({.parent = &page,
                       .name = "Button_ECB",
                       .x = kLineWidth - kEcbButtonWidth,
                       .y = top + 8,
                       .width = kEcbButtonWidth,
                       .height = 25,
                       .caption = t.ecbButton});
    Button_ECB.OnClick = [this] { Button_ECBClick(); };
    CheckBox_KoersenBijStart.Create({.parent = &page,
                                     .name = "CheckBox_KoersenBijStart",
                                     .x = kDefaultVanLeft,
                                     .y = top + 38,
                                     .width = kLineWidth - kDefaultVanLeft,
                                     .height = 28,
                                     .caption = t.ecbAtStart,
                                     .wordWrap = true});
    CheckBox_KoersenBijStart.OnClick = [this] { CheckBox_KoersenBijStartClick(); };
    Label_ECB.Create({.parent = &page,
                      .name = "Label_ECB",
                      .x = kDefaultVanLeft,
                      .y = top + 70,
                      .width = kLineWidth - kDefaultVanLeft,
                      .height = 30,
                      .transparent = true,
                      .wordWrap = true});
}

void TForm_Opties::CreateCurrencyRow(win::TabSheet& page, win::ButtonColumn& vans,
                                     win::ButtonColumn& naars, int slot, int top) {
    CurrencyRow& row = rows_[static_cast<std::size_t>(slot - 1)];
    const std::string n = std::to_string(slot);
    const RecRec& rec = main_.Rec;
    const ScalablePicture flag = main_.Pictures.SlotGlyph(slot);
    row.defaultVan.Create({.parent = &vans,
                           .name = "SpeedButton_DefaultVan" + n,
                           .y = top - kRowTop,
                           .width = kDefaultButton,
                           .height = kDefaultButton,
                           .tag = slot,
                           .glyph = flag,
                           .groupIndex = 1,
                           .showCaption = false});
    row.defaultVan.OnClick = [this, &row] { SpeedButton_DefaultVanClick(row.defaultVan); };
    row.defaultNaar.Create({.parent = &naars,
                            .name = "SpeedButton_DefaultNaar" + n,
                            .y = top - kRowTop,
                            .width = kDefaultButton,
                            .height = kDefaultButton,
                            .tag = slot,
                            .glyph = flag,
                            .groupIndex = 2,
                            .showCaption = false});
    row.defaultNaar.OnClick = [this, &row] { SpeedButton_DefaultNaarClick(row.defaultNaar); };
    row.euro.Create({.parent = &page,
                     .name = "Label_Euro" + n,
                     .x = kEuroLeft,
                     .y = top + 6,
                     .width = kEuroWidth,
                     .height = 15,
                     .tag = slot,
                     .text = "1 euro =",
                     .transparent = true});
    const bool fixed = IsFixedRate(slot);
    row.koers.Create({.parent = &page,
                      .name = "Edit_Koers" + n,
                      .x = kRateLeft,
                      .y = top + 2,
                      .width = kRateWidth,
                      .height = kBoxHeight,
                      .tag = slot,
                      .colour = fixed ? std::optional<Colour>(win::clBtnFace) : std::nullopt,
                      .text = "0",
                      .readOnly = fixed});
    if (!fixed) row.koers.OnExit = [this, &row] { CheckRateEdit(&row.koers); };
    row.munt.Create({.parent = &page,
                     .name = "Label_Munt" + n,
                     .x = kNameLeft,
                     .y = top + 6,
                     .width = kNameWidth,
                     .height = 15,
                     .tag = slot,
                     .textColour = SlotColour(rec, slot),
                     .text = SlotCaption(rec, slot, rec.Taal),
                     .transparent = true});
    row.decimalen.Create({.parent = &page,
                          .name = "SpinEdit_Decimalen" + n,
                          .x = kSpinLeft,
                          .y = top + 2,
                          .width = kSpinWidth,
                          .height = kBoxHeight,
                          .tag = slot,
                          .minValue = 0,
                          .maxValue = 8,
                          .value = rec.Decimalen[slot]});
    row.decimalen.OnChange = [this, &row] { SpinEdit_DecimalenChange(row.decimalen); };
    row.selected.Create({.parent = &page,
                         .name = "CheckBox_Selected" + n,
                         .x = kSelectedLeft,
                         .y = top + 3,
                         .width = 16,
                         .height = 20,
                         .tag = slot,
                         .checked = rec.Geselecteerd[slot],
                         .boxOnly = true});
    row.selected.OnClick = [this, &row] { CheckBox_SelectedClick(row.selected); };
    row.front.Create({.parent = &page,
                      .name = "SpeedButtonFront" + n,
                      .x = kFrontLeft,
                      .y = top + 3,
                      .width = kFrontSize,
                      .height = kFrontSize,
                      .glyph = Drawn(SymbolPositionPicture),
                      .groupIndex = slot,
                      .allowAllUp = true,
                      .showCaption = false,
                      .tabStop = true});
    row.front.OnClick = [this, &row] { SpeedButtonFrontClick(row.front); };
    RefreshRowNames(slot);
}
