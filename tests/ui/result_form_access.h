// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the result window, reached by their objectName.
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTabWidget>

#include "ui_test_support.h"
#include "widgets/result/chart_view.h"

namespace tarvelin::test {

// One of a numbered row of labels: ("planet", 3) is "planet3".
inline QLabel* RowLabel(const QObject* form, const char* row, int index) {
  return FindChild<QLabel>(form, QLatin1String(row) + QString::number(index));
}

// The chart: what it shows is its model.
inline ChartView* Chart(const QObject* form) {
  return FindChild<ChartView>(form, "chartView");
}

// The names shown in a sign's box, bodies then markers, one a line.
inline QString SignBox(const QObject* form, int sign) {
  const ChartModel& model = Chart(form)->Model();
  QStringList lines;
  for (const std::string& body : model.bodies[sign]) {
    lines << QString::fromStdString(body);
  }
  for (const std::string& marker : model.markers[sign]) {
    lines << QString::fromStdString(marker);
  }
  return lines.join('\n');
}

// The result form's tabs: chart, details, how it was found.
inline QTabWidget* Tabs(const QObject* form) {
  return FindChild<QTabWidget>(form, "SSTab1");
}

}  // namespace tarvelin::test
