// The creation of the main window and its controls: the tool bar, the amount panel, the
// currency rows and the two popup menus, with their layout in the window's pixels.
#include "ui/Main_win.h"

#include "ui/Artwork.h"
#include "ui/Languages.h"
#include "ui/MainLayout.h"
#include "win/Application.h"
#include "win/ReaderName.h"

namespace {

constexpr int kClientWidth = 326;
constexpr int kToolButtonWidth = 31;
constexpr int kToolButtonHeight = 30;
constexpr int kPanelConvertHeight = 67;
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 125;
constexpr int kBoxHeight = 21;
constexpr int kVanTop = 8;
constexpr int kNaarTop = 38;
constexpr int kCalculatorLeft = 137;
constexpr int kCalculatorSize = 23;
constexpr int kImageLeft = 166;
constexpr int kLabelLeft = 192;
constexpr int kLabelWidth = kClientWidth - kLabelLeft - 4;
constexpr int kGroupBoxWidth = 66;
constexpr int kGroupBoxMargin = 4;
constexpr int kRowButtonWidth = 44;
constexpr int kRowLabelWidth = 170;
constexpr int kDesignListHeight = 22 * 13 + 22;  // thirteen rows at design time

const Colour kNavy = MakeColour(0, 0, 0x80);
const Colour kResultGrey = MakeColour(0xE0, 0xE0, 0xE0);

}  // namespace

bool TForm_Main::CreateMain() {
    return Create({.caption = "Valomat",
                   .clientWidth = kClientWidth,
                   .clientHeight = kPanelConvertHeight + 34 + kGroupBoxTop + kDesignListHeight + 10,
                   .border = win::BorderKind::Fixed,
                   .name = "Form_Main"});
}

int TForm_Main::ToolBarHeight() const {
    return CoolBar1.Height();
}

void TForm_Main::CreateControls() {
    ImageList_Buttons.Create(kToolPictureSize, kToolPictureSize);
    ImageList_Disabled.Create(kToolPictureSize, kToolPictureSize);
    ImageList_Menus.Create(kMenuPictureSize, kMenuPictureSize);
    ImageList_VlaggenKlein.Create(kFlagSize, kFlagSize);  // filled after the first paint

    CreateMenus();
    CreateToolBar();
    CreateConvertPanel();
    CreateCurrencyRows();
    keyFilter_ =
        win::Application::AddKeyFilter([this](const MSG& msg) { return ShortcutKey(msg); });
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](win::CloseAction&) { FormClose(); };
    // Windows ends the process after this without closing the window.
    OnEndSession = [this] { SaveOnce(); };
}

void TForm_Main::CreateMenus() {
    for (MenuPicture p : {MenuPicture::Copy, MenuPicture::Paste, MenuPicture::PrintList,
                          MenuPicture::Options, MenuPicture::Convert}) {
        ImageList_Menus.Add(Drawn(MenuPictureOf, p), kPictureKey);
    }
    PopupMenu1.Create(this, &ImageList_Menus);
    Menu_Copy = PopupMenu1.Add(
        {.name = "Menu_Copy", .image = 0, .onClick = [this] { ToolButton_CopyClick(); }});
    Menu_Paste =
        PopupMenu1.Add({.name = "Menu_Paste", .image = 1, .enabled = false, .onClick = [this] {
                            ToolButton_PasteClick();
                        }});
    PopupMenu1.Add({.caption = "-"});
    Menu_PrintList = PopupMenu1.Add(
        {.name = "Menu_PrintList", .image = 2, .onClick = [this] { ToolButton_PrintListClick(); }});
    Menu_Options = PopupMenu1.Add(
        {.name = "Menu_Options", .image = 3, .onClick = [this] { ToolButton_OptionsClick(); }});
    PopupMenu1.Add({.caption = "-"});
    Menu_Convert =
        PopupMenu1.Add({.name = "Menu_Convert", .image = 4, .onClick = [this] { Convert(true); }});

    PopupMenu_SystemTray.Create(this);
    Menu_ST_Open = PopupMenu_SystemTray.Add(
        {.name = "Menu_ST_Open", .onClick = [this] { Menu_ST_OpenClick(); }});
    PopupMenu_SystemTray.Add({.caption = "-"});
    Menu_ST_Info = PopupMenu_SystemTray.Add(
        {.name = "Menu_ST_Info", .onClick = [this] { Menu_ST_InfoClick(); }});
    PopupMenu_SystemTray.Add({.caption = "-"});
    Menu_ST_Exit = PopupMenu_SystemTray.Add(
        {.name = "Menu_ST_Exit", .onClick = [this] { Menu_ST_ExitClick(); }});
}

