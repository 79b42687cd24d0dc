#include "ui/Print_win.h"

#include <windows.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "ui/Artwork.h"
#include "ui/Languages.h"
#include "util/PictureOps.h"
#include "util/zt_Graph.h"
#include "win/Application.h"
#include "win/Clipboard.h"
#include "win/Gdi.h"
#include "win/ReaderName.h"
#include "win/ReplacingFile.h"
#include "win/StartupLog.h"
#include "win/Text.h"

namespace {

namespace fs = std::filesystem;

// Layout, in the window's pixels.
constexpr int kWindowWidth = 677;
constexpr int kWindowHeight = 320;
constexpr int kFontPoints = 8;
constexpr int kCoolBarHeight = 28;
constexpr int kToolBarLeft = 2;
constexpr int kToolBarTop = 2;
constexpr int kToolButtonWidth = 23;
constexpr int kToolButtonHeight = 22;
constexpr int kToolBarWidth = kWindowWidth - 2 * kToolBarLeft;
constexpr int kItemHeight = 20;

const Colour kNavy = MakeColour(0, 0, 0x80);
const Colour kBlack = MakeColour(0, 0, 0);
constexpr int kLastFlagSlot = 20;  // slots 21 and 22 show the own currencies' pictures

constexpr wchar_t kBackspace = 8;
constexpr wchar_t kCtrlC = 3;
constexpr wchar_t kEscape = 27;

// The web page is written a piece at a time, so a long list needs no second copy of the whole
// page in memory.
constexpr std::size_t kWriteChunkBytes = 1 << 20;

struct ActionInfo {
    const char* name;  // ToolButton_<name>, Menu_<name>
    MenuPicture picture;
    const char* PrintListTexts::*text;
    bool separatorBefore;
    bool opensDialog;  // its menu item ends in "...", as Windows menus mark them
};

// In the order of PrintAction, which is also the order of the pictures.
constexpr ActionInfo kActions[kPrintActionCount] = {
    {"MoveUp", MenuPicture::MoveUp, &PrintListTexts::moveUp, false, false},
    {"MoveDown", MenuPicture::MoveDown, &PrintListTexts::moveDown, false, false},
    {"RemoveOne", MenuPicture::RemoveOne, &PrintListTexts::removeOne, true, false},
    {"RemoveAll", MenuPicture::RemoveAll, &PrintListTexts::removeAll, false, false},
    {"Copy", MenuPicture::Copy, &PrintListTexts::copy, true, false},
    {"SaveAsText", MenuPicture::SaveText, &PrintListTexts::saveAsText, true, true},
    {"SaveAsWebpage", MenuPicture::SaveWeb, &PrintListTexts::saveAsWebpage, false, true},
};

fs::path PathOf(std::string_view utf8) {
    return fs::path(win::Widen(utf8));
}

enum class Written { Yes, ReadOnly, Failed };

// Replaces the file with the pieces, each followed by `after`; the old file stays as it was
// unless every byte was written, and a read-only one is not replaced.
Written WriteFileReplacing(const fs::path& file, const std::vector<std::string>& pieces,
                           std::string_view after) {
    win::ReplacingFile out(file);
    if (out.TargetReadOnly()) return Written::ReadOnly;
    std::string chunk;
    for (const std::string& piece : pieces) {
        chunk += piece;
        chunk += after;
        if (chunk.size() >= kWriteChunkBytes) {
            if (!out.Write(chunk)) return Written::Failed;
            chunk.clear();
        }
    }
    return out.Write(chunk) && out.Commit() ? Written::Yes : Written::Failed;
}

// True when written; else the error box says why.
bool Saved(Written written, const std::string& path, int language,
           const std::function<void(const std::string&)>& report) {
    const PrintListTexts& t = PrintTexts(language);
    if (written == Written::Yes) return true;
    report(std::string(written == Written::ReadOnly ? t.readOnlyError : t.writeError) + "\n" +
           path);
    return false;
}

// The text export: in the ANSI code page when every character has its place there (stored files
// and the programs reading them rely on it), else UTF-8 with a byte-order mark, which Notepad
// and spreadsheets read; never with characters changed.
std::string TextFileBytes(const std::string& utf8) {
    if (auto ansi = win::ToAnsiExact(utf8)) return std::move(*ansi);
    return "\xEF\xBB\xBF" + win::Narrow(win::Widen(utf8));
}

}  // namespace

