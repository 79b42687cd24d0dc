#include "ui/PrintList.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "util/FileNames.h"
#include "util/TextCodec.h"
#include "util/zt_html.h"

// ---- Entries ----

std::string GetEntryField(std::string_view text, char separator, int index) {
    for (int i = 0; i < index; ++i) {
        const std::size_t found = text.find(separator);
        if (found == std::string_view::npos) break;  // nothing more to drop
        text.remove_prefix(found + 1);
    }
    return std::string(text.substr(0, text.find(separator)));
}

std::string MakeEntry(std::string_view fromAmount, int fromSlot, std::string_view toAmount,
                      int toSlot) {
    std::string entry;
    entry.reserve(fromAmount.size() + toAmount.size() + 9);
    entry += kEntrySeparator;
    entry += fromAmount;
    entry += kEntrySeparator;
    entry += std::to_string(fromSlot);
    entry += kEntrySeparator;
    entry += toAmount;
    entry += kEntrySeparator;
    entry += std::to_string(toSlot);
    entry += kEntrySeparator;
    return entry;
}

std::optional<int> ParseSlot(std::string_view field) {
    if (field.empty()) return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kSlotCount) return std::nullopt;  // also keeps long digit runs from overflowing
    }
    if (value < 1) return std::nullopt;
    return value;
}

ResultEntry ParseEntry(std::string_view entry) {
    return {GetEntryField(entry, kEntrySeparator, 1),
            ParseSlot(GetEntryField(entry, kEntrySeparator, 2)),
            GetEntryField(entry, kEntrySeparator, 3),
            ParseSlot(GetEntryField(entry, kEntrySeparator, 4))};
}

SlotTexts GetSlotTexts(const RecRec& rec, std::optional<int> slot, int language) {
    if (!slot || *slot < 1 || *slot > kSlotCount) return {};
    if (language < 0 || language >= kLanguageCount) language = 0;
    return {rec.Munt[*slot][static_cast<std::size_t>(language)], rec.Munteenheid[*slot],
            rec.Symbool[*slot]};
}

// ---- Drawing a row ----

namespace {

RowItem TextItem(int x, std::string text) {
    return {RowItemKind::Text, x, kTextY, std::move(text), 0};
}
RowItem FlagItem(int x, int slot) {
    return {RowItemKind::Flag, x, 0, {}, slot};
}

}  // namespace

std::vector<RowItem> LayoutRow(std::string_view entry, int index, const RecRec& rec, int language) {
    const ResultEntry fields = ParseEntry(entry);
    const SlotTexts from = GetSlotTexts(rec, fields.fromSlot, language);
    const SlotTexts to = GetSlotTexts(rec, fields.toSlot, language);

    std::vector<RowItem> items;
    items.reserve(12);
    items.push_back(TextItem(kNumberX, std::to_string(index + 1)));
    items.push_back({RowItemKind::Line, kLineX, 0, {}, 0});

    int x = kFirstColumnX;
    const auto addTexts = [&](const std::string& fromText, const std::string& toText) {
        if (fields.fromSlot) items.push_back(TextItem(x, fromText));
        if (fields.toSlot) items.push_back(TextItem(x + kToSideOffset, toText));
    };

    if (rec.KolomVlag) {
        if (fields.fromSlot) items.push_back(FlagItem(x, *fields.fromSlot));
        if (fields.toSlot) items.push_back(FlagItem(x + kToSideOffset, *fields.toSlot));
        x += kFlagColumnWidth;
    }
    items.push_back(TextItem(x, fields.fromAmount));
    items.push_back(TextItem(x + kToSideOffset, fields.toAmount));
    x += kAmountColumnWidth;
    if (rec.KolomMunt) {
        x += kNameColumnStep;
        addTexts(from.name, to.name);
    }
    if (rec.KolomMunteenheid) {
        x += kCodeColumnStep;
        addTexts(from.code, to.code);
    }
    if (rec.KolomSymbool) {
        x += kSymbolColumnStep;
        addTexts(from.symbol, to.symbol);
    }
    return items;
}

// ---- Text export ----

namespace {

void AppendTextColumns(std::string& line, const RecRec& rec, const SlotTexts& texts) {
    if (rec.KolomMunt) (line += ',') += texts.name;
    if (rec.KolomMunteenheid) (line += ',') += texts.code;
    if (rec.KolomSymbool) (line += ',') += texts.symbol;
}

void AppendTextLine(std::string& out, std::string_view entry, const RecRec& rec, int language) {
    const ResultEntry fields = ParseEntry(entry);
    out += fields.fromAmount;
    AppendTextColumns(out, rec, GetSlotTexts(rec, fields.fromSlot, language));
    out += ',';
    out += fields.toAmount;
    AppendTextColumns(out, rec, GetSlotTexts(rec, fields.toSlot, language));
}

}  // namespace

