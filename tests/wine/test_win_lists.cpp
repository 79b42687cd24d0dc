// The owner-drawn list box (items, drawing, drag and drop), the tool bar and the popup menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/Application.h"
#include "win/Form.h"
#include "win/Label.h"
#include "win/ListBox.h"
#include "win/Panel.h"
#include "win/PopupMenu.h"
#include "win/ToolBar.h"
#include "wine/graphic_mouse.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

class ListBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(form.Create({.caption = "results",
                                 .clientWidth = 300,
                                 .clientHeight = 200,
                                 .border = win::BorderKind::SizableToolWindow}));
        ASSERT_TRUE(list.Create({.parent = &form,
                                 .name = "ListBox_PrintList",
                                 .align = win::Align::Client,
                                 .itemHeight = 20,
                                 .dragAutomatic = true}));
        for (const char* entry : {"*1*1*2*2*", "*3*3*4*4*", "*5*5*6*6*", "*7*7*8*8*"}) {
            ASSERT_GE(list.Add(entry), 0);
        }
        form.Show();
        Pump();
    }

    std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
        return items;
    }

    win::Form form;
    win::ListBox list;
};

TEST_F(ListBoxTest, ItemsAreAddedInsertedMovedAndDeleted) {
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Width(), 300) << "client-aligned";
    EXPECT_TRUE(list.Move(0, 2));
    EXPECT_EQ(Items(),
              (std::vector<std::string>{"*3*3*4*4*", "*5*5*6*6*", "*1*1*2*2*", "*7*7*8*8*"}));
    EXPECT_TRUE(list.Move(3, 0));
    EXPECT_EQ(list.Item(0), "*7*7*8*8*");
    EXPECT_FALSE(list.Move(0, 4)) << "no such index";
    EXPECT_FALSE(list.Move(-1, 0));
    EXPECT_TRUE(list.Insert(4, "*9*9*1*1*"));
    EXPECT_EQ(list.Item(4), "*9*9*1*1*");
    EXPECT_FALSE(list.Insert(6, "x"));
    EXPECT_TRUE(list.Delete(0));
    EXPECT_FALSE(list.Delete(4));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(9), "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(ListBoxTest, SelectionAndItemAtPoint) {
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(2);
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetItemIndex(9);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.ItemHeight(), 20);
    EXPECT_EQ(list.ItemAtPos(5, 5), 0);
    EXPECT_EQ(list.ItemAtPos(5, 45), 2);
    EXPECT_EQ(list.ItemAtPos(5, 150), -1) << "below the last item";
    EXPECT_EQ(list.ItemAtPos(5, 150, false), 4);
}

TEST_F(ListBoxTest, ItemsAreDrawnByTheHandlerWithTheirState) {
    std::vector<std::pair<int, bool>> drawn;
    list.OnDrawItem = [&](int index, HDC dc, const RECT& rect, win::ItemState state) {
        EXPECT_NE(dc, nullptr);
        EXPECT_EQ(rect.bottom - rect.top, 20);
        drawn.emplace_back(index, state.selected);
    };
    list.SetItemIndex(1);
    list.Repaint();
    ASSERT_FALSE(drawn.empty());
    bool sawSelected = false;
    for (auto [index, selected] : drawn) {
        EXPECT_EQ(selected, index == 1) << index;
        sawSelected = sawSelected || selected;
    }
    EXPECT_TRUE(sawSelected);
}

TEST_F(ListBoxTest, DraggingAnItemDropsItWhereTheMouseIsReleased) {
    std::vector<std::string> events;
    list.OnDragOver = [&](int, int, bool& accept) { accept = true; };
    list.OnDragDrop = [&](int x, int y) {
        const int target = list.ItemAtPos(x, y);
        events.push_back("drop on " + std::to_string(target));
        if (target >= 0 && list.ItemIndex() >= 0) {
            list.Move(list.ItemIndex(), target);
            list.SetItemIndex(target);
        }
    };
    // Press on row 0, move down beyond the drag distance to row 3, release.
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    EXPECT_EQ(list.ItemIndex(), 0) << "the press selects";
    SendMessageW(list.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 30));
    EXPECT_TRUE(list.Dragging());
    SendMessageW(list.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 65));
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 65));
    EXPECT_FALSE(list.Dragging());
    EXPECT_EQ(events, std::vector<std::string>{"drop on 3"});
    EXPECT_EQ(list.Item(3), "*1*1*2*2*");
    EXPECT_EQ(list.ItemIndex(), 3);
}

