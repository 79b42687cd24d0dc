// The news-link directory component: it owns the directory window and a hidden message window
// through which the window tells it which link the user chose.
//
//   linkora.Create(this);
//   linkora.URL = "https://www.valomat.example/Linkora_Eng.inf";
//   linkora.OnURLSelected = [](TztLinkora&, const std::string& url) { ... };
//   linkora.ShowDirectory();
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "components/ztNetDialog_win.h"
#include "win/Handle.h"

class TztLinkora {
  public:
    using TURLSelectedEvent = std::function<void(TztLinkora& sender, const std::string& url)>;

    TztLinkora() = default;
    ~TztLinkora();
    TztLinkora(const TztLinkora&) = delete;
    TztLinkora& operator=(const TztLinkora&) = delete;

    // Creates the directory window hidden (owned by owner, when given) and the message window.
    bool Create(win::Form* owner = nullptr);

    TztLanguage Language = lgNederlands;  // Dutch status texts; any other value English
    std::string Information;              // the information button's text; blank hides it
    std::string URL;                      // "http..." is fetched, anything else read from disk
    TURLSelectedEvent OnURLSelected;
    // The window's caption, read and written straight through.
    std::string Title() const { return dialog_.Caption(); }
    void SetTitle(std::string_view title) { dialog_.SetCaption(title); }

    // Shows the window (modeless) and loads the links into it.
    void ShowDirectory();

    // Where the local copy lives (empty: the program's folder, or the user's local application
    // data when that folder cannot be written) and how long a fetch may take.
    std::string CopyFolder;
    std::chrono::milliseconds FetchBound = win::kDownloadBound;

    TztNetDialog& Dialog() { return dialog_; }

  private:
    static LRESULT CALLBACK NotifyProc(HWND, UINT, WPARAM, LPARAM);
    TztNetDialog dialog_;
    win::WindowHandle notify_;
};