std::string MakeTextLine(std::string_view entry, const RecRec& rec, int language) {
    std::string line;
    AppendTextLine(line, entry, rec, language);
    return line;
}

std::string MakeTextLines(const std::vector<std::string>& entries, const RecRec& rec,
                          int language) {
    std::string text;
    for (const std::string& entry : entries) {
        AppendTextLine(text, entry, rec, language);
        text += "\r\n";
    }
    return text;
}

// ---- Commands on the list ----

bool ResultListState::HasSelection() const {
    return selected >= 0 && static_cast<std::size_t>(selected) < entries.size();
}

void MoveUp(ResultListState& list) {
    if (!list.HasSelection()) return;
    MoveTo(list, std::max(list.selected - 1, 0));
}

void MoveDown(ResultListState& list) {
    if (!list.HasSelection()) return;
    MoveTo(list, std::min(list.selected + 1, static_cast<int>(list.entries.size()) - 1));
}

void RemoveOne(ResultListState& list) {
    if (!list.HasSelection()) return;
    list.entries.erase(list.entries.begin() + list.selected);
    const int count = static_cast<int>(list.entries.size());
    list.selected = count == 0 ? kNoSelection : std::min(list.selected, count - 1);
}

void RemoveAll(ResultListState& list) {
    list.entries.clear();
    list.selected = kNoSelection;
}

void MoveTo(ResultListState& list, int target) {
    if (!list.HasSelection() || target < 0 ||
        static_cast<std::size_t>(target) >= list.entries.size()) {
        return;
    }
    const auto begin = list.entries.begin();
    const int from = list.selected;
    if (target < from) {
        std::rotate(begin + target, begin + from, begin + from + 1);
    } else {
        std::rotate(begin + from, begin + from + 1, begin + target + 1);
    }
    list.selected = target;
}

// ---- Web page ----

std::string EscapeHtml(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Decoded d = DecodeUtf8At(utf8, at);
        switch (d.c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (d.c < 0x80) {
                    out += static_cast<char>(d.c);
                } else {
                    out += "&#";
                    out += std::to_string(static_cast<std::uint32_t>(d.c));
                    out += ';';
                }
        }
        at += d.length;
    }
    return out;
}

std::string PictureFileName(std::string_view code) {
    return SafeFileName(code, "_") + ".BMP";
}

namespace {

// The letter case Windows ignores in file names, for the scripts a currency code is written in.
char32_t FoldCase(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // Latin-1
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {  // Latin Extended-A: pairs, odd or even lower case
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        if (oddUpper) return (c & 1) ? c : c - 1;
        return (c & 1) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;  // Greek
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

std::u32string FoldedName(std::string_view name) {
    std::u32string folded;
    for (std::size_t at = 0; at < name.size();) {
        const Decoded d = DecodeUtf8At(name, at);
        folded += FoldCase(d.c);
        at += d.length;
    }
    return folded;
}

}  // namespace

bool SameFileName(std::string_view a, std::string_view b) {
    return FoldedName(a) == FoldedName(b);
}

std::array<std::string, kSlotCount> PictureFileNames(const RecRec& rec) {
    std::array<std::string, kSlotCount> names;
    const auto taken = [&names](std::size_t count, const std::string& name) {
        return std::any_of(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(count),
                           [&](const std::string& other) { return SameFileName(other, name); });
    };
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& code = rec.Munteenheid[static_cast<int>(i) + 1];
        std::size_t same = 0;
        while (same < i && rec.Munteenheid[static_cast<int>(same) + 1] != code) ++same;
        if (same < i) {
            names[i] = names[same];
            continue;
        }
        std::string name = PictureFileName(code);
        if (taken(i, name)) {
            const std::string stem = name.substr(0, name.size() - 4);  // without ".BMP"
            for (int n = 2; taken(i, name); ++n) name = stem + "_" + std::to_string(n) + ".BMP";
        }
        names[i] = std::move(name);
    }
    return names;
}

namespace {

// What the page shows for one slot, escaped once for the whole page.
struct SlotCells {
    std::string name;
    std::string code;
    std::string symbol;
    std::string image;
};

std::array<SlotCells, kSlotCount> MakeSlotCells(const RecRec& rec, int language) {
    const std::array<std::string, kSlotCount> pictures = PictureFileNames(rec);
    std::array<SlotCells, kSlotCount> cells;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotTexts texts = GetSlotTexts(rec, slot, language);
        const auto index = static_cast<std::size_t>(slot - 1);
        SlotCells& cell = cells[index];
        cell.name = EscapeHtml(texts.name);
        cell.code = EscapeHtml(texts.code);
        cell.symbol = EscapeHtml(texts.symbol);
        std::string source(kPictureFolder);
        source += '/';
        source += pictures[index];
        cell.image = HTMLImage(EscapeHtml(source));
    }
    return cells;
}

const std::string kProductName = "Valomat";

}  // namespace