void TForm_Main::CreateToolBar() {
    const ToolPicture pictures[] = {
        ToolPicture::Copy,    ToolPicture::Paste,     ToolPicture::Convert,
        ToolPicture::List,    ToolPicture::StayOnTop, ToolPicture::PrintList,
        ToolPicture::Options, ToolPicture::Info,      ToolPicture::Exit};
    for (ToolPicture p : pictures) {
        ImageList_Buttons.Add(Drawn(ToolbarPicture, p), kPictureKey);
        ImageList_Disabled.Add(PictureDrawer([p](double scale) {
                                   return GreyedPicture(ToolbarPicture(p, scale), kPictureKey);
                               }),
                               kPictureKey);
    }
    CoolBar1.Create({.parent = this,
                     .name = "CoolBar1",
                     .height = kToolButtonHeight + 6,
                     .align = win::Align::Top,
                     .bevelOuter = win::BevelKind::Raised});
    ToolBar_Valomat.Create({.parent = &CoolBar1,
                            .name = "ToolBar_Valomat",
                            .x = 2,
                            .y = 2,
                            .width = kClientWidth - 4,
                            .height = kToolButtonHeight + 2,
                            .buttonWidth = kToolButtonWidth,
                            .buttonHeight = kToolButtonHeight,
                            .images = &ImageList_Buttons,
                            .disabledImages = &ImageList_Disabled});
    auto add = [this](const char* name, int image, win::ToolButtonStyle style,
                      std::function<void()> click) {
        return ToolBar_Valomat.Add(
            {.name = name, .style = style, .image = image, .onClick = std::move(click)});
    };
    auto separator = [this] { ToolBar_Valomat.Add({.style = win::ToolButtonStyle::Separator}); };
    using win::ToolButtonStyle;
    ToolButton_Copy =
        add("ToolButton_Copy", 0, ToolButtonStyle::Button, [this] { ToolButton_CopyClick(); });
    ToolButton_Paste =
        add("ToolButton_Paste", 1, ToolButtonStyle::Button, [this] { ToolButton_PasteClick(); });
    separator();
    ToolButton_Convert = add("ToolButton_Convert", 2, ToolButtonStyle::Button,
                             [this] { ToolButton_ConvertClick(); });
    separator();
    ToolButton_List =
        add("ToolButton_List", 3, ToolButtonStyle::Check, [this] { ToolButton_ListClick(); });
    ToolButton_StayOnTop = add("ToolButton_StayOnTop", 4, ToolButtonStyle::Check,
                               [this] { ToolButton_StayOnTopClick(); });
    separator();
    ToolButton_PrintList = add("ToolButton_PrintList", 5, ToolButtonStyle::Button,
                               [this] { ToolButton_PrintListClick(); });
    ToolButton_Options = add("ToolButton_Options", 6, ToolButtonStyle::Button,
                             [this] { ToolButton_OptionsClick(); });
    separator();
    ToolButton_Info =
        add("ToolButton_Info", 7, ToolButtonStyle::Button, [this] { ToolButton_InfoClick(); });
    ToolButton_Exit =
        add("ToolButton_Exit", 8, ToolButtonStyle::Button, [this] { ToolButton_ExitClick(); });
    ToolButton_List.SetDown(true);
    ToolButton_Paste.SetEnabled(false);
}

// The boxes are named for screen readers by statics of their own (the language routine puts
// them in the current language); the captions beside them stay windows, which a screen
// reader reads too. Tab goes from the amount to the result, then to the calculator button.
void TForm_Main::CreateConvertPanel() {
    Panel_Convert.Create({.parent = this,
                          .name = "Panel_Convert",
                          .height = kPanelConvertHeight,
                          .align = win::Align::Top,
                          .popupMenu = &PopupMenu1,
                          .bevelOuter = win::BevelKind::None});
    Edit_Van.Create({.parent = &Panel_Convert,
                     .name = "Edit_Van",
                     .x = kBoxLeft,
                     .y = kVanTop,
                     .width = kBoxWidth,
                     .height = kBoxHeight,
                     .textColour = kNavy,
                     .popupMenu = &PopupMenu1,
                     .text = "0",
                     .autoSelect = true});  // typing replaces the amount
    Edit_Van.OnChange = [this] { Edit_VanChange(); };
    Edit_Van.OnKeyPress = [this](wchar_t& key) { Edit_VanKeyPress(key); };
    Edit_Van.OnExit = [this] { Edit_VanExit(); };
    Edit_Van.OnEnter = [this] { Edit_VanEnter(); };
    win::SetReaderName(Edit_Van, MainTexts(0).amount);

    Image_Van.Create({.parent = &Panel_Convert,
                      .name = "Image_Van",
                      .x = kImageLeft,
                      .y = kVanTop,
                      .width = kFlagSize,
                      .height = kFlagSize,
                      .popupMenu = &PopupMenu1});
    Label_Van.Create({.parent = &Panel_Convert,
                      .name = "Label_Van",
                      .x = kLabelLeft,
                      .y = kVanTop + 3,
                      .width = kLabelWidth,
                      .height = 15,
                      .popupMenu = &PopupMenu1,
                      .transparent = true,
                      .windowed = true});

    Edit_Naar.Create({.parent = &Panel_Convert,
                      .name = "Edit_Naar",
                      .x = kBoxLeft,
                      .y = kNaarTop,
                      .width = kBoxWidth,
                      .height = kBoxHeight,
                      .colour = kResultGrey,
                      .popupMenu = &PopupMenu1,
                      .text = "0",
                      .readOnly = true});
    Edit_Naar.OnEnter = [this] { Edit_NaarEnter(); };
    Edit_Naar.OnKeyPress = [this](wchar_t& key) { Edit_NaarKeyPress(key); };
    win::SetReaderName(Edit_Naar, MainTexts(0).result);
    Image_Naar.Create({.parent = &Panel_Convert,
                       .name = "Image_Naar",
                       .x = kImageLeft,
                       .y = kNaarTop,
                       .width = kFlagSize,
                       .height = kFlagSize,
                       .popupMenu = &PopupMenu1});
    Label_Naar.Create({.parent = &Panel_Convert,
                       .name = "Label_Naar",
                       .x = kLabelLeft,
                       .y = kNaarTop + 3,
                       .width = kLabelWidth,
                       .height = 15,
                       .popupMenu = &PopupMenu1,
                       .transparent = true,
                       .windowed = true});
    SpeedButtonCalculator.Create({.parent = &Panel_Convert,
                                  .name = "SpeedButtonCalculator",
                                  .x = kCalculatorLeft,
                                  .y = kVanTop - 1,
                                  .width = kCalculatorSize,
                                  .height = kCalculatorSize,
                                  .glyph = Drawn(MenuPictureOf, MenuPicture::Calculator),
                                  .showCaption = false,
                                  .tabStop = true});
    SpeedButtonCalculator.OnClick = [this] { SpeedButtonCalculatorClick(); };

    Image_Layout.Create({.parent = &Panel_Convert,
                         .name = "Image_Layout",
                         .width = kFlagSize,
                         .height = kFlagSize,
                         .visible = false});
}