TForm_PrintList::TForm_PrintList(TForm_Main& main)
    : ReportError([](const std::string& message) { win::Application::ShowError(message); }),
      AskUser([this](const std::string& question) {
          return win::AskYesNo(this, question, win::Application::Title());
      }),
      main_(main) {
    // A newly chosen own-currency picture shows in the rows at once.
    picturesListener_ = main_.Pictures.Listen([this](int) { ListBox_PrintList.Invalidate(); });
}

TForm_PrintList::~TForm_PrintList() {
    main_.Pictures.Unlisten(picturesListener_);
    Destroy();
}

bool TForm_PrintList::CreatePrintList() {
    if (!Create({.caption = PrintTexts(0).caption,
                 .clientWidth = kWindowWidth,
                 .clientHeight = kWindowHeight,
                 .border = win::BorderKind::SizableToolWindow,
                 .font = {.face = "MS Sans Serif", .points = kFontPoints},
                 .keyPreview = true,
                 .name = "Form_PrintList"})) {
        return false;
    }
    // The design size is the outer size of the window.
    SetWindowSize(kWindowWidth, kWindowHeight);
    CentreOnScreen();
    // The entries that came before the window.
    for (const std::string& entry : list_.entries) ListBox_PrintList.Add(entry);
    ApplyLanguage();
    win::StartupMark("result list created");
    return true;
}

void TForm_PrintList::CreateControls() {
    ImageList_Menus.Create(kMenuPictureSize, kMenuPictureSize);
    for (const ActionInfo& action : kActions) {
        ImageList_Menus.Add(Drawn(MenuPictureOf, action.picture), kPictureKey);
    }
    PopupMenu_Results.Create(this, &ImageList_Menus);

    CoolBar1.Create({.parent = this,
                     .name = "CoolBar1",
                     .height = kCoolBarHeight,
                     .align = win::Align::Top,
                     .bevelOuter = win::BevelKind::Raised});
    ToolBar1.Create({.parent = &CoolBar1,
                     .name = "ToolBar1",
                     .x = kToolBarLeft,
                     .y = kToolBarTop,
                     .width = kToolBarWidth,
                     .height = kCoolBarHeight - 2 * kToolBarTop,
                     .buttonWidth = kToolButtonWidth,
                     .buttonHeight = kToolButtonHeight,
                     .images = &ImageList_Menus});
    ListBox_PrintList.Create({.parent = this,
                              .name = "ListBox_PrintList",
                              .align = win::Align::Client,
                              .popupMenu = &PopupMenu_Results,
                              .itemHeight = kItemHeight,
                              .dragAutomatic = true});
    ListBox_PrintList.OnDrawItem = [this](int index, HDC dc, const RECT& rect,
                                          win::ItemState state) {
        ListBox_PrintListDrawItem(index, dc, rect, state);
    };
    ListBox_PrintList.OnDragOver = [this](int x, int y, bool& accept) {
        ListBox_PrintListDragOver(x, y, accept);
    };
    ListBox_PrintList.OnDragDrop = [this](int x, int y) { ListBox_PrintListDragDrop(x, y); };
    ListBox_PrintList.OnKeyDown = [this](unsigned key) { return ListBox_PrintListKeyDown(key); };
    win::SetReaderName(ListBox_PrintList, PrintTexts(main_.Rec.Taal).caption);

    CreateActions();
    SaveDialog1.owner = this;
    SaveDialog1.title = PrintTexts(0).saveTitle;
    OnKeyPress = [this](wchar_t& key) { FormKeyPress(key); };
    OnShow = [this] { FormShow(); };
}

void TForm_PrintList::CreateActions() {
    for (std::size_t i = 0; i < std::size(kActions); ++i) {
        const ActionInfo& action = kActions[i];
        const auto which = static_cast<PrintAction>(i);
        const int picture = static_cast<int>(i);
        if (action.separatorBefore) {
            ToolBar1.Add({.style = win::ToolButtonStyle::Separator});
            PopupMenu_Results.Add({.caption = "-"});
        }
        ToolButtons[i] = ToolBar1.Add({.name = std::string("ToolButton_") + action.name,
                                       .image = picture,
                                       .onClick = [this, which] { Execute(which); }});
        MenuItems[i] = PopupMenu_Results.Add({.name = std::string("Menu_") + action.name,
                                              .image = picture,
                                              .onClick = [this, which] { Execute(which); }});
    }
    ApplyLanguage();
}

