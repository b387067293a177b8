// SPDX-License-Identifier: GPL-3.0-or-later
#include "painters/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "present/position_text.h"
#include "present/report_words.h"

namespace tarvelin {
namespace {

// The steps by which the text of a crowded box shrinks, and the least.
constexpr double kShrinkStep = 0.9;
constexpr double kSmallestShare = 0.55;

QPointF At(const QRectF& box, const ChartPoint& p) {
  return {box.x() + p.x * box.width(), box.y() + p.y * box.height()};
}

QPolygonF Polygon(const QRectF& box, const std::vector<ChartPoint>& outline) {
  QPolygonF polygon;
  for (const ChartPoint& p : outline) polygon << At(box, p);
  return polygon;
}

QFont Scaled(QFont font, double share) {
  font.setPointSizeF(font.pointSizeF() * share);
  return font;
}

void DrawFrameAndBoxes(QPainter& painter, const QRectF& box,
                       const ChartLayout& layout, const ChartPen& pen) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(pen.lineInk, pen.lineWidth));
  for (const ChartBox& b : layout.boxes) {
    painter.drawPolygon(Polygon(box, b.outline));
  }
  if (layout.centre) {
    painter.drawRect(
        QRectF(At(box, (*layout.centre)[0]), At(box, (*layout.centre)[1])));
  }
  painter.setPen(QPen(pen.lineInk, pen.frameWidth));
  painter.drawRect(box);
}

// The title and subtitle in the middle of the chart, if the pen has them.
void DrawCentre(QPainter& painter, const QRectF& centre, const ChartPen& pen) {
  if (pen.title.isEmpty() || centre.isEmpty()) return;
  const QFontMetricsF title(pen.titleFont, painter.device());
  const QFontMetricsF subtitle(pen.subtitleFont, painter.device());
  const double height =
      title.height() + (pen.subtitle.isEmpty() ? 0 : subtitle.height());
  double y = centre.center().y() - height / 2;
  painter.setPen(pen.ink);
  painter.setFont(pen.titleFont);
  painter.drawText(QRectF(centre.left(), y, centre.width(), title.height()),
                   Qt::AlignCenter, pen.title);
  y += title.height();
  if (pen.subtitle.isEmpty()) return;
  painter.setFont(pen.subtitleFont);
  painter.drawText(
      QRectF(centre.left(), y, centre.width(), subtitle.height()),
      Qt::AlignCenter,
      subtitle.elidedText(pen.subtitle, Qt::ElideRight, centre.width()));
}

// The x range of a convex polygon between heights top and bottom: what a
// line of text there may take.
std::optional<std::pair<double, double>> BandSpan(const QPolygonF& polygon,
                                                  double top, double bottom) {
  double left = -1e18, right = 1e18;
  for (const double y : {top, bottom}) {
    double l = 1e18, r = -1e18;
    for (int i = 0; i < polygon.size(); ++i) {
      const QPointF& p = polygon[i];
      const QPointF& q = polygon[(i + 1) % polygon.size()];
      if (y < std::min(p.y(), q.y()) || y > std::max(p.y(), q.y())) continue;
      if (p.y() == q.y()) {
        l = std::min({l, p.x(), q.x()});
        r = std::max({r, p.x(), q.x()});
      } else {
        const double x =
            p.x() + (y - p.y()) * (q.x() - p.x()) / (q.y() - p.y());
        l = std::min(l, x);
        r = std::max(r, x);
      }
    }
    if (l > r) return std::nullopt;
    left = std::max(left, l);
    right = std::min(right, r);
  }
  if (left >= right) return std::nullopt;
  return std::make_pair(left, right);
}

struct BoxLine {
  QString text;
  bool marker;
};

