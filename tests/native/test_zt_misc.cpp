// Text replacement, the interface language of a locale identifier and UTF-8 paths.
#include <gtest/gtest.h>

#include "util/Text.h"
#include "util/zt_Misc.h"

namespace {

struct ReplaceCase {
    const char* what;
    const char* text;
    const char* oldText;
    const char* newText;
    int flags;
    const char* expected;
    int count;
};

TEST(ZtMiscReplaceText, Cases) {
    const ReplaceCase cases[] = {
        {"decimal comma to point", "1,5", ",", ".", 0, "1.5", 1},
        {"first occurrence only", "1,5,5", ",", ".", 0, "1.5,5", 1},
        {"all occurrences", "1,5,5", ",", ".", rfReplaceAll, "1.5.5", 2},
        {"empty text", "", ",", ".", rfReplaceAll, "", 0},
        {"empty old", "1,5", "", ".", rfReplaceAll, "1,5", 0},
        {"no match", "15", ",", ".", 0, "15", 0},
        {"case differs, case-sensitive", "xAbcx", "aBC", "-", 0, "xAbcx", 0},
        {"case differs, ignoring case", "xAbcx", "aBC", "-", rfIgnoreCase, "x-x", 1},
        {"ignoring case keeps the rest of the text", "ab AB ab", "AB", "Yz", rfIgnoreCase,
         "Yz AB ab", 1},
        {"ignoring case, all", "ab AB aB", "Ab", "x", rfIgnoreCase | rfReplaceAll, "x x x", 3},
        {"only a-z change case", "\xC3\xA9", "\xC3\x89", "e", rfIgnoreCase, "\xC3\xA9", 0},
        {"scanning resumes after the match", "aaa", "aa", "b", rfReplaceAll, "ba", 1},
        {"new text is not scanned again", "ab", "a", "aa", rfReplaceAll, "aab", 1},
        {"deleting", "1.234.567", ".", "", rfReplaceAll, "1234567", 2},
        {"old longer than text", "ab", "abc", "x", rfReplaceAll, "ab", 0},
        {"match at the very end", "xyab", "ab", "Q", 0, "xyQ", 1},
        {"multi-byte old", "5 \xE2\x82\xAC", "\xE2\x82\xAC", "EUR", 0, "5 EUR", 1},
    };
    for (const ReplaceCase& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceText(text, c.oldText, c.newText, c.flags), c.count) << c.what;
        EXPECT_EQ(text, c.expected) << c.what;
    }
}

TEST(ZtMiscLanguageFromLcid, Table) {
    const struct {
        std::uint32_t lcid;
        TztLanguage expected;
    } cases[] = {
        {1043, lgNederlands},  // Netherlands
        {2067, lgNederlands},  // Belgium
        {3091, lgEnglish},     // Dutch step, but not a Dutch locale
        {1036, lgFrancais},      {3084, lgFrancais},  {5132, lgFrancais},
        {6156, lgEnglish},  // French k = 5 lies beyond the table
        {1031, lgDeutsch},       {2055, lgDeutsch},   {5127, lgDeutsch},
        {6151, lgEnglish},                                                 // German k = 5
        {1034, lgEspagnol},      {20490, lgEspagnol}, {21514, lgEnglish},  // Spanish k = 20
        {1033, lgEnglish},       {2057, lgEnglish},   {1040, lgEnglish},   // US, UK, Italian
        {0, lgEnglish},          {1035, lgEnglish},  // just past Spanish 1034, before French 1036
        {0xFFFFFFFF, lgEnglish},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageFromLcid(c.lcid), c.expected) << c.lcid;
}

TEST(TextPath, Utf8TextBecomesTheNativePath) {
    const std::string text = "C:\\munt \xE2\x82\xAC\xC3\xA9\xE4\xB8\xAD.bmp";
#ifdef _WIN32
    // Wide on Windows: the ANSI code page would turn the euro sign into three other letters.
    EXPECT_EQ(PathFromUtf8(text).native(), L"C:\\munt \u20AC\u00E9\u4E2D.bmp");
#else
    EXPECT_EQ(PathFromUtf8(text).native(), text);
#endif
}

}  // namespace
