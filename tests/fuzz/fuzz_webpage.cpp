// The web page and its picture names from any entries and any own texts: the page is plain
// ASCII, markup comes only from the tag writers (no `<`, `>`, `"` or bare `&` of the input gets
// through), and no picture name leaves the picture folder or meets another ignoring case.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/CurrencyTable.h"
#include "fuzz/fuzz_check.h"
#include "ui/PrintList.h"

namespace {

std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// A name that stays in its folder: no separator, no drive, nothing Windows rejects or takes for
// a device, not only dots.
void CheckPictureName(const std::string& name) {
    FUZZ_CHECK(name.size() > 4 && name.ends_with(".BMP"));
    for (const char c : name) {
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        FUZZ_CHECK(std::string_view("\\/:*?\"<>|#%").find(c) == std::string_view::npos);
    }
    FUZZ_CHECK(name.substr(0, name.size() - 4).find_first_not_of(". ") != std::string::npos);
    const std::string stem = AsciiUpper(name.substr(0, name.find('.')));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) FUZZ_CHECK(stem != device);
    const bool port = (stem.starts_with("COM") || stem.starts_with("LPT")) && stem.size() == 4 &&
                      stem[3] >= '0' && stem[3] <= '9';
    FUZZ_CHECK(!port);
}

// Text between the tags: no markup character and every & the start of a reference.
void CheckEscaped(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(text[i] != '<' && text[i] != '>' && text[i] != '"');
        if (text[i] != '&') continue;
        const std::size_t end = text.find(';', i);
        FUZZ_CHECK(end != std::string_view::npos);
        const std::string_view entity = text.substr(i, end - i + 1);
        const bool numeric = entity.size() > 3 && entity[1] == '#' &&
                             std::all_of(entity.begin() + 2, entity.end() - 1,
                                         [](char c) { return c >= '0' && c <= '9'; });
        FUZZ_CHECK(numeric || entity == "&amp;" || entity == "&lt;" || entity == "&gt;" ||
                   entity == "&quot;");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    RecRec rec;
    InitCurrencyTable(rec);
    rec.KolomVlag = in.ConsumeBool();
    rec.KolomMunt = in.ConsumeBool();
    rec.KolomMunteenheid = in.ConsumeBool();
    rec.KolomSymbool = in.ConsumeBool();
    const int language = in.ConsumeIntegralInRange(-1, 4);
    for (int i = in.ConsumeIntegralInRange(0, 6); i > 0; --i) {
        const int slot = in.ConsumeIntegralInRange(1, kSlotCount);
        rec.Munteenheid[slot] = in.ConsumeRandomLengthString(12);
        rec.Symbool[slot] = in.ConsumeRandomLengthString(6);
        rec.Munt[slot][static_cast<std::size_t>(std::clamp(language, 0, 3))] =
            in.ConsumeRandomLengthString(16);
    }
    std::vector<std::string> entries;
    while (in.remaining_bytes() > 0 && entries.size() < 40) {
        if (in.ConsumeIntegralInRange(0, 3) == 0) {
            entries.push_back(in.ConsumeRandomLengthString(40));
        } else {
            const std::string from = in.ConsumeRandomLengthString(16);
            const int fromSlot = in.ConsumeIntegralInRange(0, kSlotCount + 1);
            const std::string to = in.ConsumeRandomLengthString(16);
            entries.push_back(MakeEntry(from, fromSlot, to, in.ConsumeIntegralInRange(0, 23)));
        }
    }

    const std::vector<PictureFile> pictures = PicturesForPage(entries, rec);
    std::set<std::string> pictureNames;
    for (const PictureFile& picture : pictures) {
        CheckPictureName(picture.fileName);
        for (const std::string& other : pictureNames) {
            FUZZ_CHECK(AsciiUpper(other) != AsciiUpper(picture.fileName));
        }
        pictureNames.insert(picture.fileName);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot)
        CheckPictureName(PictureFileName(rec.Munteenheid[slot]));

    const std::vector<std::string> lines = BuildWebPageLines(entries, rec, language);
    const std::vector<std::string> emptyPage = BuildWebPageLines({}, rec, language);
    FUZZ_CHECK(lines.size() >= emptyPage.size());
    const std::size_t head = 8;
    const std::size_t tail = 5;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        FUZZ_CHECK(std::all_of(line.begin(), line.end(),
                               [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        if (i < head) FUZZ_CHECK(line == emptyPage[i]);
        if (i >= lines.size() - tail)
            FUZZ_CHECK(line == emptyPage[i - (lines.size() - emptyPage.size())]);
        if (i < head || i >= lines.size() - tail) continue;
        if (line == "<tr>" || line == "</tr>" || line == "</td>" ||
            line.starts_with("<td valign=\"center\" width=\"")) {
            FUZZ_CHECK(line == "<tr>" || line == "</tr>" || line == "</td>" ||
                       std::count(line.begin(), line.end(), '<') == 1);
            continue;
        }
        const std::string_view image = "<img src=\"images/";
        if (line.starts_with(image)) {
            FUZZ_CHECK(line.ends_with("\">"));
            const std::string_view source(line.data() + image.size(),
                                          line.size() - image.size() - 2);
            CheckEscaped(source);
            FUZZ_CHECK(source.find('/') == std::string_view::npos);
            continue;
        }
        CheckEscaped(line);
    }
    return 0;
}
