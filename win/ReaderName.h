// The name of a control that shows none of its own (an edit box, a list box), as screen
// readers and the standard accessibility proxies read it: the text of the static window just
// before the control in the window order. This one has no size, so it shows nothing and takes
// no mouse; a static is no tab stop, so the Tab order stays as it was.
//
//   win::SetReaderName(Edit_Van, "Bedrag");
#pragma once

#include <string>
#include <string_view>

#include "win/Control.h"

namespace win {

// Names a control that has its window (creating the static the first time, or changing its text).
void SetReaderName(Control& control, std::string_view name);

}  // namespace win
