// The options dialog's decisions: typed rates, decimals, the default and offered interplay, the
// display-mode preview and the tray and start-up interlock.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/CurrencyTable.h"
#include "ui/Artwork.h"
#include "ui/Languages.h"
#include "ui/OptionsArt.h"
#include "ui/OptionsLogic.h"
#include "util/SpinValue.h"

namespace {

const Separators kComma{",", "."};
const Separators kPoint{".", ","};
const Separators kOther{"/", " "};  // a locale whose separator is neither

TEST(OptionsRateText, Cases) {
    const struct {
        const char* what;
        const Separators& seps;
        const char* typed;
        const char* shown;
        long double rate;
        bool beep;
    } cases[] = {
        {"point typed in a comma locale", kComma, "1.5", "1,5", 1.5L, false},
        {"comma typed in a point locale", kPoint, "1,5", "1.5", 1.5L, false},
        {"own separator", kComma, "0,62", "0,62", 0.62L, false},
        {"only the first foreign separator", kComma, "1.234,5", "1", 1, true},
        {"two own separators", kComma, "1,2,3", "1", 1, true},
        {"other locales replace nothing", kOther, "1.5", "1", 1, true},
        {"other locale, own separator", kOther, "2/5", "2/5", 2.5L, false},
        {"letters", kComma, "abc", "1", 1, true},
        {"empty", kComma, "", "1", 1, true},
        {"zero is quietly 1", kComma, "0", "1", 1, false},
        {"negative is quietly 1", kComma, "-3", "1", 1, false},
        {"negative beyond a double is quietly 1", kComma, "-1e400", "1", 1, false},
        {"too large for the registry's double", kComma, "1e400", "1", 1, true},
        {"too small for the registry's double", kComma, "1e-400", "1", 1, true},
        {"beyond even the extended range", kComma, "1e5000", "1", 1, true},
        {"a subnormal double is still kept", kComma, "1e-310", "1e-310", 1e-310L, false},
        {"largest double", kComma, "1,7e308", "1,7e308", 1.7e308L, false},
        {"exponent and blanks kept as typed", kComma, " 1,5E2 ", " 1,5E2 ", 150, false},
        {"thousands separator is no number", kComma, "1 000", "1", 1, true},
    };
    for (const auto& c : cases) {
        const RateCheck r = CheckRateText(c.typed, c.seps);
        EXPECT_EQ(r.text, c.shown) << c.what;
        EXPECT_EQ(r.rate, c.rate) << c.what;
        EXPECT_EQ(r.beep, c.beep) << c.what;
    }
}

TEST(OptionsRateText, TheFixedRateShownIsReadBackExactly) {
    // Closing the dialog checks the focused box, a read-only fixed rate too: it must keep its
    // constant to the last bit.
    RecRec rec;
    InitCurrencyTable(rec);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!IsFixedRate(slot)) continue;
        const RateCheck r = CheckRateText(FormatGeneral(rec.Koers[slot], kComma), kComma);
        EXPECT_EQ(r.rate, rec.Koers[slot]) << "slot " << slot;
        EXPECT_FALSE(r.beep);
    }
}

TEST(OptionsDecimalsText, ClampedToZeroToEight) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"2", 2},
        {"0", 0},
        {"8", 8},
        {"9", 8},
        {"", 0},
        {"2,5", 0},
        {"2.5", 0},
        {"-3", 0},
        {"+5", 5},
        {" 7 ", 7},
        {"abc", 0},
        {"-", 0},
        {"007", 7},
        {"1e1", 0},
        {"99999999999999999999999", 8},
        {"-99999999999999999999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SpinValueFromText(c.text, 0, 8), c.value) << c.text;
}

TEST(OptionsDefaults, ADefaultSlotIsOfferedAndStaysOffered) {
    RecRec rec;
    for (int s = 1; s <= kSlotCount; ++s) rec.Geselecteerd[s] = s <= 12 || s == 16;
    ChooseDefaultSlot(rec, 13, DefaultKind::Source);
    EXPECT_EQ(rec.DefaultVanMunt, 13);
    EXPECT_TRUE(rec.Geselecteerd[13]) << "an unticked slot is ticked";
    ChooseDefaultSlot(rec, 20, DefaultKind::Target);
    EXPECT_EQ(rec.DefaultNaarMunt, 20);
    EXPECT_EQ(rec.DefaultVanMunt, 13);
    ChooseDefaultSlot(rec, 20, DefaultKind::Source);  // source and target may be the same
    EXPECT_EQ(rec.DefaultVanMunt, 20);

    const struct {
        int slot;
        bool clicked;
        bool shown;
    } clicks[] = {
        {20, false, true},   // the default source and target: undone
        {13, false, false},  // no longer a default: unticked
        {13, true, true},   {5, false, false}, {21, true, true},
    };
    for (const auto& c : clicks) {
        EXPECT_EQ(OfferedBoxClicked(rec, c.slot, c.clicked), c.shown) << c.slot;
        EXPECT_EQ(rec.Geselecteerd[c.slot], c.shown) << c.slot;
    }
    EXPECT_EQ(FirstOfferedSlot(rec), 1);
    for (int s = 1; s <= kSlotCount; ++s) rec.Geselecteerd[s] = false;
    EXPECT_EQ(FirstOfferedSlot(rec), 0);
    rec.Geselecteerd[19] = true;
    EXPECT_EQ(FirstOfferedSlot(rec), 19);
}

