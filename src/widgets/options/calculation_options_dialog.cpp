// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/options/calculation_options_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/common/app_seams.h"

namespace tarvelin {
namespace {

constexpr char kSection[] = "Calculation";
constexpr char kSunriseKey[] = "Sunrise";
constexpr char kAyanamsaKey[] = "Ayanamsa";

// A choice of the dialog: its caption and the line that says what it is.
struct Choice {
  const char* caption;
  const char* description;
};

// In the order of SunriseRule.
constexpr std::array<Choice, kSunriseRuleCount> kSunriseChoices = {{
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "Classic (the default)"),
     QT_TRANSLATE_NOOP(
         "tarvelin::CalculationOptionsDialog",
         "The Sun's upper edge on the horizon, with refraction, "
         "to the minute: the numbers Tarvelin has always given.")},
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog", "Upper edge"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "The Sun's upper edge on the horizon, with 34′ "
                       "refraction, to the second: the sunrise of almanacs.")},
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog", "Disc centre"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "The centre of the Sun's disc on the horizon, no "
                       "refraction, to the second: the traditional Hindu "
                       "sunrise, about 4 minutes later in India.")},
}};

// In the order of Ayanamsa. The differences are those of 2000 (they change
// by under a second of arc a century).
constexpr std::array<Choice, kAyanamsaCount> kAyanamsaChoices = {{
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "Classic (the default)"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "Tarvelin's own, within a minute of arc of Lahiri's "
                       "(23° 51′ in 2000).")},
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog", "Lahiri"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "Chitrapaksha, India's official one: 23° 15′ 00.658″ "
                       "on 21 March 1956.")},
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog", "Raman"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "About 1° 27′ less than Lahiri's.")},
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog", "Krishnamurti"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "About 6′ less than Lahiri's.")},
    {QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog", "Fagan-Bradley"),
     QT_TRANSLATE_NOOP("tarvelin::CalculationOptionsDialog",
                       "The Western sidereal zodiac's: about 53′ more than "
                       "Lahiri's.")},
}};

// A group box of radio buttons, one row per choice with its description
// beside it; the buttons come back in `buttons`, named `prefix` + the
// choice's command-line name.
template <std::size_t N>
QGroupBox* ChoiceGroup(const QString& title, const char* name,
                       const QString& prefix,
                       const std::array<Choice, N>& choices,
                       const std::array<const char*, N>& names,
                       std::array<QRadioButton*, N>& buttons) {
  auto* group = new QGroupBox(title);
  group->setObjectName(name);
  auto* grid = new QGridLayout(group);
  auto* exclusive = new QButtonGroup(group);
  for (std::size_t i = 0; i < N; ++i) {
    auto* button = new QRadioButton(
        CalculationOptionsDialog::tr(choices[i].caption), group);
    button->setObjectName(prefix + QLatin1String(names[i]));
    auto* description =
        new QLabel(CalculationOptionsDialog::tr(choices[i].description), group);
    description->setObjectName(prefix + QLatin1String(names[i]) +
                               QLatin1String("_about"));
    description->setBuddy(button);
    exclusive->addButton(button, static_cast<int>(i));
    grid->addWidget(button, static_cast<int>(i), 0);
    grid->addWidget(description, static_cast<int>(i), 1);
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
  column->addWidget(ChoiceGroup(tr("Sunrise rule"), "fraSunrise",
                                QStringLiteral("optSunrise_"), kSunriseChoices,
                                kSunriseRuleNames, sunrise_));
  column->addWidget(ChoiceGroup(tr("Ayanamsa"), "fraAyanamsa",
                                QStringLiteral("optAyanamsa_"),
                                kAyanamsaChoices, kAyanamsaNames, ayanamsa_));
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
