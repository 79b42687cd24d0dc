// The window of the news-link directory: a tree of web links under headings, loaded from a
// links file that is fetched each time the window opens or is refreshed; the copy fetched last
// time stands in when the fetch fails. It belongs to a TztLinkora and is never used alone.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "util/zt_Misc.h"
#include "win/BackgroundFetch.h"
#include "win/Form.h"
#include "win/ImageList.h"
#include "win/Panel.h"
#include "win/SpeedButton.h"
#include "win/StatusBar.h"
#include "win/TreeView.h"

// The notification the window sends its component before a link is opened.
inline constexpr UINT kLinkSelectedMessage = WM_USER + 1;

// What the component hands the window when it shows it.
struct NetDialogSettings {
    std::string url{};
    TztLanguage language = lgNederlands;
    HWND notifyTarget = nullptr;
    std::string copyFolder{};  // where the local copy lives; empty: the program's folder
    std::chrono::milliseconds fetchBound = win::kDownloadBound;
};

class TztNetDialog : public win::Form {
  public:
    ~TztNetDialog() override { Destroy(); }

    // Creates the window hidden (470 x 310, also its smallest size).
    bool CreateWindowHidden(win::Form* owner);
    void Configure(const NetDialogSettings& settings) { settings_ = settings; }
    // The information button shows the text; it is hidden while the text is blank.
    void SetInformation(std::string_view text);

    // Fetches (or reads) the links file off the window's thread and shows its links when it
    // is in; the status line tells what happened when it did not go well. Hiding or destroying
    // the window cancels the fetch.
    void LoadLinks();
    bool Loading() const { return fetch_.Running(); }
    // The address of the link being followed, for the component's notification.
    const std::string& SelectedAddress() const { return selectedAddress_; }
    // Where the local copy of the current links file lives.
    std::string CopyPath() const;

    win::Panel PanelButtons;
    win::SpeedButton SpeedbuttonUpdate;
    win::SpeedButton SpeedButtonInfo;
    win::TreeView TreeViewDirect;
    win::StatusBar StatusBar;

  protected:
    void CreateControls() override;
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void FormShow();
    void StopLoading();
    void LinksArrived(const win::DownloadResult& got);
    void SpeedbuttonUpdateClick() { LoadLinks(); }
    void SpeedButtonInfoClick();
    bool TreeViewDirectClick(win::TreeNode node);
    void TreeViewDirectMouseMove(int x, int y);
    void FollowLink(win::TreeNode node);
    void BuildTree();
    const std::string* AddressOf(win::TreeNode node) const;

    win::ImageList ImageList1;
    NetDialogSettings settings_;
    std::string information_;
    std::string text_;                    // the links file as last read
    std::vector<std::string> addresses_;  // a link node holds its index here
    std::string selectedAddress_;
    win::BackgroundFetch fetch_;
    // What LoadLinks saw before the fetch started.
    struct LoadState {
        bool fromWeb = false;
        bool hadCopy = false;
        std::string copy;
    } loading_;
};