// Sets `lines` one under another inside `polygon`, each centred in the
// width the box has there, the block as near the box's centre as it goes
// and clear of `keepOff` (the box's number). The font shrinks until they
// fit; what fits nowhere is drawn, small, at the centre.
void FlowIntoBox(QPainter& painter, const QPolygonF& polygon,
                 const std::vector<BoxLine>& lines, const QRectF& keepOff,
                 const ChartPen& pen) {
  if (lines.empty()) return;
  const QRectF bounds = polygon.boundingRect();
  const double centreY = [&] {
    double y = 0;
    for (const QPointF& p : polygon) y += p.y();
    return y / polygon.size();
  }();
  for (double share = 1.0;; share *= kShrinkStep) {
    const bool last = share * kShrinkStep < kSmallestShare;
    const QFont bodies = Scaled(pen.bodies, share);
    const QFont markers = Scaled(pen.markers, share);
    const QFontMetricsF bm(bodies, painter.device());
    const QFontMetricsF mm(markers, painter.device());
    const double lineHeight = std::max(bm.height(), mm.height());
    const double pad = lineHeight * 0.25;
    const double blockHeight = lineHeight * static_cast<double>(lines.size());
    std::optional<double> bestTop;
    std::vector<QRectF> bestRects;
    for (double top = bounds.top() + pad;
         top + blockHeight <= bounds.bottom() - pad; top += lineHeight / 4) {
      std::vector<QRectF> rects;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const double y = top + lineHeight * static_cast<double>(i);
        const auto span = BandSpan(polygon, y, y + lineHeight);
        const QFontMetricsF& fm = lines[i].marker ? mm : bm;
        const double width = fm.horizontalAdvance(lines[i].text);
        if (!span || span->second - span->first - 2 * pad < width) break;
        const double middle = (span->first + span->second) / 2;
        const QRectF rect(middle - width / 2, y, width, lineHeight);
        if (rect.intersects(keepOff)) break;
        rects.push_back(rect);
      }
      if (rects.size() != lines.size()) continue;
      const double distance = std::abs(top + blockHeight / 2 - centreY);
      if (!bestTop ||
          distance < std::abs(*bestTop + blockHeight / 2 - centreY)) {
        bestTop = top;
        bestRects = rects;
      }
    }
    if (!bestTop && !last) continue;
    if (!bestTop) {
      // Nothing fits: centred on the box, cut to it.
      const double top = centreY - blockHeight / 2;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        bestRects.emplace_back(bounds.left(),
                               top + lineHeight * static_cast<double>(i),
                               bounds.width(), lineHeight);
      }
      QPainterPath clip;
      clip.addPolygon(polygon);
      painter.save();
      painter.setClipPath(clip, Qt::IntersectClip);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      painter.setFont(lines[i].marker ? markers : bodies);
      painter.setPen(lines[i].marker ? pen.markerInk : pen.ink);
      painter.drawText(bestRects[i], Qt::AlignCenter, lines[i].text);
    }
    if (!bestTop) painter.restore();
    return;
  }
}

std::vector<BoxLine> LinesOf(const ChartModel& model, int sign) {
  std::vector<BoxLine> lines;
  for (const std::string& body : model.bodies[sign]) {
    lines.push_back({QString::fromStdString(body), false});
  }
  for (const std::string& marker : model.markers[sign]) {
    lines.push_back({QString::fromStdString(marker), true});
  }
  return lines;
}

// North- and East-Indian charts: the sign's number at its place, the
// bodies and markers flowed into the box.
void PaintNumberedBoxes(QPainter& painter, const QRectF& box,
                        const ChartModel& model, const ChartLayout& layout,
                        const ChartPen& pen) {
  const QFontMetricsF nm(pen.numbers, painter.device());
  for (const ChartBox& b : layout.boxes) {
    const QString number = QString::number(b.sign + 1);
    const QPointF at = At(box, b.numberAt);
    const double w = nm.horizontalAdvance(number), h = nm.height();
    const QRectF numberRect(at.x() - w / 2, at.y() - h / 2, w, h);
    painter.setFont(pen.numbers);
    painter.setPen(pen.ink);
    painter.drawText(numberRect, Qt::AlignCenter, number);
    FlowIntoBox(painter, Polygon(box, b.outline), LinesOf(model, b.sign),
                numberRect.adjusted(-w / 4, 0, w / 4, 0), pen);
  }
}

}  // namespace