TEST_F(ListBoxTest, AClickWithoutMovementIsNoDragAndARefusedPointNoDrop) {
    int drops = 0;
    list.OnDragDrop = [&](int, int) { ++drops; };
    list.OnDragOver = [&](int, int y, bool& accept) { accept = y < 40; };
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 25));
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 25));
    EXPECT_EQ(drops, 0);
    EXPECT_EQ(list.ItemIndex(), 1);

    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    SendMessageW(list.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 70));
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 70));
    EXPECT_EQ(drops, 0) << "refused by OnDragOver";
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(ListBoxTest, KeyPreviewSeesBackspaceTypedInTheList) {
    form.KeyPreview = true;
    std::vector<int> keys;
    form.OnKeyPress = [&](wchar_t& key) { keys.push_back(key); };
    list.SetFocus();
    PostMessageW(list.Handle(), WM_CHAR, 8, 0x000E0001);
    Pump();
    EXPECT_EQ(keys, std::vector<int>{8});
}

// ---- tool bar

class ToolBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(images.Create(24, 24));
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(images.Add(Picture(24, 24, MakeColour(0, 0, 40 * i))), i);
        ASSERT_TRUE(form.Create({.caption = "tools", .clientWidth = 326, .clientHeight = 100}));
        ASSERT_TRUE(bar.Create({.parent = &form,
                                .name = "ToolBar_Valomat",
                                .height = 36,
                                .align = win::Align::Top,
                                .buttonWidth = 31,
                                .buttonHeight = 30,
                                .images = &images}));
        copy =
            bar.Add({.name = "ToolButton_Copy", .image = 0, .hint = "Kopiëren", .onClick = [this] {
                         clicks.push_back("copy");
                     }});
        bar.Add({.style = win::ToolButtonStyle::Separator});
        list = bar.Add(
            {.name = "ToolButton_List",
             .style = win::ToolButtonStyle::Check,
             .image = 1,
             .hint = "Lijst met munten",
             .down = true,
             .onClick = [this] { clicks.push_back(list.Down() ? "list down" : "list up"); }});
        form.Show();
        Pump();
    }

    RECT ButtonRect(const win::ToolButton& button) {
        RECT r{};
        SendMessageW(bar.Handle(), TB_GETRECT, button.Command(), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    std::string HintOf(const win::ToolButton& button) {
        // What the tool bar's tool tip asks for when the mouse rests on the button.
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom =
            reinterpret_cast<HWND>(SendMessageW(bar.Handle(), TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(button.Command());
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(bar.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        if (!info.lpszText) return {};
        std::string text;
        for (const wchar_t* p = info.lpszText; *p; ++p)
            text += *p < 128 ? static_cast<char>(*p) : '?';
        return text;
    }

    win::ImageList images;
    win::Form form;
    win::ToolBar bar;
    win::ToolButton copy;
    win::ToolButton list;
    std::vector<std::string> clicks;
};

TEST_F(ToolBarTest, ButtonsHaveTheirSizeAndTheBarItsHeight) {
    EXPECT_EQ(bar.ButtonCount(), 3);
    const RECT r = ButtonRect(copy);
    EXPECT_EQ(r.right - r.left, 31);
    EXPECT_EQ(r.bottom - r.top, 30);
    EXPECT_EQ(bar.Height(), 36);
    EXPECT_EQ(bar.Width(), 326);
    EXPECT_TRUE(list.Down());
    EXPECT_EQ(bar.Button("ToolButton_List").Command(), list.Command());
    EXPECT_FALSE(bar.Button("nothing"));
}

TEST_F(ToolBarTest, AMouseClickRunsTheButtonsHandlerAndTogglesACheckButton) {
    const RECT r = ButtonRect(list);
    const LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, centre);
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"list up"});
    EXPECT_FALSE(list.Down());

    const RECT c = ButtonRect(copy);
    const LPARAM copyCentre = MAKELPARAM((c.left + c.right) / 2, (c.top + c.bottom) / 2);
    SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, copyCentre);
    SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, copyCentre);
    Pump();
    EXPECT_EQ(clicks, (std::vector<std::string>{"list up", "copy"}));
}

TEST_F(ToolBarTest, DownAndEnabledAreSetWithoutRunningHandlers) {
    list.SetDown(false);
    EXPECT_FALSE(list.Down());
    copy.SetEnabled(false);
    EXPECT_FALSE(copy.Enabled());
    copy.Click();
    EXPECT_TRUE(clicks.empty()) << "a disabled button does nothing";
    copy.SetEnabled(true);
    copy.Click();
    EXPECT_EQ(clicks, std::vector<std::string>{"copy"});
}

