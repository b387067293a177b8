// SPDX-License-Identifier: GPL-3.0-or-later
// "Calculation Options…": the sunrise rule and the ayanamsa a calculation is
// made with, each choice with a line saying what it is. The choice is kept
// in the settings (section "Calculation", the names the command line uses)
// and read back for every calculation; nothing else keeps it.
#pragma once

#include <QDialog>
#include <array>

#include "chart/calculation_options.h"

class QRadioButton;

namespace tarvelin {

// The options kept in the settings; the classic ones where none are kept or
// a kept name is not one of the choices.
CalculationOptions SavedCalculationOptions();
void SaveCalculationOptions(const CalculationOptions& options);

class CalculationOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens with `shown` chosen.
  explicit CalculationOptionsDialog(const CalculationOptions& shown,
                                    QWidget* parent = nullptr);

  // The options chosen in the dialog now.
  CalculationOptions Chosen() const;

 private:
  // The radio buttons, in the order of the enums; each carries the
  // objectName "optSunrise_NAME" or "optAyanamsa_NAME" (NAME as the
  // command line spells it: "optAyanamsa_fagan-bradley").
  std::array<QRadioButton*, kSunriseRuleCount> sunrise_{};
  std::array<QRadioButton*, kAyanamsaCount> ayanamsa_{};
};

// Shows the dialog over `parent` with the saved options; OK keeps the
// choice in the settings. True when a choice was kept.
bool EditCalculationOptions(QWidget* parent);

}  // namespace tarvelin