void TForm_PrintList::ApplyLanguage() {
    if (!Exists()) return;  // the window takes the language when it is made
    const PrintListTexts& t = PrintTexts(main_.Rec.Taal);
    SetCaption(t.caption);
    for (std::size_t i = 0; i < std::size(kActions); ++i) {
        const std::string text = t.*kActions[i].text;
        ToolButtons[i].SetHint(text);
        MenuItems[i].SetCaption(kActions[i].opensDialog ? text + "..." : text);
    }
    SaveDialog1.title = t.saveTitle;
    win::SetReaderName(ListBox_PrintList, t.caption);
    ListBox_PrintList.Invalidate();
}

// ---- the list ----

void TForm_PrintList::AppendEntry(const std::string& entry) {
    list_.entries.push_back(entry);
    if (!ListBox_PrintList.Exists()) return;  // shown when the window is made
    if (ListBox_PrintList.Add(entry) < 0) list_.entries.pop_back();  // keep both alike
}

void TForm_PrintList::ShowResults() {
    if (!Exists() && !CreatePrintList()) return;
    ApplyLanguage();
    Show();
}

void TForm_PrintList::TakeSelection() {
    list_.selected = ListBox_PrintList.ItemIndex();
}

void TForm_PrintList::MoveSelected(const std::function<void(ResultListState&)>& command) {
    TakeSelection();
    const int from = list_.selected;
    command(list_);
    if (from != kNoSelection) {
        if (list_.selected != from) ListBox_PrintList.Move(from, list_.selected);
        ListBox_PrintList.SetItemIndex(list_.selected);
    }
}

void TForm_PrintList::Execute(PrintAction action) {
    switch (action) {
        case PrintAction::MoveUp:
            return ActionMoveUpExecute();
        case PrintAction::MoveDown:
            return ActionMoveDownExecute();
        case PrintAction::RemoveOne:
            return ActionRemoveOneExecute();
        case PrintAction::RemoveAll:
            return ActionRemoveAllExecute();
        case PrintAction::Copy:
            return ActionCopyExecute();
        case PrintAction::SaveAsText:
            return ActionSaveAsTextExecute();
        case PrintAction::SaveAsWebpage:
            return ActionSaveAsWebpageExecute();
    }
}

void TForm_PrintList::ActionMoveUpExecute() {
    MoveSelected([](ResultListState& list) { MoveUp(list); });
    if (ListBox_PrintList.CanFocus()) ListBox_PrintList.SetFocus();
}

void TForm_PrintList::ActionMoveDownExecute() {
    MoveSelected([](ResultListState& list) { MoveDown(list); });
    if (ListBox_PrintList.CanFocus()) ListBox_PrintList.SetFocus();
}

void TForm_PrintList::ActionRemoveOneExecute() {
    TakeSelection();
    const int removed = list_.selected;
    const std::size_t before = list_.entries.size();
    RemoveOne(list_);
    if (list_.entries.size() != before) {
        ListBox_PrintList.Delete(removed);
        ListBox_PrintList.SetItemIndex(list_.selected);
    }
    if (ListBox_PrintList.CanFocus()) ListBox_PrintList.SetFocus();
}

void TForm_PrintList::ActionRemoveAllExecute() {
    if (list_.entries.empty() || !AskUser(PrintTexts(main_.Rec.Taal).removeAllQuestion)) return;
    RemoveAll(list_);
    ListBox_PrintList.Clear();
    if (ListBox_PrintList.CanFocus()) ListBox_PrintList.SetFocus();
}

void TForm_PrintList::ActionCopyExecute() {
    const std::string text = MakeTextLines(list_.entries, main_.Rec, main_.Rec.Taal);
    if (!win::clipboard::WriteText(text)) ReportError(PrintTexts(main_.Rec.Taal).clipboardError);
}

void TForm_PrintList::CopySelectedRow() {
    TakeSelection();
    if (list_.selected == kNoSelection) return;
    const std::vector<std::string> row{list_.entries[static_cast<std::size_t>(list_.selected)]};
    const std::string text = MakeTextLines(row, main_.Rec, main_.Rec.Taal);
    if (!win::clipboard::WriteText(text)) ReportError(PrintTexts(main_.Rec.Taal).clipboardError);
}

void TForm_PrintList::ActionSaveAsTextExecute() {
    SaveDialog1.defaultExt = ".TXT";
    SaveDialog1.filter = "TXT | *.TXT";
    if (const auto path = win::SaveFileDialog(SaveDialog1)) SaveAsText(*path);
}

void TForm_PrintList::ActionSaveAsWebpageExecute() {
    SaveDialog1.defaultExt = ".HTM";
    SaveDialog1.filter = "HTML | *.HTM";
    if (const auto path = win::SaveFileDialog(SaveDialog1)) SaveAsWebpage(*path);
}

