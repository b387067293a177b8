// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/common/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarvelin {
namespace {

Language g_uiLanguage = Language::kEnglish;

}  // namespace

Language UiLanguage() { return g_uiLanguage; }

void SetUiLanguage(Language language) { g_uiLanguage = language; }

Language LanguageOfLocale(const QLocale& locale) {
  switch (locale.language()) {
    case QLocale::Hindi:
      return Language::kHindi;
    case QLocale::Tamil:
      return Language::kTamil;
    default:
      return Language::kEnglish;
  }
}

Language StartUpLanguage(const QString& savedCode, const QLocale& locale) {
  if (const auto saved = LanguageFromCode(savedCode.toStdString());
      saved && savedCode.size() == 2) {
    return *saved;
  }
  return LanguageOfLocale(locale);
}

QStringList TranslationFolders() {
  const QDir programs(QCoreApplication::applicationDirPath());
  return {programs.absoluteFilePath("../share/tarvelin/translations"),
          programs.absoluteFilePath("../translations")};
}

bool InstallTranslations(Language language) {
  if (language == Language::kEnglish) return true;
  QCoreApplication* app = QCoreApplication::instance();
  const QString code = QString::fromLatin1(LanguageCode(language));
  auto* own = new QTranslator(app);
  bool loaded = false;
  for (const QString& folder : TranslationFolders()) {
    if (own->load(QStringLiteral("tarvelin_") + code, folder)) {
      loaded = true;
      break;
    }
  }
  if (!loaded) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  // Qt's dialogs (file, print) follow where Qt has the language.
  auto* qt = new QTranslator(app);
  if (qt->load(QStringLiteral("qtbase_") + code,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  return true;
}

QString ShownText(const PatternText& text) {
  QString shown = QCoreApplication::translate(text.context, text.pattern);
  for (std::size_t i = 0; i < text.arguments.size(); ++i) {
    const std::string& argument = text.arguments[i];
    shown = shown.arg(
        text.translatedArguments & (1u << i)
            ? QCoreApplication::translate(text.context, argument.c_str())
            : QString::fromStdString(argument));
  }
  return shown;
}

QString ShownMessage(const InputProblem& problem) {
  if (problem.pattern.empty()) {
    return QString::fromStdString(problem.message);
  }
  return ShownText(
      {"tarvelin::InputProblem", problem.pattern.c_str(), problem.arguments});
}

}  // namespace tarvelin