void PaintSouthChart(QPainter& painter, const QRectF& box,
                     const ChartModel& model, Language language,
                     const ChartPen& pen) {
  const ChartLayout layout = LayoutChart(ChartStyle::kSouth, 0);
  DrawFrameAndBoxes(painter, box, layout, pen);
  const QFontMetricsF nm(pen.numbers, painter.device());
  for (const ChartBox& b : layout.boxes) {
    const QRectF cell(At(box, b.outline[0]), At(box, b.outline[2]));
    const double pad = std::min(cell.width(), cell.height()) * 0.04;
    const QRectF inner = cell.adjusted(pad, pad, -pad, -pad);
    // The sign's name and number in the top right corner; English writes
    // the name's three letters, as the position texts do.
    const std::string_view abbreviation = SignAbbreviation(b.sign);
    const QString name =
        language == Language::kEnglish
            ? QString::fromLatin1(abbreviation.data(),
                                  static_cast<qsizetype>(abbreviation.size()))
            : QString::fromStdString(SignNameIn(b.sign, language));
    painter.setFont(pen.numbers);
    painter.setPen(pen.ink);
    painter.drawText(inner, Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("%1 %2").arg(name).arg(b.sign + 1));
    const double labelHeight = nm.height();
    // Below it, on the right, the markers ("HL")...
    QStringList markers;
    for (const std::string& m : model.markers[b.sign]) {
      markers << QString::fromStdString(m);
    }
    painter.setFont(pen.markers);
    painter.setPen(pen.markerInk);
    painter.drawText(inner.adjusted(0, labelHeight, 0, 0),
                     Qt::AlignRight | Qt::AlignTop, markers.join('\n'));
    // ... and on the left the bodies, one a line, smaller where many.
    QStringList bodies;
    for (const std::string& body : model.bodies[b.sign]) {
      bodies << QString::fromStdString(body);
    }
    if (bodies.isEmpty()) continue;
    const QRectF room = inner.adjusted(0, labelHeight, 0, 0);
    QFont font = pen.bodies;
    for (double share = 1.0; share >= kSmallestShare; share *= kShrinkStep) {
      font = Scaled(pen.bodies, share);
      const QFontMetricsF fm(font, painter.device());
      if (fm.height() * bodies.size() <= room.height()) break;
    }
    painter.setFont(font);
    painter.setPen(pen.ink);
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop, bodies.join('\n'));
  }
  DrawCentre(painter, ChartCentre(box, ChartStyle::kSouth), pen);
}

void PaintNorthChart(QPainter& painter, const QRectF& box,
                     const ChartModel& model, const ChartPen& pen) {
  const ChartLayout layout =
      LayoutChart(ChartStyle::kNorth, model.ascendantSign);
  DrawFrameAndBoxes(painter, box, layout, pen);
  PaintNumberedBoxes(painter, box, model, layout, pen);
}

void PaintEastChart(QPainter& painter, const QRectF& box,
                    const ChartModel& model, const ChartPen& pen) {
  const ChartLayout layout =
      LayoutChart(ChartStyle::kEast, model.ascendantSign);
  DrawFrameAndBoxes(painter, box, layout, pen);
  PaintNumberedBoxes(painter, box, model, layout, pen);
  DrawCentre(painter, ChartCentre(box, ChartStyle::kEast), pen);
}

void PaintChart(QPainter& painter, const QRectF& box, const ChartModel& model,
                ChartStyle style, Language language, const ChartPen& pen) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  switch (style) {
    case ChartStyle::kSouth:
      PaintSouthChart(painter, box, model, language, pen);
      break;
    case ChartStyle::kNorth:
      PaintNorthChart(painter, box, model, pen);
      break;
    case ChartStyle::kEast:
      PaintEastChart(painter, box, model, pen);
      break;
  }
  painter.restore();
}

QRectF ChartCentre(const QRectF& box, ChartStyle style) {
  const ChartLayout layout = LayoutChart(style, 0);
  if (!layout.centre) return {};
  return QRectF(At(box, (*layout.centre)[0]), At(box, (*layout.centre)[1]));
}

}  // namespace tarvelin
