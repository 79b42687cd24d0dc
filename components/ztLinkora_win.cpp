#include "components/ztLinkora_win.h"

#include "win/Application.h"

namespace {

constexpr wchar_t kNotifyClass[] = L"ValomatLinkoraNotify";

}  // namespace

TztLinkora::~TztLinkora() {
    dialog_.Destroy();
    notify_.Reset();
}

bool TztLinkora::Create(win::Form* owner) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = NotifyProc;
        wc.hInstance = win::Application::Instance();
        wc.lpszClassName = kNotifyClass;
        return ::RegisterClassExW(&wc);
    }();
    if (!atom) return false;
    notify_.Reset(::CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    win::Application::Instance(), nullptr));
    if (!notify_) return false;
    ::SetWindowLongPtrW(notify_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return dialog_.CreateWindowHidden(owner);
}

void TztLinkora::ShowDirectory() {
    if (!dialog_.Exists()) return;
    dialog_.Configure({.url = URL,
                       .language = Language == lgNederlands ? lgNederlands : lgEnglish,
                       .notifyTarget = notify_.Get(),
                       .copyFolder = CopyFolder,
                       .fetchBound = FetchBound});
    dialog_.SetInformation(Information);
    dialog_.Show();
    dialog_.LoadLinks();
}

LRESULT CALLBACK TztLinkora::NotifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kLinkSelectedMessage) {
        auto* self = reinterpret_cast<TztLinkora*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && self->OnURLSelected)
            self->OnURLSelected(*self, self->dialog_.SelectedAddress());
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}