// ---- the exports ----

bool TForm_PrintList::SaveAsText(const std::string& path) {
    const std::string text = MakeTextLines(list_.entries, main_.Rec, main_.Rec.Taal);
    return Saved(WriteFileReplacing(PathOf(path), {TextFileBytes(text)}, {}), path, main_.Rec.Taal,
                 ReportError);
}

bool TForm_PrintList::SaveAsWebpage(const std::string& path) {
    const RecRec& rec = main_.Rec;
    const fs::path page = PathOf(path);
    if (rec.KolomVlag) {
        // The pictures only decorate the page: any failure here leaves the page to be written.
        std::error_code error;
        const fs::path folder = page.parent_path() / PathOf(kPictureFolder);
        fs::create_directories(folder, error);
        for (const PictureFile& picture : PicturesForPage(list_.entries, rec)) {
            const fs::path file = folder / PathOf(picture.fileName);
            // A picture from an earlier export is kept, even when the flag has changed since.
            if (fs::exists(file, error) || error) continue;
            WriteBitmapFile(file, main_.SlotPicture(picture.slot));
        }
    }
    // Plain ASCII: every other character is a character reference.
    const std::vector<std::string> lines = BuildWebPageLines(list_.entries, rec, rec.Taal);
    return Saved(WriteFileReplacing(page, lines, "\r\n"), path, rec.Taal, ReportError);
}

// ---- handlers ----

void TForm_PrintList::ListBox_PrintListDrawItem(int index, HDC dc, const RECT& rect,
                                                win::ItemState state) {
    if (index < 0 || static_cast<std::size_t>(index) >= list_.entries.size()) return;
    const Colour brush = state.selected ? win::clInfoBk : ListBox_PrintList.Background();
    win::FillSolid(dc, rect, brush);
    SetTextColor(dc, win::ToColorRef(state.selected ? kNavy : win::clWindowText));
    SetBkColor(dc, win::ToColorRef(brush));
    SetBkMode(dc, OPAQUE);
    const RecRec& rec = main_.Rec;
    const int dpi = ListBox_PrintList.Dpi();
    for (const RowItem& item :
         LayoutRow(list_.entries[static_cast<std::size_t>(index)], index, rec, rec.Taal)) {
        // The row's layout is in 96-DPI figures, as its height.
        const int x = rect.left + ScaleToDpi(item.x, dpi);
        const int y = rect.top + ScaleToDpi(item.y, dpi);
        switch (item.kind) {
            case RowItemKind::Text: {
                const std::wstring text = win::Widen(item.text);
                TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
                break;
            }
            case RowItemKind::Line: {
                win::SelectGuard pen(dc, GetStockObject(DC_PEN));
                SetDCPenColor(dc, win::ToColorRef(kBlack));
                MoveToEx(dc, x, rect.top, nullptr);
                LineTo(dc, x, rect.bottom);
                break;
            }
            case RowItemKind::Flag: {
                // A picture that cannot be drawn leaves its place empty; the row goes on.
                const Picture& flag = main_.Pictures.SlotPictureAt(item.slot, dpi);
                const Colour transparent =
                    item.slot <= kLastFlagSlot ? kFlagBackground : TransparentColour(flag);
                win::DrawPicture(dc, flag, x, y, transparent);
                break;
            }
        }
    }
}

void TForm_PrintList::ListBox_PrintListDragOver(int, int, bool& accept) {
    accept = true;
}

void TForm_PrintList::ListBox_PrintListDragDrop(int x, int y) {
    const int target = ListBox_PrintList.ItemAtPos(x, y, true);
    if (target < 0) return;
    MoveSelected([target](ResultListState& list) { MoveTo(list, target); });
}

void TForm_PrintList::FormKeyPress(wchar_t& key) {
    // Handled keys are swallowed: the list must not take them for a search.
    switch (key) {
        case kBackspace:
            key = 0;
            ActionRemoveOneExecute();
            break;
        case kCtrlC:
            key = 0;
            CopySelectedRow();
            break;
        case kEscape:
            key = 0;
            Hide();
            break;
        default:
            break;
    }
}

bool TForm_PrintList::ListBox_PrintListKeyDown(unsigned key) {
    if (key != VK_DELETE) return false;
    ActionRemoveOneExecute();
    return true;
}

void TForm_PrintList::FormShow() {
    if (ListBox_PrintList.CanFocus()) ListBox_PrintList.SetFocus();
}