TEST(OptionsPreview, Texts) {
    const struct {
        int mode;
        PreviewMoment moment;
        const char* separator;
        const char* text;
    } cases[] = {
        {0, PreviewMoment::Click, ",", "1,33333"},   {0, PreviewMoment::Show, ",", "1,33333"},
        {1, PreviewMoment::Click, ",", "1,33"},      {1, PreviewMoment::Show, ".", "1.33"},
        {2, PreviewMoment::Click, ",", "1,33 euro"}, {2, PreviewMoment::Show, ",", "1,33 euro"},
        {3, PreviewMoment::Click, ",", "€ 1,33"},    {3, PreviewMoment::Show, ",", "1,33 €"},
        {3, PreviewMoment::Click, ".", "€ 1.33"},    {4, PreviewMoment::Click, ",", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PreviewText(c.mode, c.moment, c.separator), c.text) << c.mode;
    }
}

TEST(OptionsStartup, StartingMinimisedGoesWithTheTray) {
    enum Event { Taskbar, Tray, Normal, Minimized };
    const struct {
        bool tray;
        bool minimised;
        Event event;
        bool trayAfter;
        bool minimisedAfter;
    } cases[] = {
        {true, true, Taskbar, false, false},  // leaving the tray ends starting minimised
        {true, false, Taskbar, false, false}, {false, false, Tray, true, false},
        {true, true, Tray, true, true},       {false, false, Minimized, true, true},
        {true, false, Minimized, true, true}, {true, true, Normal, true, false},
        {false, false, Normal, false, false},
    };
    for (const auto& c : cases) {
        RecRec rec;
        rec.SysteemLade = c.tray;
        rec.Minimalizeren = c.minimised;
        switch (c.event) {
            case Taskbar:
                TrayChosen(rec, 0);
                break;
            case Tray:
                TrayChosen(rec, 1);
                break;
            case Normal:
                NormalVisibleChosen(rec);
                break;
            case Minimized:
                MinimizedChosen(rec);
                break;
        }
        EXPECT_EQ(rec.SysteemLade, c.trayAfter) << &c - cases;
        EXPECT_EQ(rec.Minimalizeren, c.minimisedAfter) << &c - cases;
    }
    EXPECT_EQ(ArrowLeft(true), 365);
    EXPECT_EQ(ArrowLeft(false), 335);
}

TEST(OptionsTexts, TheFrenchDefaultsHeadingsDiffer) {
    EXPECT_STREQ(OptionTexts(2).defaults, "Défauts");
    EXPECT_STREQ(OptionTexts(2).defaults2, "Défauls");
    EXPECT_STREQ(OptionTexts(0).caption, "Voorkeuren");
    EXPECT_STREQ(OptionTexts(7).caption, "Voorkeuren") << "out of range gives Dutch";
}

}  // namespace

