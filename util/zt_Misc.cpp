// Text replacement and the interface language of a locale.
#include "util/zt_Misc.h"

namespace {

// Only the letters a to z change: the text is UTF-8 and other bytes must stay as they are.
char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool MatchesAt(const std::string& text, std::size_t at, std::string_view old, bool ignoreCase) {
    if (old.size() > text.size() - at) return false;
    for (std::size_t i = 0; i < old.size(); ++i) {
        const char c = ignoreCase ? UpperAscii(text[at + i]) : text[at + i];
        if (c != old[i]) return false;
    }
    return true;
}

// True when lcid is first + 1024 * k for some k in 0..count-1: the same language in its
// sub-languages (countries).
bool InLanguageFamily(std::uint32_t lcid, std::uint32_t first, std::uint32_t count) {
    constexpr std::uint32_t kStep = 1024;
    return lcid >= first && (lcid - first) % kStep == 0 && (lcid - first) / kStep < count;
}

}  // namespace

int ReplaceText(std::string& text, std::string_view oldText, std::string_view newText, int flags) {
    if (text.empty() || oldText.empty()) return 0;
    const bool all = (flags & rfReplaceAll) != 0;
    const bool ignoreCase = (flags & rfIgnoreCase) != 0;
    std::string old(oldText);
    if (ignoreCase)
        for (char& c : old) c = UpperAscii(c);

    std::string out;
    out.reserve(text.size());
    int count = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (MatchesAt(text, at, old, ignoreCase)) {
            out.append(newText);
            at += old.size();
            ++count;
            if (!all) {
                out.append(text, at, std::string::npos);
                at = text.size();
            }
        } else {
            out.push_back(text[at]);
            ++at;
        }
    }
    text = std::move(out);
    return count;
}

TztLanguage LanguageFromLcid(std::uint32_t lcid) {
    if (lcid == 1043 || lcid == 2067) return lgNederlands;
    if (InLanguageFamily(lcid, 1036, 5)) return lgFrancais;
    if (InLanguageFamily(lcid, 1031, 5)) return lgDeutsch;
    if (InLanguageFamily(lcid, 1034, 20)) return lgEspagnol;
    return lgEnglish;
}
