// The options dialog's decisions, apart from its window: what a typed rate becomes, the default
// and offered interplay, the display-mode preview and the tray and start-up interlock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/AmountFormat.h"
#include "core/RecRec.h"

// A rate box's text as the box is left.
struct RateCheck {
    std::string text;      // what the box shows afterwards
    long double rate = 1;  // the slot's rate afterwards
    bool beep = false;     // the text was no number the settings could keep
};

// The first foreign separator is read as the locale's own ("1.5" is 1,5 in a comma locale).
// A number above 0 is taken as typed; 0 or below becomes 1 quietly; anything else becomes 1
// with a beep, and so does a number whose 8-byte double in the registry would be infinite or
// 0 ("1e400", "1e-400"), which the next start would otherwise replace by the default.
RateCheck CheckRateText(std::string text, const Separators& seps);

// Pressing a default source (or target) button: the slot becomes the default and is offered.
enum class DefaultKind { Source, Target };
void ChooseDefaultSlot(RecRec& rec, int slot, DefaultKind kind);

// Ticking or unticking a slot's offered box; gives the state the box must show, since a
// default slot is always offered.
bool OfferedBoxClicked(RecRec& rec, int slot, bool checked);

// The first offered slot in slot order, 0 when none is.
int FirstOfferedSlot(const RecRec& rec);

// The preview of a display mode: a sample of 1 1/3 euro. After a click in mode 3 the symbol
// comes first, when the dialog is shown it comes last. Nothing for a mode outside 0..3.
enum class PreviewMoment { Click, Show };
std::string PreviewText(int mode, PreviewMoment moment, std::string_view decimalSeparator);

// Minimising to the tray and starting minimised: starting minimised always goes with the tray.
void TrayChosen(RecRec& rec, int itemIndex);  // item 1 is the tray
void NormalVisibleChosen(RecRec& rec);
void MinimizedChosen(RecRec& rec);
int ArrowLeft(bool tray);  // Image_Pijl's left

// The bank's reference rates, fetched by the button on the variable-currency page: what the
// fetched bytes (nothing when the fetch failed) do to the record. All or nothing: on any
// failure the rates and their day stay as they were; a file that lacks some of the floating
// currencies updates those it has.
enum class EcbState { Day, Fetching, NoConnection, NotUnderstood };
struct EcbOutcome {
    EcbState state = EcbState::Day;
    std::vector<int> slots;         // the slots that got a rate, in slot order
    std::vector<std::string> kept;  // codes of the floating currencies the file lacks
};
EcbOutcome TakeEcbRates(RecRec& rec, const std::optional<std::string>& bytes);

// A rate typed by hand into a floating currency's box is no longer the bank's: the rates' day
// goes when the rate the registry would keep changes. Own currencies keep it.
bool TypedRateClearsDay(int slot, long double before, long double after);

// The line under the button: where the rates come from and of which day (shortDate, in the
// user's format, empty when the rates were typed) and which currencies kept their rate, that a
// fetch runs, or what went wrong.
std::string EcbLineText(EcbState state, std::string_view shortDate, int language,
                        const std::vector<std::string>& kept = {});
