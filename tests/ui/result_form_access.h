// The controls of the result window, reached by their objectName.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QString>
#include <QTabWidget>
#include <array>

#include "ui_test_support.h"

namespace tarvelin::test {

// One of a numbered row of labels: ("planet", 3) is "planet3".
inline QLabel* RowLabel(const QObject* form, const char* row, int index) {
  return FindChild<QLabel>(form, QLatin1String(row) + QString::number(index));
}

// The cell of a sign in the chart, Aries first.
inline QFrame* ChartCell(const QObject* form, int sign) {
  return FindChild<QFrame>(form, QStringLiteral("shpHora%1").arg(sign));
}

// The label listing the bodies in a sign's cell, Aries first.
inline QLabel* SignPlanets(const QObject* form, int sign) {
  static constexpr std::array<const char*, 12> kNames = {
      "lblAries",       "lblTaurus",    "lblGemini",   "lblCancer",
      "lblLeo",         "lblVirgo",     "lblLibra",    "lblScorpio",
      "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};
  return FindChild<QLabel>(form, kNames[sign]);
}

// The result form's tabs: chart, details, how it was found.
inline QTabWidget* Tabs(const QObject* form) {
  return FindChild<QTabWidget>(form, "SSTab1");
}

}  // namespace tarvelin::test