void TForm_Main::CreateCurrencyRows() {
    Panel_Main.Create({.parent = this,
                       .name = "Panel_Main",
                       .align = win::Align::Client,
                       .popupMenu = &PopupMenu1,
                       .bevelOuter = win::BevelKind::None});
    const int boxHeight = kDesignListHeight;
    GroupBox_Van.Create({.parent = &Panel_Main,
                         .name = "GroupBox_Van",
                         .x = kGroupBoxMargin,
                         .y = kGroupBoxTop,
                         .width = kGroupBoxWidth,
                         .height = boxHeight,
                         .caption = "Bron"});
    GroupBox_Naar.Create({.parent = &Panel_Main,
                          .name = "GroupBox_Naar",
                          .x = kClientWidth - kGroupBoxMargin - kGroupBoxWidth,
                          .y = kGroupBoxTop,
                          .width = kGroupBoxWidth,
                          .height = boxHeight,
                          .caption = "Doel"});
    const int lineLeft = kGroupBoxMargin + kGroupBoxWidth + 4;
    const int lineWidth = kClientWidth - 2 * lineLeft;
    Bevel5.Create({.parent = &Panel_Main,
                   .name = "Bevel5",
                   .x = lineLeft,
                   .y = kGroupBoxTop + 6,
                   .width = lineWidth,
                   .height = 2,
                   .shape = win::BevelShape::TopLine});
    BevelOnder.Create({.parent = &Panel_Main,
                       .name = "BevelOnder",
                       .x = lineLeft,
                       .y = kGroupBoxTop + boxHeight - 6,
                       .width = lineWidth,
                       .height = 2,
                       .shape = win::BevelShape::TopLine});

    const int buttonLeft = (kGroupBoxWidth - kRowButtonWidth) / 2;
    const int labelLeft = (kClientWidth - kRowLabelWidth) / 2;
    for (int n = 1; n <= kSlotCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const std::string number = std::to_string(n);
        win::SpeedButton& van = SpeedButton_Van[i];
        van.Create({.parent = &GroupBox_Van,
                    .name = "SpeedButton_Van" + number,
                    .x = buttonLeft,
                    .y = 14 + (n - 1) * kRowPitch,
                    .width = kRowButtonWidth,
                    .height = kRowPitch,
                    .groupIndex = 1,
                    .showCaption = false});
        van.OnClick = [this, &van] { SpeedButton_Van1Click(&van); };
        win::SpeedButton& naar = SpeedButton_Naar[i];
        naar.Create({.parent = &GroupBox_Naar,
                     .name = "SpeedButton_Naar" + number,
                     .x = buttonLeft,
                     .y = 14 + (n - 1) * kRowPitch,
                     .width = kRowButtonWidth,
                     .height = kRowPitch,
                     .groupIndex = 2,
                     .showCaption = false});
        naar.OnClick = [this, &naar] { SpeedButton_Naar1Click(&naar); };
        Label_Munt[i].Create({.parent = &Panel_Main,
                              .name = "Label_Munt" + number,
                              .x = labelLeft,
                              .y = kGroupBoxTop + (n - 1) * kRowPitch + 19,
                              .width = kRowLabelWidth,
                              .height = 15,
                              .popupMenu = &PopupMenu1,
                              .alignment = win::TextAlign::Centre,
                              .transparent = true});
    }
}
