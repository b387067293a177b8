// SPDX-License-Identifier: GPL-3.0-or-later
// The languages Tarvelin writes its results in. English is the default and
// the language of the JSON; every table of texts has one version per
// language, English first, and the presenter picks one by this value.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tarvelin {

enum class Language { kEnglish, kHindi, kTamil };

constexpr int kLanguageCount = 3;
constexpr std::array<Language, kLanguageCount> kLanguages = {
    Language::kEnglish, Language::kHindi, Language::kTamil};

// "en", "hi", "ta": the codes of --lang, the settings and the locale.
const char* LanguageCode(Language language);

// The language of a code as above, or of a locale name that starts with
// one ("hi_IN.UTF-8", "ta-IN"); nothing for any other text.
std::optional<Language> LanguageFromCode(std::string_view code);

// The language's own name ("English", "हिन्दी", "தமிழ்"), for the menu
// that chooses it.
const char* LanguageNativeName(Language language);

// Index of a language in tables that hold one entry per language.
constexpr int LanguageIndex(Language language) {
  return static_cast<int>(language);
}

}  // namespace tarvelin
