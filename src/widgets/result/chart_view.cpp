// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/result/chart_view.h"

#include <QPainter>

#include "painters/chart_painter.h"
#include "widgets/common/answer_ink.h"
#include "widgets/common/ui_widgets.h"

namespace tarvelin {
namespace {

// The marker ("HL") is drawn a point smaller than the names, in bold and
// the result form's red; the signs' numbers and three letters in a
// typewriter face, as the chart has always shown them.
constexpr double kMarkerShare = 7.0 / 8.0;

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("chartView");
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ChartView::SetChart(const ChartModel& model, Language language) {
  model_ = model;
  language_ = language;
  update();
}

void ChartView::SetStyle(ChartStyle style) {
  style_ = style;
  update();
}

QRectF ChartView::ChartBox() const {
  // Inside the widget by half the frame's line, so that it shows whole.
  return QRectF(rect()).adjusted(1, 1, -1, -1);
}

QRect ChartView::CentreRect() const {
  return ChartCentre(ChartBox(), style_).toAlignedRect();
}

QColor ChartView::MarkerInk() const {
  return AnswerInk(palette().color(backgroundRole()));
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  ChartPen pen;
  pen.bodies = font();
  pen.markers = font();
  pen.markers.setBold(true);
  pen.markers.setPointSizeF(font().pointSizeF() * kMarkerShare);
  pen.numbers = NamedFont("Courier New", 8, QFont::Monospace);
  pen.numbers.setPointSizeF(font().pointSizeF());
  pen.ink = palette().color(QPalette::WindowText);
  pen.lineInk = pen.ink;
  pen.markerInk = MarkerInk();
  pen.frameWidth = 1.5;
  pen.lineWidth = 1.0;
  PaintChart(painter, ChartBox(), model_, style_, language_, pen);
}

}  // namespace tarvelin
