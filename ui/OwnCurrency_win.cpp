#include "ui/OwnCurrency_win.h"

#include "core/CurrencyTable.h"
#include "ui/OwnCurrency.h"
#include "win/Application.h"
#include "win/ReaderName.h"
#include "win/StartupLog.h"

namespace {

// Layout, in the window's pixels.
constexpr int kClientWidth = 421;
constexpr int kClientHeight = 192;
constexpr int kTopHeight = 152;
constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 4;
constexpr int kGroupWidth = 199;
constexpr int kGroupHeight = 144;
constexpr int kGroupPitch = 206;
constexpr int kPanelImageLeft = 14;
constexpr int kPanelImageTop = 20;
constexpr int kPanelImageSize = 26;
constexpr int kSpeedButtonWidth = 23;
constexpr int kSpeedButtonHeight = 22;
constexpr int kLabelLeft = 4;
constexpr int kLabelWidth = 96;  // "Unité monétaire" whole, also at 150 %
constexpr int kEditLeft = 104;
constexpr int kEditHeight = 21;
constexpr int kNameWidth = 79;
constexpr int kShortWidth = 44;
constexpr int kFirstRowTop = 58;
constexpr int kRowPitch = 26;
constexpr int kOkWidth = 75;
constexpr int kOkHeight = 25;
constexpr int kMargin = 8;

std::size_t Index(int k) {
    return static_cast<std::size_t>(k - 1);
}

}  // namespace

TFormEigenMunt::TFormEigenMunt(RecRec& rec, SlotPictures& pictures)
    : ReportError([](const std::string& message) { win::Application::ShowError(message); }),
      rec_(rec),
      pictures_(pictures) {}

TFormEigenMunt::~TFormEigenMunt() {
    Destroy();
}

bool TFormEigenMunt::CreateEigenMunt() {
    const bool created = Create({.caption = OwnTexts(rec_.Taal).caption,
                                 .clientWidth = kClientWidth,
                                 .clientHeight = kClientHeight,
                                 .border = win::BorderKind::ToolWindow,
                                 .name = "FormEigenMunt"});
    win::StartupMark("own-currencies dialog created");
    return created;
}

void TFormEigenMunt::CreateControls() {
    Panel_Top.Create({.parent = this,
                      .name = "Panel_Top",
                      .height = kTopHeight,
                      .align = win::Align::Top,
                      .bevelOuter = win::BevelKind::None});
    for (int k = 1; k <= 2; ++k) CreateGroup(k);
    BitBtn_OK.Create({.parent = this,
                      .name = "BitBtn_OK",
                      .x = kClientWidth - kMargin - kOkWidth,
                      .y = kClientHeight - kMargin - kOkHeight,
                      .width = kOkWidth,
                      .height = kOkHeight,
                      .caption = "&OK",
                      .isDefault = true,
                      .modalResult = win::mrOk});
    BitBtn_OK.OnClick = [this] { BitBtn_OKClick(); };
    OpenPictureDialog1 = {.owner = this, .filter = kOwnPictureFilter};
    OnShow = [this] { FormShow(); };
}

void TFormEigenMunt::CreateGroup(int k) {
    const std::size_t i = Index(k);
    const std::string n = std::to_string(k);
    win::GroupBox& group = GroupBox[i];
    group.Create({.parent = &Panel_Top,
                  .name = "GroupBox" + n,
                  .x = kGroupLeft + (k - 1) * kGroupPitch,
                  .y = kGroupTop,
                  .width = kGroupWidth,
                  .height = kGroupHeight,
                  .caption = n});  // the own currency's number, in every language
    PanelImage[i].Create({.parent = &group,
                          .name = "PanelImage" + n,
                          .x = kPanelImageLeft,
                          .y = kPanelImageTop,
                          .width = kPanelImageSize,
                          .height = kPanelImageSize,
                          .bevelOuter = win::BevelKind::Lowered,
                          .bevelWidth = 2});
    Image[i].Create({.parent = &PanelImage[i],
                     .name = "Image" + n,
                     .x = 2,
                     .y = 2,
                     .width = kOwnImageSize,
                     .height = kOwnImageSize,
                     .centre = true,
                     .transparent = true});
    Image[i].OnDblClick = [this, k] { ChoosePicture(k); };
    SpeedButton[i].Create({.parent = &group,
                           .name = "SpeedButton" + n,
                           .x = kPanelImageLeft + kPanelImageSize + 4,
                           .y = kPanelImageTop + (kPanelImageSize - kSpeedButtonHeight) / 2,
                           .width = kSpeedButtonWidth,
                           .height = kSpeedButtonHeight,
                           .glyph = Drawn(OpenPictureGlyph),
                           .showCaption = false,
                           .tabStop = true});
    SpeedButton[i].OnClick = [this, k] { ChoosePicture(k); };

    struct Row {
        win::Label& label;
        const char* labelName;
        win::Edit& edit;
        const char* editName;
        int width;
    };
    const Row rows[] = {
        {LabelMunt[i], "LabelMunt", Edit_Munt[i], "Edit_Munt", kNameWidth},
        {LabelMunteenheid[i], "LabelMunteenheid", Edit_Munteenheid[i], "Edit_Munteenheid",
         kShortWidth},
        {LabelSymbool[i], "LabelSymbool", Edit_Symbool[i], "Edit_Symbool", kShortWidth},
    };
    int top = kFirstRowTop;
    for (const Row& row : rows) {
        row.label.Create({.parent = &group,
                          .name = row.labelName + n,
                          .x = kLabelLeft,
                          .y = top + 4,
                          .width = kLabelWidth,
                          .height = 13,
                          .alignment = win::TextAlign::Right});
        row.edit.Create({.parent = &group,
                         .name = row.editName + n,
                         .x = kEditLeft,
                         .y = top,
                         .width = row.width,
                         .height = kEditHeight});
        top += kRowPitch;
    }
    LabelBitmap[i].Create({.parent = this, .name = "LabelBitmap" + n, .visible = false});
}

