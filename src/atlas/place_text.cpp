// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_text.h"

#include <QList>
#include <utility>

namespace tarvelin {
namespace {

// Scripts whose marks are accents people leave out when typing.
bool AccentsOptional(QChar::Script script) {
  switch (script) {
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
    case QChar::Script_Arabic:
    case QChar::Script_Hebrew:
    case QChar::Script_Common:
    case QChar::Script_Inherited:
      return true;
    default:
      return false;
  }
}

// Periods and apostrophes join what they stand between: "St." "N'Djamena"
// "Hawai\u02bbi".
bool Dropped(char32_t c) {
  return c == u'.' || c == u'\'' || c == u'`' || c == 0x00b4 || c == 0x2018 ||
         c == 0x2019 || c == 0x02bb || c == 0x02bc || c == 0xff0e;
}

// Letters with a stroke and ligatures have no decomposition: typed
// without them they are read as the plain letters ("Kobenhavn", "Lodz").
const char* PlainLetters(char32_t c) {
  switch (c) {
    case 0x00f8:
      return "o";  // ø
    case 0x0111:
      return "d";  // đ
    case 0x0142:
      return "l";  // ł
    case 0x00e6:
      return "ae";  // æ
    case 0x0153:
      return "oe";  // œ
    case 0x00df:
      return "ss";  // ß
    case 0x0131:
      return "i";  // dotless i
    case 0x00fe:
      return "th";  // þ
    case 0x00f0:
      return "d";  // ð
    case 0x0127:
      return "h";  // ħ
    default:
      return nullptr;
  }
}

}  // namespace

std::string FoldedPlaceText(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_KD);
  QString kept;
  kept.reserve(decomposed.size());
  QChar::Script baseScript = QChar::Script_Common;
  for (const char32_t c : decomposed.toUcs4()) {
    const auto category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing && AccentsOptional(baseScript)) {
      continue;
    }
    if (category != QChar::Mark_NonSpacing &&
        category != QChar::Mark_SpacingCombining) {
      baseScript = QChar::script(c);
    }
    if (Dropped(c)) continue;
    const bool blank = QChar::isSpace(c) || QChar::isPunct(c) ||
                       QChar::isSymbol(c) || category == QChar::Other_Control;
    if (blank) {
      kept.append(u' ');
    } else {
      kept.append(QString::fromUcs4(&c, 1));
    }
  }
  QString folded = kept.toCaseFolded();
  QString plain;
  plain.reserve(folded.size());
  for (const char32_t c : folded.toUcs4()) {
    if (const char* letters = PlainLetters(c)) {
      plain.append(QLatin1String(letters));
    } else {
      plain.append(QString::fromUcs4(&c, 1));
    }
  }
  return plain.normalized(QString::NormalizationForm_C)
      .simplified()
      .toStdString();
}

std::string FoldedPlaceText(const std::string& utf8) {
  return FoldedPlaceText(QString::fromStdString(utf8));
}

std::vector<std::string> FoldedNameVariants(const std::string& folded) {
  static const std::pair<const char*, const char*> kSameWord[] = {
      {"st", "saint"}, {"saint", "st"}, {"ste", "sainte"}, {"sainte", "ste"}};
  std::string variant;
  bool changed = false;
  std::size_t at = 0;
  while (at <= folded.size()) {
    std::size_t end = folded.find(' ', at);
    if (end == std::string::npos) end = folded.size();
    std::string word = folded.substr(at, end - at);
    for (const auto& [one, other] : kSameWord) {
      if (word == one) {
        word = other;
        changed = true;
        break;
      }
    }
    if (!variant.empty() || at > 0) variant += ' ';
    variant += word;
    at = end + 1;
  }
  if (!changed) return {};
  return {variant};
}

std::vector<std::size_t> WordStarts(const std::string& folded) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < folded.size(); ++i) {
    if (folded[i] != ' ' && (i == 0 || folded[i - 1] == ' ')) {
      starts.push_back(i);
    }
  }
  return starts;
}

}  // namespace tarvelin
