#include "components/ztNetDialog_win.h"

#include "components/ztLinkora.h"
#include "components/ztLinkoraArt.h"
#include "win/Folders.h"
#include "win/Shell.h"
#include "win/Text.h"

namespace {

// Layout, in pixels.
constexpr int kWindowWidth = 470;  // outer size, also the smallest
constexpr int kWindowHeight = 310;
constexpr int kButtonStripHeight = 21;
constexpr int kButtonSize = 19;
constexpr int kTreeIndent = 24;
const win::FontSpec kDialogFont{.face = "MS Sans Serif", .height = -10};  // 7.5 point

}  // namespace

bool TztNetDialog::CreateWindowHidden(win::Form* owner) {
    if (!Create({.caption = "",
                 .clientWidth = kWindowWidth,
                 .clientHeight = kWindowHeight,
                 .border = win::BorderKind::SizableToolWindow,
                 .owner = owner,
                 .font = kDialogFont,
                 .name = "TztNetDialog"})) {
        return false;
    }
    ::SetWindowPos(Handle(), nullptr, 0, 0, kWindowWidth, kWindowHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOnScreen();
    OnShow = [this] { FormShow(); };
    return true;
}

void TztNetDialog::CreateControls() {
    ImageList1.Create(linkora::kNodePictureSize, linkora::kNodePictureSize);
    for (int i = 0; i < linkora::kPictureCount; ++i) {
        ImageList1.Add(linkora::NodePicture(i), linkora::kNodeKey);
    }
    PanelButtons.Create({.parent = this,
                         .name = "PanelButtons",
                         .height = kButtonStripHeight,
                         .align = win::Align::Top,
                         .bevelOuter = win::BevelKind::None});
    SpeedbuttonUpdate.Create({.parent = &PanelButtons,
                              .name = "SpeedbuttonUpdate",
                              .x = 1,
                              .y = 1,
                              .width = kButtonSize,
                              .height = kButtonSize,
                              .glyph = linkora::RefreshGlyph()});
    SpeedbuttonUpdate.OnClick = [this] { SpeedbuttonUpdateClick(); };
    SpeedButtonInfo.Create({.parent = &PanelButtons,
                            .name = "SpeedButtonInfo",
                            .x = 1 + kButtonSize + 2,
                            .y = 1,
                            .width = kButtonSize,
                            .height = kButtonSize,
                            .visible = false,
                            .glyph = linkora::InfoGlyph()});
    SpeedButtonInfo.OnClick = [this] { SpeedButtonInfoClick(); };
    StatusBar.Create({.parent = this, .name = "StatusBar"});
    TreeViewDirect.Create({.parent = this,
                           .name = "TreeViewDirect",
                           .align = win::Align::Client,
                           .colour = win::clWindow,
                           .images = &ImageList1,
                           .indent = kTreeIndent,
                           .hotTrack = true});
    TreeViewDirect.OnNodeClick = [this](win::TreeNode node) { return TreeViewDirectClick(node); };
    TreeViewDirect.OnNodeReturn = [this](win::TreeNode node) { TreeViewDirectClick(node); };
    TreeViewDirect.OnMouseMove = [this](int x, int y) { TreeViewDirectMouseMove(x, y); };
}

std::optional<LRESULT> TztNetDialog::OnMessage(UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {kWindowWidth, kWindowHeight};
        return 0;
    }
    return std::nullopt;
}

void TztNetDialog::SetInformation(std::string_view text) {
    information_ = std::string(text);
    SpeedButtonInfo.SetHint(information_);
    SpeedButtonInfo.SetVisible(!linkora::Trim(information_).empty());
}

void TztNetDialog::FormShow() {
    StatusBar.SetText("");
}

