// The result list: reading entries, row layout, text export, list commands and the web page.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/CurrencyTable.h"
#include "ui/PrintList.h"

namespace {

constexpr int kEnglish = 1;

struct Columns {
    bool flag, name, code, symbol;
};

RecRec MakeRec(Columns columns = {true, true, true, true}) {
    RecRec rec;
    InitCurrencyTable(rec);
    rec.KolomVlag = columns.flag;
    rec.KolomMunt = columns.name;
    rec.KolomMunteenheid = columns.code;
    rec.KolomSymbool = columns.symbol;
    return rec;
}

// 100 BEF gave 2,48 EURO.
const std::string kBefToEuro = "*100*2*2,48*1*";

// ---- Entries ----

TEST(PrintListEntries, GetEntryFieldFollowsTheDropAndCutRule) {
    const struct {
        std::string_view text;
        char separator;
        int index;
        std::string expected;
    } cases[] = {
        {"*100*2*2,48*1*", '*', 0, ""},  // the text opens with a separator
        {"*100*2*2,48*1*", '*', 1, "100"},
        {"*100*2*2,48*1*", '*', 2, "2"},
        {"*100*2*2,48*1*", '*', 3, "2,48"},
        {"*100*2*2,48*1*", '*', 4, "1"},
        {"*100*2*2,48*1*", '*', 5, ""},
        {"*100*2*2,48*1*", '*', 9, ""},
        {"*100*2*2,48*1*", '*', -1, ""},  // a negative index drops nothing
        {"abc", '*', 0, "abc"},
        {"abc", '*', 3, "abc"},  // no separator: nothing to drop, nothing to cut
        {"a*b", '*', 1, "b"},
        {"a*b", '*', 2, "b"},  // the second drop finds no separator left
        {"", '*', 2, ""},
        {"**", '*', 1, ""},
        {"x;y;z", ';', 2, "z"},
        {"*1.234.567,89*3*", '*', 1, "1.234.567,89"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " #" + std::to_string(c.index));
        EXPECT_EQ(GetEntryField(c.text, c.separator, c.index), c.expected);
    }
}

TEST(PrintListEntries, ParseSlotAcceptsOnlyDecimalSlotsOneToTwentyTwo) {
    const struct {
        std::string_view field;
        std::optional<int> expected;
    } cases[] = {
        {"1", 1},
        {"22", 22},
        {"02", 2},
        {"0", std::nullopt},
        {"23", std::nullopt},
        {"", std::nullopt},
        {"2a", std::nullopt},
        {" 2", std::nullopt},
        {"-1", std::nullopt},
        {"+2", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field));
        EXPECT_EQ(ParseSlot(c.field), c.expected);
    }
}

TEST(PrintListEntries, MadeEntriesReadBack) {
    EXPECT_EQ(MakeEntry("100", 2, "2,48", 1), kBefToEuro);
    const ResultEntry entry = ParseEntry(MakeEntry("1.234,5", 22, "0,01", 13));
    EXPECT_EQ(entry.fromAmount, "1.234,5");
    EXPECT_EQ(entry.fromSlot, 22);
    EXPECT_EQ(entry.toAmount, "0,01");
    EXPECT_EQ(entry.toSlot, 13);
}

TEST(PrintListEntries, MalformedEntryReadsAsTextWithoutCurrencies) {
    const ResultEntry garbage = ParseEntry("garbage");
    EXPECT_EQ(garbage.fromAmount, "garbage");
    EXPECT_EQ(garbage.toAmount, "garbage");
    EXPECT_FALSE(garbage.fromSlot);
    EXPECT_FALSE(garbage.toSlot);

    const RecRec rec = MakeRec();
    const SlotTexts none = GetSlotTexts(rec, std::nullopt, kEnglish);
    EXPECT_TRUE(none.name.empty() && none.code.empty() && none.symbol.empty());
    EXPECT_EQ(GetSlotTexts(rec, 3, 99).name, "gulden");  // unknown language reads as Dutch
}

// ---- Row layout ----

