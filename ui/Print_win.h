// The result list window: the conversions of this run, one row each, with flags and currency
// columns; rows can be reordered and removed, copied as text and saved as text or as a web page.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Main_win.h"
#include "ui/PrintList.h"
#include "win/Dialogs.h"
#include "win/Form.h"
#include "win/ImageList.h"
#include "win/ListBox.h"
#include "win/Panel.h"
#include "win/PopupMenu.h"
#include "win/ToolBar.h"

// The seven commands, in the order of their pictures in ImageList_Menus.
enum class PrintAction {
    MoveUp,
    MoveDown,
    RemoveOne,
    RemoveAll,
    Copy,
    SaveAsText,
    SaveAsWebpage,
};
inline constexpr int kPrintActionCount = 7;

class TForm_PrintList : public win::Form, public ResultSink {
  public:
    // The main window holds the settings, the separators and the flags (it must outlive this).
    explicit TForm_PrintList(TForm_Main& main);
    ~TForm_PrintList() override;

    // Creates the window hidden, holding the entries appended before. Showing the results
    // creates it when it does not exist yet; entries wait in the list until then.
    bool CreatePrintList();

    // ResultSink: the main window's conversions come in here.
    void AppendEntry(const std::string& entry) override;
    void ShowResults() override;

    // Caption, command texts and save dialog title in the language of the main window's Rec.Taal;
    // the rows are drawn again, since their currency names follow the language too.
    void ApplyLanguage();

    // The entries in list order, as the list box shows them.
    const std::vector<std::string>& Entries() const { return list_.entries; }

    // The commands. The saves ask for a file, then write it with the writers below.
    void ActionMoveUpExecute();
    void ActionMoveDownExecute();
    void ActionRemoveOneExecute();
    void ActionRemoveAllExecute();
    void ActionCopyExecute();
    void ActionSaveAsTextExecute();
    void ActionSaveAsWebpageExecute();
    void Execute(PrintAction action);

    // The writers behind the saves. Each replaces the file at `path` (UTF-8); a file that cannot
    // be written is reported through ReportError and gives false, the list stays as it was.
    bool SaveAsText(const std::string& path);
    bool SaveAsWebpage(const std::string& path);
    // Shows an error to the user; the application's error box unless a test replaces it.
    std::function<void(const std::string& message)> ReportError;
    // Asks the user a yes-or-no question; a message box unless a test replaces it.
    std::function<bool(const std::string& question)> AskUser;
    // Copies the selected row's text line; nothing without a selection.
    void CopySelectedRow();

    // Handlers.
    void ListBox_PrintListDrawItem(int index, HDC dc, const RECT& rect, win::ItemState state);
    void ListBox_PrintListDragOver(int x, int y, bool& accept);
    void ListBox_PrintListDragDrop(int x, int y);
    void FormKeyPress(wchar_t& key);
    bool ListBox_PrintListKeyDown(unsigned key);
    void FormShow();

    // Controls.
    win::ImageList ImageList_Menus;
    win::Panel CoolBar1;
    win::ToolBar ToolBar1;
    win::ListBox ListBox_PrintList;
    win::PopupMenu PopupMenu_Results;
    win::FileDialogParams SaveDialog1;
    // The buttons and menu items of the commands, by PrintAction.
    std::array<win::ToolButton, kPrintActionCount> ToolButtons;
    std::array<win::MenuItem, kPrintActionCount> MenuItems;

  protected:
    void CreateControls() override;

  private:
    void CreateActions();
    // Runs a move command on the entries and makes the list box follow.
    void MoveSelected(const std::function<void(ResultListState&)>& command);
    void TakeSelection();

    TForm_Main& main_;
    ResultListState list_;  // the list box's items, kept alike, for the portable commands
    int picturesListener_ = 0;
};