TEST_F(ToolBarTest, HintsAreAskedForAndCanChange) {
    EXPECT_EQ(HintOf(list), "Lijst met munten");
    list.SetHint("List with currencies");
    EXPECT_EQ(HintOf(list), "List with currencies");
    EXPECT_EQ(copy.Hint(), "Kopiëren");
    win::ToolButton none;
    none.SetHint("x");  // a button that refers to nothing ignores every call
    EXPECT_EQ(none.Hint(), "");
}

// ---- popup menu

TEST(PopupMenuTest, ItemsAreMeasuredAndDrawnByTheMenuThroughTheirOwner) {
    ASSERT_TRUE(win::Application::Initialize("Valomat test"));
    win::ImageList pictures(16, 16);
    ASSERT_EQ(pictures.Add(Picture(16, 16, MakeColour(255, 0, 0))), 0);
    win::Form form;
    ASSERT_TRUE(form.Create({.caption = "menu"}));
    win::PopupMenu menu;
    ASSERT_TRUE(menu.Create(&form, &pictures));
    win::MenuItem copy = menu.Add({.name = "Menu_Copy", .caption = "Kopiëren", .image = 0});
    menu.Add({.caption = "-"});
    win::MenuItem paste = menu.Add({.name = "Menu_Paste", .caption = "Plakken", .enabled = false});
    EXPECT_EQ(menu.Count(), 3);
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 3);
    EXPECT_FALSE(paste.Enabled());
    paste.SetEnabled(true);
    EXPECT_TRUE(paste.Enabled());
    EXPECT_EQ(GetMenuState(menu.Handle(), 3, MF_BYCOMMAND) & MF_GRAYED, 0u);
    copy.SetCaption("Copy");
    EXPECT_EQ(menu.Item("Menu_Copy").Caption(), "Copy");

    // The owner window answers the measuring of an owner-drawn item of ours.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoW(menu.Handle(), 0, TRUE, &info));
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = info.wID;
    measure.itemData = info.dwItemData;
    EXPECT_EQ(SendMessageW(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
              TRUE);
    EXPECT_GE(measure.itemHeight, 20u) << "room for a 16 x 16 picture";
    EXPECT_GT(measure.itemWidth, 16u + 20u);
}

TEST(PopupMenuTest, ARightClickShowsTheMenuOfTheControlOrOfItsContainer) {
    ASSERT_TRUE(win::Application::Initialize("Valomat test"));
    win::Form form;
    ASSERT_TRUE(form.Create({.caption = "menu"}));
    win::Panel panel;
    ASSERT_TRUE(
        panel.Create({.parent = &form, .name = "Panel_Convert", .align = win::Align::Client}));
    win::Label label;
    ASSERT_TRUE(label.Create({.parent = &panel, .name = "Label_Van", .width = 50, .height = 16}));
    std::vector<std::string> events;
    win::PopupMenu menu, own;
    ASSERT_TRUE(menu.Create(&form));
    ASSERT_TRUE(own.Create(&form));
    menu.OnPopup = [&] { events.push_back("popup"); };
    menu.Add({.caption = "Kopiëren", .onClick = [&] { events.push_back("copy"); }});
    menu.Add({.caption = "Plakken", .onClick = [&] { events.push_back("paste"); }});
    own.Add({.caption = "Omzetten", .onClick = [&] { events.push_back("convert"); }});
    panel.SetPopupMenu(&menu);
    form.Show();
    Pump();
    // Keys waiting in the queue drive the menu's own loop: down to the first item, choose it.
    // A timer closes the menu should the keys not arrive, so the test cannot hang.
    auto chooseFirst = [&] {
        SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
        PostMessageW(form.Handle(), WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    };
    // The label has no menu of its own: its container's (the panel's) is shown.
    chooseFirst();
    graphicmouse::SendContextMenu(label);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "copy"}));
    // With one, its own, as for a currency row.
    events.clear();
    label.SetPopupMenu(&own);
    chooseFirst();
    graphicmouse::SendContextMenu(label);
    EXPECT_EQ(events, std::vector<std::string>{"convert"});
    // The menu key on the panel: the panel's.
    events.clear();
    chooseFirst();
    SendMessageW(panel.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel.Handle()), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "copy"}));
}

}  // namespace