void TFormEigenMunt::OnCommand(int id) {
    if (id == IDCANCEL) Close();
}

void TFormEigenMunt::FormShow() {
    const OwnCurrencyTexts& texts = OwnTexts(rec_.Taal);
    SetCaption(texts.caption);
    for (int k = 1; k <= 2; ++k) {
        const std::size_t i = Index(k);
        LabelMunt[i].SetText(texts.name);
        LabelMunteenheid[i].SetText(texts.unit);
        LabelSymbool[i].SetText(texts.symbol);
        // Both groups have the same labels: the names carry the currency's number.
        const std::string number = " " + std::to_string(k);
        win::SetReaderName(Edit_Munt[i], texts.name + number);
        win::SetReaderName(Edit_Munteenheid[i], texts.unit + number);
        win::SetReaderName(Edit_Symbool[i], texts.symbol + number);
        SpeedButton[i].SetHint(texts.choosePicture);
        SpeedButton[i].SetText(texts.choosePicture + number);
        const OwnCurrencyFields fields = OwnFields(rec_, k);
        LabelBitmap[i].SetText(fields.bitmap);
        Edit_Munt[i].SetText(fields.name);
        Edit_Munteenheid[i].SetText(fields.unit);
        Edit_Symbool[i].SetText(fields.symbol);
        ShowPicture(k);
    }
    // The keyboard starts in the first name, its text selected as Tab would leave it.
    SetActiveControl(&Edit_Munt[0]);
    Edit_Munt[0].SelectAll();
}

void TFormEigenMunt::ShowPicture(int k) {
    const std::string path = OwnFields(rec_, k).bitmap;
    // A file that is gone leaves the picture as it was; one that is no longer a bitmap shows
    // nothing, as at start.
    if (!OwnPictureFileExists(path)) return;
    const std::optional<OwnPictureChoice> choice = ReadOwnPictureChoice(path);
    Image[Index(k)].SetPicture(choice ? choice->shown : Picture{});
}

void TFormEigenMunt::ChoosePicture(int k) {
    OpenPictureDialog1.fileName = OwnFields(rec_, k).bitmap;
    const std::optional<std::string> path = win::OpenFileDialog(OpenPictureDialog1);
    if (path) UsePicture(k, *path);
}

bool TFormEigenMunt::UsePicture(int k, const std::string& path) {
    const std::optional<OwnPictureChoice> choice = ReadOwnPictureChoice(path);
    if (!choice) {
        if (ReportError) ReportError(std::string(OwnTexts(rec_.Taal).readError) + "\n" + path);
        return false;
    }
    const std::size_t i = Index(k);
    Image[i].SetPicture(choice->shown);
    SetOwnBitmap(rec_, k, path);
    LabelBitmap[i].SetText(path);
    pictures_.SetOwnPicture(k, choice->flag);
    return true;
}

void TFormEigenMunt::BitBtn_OKClick() {
    for (int k = 1; k <= 2; ++k) {
        const std::size_t i = Index(k);
        SetOwnCurrency(rec_, k, Edit_Munt[i].Text(), Edit_Munteenheid[i].Text(),
                       Edit_Symbool[i].Text());
    }
    Close();
}
