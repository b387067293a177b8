// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the desktop program's windows, chosen once at start-up
// (the "Language" setting, else the system's locale) and kept for the run:
// Qt's translator speaks it for the windows' own texts, and the presenter
// writes the results in it.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "rules/input_problem.h"
#include "tables/language.h"
#include "tables/translatable.h"

namespace tarvelin {

// The language the windows speak (English until start-up sets another).
Language UiLanguage();
void SetUiLanguage(Language language);

// The language of a locale: Hindi for hi_IN, Tamil for ta_IN and ta_LK,
// English for any other.
Language LanguageOfLocale(const QLocale& locale);

// The language a start-up takes: the saved choice (a code as
// LanguageCode gives), or where there is none or it is unknown, the
// locale's.
Language StartUpLanguage(const QString& savedCode, const QLocale& locale);

// Loads and installs the translations of `language` on the running
// application: Tarvelin's own (tarvelin_hi.qm, ...) from the installed
// share/tarvelin/translations or, run from the build folder, its
// translations folder; and Qt's own for its dialogs where Qt ships one.
// False, with nothing installed, when Tarvelin's own cannot be loaded.
bool InstallTranslations(Language language);

// Where InstallTranslations looks for Tarvelin's own, in order.
QStringList TranslationFolders();

// A message of the form's checks in the windows' language (its English
// message where it has no pattern).
QString ShownMessage(const InputProblem& problem);

// A message of the layers without Qt in the windows' language.
QString ShownText(const PatternText& text);

}  // namespace tarvelin
