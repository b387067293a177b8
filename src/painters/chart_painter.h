// SPDX-License-Identifier: GPL-3.0-or-later
// The three chart painters: South-Indian, North-Indian and East-Indian. Each
// draws a ChartModel into a rectangle of any QPainter: the result window's
// chart, the printed page, the PDF and the PNG all go through these, so a
// chart looks the same everywhere. Where each sign and house stands comes
// from the chart layout (present/chart_model.h); here it is only drawn.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "present/chart_model.h"
#include "tables/language.h"

class QPainter;

namespace tarvelin {

// How a chart is drawn: its fonts, inks and lines, and what stands in the
// empty middle of the South- and East-Indian charts.
struct ChartPen {
  QFont bodies;        // the names of the bodies in a box
  QFont markers;       // "HL"
  QFont numbers;       // the signs' numbers (and, South-Indian, names)
  QFont titleFont;     // the middle's title
  QFont subtitleFont;  // ... and the line under it
  QColor ink = QColor(0, 0, 0);
  QColor markerInk = QColor(0xa0, 0, 0);
  QColor lineInk = QColor(0, 0, 0);
  double frameWidth = 1.2;  // the outer frame, device pixels
  double lineWidth = 0.6;   // the lines between the boxes
  QString title, subtitle;  // empty: the middle stays empty
};

// Paints `model` in `style` into `box`, the signs named in `language`. The
// South-Indian painter draws today's chart; the others follow their
// styles' rules (present/chart_model.h).
void PaintChart(QPainter& painter, const QRectF& box, const ChartModel& model,
                ChartStyle style, Language language, const ChartPen& pen);

// The three painters, one per style; PaintChart picks one.
void PaintSouthChart(QPainter& painter, const QRectF& box,
                     const ChartModel& model, Language language,
                     const ChartPen& pen);
void PaintNorthChart(QPainter& painter, const QRectF& box,
                     const ChartModel& model, const ChartPen& pen);
void PaintEastChart(QPainter& painter, const QRectF& box,
                    const ChartModel& model, const ChartPen& pen);

// The rectangle of `box` that the chart's empty middle takes, or an empty
// one (North-Indian): the window lays its link there.
QRectF ChartCentre(const QRectF& box, ChartStyle style);

}  // namespace tarvelin
