// SPDX-License-Identifier: GPL-3.0-or-later
// The chart on the result form: one of the three chart painters drawing the
// view's chart model in the style chosen. Everything it shows comes from the
// model; it computes nothing.
#pragma once

#include <QWidget>

#include "present/chart_model.h"
#include "tables/language.h"

namespace tarvelin {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);

  // The chart to draw and the language of its signs' names.
  void SetChart(const ChartModel& model, Language language);
  void SetStyle(ChartStyle style);

  const ChartModel& Model() const { return model_; }
  ChartStyle Style() const { return style_; }
  // The part of the view the chart's empty middle takes (nothing for the
  // North-Indian diamond).
  QRect CentreRect() const;
  // The ink of "HL": the answer's red, readable on the view's background.
  QColor MarkerInk() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF ChartBox() const;

  ChartModel model_;
  Language language_ = Language::kEnglish;
  ChartStyle style_ = ChartStyle::kSouth;
};

}  // namespace tarvelin
