// Small shared routines: text replacement and the interface language of a locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum TztLanguage { lgNederlands = 0, lgEnglish = 1, lgFrancais = 2, lgDeutsch = 3, lgEspagnol = 4 };

inline constexpr int rfReplaceAll = 1;
inline constexpr int rfIgnoreCase = 2;

// Replaces the first occurrence of oldText (every one with rfReplaceAll; comparing letters a-z
// without regard to case with rfIgnoreCase) and returns how many were replaced.
int ReplaceText(std::string& text, std::string_view oldText, std::string_view newText, int flags);

// The interface language for a Windows locale identifier (LCID).
TztLanguage LanguageFromLcid(std::uint32_t lcid);
