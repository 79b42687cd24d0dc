#include "components/ztNetDialog_win.h"

#include "components/ztLinkora.h"
#include "components/ztLinkoraArt.h"
#include "win/Folders.h"
#include "win/Shell.h"
#include "win/Text.h"
#include "util/WebAddress.h"

namespace {

// Layout, in pixels.
constexpr int kWindowWidth = 470;  // outer size, also the smallest
constexpr int kWindowHeight = 310;
constexpr int kButtonStripHeight = 21;
constexpr int kButtonSize = 19;
constexpr int kTreeIndent = 24;
const win::FontSpec kDialogFont{.face = "MS Sans Serif", .height = -10};  // 7.5 point

// The fetch's outcome, posted by its thread.
constexpr UINT kLinksFetched = WM_APP + 11;

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
    SetWindowSize(kWindowWidth, kWindowHeight);
    CentreOnScreen();
    OnShow = [this] { FormShow(); };
    OnClose = [this](win::CloseAction&) { StopLoading(); };
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

std::optional<LRESULT> TztNetDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kLinksFetched) {
        if (std::optional<win::DownloadResult> got = fetch_.Take(wp)) LinksArrived(*got);
        return 0;
    }
    if (msg == WM_DESTROY) StopLoading();
    if (msg == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {Scaled(kWindowWidth), Scaled(kWindowHeight)};
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
    return folder + linkora::LocalCopyName(ReadAddress(settings_.url).text);
}

void TztNetDialog::LoadLinks() {
    StopLoading();
    addresses_.clear();
    text_.clear();
    TreeViewDirect.Clear();
    selectedAddress_.clear();
    const Address address = ReadAddress(settings_.url);
    loading_ = {.fromWeb = address.web, .hadCopy = false, .copy = CopyPath()};
    loading_.hadCopy = win::FileExists(loading_.copy);
    StatusBar.SetText(address.web ? linkora::ConnectingText(settings_.language, address.text) : "");
    SpeedbuttonUpdate.SetEnabled(false);
    if (!fetch_.Start(Handle(), kLinksFetched,
                      {.url = address.text, .bound = settings_.fetchBound})) {
        LinksArrived({});
    }
}

void TztNetDialog::StopLoading() {
    fetch_.Cancel();
    if (SpeedbuttonUpdate.Exists()) SpeedbuttonUpdate.SetEnabled(true);
}

void TztNetDialog::LinksArrived(const win::DownloadResult& got) {
    using linkora::StatusPart;
    SpeedbuttonUpdate.SetEnabled(true);
    StatusBar.SetText("");
    const TztLanguage language = settings_.language;
    auto readCopy = [this] {
        return linkora::LinksText(
            win::ReadWholeFile(loading_.copy, win::kDownloadMaxBytes).value_or(""));
    };
    auto fallBack = [&](StatusPart why) {
        if (!loading_.hadCopy) {
            text_.clear();
            StatusBar.SetText(linkora::StatusText(language, why, StatusPart::Aborted));
            return false;
        }
        text_ = readCopy();
        StatusBar.SetText(linkora::StatusText(language, why, StatusPart::UsingPrevious));
        return true;
    };
    if (loading_.fromWeb && !got) {
        if (!fallBack(StatusPart::ConnectionError)) return;
    } else {
        text_ = linkora::LinksText(got.body);
    }
    const bool fresh = loading_.fromWeb && got;
    // An error page, an empty answer or a login page of a public network is no links file:
    // only a file with a group replaces the copy that the next failure falls back on.
    if (linkora::LooksLikeServerError(text_) || (fresh && linkora::ReadLinks(text_).empty())) {
        if (!fallBack(StatusPart::ServerNotFound)) return;
    } else if (fresh) {
        win::ReplaceWholeFile(loading_.copy, got.body);
    }
    BuildTree();
}

void TztNetDialog::BuildTree() {
    for (const linkora::Group& group : linkora::ReadLinks(text_)) {
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
    const std::optional<std::string> safe =
        linkora::MayOpen(selectedAddress_) ? ShellSafeAddress(selectedAddress_) : std::nullopt;
    if (!safe) {
        StatusBar.SetText(linkora::RefusedText(settings_.language, selectedAddress_));
        return;
    }
    win::ShellOpen(Handle(), {.verb = "open", .file = *safe, .show = ShowKind::Show});
}

void TztNetDialog::TreeViewDirectMouseMove(int x, int y) {
    if (const std::string* address = AddressOf(TreeViewDirect.NodeAt(x, y))) {
        if (StatusBar.Text() != *address) StatusBar.SetText(*address);
    }
}
