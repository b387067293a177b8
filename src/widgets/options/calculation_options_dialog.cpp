// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/options/calculation_options_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "present/hora_lagna_text.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"

namespace tarvelin {
namespace {

constexpr char kSection[] = "Calculation";
constexpr char kSunriseKey[] = "Sunrise";
constexpr char kAyanamsaKey[] = "Ayanamsa";

// The descriptions' width, in average characters.
constexpr int kDescriptionCharacters = 60;

// A group box of radio buttons, one row per choice of `Kind` with its
// description beside it (both as present/ words them, in the windows'
// language); the buttons come back in `buttons`, named `prefix` + the
// choice's command-line name. The first choice is the default.
template <class Kind, std::size_t N>
QGroupBox* ChoiceGroup(const QString& title, const char* name,
                       const QString& prefix,
                       const std::array<const char*, N>& names,
                       std::string (*caption)(Kind, Language),
                       std::string (*description)(Kind, Language),
                       std::array<QRadioButton*, N>& buttons) {
  auto* group = new QGroupBox(title);
  group->setObjectName(name);
  auto* grid = new QGridLayout(group);
  auto* exclusive = new QButtonGroup(group);
  const Language language = UiLanguage();
  for (std::size_t i = 0; i < N; ++i) {
    const Kind kind = static_cast<Kind>(i);
    QString text = QString::fromStdString(caption(kind, language));
    if (i == 0)
      text = CalculationOptionsDialog::tr("%1 (the default)").arg(text);
    auto* button = new QRadioButton(text, group);
    button->setObjectName(prefix + QLatin1String(names[i]));
    auto* about =
        new QLabel(QString::fromStdString(description(kind, language)), group);
    about->setObjectName(prefix + QLatin1String(names[i]) +
                         QLatin1String("_about"));
    // A long sentence (or a longer language) takes a second line rather
    // than a wider dialog than the screen.
    about->setWordWrap(true);
    about->setMinimumWidth(about->fontMetrics().averageCharWidth() *
                           kDescriptionCharacters);
    exclusive->addButton(button, static_cast<int>(i));
    grid->addWidget(button, static_cast<int>(i), 0);
    grid->addWidget(about, static_cast<int>(i), 1);
    buttons[i] = button;
  }
  grid->setColumnStretch(1, 1);
  return group;
}

template <std::size_t N>
int CheckedIndex(const std::array<QRadioButton*, N>& buttons) {
  for (std::size_t i = 0; i < N; ++i) {
    if (buttons[i]->isChecked()) return static_cast<int>(i);
  }
  return 0;
}

}  // namespace

CalculationOptions SavedCalculationOptions() {
  CalculationOptions options;
  SettingsStore& settings = Settings();
  const auto text = [&settings](const char* key) {
    return settings.value(kSection, key).toString().toStdString();
  };
  if (const auto rule = SunriseRuleNamed(text(kSunriseKey))) {
    options.sunrise = *rule;
  }
  if (const auto ayanamsa = AyanamsaNamed(text(kAyanamsaKey))) {
    options.ayanamsa = *ayanamsa;
  }
  return options;
}

void SaveCalculationOptions(const CalculationOptions& options) {
  SettingsStore& settings = Settings();
  settings.setValue(kSection, kSunriseKey,
                    QString::fromLatin1(NameOf(options.sunrise)));
  settings.setValue(kSection, kAyanamsaKey,
                    QString::fromLatin1(NameOf(options.ayanamsa)));
}

CalculationOptionsDialog::CalculationOptionsDialog(
    const CalculationOptions& shown, QWidget* parent)
    : QDialog(parent) {
  setObjectName("dlgCalculationOptions");
  setWindowTitle(tr("Calculation Options"));
  auto* column = new QVBoxLayout(this);
  column->addWidget(ChoiceGroup(
      tr("Sunrise rule"), "fraSunrise", QStringLiteral("optSunrise_"),
      kSunriseRuleNames, &SunriseRuleName, &SunriseRuleDescription, sunrise_));
  column->addWidget(ChoiceGroup(
      tr("Ayanamsa"), "fraAyanamsa", QStringLiteral("optAyanamsa_"),
      kAyanamsaNames, &AyanamsaName, &AyanamsaDescription, ayanamsa_));
  auto* note = new QLabel(
      tr("The options apply to the next calculation and are kept for the "
         "next start."),
      this);
  note->setObjectName("lblOptionsNote");
  column->addWidget(note);
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->setObjectName("buttons");
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOk");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
  // The buttons' words are ours: Qt ships none in Hindi or Tamil.
  buttons->button(QDialogButtonBox::Ok)
      ->setText(QCoreApplication::translate("tarvelin::Message", "OK"));
  buttons->button(QDialogButtonBox::Cancel)
      ->setText(QCoreApplication::translate("tarvelin::ShowMessage", "Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);

  sunrise_[static_cast<std::size_t>(shown.sunrise)]->setChecked(true);
  ayanamsa_[static_cast<std::size_t>(shown.ayanamsa)]->setChecked(true);
  sunrise_[static_cast<std::size_t>(shown.sunrise)]->setFocus();
}

CalculationOptions CalculationOptionsDialog::Chosen() const {
  CalculationOptions options;
  options.sunrise = static_cast<SunriseRule>(CheckedIndex(sunrise_));
  options.ayanamsa = static_cast<Ayanamsa>(CheckedIndex(ayanamsa_));
  return options;
}

bool EditCalculationOptions(QWidget* parent) {
  CalculationOptionsDialog dialog(SavedCalculationOptions(), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  SaveCalculationOptions(dialog.Chosen());
  return true;
}

}  // namespace tarvelin