std::vector<std::string> BuildWebPageLines(const std::vector<std::string>& entries,
                                           const RecRec& rec, int language) {
    const std::array<SlotCells, kSlotCount> slots = MakeSlotCells(rec, language);
    const std::string flagCell = HTMLCellBegin("center", "42", "18");
    const std::string amountCell = HTMLCellBegin("center", "300", "18");
    const std::string fromNameCell = HTMLCellBegin("center", "160", "18");
    const std::string toNameCell = HTMLCellBegin("center", "160", "20");
    const std::string codeCell = HTMLCellBegin("center", "160", "18");
    const std::string symbolCell = HTMLCellBegin("center", "90", "18");
    const std::string cellEnd = HTMLCellEnd();
    const std::string rowBegin = HTMLRowBegin();
    const std::string rowEnd = HTMLRowEnd();

    const std::size_t cellsPerSide =
        1 + static_cast<std::size_t>(rec.KolomVlag) + static_cast<std::size_t>(rec.KolomMunt) +
        static_cast<std::size_t>(rec.KolomMunteenheid) + static_cast<std::size_t>(rec.KolomSymbool);
    std::vector<std::string> lines;
    lines.reserve(13 + entries.size() * (2 + 2 * 3 * cellsPerSide));

    lines.push_back(HTMLBegin());
    lines.push_back(HTMLMetaDescription(kProductName));
    lines.push_back(HTMLTitle(kProductName));
    lines.push_back(HTMLBodyBegin("", ""));
    lines.push_back(HTMLFont("Arial", "6"));
    lines.push_back(kProductName + HTMLBreak() + HTMLBreak());
    lines.push_back(HTMLFont("Times New Roman", "4"));
    lines.push_back(HTMLTableBegin("1", "780"));

    const auto addCell = [&lines, &cellEnd](const std::string& begin, std::string content) {
        lines.push_back(begin);
        lines.push_back(std::move(content));
        lines.push_back(cellEnd);
    };
    const auto addSide = [&](const std::string& amount, std::optional<int> slot,
                             const std::string& nameCell) {
        static const SlotCells kNoSlot;
        const SlotCells& cell = slot ? slots[static_cast<std::size_t>(*slot - 1)] : kNoSlot;
        if (rec.KolomVlag) addCell(flagCell, cell.image);
        addCell(amountCell, EscapeHtml(amount));
        if (rec.KolomMunt) addCell(nameCell, cell.name);
        if (rec.KolomMunteenheid) addCell(codeCell, cell.code);
        if (rec.KolomSymbool) addCell(symbolCell, cell.symbol);
    };

    for (const std::string& entry : entries) {
        const ResultEntry fields = ParseEntry(entry);
        lines.push_back(rowBegin);
        addSide(fields.fromAmount, fields.fromSlot, fromNameCell);
        addSide(fields.toAmount, fields.toSlot, toNameCell);
        lines.push_back(rowEnd);
    }

    lines.push_back(HTMLTableEnd());
    lines.push_back(HTMLBodyEnd());
    lines.push_back(HTMLFont("Arial", "1"));
    lines.push_back(HTMLBreak() + HTMLLink(std::string(kMakerSite), std::string(kMakerLinkText)));
    lines.push_back(HTMLEnd());
    return lines;
}

std::vector<PictureFile> PicturesForPage(const std::vector<std::string>& entries,
                                         const RecRec& rec) {
    std::vector<PictureFile> pictures;
    if (!rec.KolomVlag) return pictures;
    const std::array<std::string, kSlotCount> names = PictureFileNames(rec);
    std::array<bool, kSlotCount> seen{};
    const auto use = [&](std::optional<int> slot) {
        if (!slot) return;
        const auto index = static_cast<std::size_t>(*slot - 1);
        if (seen[index]) return;
        seen[index] = true;
        const std::string& name = names[index];
        // At most 22 distinct slots, so this search keeps the whole pass linear.
        const bool taken = std::any_of(pictures.begin(), pictures.end(),
                                       [&](const PictureFile& p) { return p.fileName == name; });
        if (!taken) pictures.push_back({name, *slot});
    };
    for (const std::string& entry : entries) {
        use(ParseSlot(GetEntryField(entry, kEntrySeparator, 2)));
        use(ParseSlot(GetEntryField(entry, kEntrySeparator, 4)));
    }
    return pictures;
}