namespace {

TEST(OptionsArt, PicturesAreDrawnOnTheKeyColourAndLeaveItAtTheirBottomLeft) {
    const struct {
        const char* name;
        Picture picture;
        int size;
    } pictures[] = {
        {"symbol position", SymbolPositionPicture(), 16},
        {"ok", OkPicture(), 16},
        {"languages", LanguagesPicture(), 32},
        {"clipboard", ClipboardCoinPicture(), 32},
        {"results", ResultsPicture(), 32},
        {"pointer", PointerPicture(), 16},
    };
    for (const auto& p : pictures) {
        ASSERT_EQ(p.picture.width, p.size) << p.name;
        ASSERT_EQ(p.picture.height, p.size) << p.name;
        EXPECT_EQ(p.picture.At(0, p.size - 1), kPictureKey) << p.name << ": the transparent colour";
        const auto drawn = std::count_if(p.picture.pixels.begin(), p.picture.pixels.end(),
                                         [](Colour c) { return c != kPictureKey; });
        EXPECT_GT(drawn, p.size * p.size / 8) << p.name;
    }
}

// The bank's rates reach the record only whole: a failed fetch or a file that is not understood
// leaves every setting as it was.
TEST(OptionsEcbRates, TakenWholeOrNotAtAll) {
    RecRec before;
    InitCurrencyTable(before);
    before.Koers[19] = 0.89L;
    before.KoersDatum = "2026-11-30";
    const std::string head =
        "<gesmes:Envelope><Cube><Cube time='2026-12-04'>"
        "<Cube currency='USD' rate='1.0432'/><Cube currency='HUF' rate='411.35'/>";
    const std::string tail = "</Cube></Cube></gesmes:Envelope>";
    const struct {
        const char* what;
        std::optional<std::string> bytes;
        EcbState state;
    } failures[] = {
        {"no connection", std::nullopt, EcbState::NoConnection},
        {"cut off", head, EcbState::NotUnderstood},
        {"none of our currencies",
         "<gesmes:Envelope><Cube><Cube time='2026-12-04'><Cube currency='HUF' rate='411.35'/>" +
             tail,
         EcbState::NotUnderstood},
        {"one bad rate among good ones", head + "<Cube currency='JPY' rate='-1'/>" + tail,
         EcbState::NotUnderstood},
    };
    for (const auto& f : failures) {
        RecRec rec = before;
        const EcbOutcome outcome = TakeEcbRates(rec, f.bytes);
        EXPECT_EQ(outcome.state, f.state) << f.what;
        EXPECT_TRUE(outcome.slots.empty()) << f.what;
        EXPECT_TRUE(rec == before) << f.what;
    }
    RecRec rec = before;
    const EcbOutcome outcome = TakeEcbRates(rec, head + tail);
    EXPECT_EQ(outcome.state, EcbState::Day);
    EXPECT_EQ(outcome.slots, std::vector<int>{19});
    EXPECT_EQ(outcome.kept, (std::vector<std::string>{"GBP", "SEK", "DKK", "NOK", "CHF", "JPY"}))
        << "the floating currencies the file lacks keep their rate, and are named";
    EXPECT_EQ(rec.Koers[19], 1.0432L);
    EXPECT_EQ(rec.KoersDatum, "2026-12-04");
    rec.Koers[19] = before.Koers[19];
    rec.KoersDatum = before.KoersDatum;
    EXPECT_TRUE(rec == before) << "nothing else changed";
}

TEST(OptionsEcbRates, OnlyAChangedFloatingRateClearsTheDay) {
    const struct {
        int slot;
        long double before, after;
        bool clears;
    } cases[] = {
        {19, 1.0432L, 1.0432L, false},  // left without a change
        // The box's 15 digits of a double read back: the same double, kept.
        {19, static_cast<long double>(0.89), 0.89L, false},
        {19, 1.0432L, 1.05L, true},
        {13, 0.83105L, 1, true},  // a rejected entry becomes 1
        {20, 157.41L, 157.4L, true},
        {21, 4.2675L, 4.5L, false},  // own currencies are no bank rate of ours
        {22, 1, 2, false},
        {16, 1, 2, false},  // fixed
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypedRateClearsDay(c.slot, c.before, c.after), c.clears) << c.slot;
    }
}

TEST(OptionsEcbRates, DateLineInEachLanguage) {
    EXPECT_EQ(EcbLineText(EcbState::Day, "4/12/2026", 0), "Referentiekoersen ECB van 4/12/2026");
    EXPECT_EQ(EcbLineText(EcbState::Day, "04/12/2026", 1), "ECB reference rates of 04/12/2026");
    EXPECT_EQ(EcbLineText(EcbState::Day, "04/12/2026", 2), "Cours de référence BCE du 04/12/2026");
    EXPECT_EQ(EcbLineText(EcbState::Day, "", 1), "") << "typed rates";
    EXPECT_EQ(EcbLineText(EcbState::NoConnection, "04/12/2026", 1),
              "Could not reach the ECB; rates unchanged");
    EXPECT_EQ(EcbLineText(EcbState::NotUnderstood, "", 2),
              "Fichier BCE incompris ; cours inchangés");
    EXPECT_EQ(EcbLineText(EcbState::Day, "04/12/2026", 1, {"NOK", "JPY"}),
              "ECB reference rates of 04/12/2026; unchanged: NOK, JPY");
    EXPECT_EQ(EcbLineText(EcbState::Day, "4/12/2026", 0, {"NOK"}),
              "Referentiekoersen ECB van 4/12/2026; ongewijzigd: NOK");
    EXPECT_EQ(EcbLineText(EcbState::Day, "04/12/2026", 2, {"JPY"}),
              "Cours de référence BCE du 04/12/2026 ; inchangés : JPY");
    EXPECT_EQ(EcbLineText(EcbState::Fetching, "04/12/2026", 0), "ECB-koersen worden opgehaald…");
}

}  // namespace
