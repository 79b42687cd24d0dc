#include "win/StatusBar.h"

#include <commctrl.h>

#include "win/Text.h"

namespace win {

bool StatusBar::Create(const StatusBarParams& params) {
    ControlParams common = CommonParams(params);
    common.align = Align::Bottom;
    if (common.height <= 0) common.height = 20;
    // The form places it (Align::Bottom); the bar's own sizing would fight that.
    const DWORD style = params.sizeGrip ? SBARS_SIZEGRIP : 0;
    if (!CreateWindowFor(common, STATUSCLASSNAMEW, style | CCS_NOPARENTALIGN | CCS_NORESIZE, 0)) {
        return false;
    }
    ::SendMessageW(Handle(), SB_SIMPLE, TRUE, 0);
    return true;
}

std::string StatusBar::Text() const {
    return Narrow(text_);
}

void StatusBar::SetText(std::string_view text) {
    text_ = Widen(text);
    if (Exists()) {
        ::SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text_.c_str()));
    }
}

}  // namespace win
