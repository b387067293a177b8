// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/language.h"

namespace tarvelin {
namespace {

struct LanguageNames {
  const char* code;
  const char* nativeName;
};
constexpr std::array<LanguageNames, kLanguageCount> kNames = {{
    {"en", "English"},
    {"hi", "\u0939\u093F\u0928\u094D\u0926\u0940"},  // हिन्दी
    {"ta", "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD"},        // தமிழ்
}};

}  // namespace

const char* LanguageCode(Language language) {
  return kNames[LanguageIndex(language)].code;
}

const char* LanguageNativeName(Language language) {
  return kNames[LanguageIndex(language)].nativeName;
}

std::optional<Language> LanguageFromCode(std::string_view code) {
  for (const Language language : kLanguages) {
    const std::string_view own = LanguageCode(language);
    // The code alone, or followed by a territory or an encoding.
    if (code.substr(0, own.size()) == own &&
        (code.size() == own.size() || code[own.size()] == '_' ||
         code[own.size()] == '-' || code[own.size()] == '.' ||
         code[own.size()] == '@')) {
      return language;
    }
  }
  return std::nullopt;
}

}  // namespace tarvelin