RowItem Text(int x, std::string text) {
    return {RowItemKind::Text, x, 2, std::move(text), 0};
}
RowItem Flag(int x, int slot) {
    return {RowItemKind::Flag, x, 0, {}, slot};
}
const RowItem kLine{RowItemKind::Line, 34, 0, {}, 0};

TEST(PrintListRow, AllColumnsOn) {
    const std::vector<RowItem> expected = {
        Text(2, "5"),       kLine,
        Flag(40, 2),        Flag(360, 1),
        Text(68, "100"),    Text(388, "2,48"),
        Text(178, "franc"), Text(498, "euro"),
        Text(238, "BEF"),   Text(558, "EURO"),
        Text(288, "BF"),    Text(608, "€"),
    };
    EXPECT_EQ(LayoutRow(kBefToEuro, 4, MakeRec(), kEnglish), expected);
}

TEST(PrintListRow, AllColumnsOffShowsNumberLineAndAmounts) {
    const std::vector<RowItem> expected = {Text(2, "1"), kLine, Text(40, "100"), Text(360, "2,48")};
    EXPECT_EQ(LayoutRow(kBefToEuro, 0, MakeRec({false, false, false, false}), kEnglish), expected);
}

TEST(PrintListRow, FlagOffMovesTheTextColumnsLeft) {
    const std::vector<RowItem> expected = {
        Text(2, "1"),       kLine,
        Text(40, "100"),    Text(360, "2,48"),
        Text(150, "frank"), Text(470, "euro"),
        Text(210, "BEF"),   Text(530, "EURO"),
        Text(260, "BF"),    Text(580, "€"),
    };
    EXPECT_EQ(LayoutRow(kBefToEuro, 0, MakeRec({false, true, true, true}), 0), expected);
}

TEST(PrintListRow, OnlySymbolColumnStillStepsOverTheAmount) {
    const std::vector<RowItem> expected = {Text(2, "1"),    kLine,           Flag(40, 2),
                                           Flag(360, 1),    Text(68, "100"), Text(388, "2,48"),
                                           Text(168, "BF"), Text(488, "€")};
    EXPECT_EQ(LayoutRow(kBefToEuro, 0, MakeRec({true, false, false, true}), 0), expected);
}

TEST(PrintListRow, BadSlotLeavesItsSideWithoutCurrency) {
    const std::vector<RowItem> expected = {
        Text(2, "1"),      kLine,
        Flag(360, 1),      Text(68, "100"),
        Text(388, "2,48"), Text(498, "euro"),
        Text(558, "EURO"), Text(608, "€"),
    };
    EXPECT_EQ(LayoutRow("*100*23*2,48*1*", 0, MakeRec(), kEnglish), expected);
    // Nothing but the number, the line and the text itself for an entry in no shape at all.
    EXPECT_EQ(LayoutRow("x", 0, MakeRec(), kEnglish).size(), 4u);
}

// ---- Text lines ----