void TztNetDialog::SpeedButtonInfoClick() {
    const std::wstring text = win::Widen(information_);
    const std::wstring caption = win::Widen(Caption());
    ::MessageBoxW(Handle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

std::string TztNetDialog::CopyPath() const {
    std::string folder = settings_.copyFolder;
    if (folder.empty()) {
        folder = win::ProgramFolder();
        // Installed where the user cannot write: the copy lives with the user's own files.
        if (!win::CanWriteIn(folder)) {
            if (std::string local = win::LocalAppDataFolder("Valomat"); !local.empty()) {
                folder = std::move(local);
            }
        }
    }
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder + linkora::LocalCopyName(settings_.url);
}

void TztNetDialog::LoadLinks() {
    using linkora::StatusPart;
    addresses_.clear();
    lines_.clear();
    TreeViewDirect.Clear();
    selectedAddress_.clear();

    const std::string& url = settings_.url;
    const TztLanguage language = settings_.language;
    const std::string copy = CopyPath();
    const bool hadCopy = win::FileExists(copy);
    auto readCopy = [&copy] {
        return linkora::SplitLines(win::ReadWholeFile(copy, win::kDownloadMaxBytes).value_or(""));
    };
    const bool fromWeb = linkora::IsWebAddress(url);
    win::DownloadResult fetched;
    {
        win::WaitCursor hourglass;
        if (fromWeb) {
            StatusBar.SetText(linkora::ConnectingText(language, url));
            ::UpdateWindow(StatusBar.Handle());  // seen before the wait starts
            fetched =
                win::Download({.url = url, .bound = settings_.fetchBound, .hourglass = false});
        }
        StatusBar.SetText("");
    }
    if (!fromWeb) {
        lines_ = linkora::SplitLines(win::ReadWholeFile(url, win::kDownloadMaxBytes).value_or(""));
    } else if (fetched) {
        lines_ = linkora::SplitLines(fetched.body);
    } else {
        if (!hadCopy) {
            StatusBar.SetText(
                linkora::StatusText(language, StatusPart::ConnectionError, StatusPart::Aborted));
            return;
        }
        lines_ = readCopy();
        StatusBar.SetText(
            linkora::StatusText(language, StatusPart::ConnectionError, StatusPart::UsingPrevious));
    }
    if (linkora::LooksLikeServerError(lines_)) {
        if (!hadCopy) {
            lines_.clear();
            StatusBar.SetText(
                linkora::StatusText(language, StatusPart::ServerNotFound, StatusPart::Aborted));
            return;
        }
        lines_ = readCopy();
        StatusBar.SetText(
            linkora::StatusText(language, StatusPart::ServerNotFound, StatusPart::UsingPrevious));
    } else if (fromWeb && fetched) {
        // Only a good file replaces the copy that the next failure falls back on.
        win::ReplaceWholeFile(copy, fetched.body);
    }
    BuildTree();
}

void TztNetDialog::BuildTree() {
    for (const linkora::Group& group : linkora::ReadLinks(lines_)) {
        const win::TreeNode head =
            TreeViewDirect.Add(nullptr, group.caption, group.picture, group.selectedPicture, -1);
        for (const linkora::Link& link : group.links) {
            TreeViewDirect.Add(head, link.caption, link.picture, link.selectedPicture,
                               static_cast<long long>(addresses_.size()));
            addresses_.push_back(link.address);
        }
        TreeViewDirect.Expand(head);
    }
}

const std::string* TztNetDialog::AddressOf(win::TreeNode node) const {
    if (!node || TreeViewDirect.Level(node) == 0) return nullptr;
    const long long index = TreeViewDirect.Data(node);
    if (index < 0 || index >= static_cast<long long>(addresses_.size())) return nullptr;
    return &addresses_[static_cast<std::size_t>(index)];
}

bool TztNetDialog::TreeViewDirectClick(win::TreeNode node) {
    if (!AddressOf(node)) return false;  // a group: the tree handles it
    FollowLink(node);
    // Not selected, so the same link can be clicked again.
    TreeViewDirect.Select(nullptr);
    return true;
}

void TztNetDialog::FollowLink(win::TreeNode node) {
    const std::string* address = AddressOf(node);
    if (!address) return;
    selectedAddress_ = *address;
    // The owner hears of the choice before the shell opens it.
    if (settings_.notifyTarget) ::SendMessageW(settings_.notifyTarget, kLinkSelectedMessage, 0, 0);
    if (!linkora::MayOpen(selectedAddress_)) {
        StatusBar.SetText(linkora::RefusedText(settings_.language, selectedAddress_));
        return;
    }
    win::ShellOpen(Handle(), {.verb = "open", .file = selectedAddress_, .show = ShowKind::Show});
}

void TztNetDialog::TreeViewDirectMouseMove(int x, int y) {
    if (const std::string* address = AddressOf(TreeViewDirect.NodeAt(x, y))) {
        if (StatusBar.Text() != *address) StatusBar.SetText(*address);
    }
}
