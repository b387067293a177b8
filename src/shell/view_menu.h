// SPDX-License-Identifier: GPL-3.0-or-later
// The "View" menu of the input form and of the result window: "Chart Style"
// (South-Indian, North-Indian, East-Indian) and "Language" (English, Hindi,
// Tamil, or the system's). Both choices are kept in the settings, section
// "View". A chart style takes effect at once; a language at the next start,
// for the windows are built in the language they start in.
#pragma once

#include <QObject>
#include <QString>

#include "present/chart_model.h"

class QActionGroup;
class QMainWindow;
class QMenu;

namespace tarvelin {

// The chart style kept in the settings (South-Indian when none is).
ChartStyle SavedChartStyle();
void SaveChartStyle(ChartStyle style);

// The language kept in the settings ("en", "hi", "ta"); empty for the
// system's.
QString SavedLanguageCode();
void SaveLanguageCode(const QString& code);

class ViewMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the menu to `window`'s menu bar, after its first menu.
  explicit ViewMenu(QMainWindow* window);

  // Ticks `style` in the menu (another window may have chosen it).
  void ShowChartStyle(ChartStyle style);

 signals:
  // A chart style was chosen (and saved).
  void chartStyleChosen(tarvelin::ChartStyle style);

 private:
  void ChooseLanguage(const QString& code);

  QMainWindow* window_;
  QMenu* menu_;
  QActionGroup* styles_;
  QActionGroup* languages_;
};

}  // namespace tarvelin