TEST(PrintListText, LinesFollowTheColumnSettings) {
    const std::vector<std::string> entries = {kBefToEuro, "*1.234,56*1*49.803*2*"};
    const struct {
        const char* what;
        Columns columns;
        std::string expected;
    } cases[] = {
        {"all",
         {true, true, true, true},
         "100,franc,BEF,BF,2,48,euro,EURO,€\r\n1.234,56,euro,EURO,€,49.803,franc,BEF,BF\r\n"},
        {"flag has no text",
         {false, true, true, true},
         "100,franc,BEF,BF,2,48,euro,EURO,€\r\n1.234,56,euro,EURO,€,49.803,franc,BEF,BF\r\n"},
        {"none", {false, false, false, false}, "100,2,48\r\n1.234,56,49.803\r\n"},
        {"code only",
         {true, false, true, false},
         "100,BEF,2,48,EURO\r\n1.234,56,EURO,49.803,BEF\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MakeTextLines(entries, MakeRec(c.columns), kEnglish), c.expected);
    }
}

TEST(PrintListText, EmptyListGivesEmptyText) {
    EXPECT_EQ(MakeTextLines({}, MakeRec(), kEnglish), "");
}

TEST(PrintListText, BadSlotGivesEmptyColumns) {
    EXPECT_EQ(MakeTextLine("*100*0*2,48*1*", MakeRec(), kEnglish), "100,,,,2,48,euro,EURO,€");
}

// ---- Commands ----

enum class Command { Up, Down, RemoveOne, RemoveAll, DropOn0, DropOn2, DropBelow };

void Apply(Command command, ResultListState& list) {
    switch (command) {
        case Command::Up:
            MoveUp(list);
            break;
        case Command::Down:
            MoveDown(list);
            break;
        case Command::RemoveOne:
            RemoveOne(list);
            break;
        case Command::RemoveAll:
            RemoveAll(list);
            break;
        case Command::DropOn0:
            MoveTo(list, 0);
            break;
        case Command::DropOn2:
            MoveTo(list, 2);
            break;
        case Command::DropBelow:
            MoveTo(list, kNoSelection);
            break;
    }
}

TEST(PrintListCommands, EachCommandOnThreeRows) {
    using V = std::vector<std::string>;
    const V abc = {"a", "b", "c"};
    const struct {
        const char* what;
        Command command;
        int selected;
        V entries;
        int expectedSelected;
    } cases[] = {
        {"up from the middle", Command::Up, 1, {"b", "a", "c"}, 0},
        {"up at the first row", Command::Up, 0, abc, 0},
        {"down from the middle", Command::Down, 1, {"a", "c", "b"}, 2},
        {"down at the last row", Command::Down, 2, abc, 2},
        {"remove the middle", Command::RemoveOne, 1, {"a", "c"}, 1},
        {"remove the first", Command::RemoveOne, 0, {"b", "c"}, 0},
        {"remove the last selects the new last", Command::RemoveOne, 2, {"a", "b"}, 1},
        {"remove all", Command::RemoveAll, 1, {}, kNoSelection},
        {"drop first on last", Command::DropOn2, 0, {"b", "c", "a"}, 2},
        {"drop last on first", Command::DropOn0, 2, {"c", "a", "b"}, 0},
        {"drop on itself", Command::DropOn2, 2, abc, 2},
        {"drop below the last entry", Command::DropBelow, 0, abc, 0},
        {"up without selection", Command::Up, kNoSelection, abc, kNoSelection},
        {"down without selection", Command::Down, kNoSelection, abc, kNoSelection},
        {"remove without selection", Command::RemoveOne, kNoSelection, abc, kNoSelection},
        {"drop without selection", Command::DropOn0, kNoSelection, abc, kNoSelection},
        {"selection past the end is none", Command::RemoveOne, 3, abc, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResultListState list{abc, c.selected};
        Apply(c.command, list);
        EXPECT_EQ(list.entries, c.entries);
        EXPECT_EQ(list.selected, c.expectedSelected);
    }
}

TEST(PrintListCommands, RemovingTheOnlyRowLeavesAnEmptyList) {
    ResultListState list{{kBefToEuro}, 0};
    RemoveOne(list);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_FALSE(list.HasSelection());
    MoveUp(list);  // nothing left to act on
    RemoveOne(list);
    EXPECT_TRUE(list.entries.empty());
}

// ---- Escaping and picture names ----

TEST(PrintListEscape, MarkupAndEveryCharacterAbove127) {
    const struct {
        const char* what;
        std::string_view text;
        std::string expected;
    } cases[] = {
        {"markup", "<&>\"", "&lt;&amp;&gt;&quot;"},
        {"apostrophe and plain text", "l'euro 1.234,5", "l'euro 1.234,5"},
        {"Windows-1252 characters too", "€ £ é ’", "&#8364; &#163; &#233; &#8217;"},
        {"no-break space", "1\u00A0000", "1&#160;000"},
        {"rouble sign", "₽", "&#8381;"},
        {"outside the basic plane", "😀", "&#128512;"},
        {"ideographs", "日本", "&#26085;&#26412;"},
        {"invalid bytes as 1252", "\x80 \xFF", "&#8364; &#255;"},
        {"truncated sequence", "\xE2\x82", "&#226;&#8218;"},
        {"encoded surrogate", "\xED\xA0\x80", "&#237;&#160;&#8364;"},
        {"overlong slash", "\xC0\xAF", "&#192;&#175;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EscapeHtml(c.text), c.expected);
    }
}

TEST(PrintListPictures, FileNamesStayInsideThePictureFolder) {
    const struct {
        std::string_view code;
        std::string expected;
    } cases[] = {
        {"BEF", "BEF.BMP"},
        {"A/B", "A_B.BMP"},
        {"..\\x", ".._x.BMP"},
        {"../../evil", ".._.._evil.BMP"},
        {"C:\\Windows\\x", "C__Windows_x.BMP"},
        {"a:b*c?d\"e<f>g|h", "a_b_c_d_e_f_g_h.BMP"},
        {"\t\n\x7F", "___.BMP"},
        {"#%", "__.BMP"},  // they would break the link
        {"", "_.BMP"},
        {".", "_.BMP"},
        {"..", "_.BMP"},
        {" . ", "_.BMP"},
        {".x", ".x.BMP"},
        {"CON", "_CON.BMP"},
        {"con", "_con.BMP"},
        {"Nul.x", "_Nul.x.BMP"},
        {"AUX ", "_AUX .BMP"},
        {"COM1", "_COM1.BMP"},
        {"lpt9", "_lpt9.BMP"},
        {"LPT²", "_LPT².BMP"},
        {"COM10", "COM10.BMP"},
        {"CONSOLE", "CONSOLE.BMP"},
        {"€uro", "€uro.BMP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code));
        EXPECT_EQ(PictureFileName(c.code), c.expected);
    }
}

// Windows takes names differing only in letter case for one file.
TEST(PrintListPictures, CodesDifferingOnlyInCaseGetTheirOwnNames) {
    RecRec rec = MakeRec();
    rec.Munteenheid[19] = "ÉCU";
    rec.Munteenheid[20] = "bef_2";
    rec.Munteenheid[21] = "bef";
    rec.Munteenheid[22] = "écu";
    const std::array<std::string, kSlotCount> names = PictureFileNames(rec);
    EXPECT_EQ(names[2 - 1], "BEF.BMP");
    EXPECT_EQ(names[19 - 1], "ÉCU.BMP");
    EXPECT_EQ(names[20 - 1], "bef_2.BMP");
    EXPECT_EQ(names[21 - 1], "bef_3.BMP") << "bef_2 is taken";
    EXPECT_EQ(names[22 - 1], "écu_2.BMP");
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
            if (rec.Munteenheid[static_cast<int>(i) + 1] ==
                rec.Munteenheid[static_cast<int>(k) + 1]) {
                EXPECT_EQ(names[i], names[k]) << "the same code shares its picture";
            } else {
                EXPECT_FALSE(SameFileName(names[i], names[k])) << names[i] << " " << names[k];
            }
        }
    }
    rec.KolomMunt = rec.KolomMunteenheid = rec.KolomSymbool = false;
    const std::vector<std::string> lines = BuildWebPageLines({"*1*2*1*21*"}, rec, kEnglish);
    EXPECT_EQ(lines[8 + 2], R"(<img src="images/BEF.BMP">)");
    EXPECT_EQ(lines[8 + 8], R"(<img src="images/bef_3.BMP">)");
    const std::vector<PictureFile> pictures = {{"BEF.BMP", 2}, {"bef_3.BMP", 21}};
    EXPECT_EQ(PicturesForPage({"*1*2*1*21*"}, rec), pictures);
}

TEST(PrintListPictures, SameFileNameFoldsTheLettersOfCurrencyCodes) {
    const std::pair<const char*, const char*> same[] = {
        {"gbp.BMP", "GBP.BMP"}, {"ÄÖÜ", "äöü"}, {"ŁŹŻ", "łźż"}, {"ΔΡΧ", "δρχ"},
        {"РУБ", "руб"},         {"ÿ", "Ÿ"},     {"Σ", "ς"},
    };
    for (const auto& [a, b] : same) EXPECT_TRUE(SameFileName(a, b)) << a << " " << b;
    const std::pair<const char*, const char*> different[] = {
        {"GBP", "GBQ"}, {"A", "À"}, {"ß", "SS"}, {"GBP", "GBP "}, {"I", "ı"},
    };
    for (const auto& [a, b] : different) EXPECT_FALSE(SameFileName(a, b)) << a << " " << b;
}

TEST(PrintListPictures, OnePicturePerCodeInOrderOfFirstUse) {
    RecRec rec = MakeRec();
    rec.Munteenheid[21] = "OWN";
    rec.Munteenheid[22] = "OWN";
    rec.Munteenheid[19] = "A/B";
    rec.Munteenheid[20] = "A_B";
    const std::vector<std::string> entries = {kBefToEuro, "*1*22*1*21*", "bad", "*1*1*1*2*",
                                              "*1*20*1*19*"};
    // Codes that only make the same file name have pictures of their own.
    const std::vector<PictureFile> expected = {
        {"BEF.BMP", 2}, {"EURO.BMP", 1}, {"OWN.BMP", 22}, {"A_B_2.BMP", 20}, {"A_B.BMP", 19}};
    EXPECT_EQ(PicturesForPage(entries, rec), expected);

    rec.KolomVlag = false;
    EXPECT_TRUE(PicturesForPage(entries, rec).empty());
    EXPECT_TRUE(PicturesForPage({}, MakeRec()).empty());
}

// ---- Web page ----

const std::vector<std::string> kOpening = {
    "<html>",
    R"(<meta name="description" content="Valomat">)",
    "<title>Valomat</title>",
    "<body>",
    R"(<font face="Arial" size="6">)",
    "Valomat<br><br>",
    R"(<font face="Times New Roman" size="4">)",
    R"(<table border="1" width="780">)",
};
const std::vector<std::string> kClosing = {
    "</table>",
    "</body>",
    R"(<font face="Arial" size="1">)",
    R"(<br><a href="https://www.valomat.example/">Valomat</a>)",
    "</html>",
};

std::vector<std::string> Page(const std::vector<std::string>& rows) {
    std::vector<std::string> page = kOpening;
    page.insert(page.end(), rows.begin(), rows.end());
    page.insert(page.end(), kClosing.begin(), kClosing.end());
    return page;
}

TEST(PrintListWebPage, EmptyListGivesOpeningAndClosingLines) {
    EXPECT_EQ(BuildWebPageLines({}, MakeRec(), kEnglish), Page({}));
    EXPECT_EQ(BuildWebPageLines({}, MakeRec({false, false, false, false}), kEnglish), Page({}));
}

TEST(PrintListWebPage, OneRowWithAllColumnsHasTenCells) {
    const std::vector<std::string> row = {
        "<tr>",
        R"(<td valign="center" width="42" height="18">)",
        R"(<img src="images/BEF.BMP">)",
        "</td>",
        R"(<td valign="center" width="300" height="18">)",
        "100",
        "</td>",
        R"(<td valign="center" width="160" height="18">)",
        "franc",
        "</td>",
        R"(<td valign="center" width="160" height="18">)",
        "BEF",
        "</td>",
        R"(<td valign="center" width="90" height="18">)",
        "BF",
        "</td>",
        R"(<td valign="center" width="42" height="18">)",
        R"(<img src="images/EURO.BMP">)",
        "</td>",
        R"(<td valign="center" width="300" height="18">)",
        "2,48",
        "</td>",
        R"(<td valign="center" width="160" height="20">)",
        "euro",
        "</td>",
        R"(<td valign="center" width="160" height="18">)",
        "EURO",
        "</td>",
        R"(<td valign="center" width="90" height="18">)",
        "&#8364;",
        "</td>",
        "</tr>",
    };
    EXPECT_EQ(BuildWebPageLines({kBefToEuro}, MakeRec(), kEnglish), Page(row));
}

TEST(PrintListWebPage, FlagColumnOffWritesNoImage) {
    const std::vector<std::string> row = {
        "<tr>",
        R"(<td valign="center" width="300" height="18">)",
        "100",
        "</td>",
        R"(<td valign="center" width="160" height="18">)",
        "frank",
        "</td>",
        R"(<td valign="center" width="300" height="18">)",
        "2,48",
        "</td>",
        R"(<td valign="center" width="160" height="20">)",
        "euro",
        "</td>",
        "</tr>",
    };
    EXPECT_EQ(BuildWebPageLines({kBefToEuro}, MakeRec({false, true, false, false}), 0), Page(row));
}

TEST(PrintListWebPage, CellTextsAreEscaped) {
    RecRec rec = MakeRec({true, true, true, true});
    rec.Munteenheid[21] = "<&>\"";
    rec.Symbool[21] = "₽";
    rec.Munt[21] = {"A&B", "A&B", "A&B", ""};
    const std::vector<std::string> lines = BuildWebPageLines({"*1<2*21*3&4*1*"}, rec, kEnglish);
    ASSERT_EQ(lines.size(), 8u + 32u + 5u);
    EXPECT_EQ(lines[8 + 2], R"(<img src="images/_&amp;__.BMP">)");
    EXPECT_EQ(lines[8 + 5], "1&lt;2");
    EXPECT_EQ(lines[8 + 8], "A&amp;B");
    EXPECT_EQ(lines[8 + 11], "&lt;&amp;&gt;&quot;");
    EXPECT_EQ(lines[8 + 14], "&#8381;");
    EXPECT_EQ(lines[8 + 20], "3&amp;4");
    // The text export keeps the texts as they are.
    EXPECT_EQ(MakeTextLine("*1<2*21*3&4*1*", rec, kEnglish), "1<2,A&B,<&>\",₽,3&4,euro,EURO,€");
}

TEST(PrintListWebPage, SlotsSharingACodeShareTheirPicture) {
    RecRec rec = MakeRec({true, false, false, false});
    rec.Munteenheid[21] = "OWN";
    rec.Munteenheid[22] = "OWN";
    const std::vector<std::string> lines = BuildWebPageLines({"*1*21*1*22*"}, rec, kEnglish);
    ASSERT_EQ(lines.size(), 8u + 14u + 5u);
    EXPECT_EQ(lines[8 + 2], R"(<img src="images/OWN.BMP">)");
    EXPECT_EQ(lines[8 + 8], R"(<img src="images/OWN.BMP">)");
}

TEST(PrintListWebPage, BadSlotKeepsTheRowShapeWithEmptyCells) {
    const std::vector<std::string> good = BuildWebPageLines({kBefToEuro}, MakeRec(), kEnglish);
    const std::vector<std::string> bad = BuildWebPageLines({"*100*0*2,48*1*"}, MakeRec(), kEnglish);
    ASSERT_EQ(bad.size(), good.size());
    for (const std::size_t line : {8u + 2u, 8u + 8u, 8u + 11u, 8u + 14u}) {
        EXPECT_EQ(bad[line], "") << line;
    }
    EXPECT_EQ(bad[8 + 5], "100");
    EXPECT_EQ(bad[8 + 18], good[8 + 18]);  // the to side is untouched
}

TEST(PrintListWebPage, RowsFollowTheListOrder) {
    const std::vector<std::string> lines =
        BuildWebPageLines({"*1*1*2*2*", "*3*3*4*4*"}, MakeRec({false, false, false, false}), 0);
    ASSERT_EQ(lines.size(), 8u + 2u * 8u + 5u);
    EXPECT_EQ(lines[8 + 2], "1");
    EXPECT_EQ(lines[8 + 5], "2");
    EXPECT_EQ(lines[16 + 2], "3");
    EXPECT_EQ(lines[16 + 5], "4");
}

}  // namespace
