// The result list without its window: reading entries, the layout of a drawn row, the text
// export, the list commands and the web page.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RecRec.h"
#include "util/TextCodec.h"

// ---- Entries ----
// One conversion is kept as "*from amount*from slot*to amount*to slot*": the amounts as they were
// formatted, the slots as decimal numbers.

inline constexpr char kEntrySeparator = '*';

// Field `index` of `text`: drop `index` times everything up to and including the first
// separator (nothing when there is none left), then cut at the next separator.
std::string GetEntryField(std::string_view text, char separator, int index);

std::string MakeEntry(std::string_view fromAmount, int fromSlot, std::string_view toAmount,
                      int toSlot);

// A slot field that is not a decimal number in 1..22 gives nothing.
std::optional<int> ParseSlot(std::string_view field);

// An entry read back. A malformed entry still reads: its amount fields are whatever text the
// field rule yields, and a bad slot field leaves that side without a currency, so its flag,
// name, code and symbol are simply not shown.
struct ResultEntry {
    std::string fromAmount;
    std::optional<int> fromSlot;
    std::string toAmount;
    std::optional<int> toSlot;
};
ResultEntry ParseEntry(std::string_view entry);

// The currency texts of a slot in a language (0 Dutch, 1 English, 2 French; a language outside
// the table reads as Dutch). No slot gives three empty texts.
struct SlotTexts {
    std::string name;
    std::string code;
    std::string symbol;
};
SlotTexts GetSlotTexts(const RecRec& rec, std::optional<int> slot, int language);

// ---- Drawing a row ----
// Positions are in pixels from the list's left edge and the row's top.

inline constexpr int kNumberX = 2;
inline constexpr int kTextY = 2;
inline constexpr int kLineX = 34;
inline constexpr int kFirstColumnX = 40;
inline constexpr int kToSideOffset = 320;  // the to-currency half of every column
inline constexpr int kFlagColumnWidth = 28;
inline constexpr int kAmountColumnWidth = 50;
inline constexpr int kNameColumnStep = 60;  // added before the name is drawn
inline constexpr int kCodeColumnStep = 60;
inline constexpr int kSymbolColumnStep = 50;

enum class RowItemKind {
    Text,  // `text` at (x, y)
    Line,  // black vertical line at x from the row's top to its bottom
    Flag,  // the small flag of `slot` at (x, y)
};

struct RowItem {
    RowItemKind kind = RowItemKind::Text;
    int x = 0;
    int y = 0;
    std::string text;
    int slot = 0;
    bool operator==(const RowItem&) const = default;
};

// What row `index` (0-based) shows for `entry` with the column settings of `rec`, in drawing
// order. A side without a valid slot gets no flag, name, code or symbol item.
std::vector<RowItem> LayoutRow(std::string_view entry, int index, const RecRec& rec, int language);

// ---- Text export (copy and save as text) ----

// from amount[,name][,code][,symbol],to amount[,name][,code][,symbol]
std::string MakeTextLine(std::string_view entry, const RecRec& rec, int language);
// Every line followed by "\r\n"; an empty list gives an empty text.
std::string MakeTextLines(const std::vector<std::string>& entries, const RecRec& rec, int language);

// ---- Commands on the list ----

inline constexpr int kNoSelection = -1;

// The entries and the selected row. A selection outside the entries counts as none.
struct ResultListState {
    std::vector<std::string> entries;
    int selected = kNoSelection;
    bool HasSelection() const;
};

// Each command that needs a selected row does nothing without one.
void MoveUp(
    ResultListState& list);  // the selected entry one up (not above the first), kept selected
void MoveDown(ResultListState& list);  // one down (not below the last), kept selected
// Deletes the selected entry; selects the row now at its index, or the new last row.
void RemoveOne(ResultListState& list);
void RemoveAll(ResultListState& list);
// Drag and drop: the selected entry is moved to `target`, the index of the entry under the drop
// point, and stays selected. No entry there (any index outside the list) changes nothing.
void MoveTo(ResultListState& list, int target);

// ---- Web page ----

// Text made safe for a cell or an attribute value: & < > " become entity references and every
// character above 127 becomes &#N;, so the page is plain ASCII and reads the same whatever the
// code page of the system that opens it. Invalid UTF-8 bytes are taken as Windows-1252
// characters.
std::string EscapeHtml(std::string_view utf8);

// The flag pictures live in this folder beside the page; the page refers to them as
// kPictureFolder + "/" + file name.
inline constexpr std::string_view kPictureFolder = "images";
inline constexpr std::string_view kMakerSite = "https://www.valomat.example/";
inline constexpr std::string_view kMakerLinkText = "Valomat";

// Currency code + ".BMP", made safe as a file name and as a relative link: every character that
// cannot stand in a Windows file name (\ / : * ? " < > | and control characters), and # and %
// that would break the link, becomes "_"; a code that is empty or only dots and blanks becomes
// "_"; a device name such as CON or COM1 gets a leading "_". The result never leaves the folder.
std::string PictureFileName(std::string_view code);

// Whether Windows takes two file names for the same file: letters compare without regard to
// case (ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters).
bool SameFileName(std::string_view a, std::string_view b);

// The picture file of every slot (index slot - 1). Slots with the same code share one file;
// a code that differs from an earlier slot's only in letter case gets a name of its own
// (its name with "_2", "_3"... before ".BMP"), since Windows would take both for one file.
std::array<std::string, kSlotCount> PictureFileNames(const RecRec& rec);

// The page, line by line (the caller writes each followed by "\r\n"): eight opening lines, the
// rows, five closing lines. Every text put into a cell is escaped.
std::vector<std::string> BuildWebPageLines(const std::vector<std::string>& entries,
                                           const RecRec& rec, int language);

// The pictures that the page's flag cells refer to: one per distinct file name, with the first
// slot that uses it, in order of first use. Empty when the flag column is off.
struct PictureFile {
    std::string fileName;
    int slot = 0;
    bool operator==(const PictureFile&) const = default;
};
std::vector<PictureFile> PicturesForPage(const std::vector<std::string>& entries,
                                         const RecRec& rec);
