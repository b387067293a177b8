// SPDX-License-Identifier: GPL-3.0-or-later
// The three painters draw each sign's contents in the box the layout gives
// that sign: the Hora Lagna's marker, drawn in its own ink, lands in the
// marker's sign for every style and several ascendants.
#include "painters/chart_painter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "ui_test_main.h"

using namespace tarvelin;

class ChartPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void markerLandsInItsSign();
};

void ChartPainterTest::markerLandsInItsSign() {
  constexpr int kSide = 600;
  const QColor kMarkerInk(255, 0, 0);
  for (const ChartStyle style : kChartStyles) {
    for (const int ascendant : {0, 4, 11}) {
      for (const int markerSign : {0, 2, 7, 11}) {
        ChartModel model;
        model.ascendantSign = ascendant;
        model.bodies[(markerSign + 6) % 12] = {"Sun", "Moon"};
        model.markers[markerSign] = {"HL"};
        QImage image(kSide, kSide, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
          QPainter painter(&image);
          ChartPen pen;
          pen.bodies = pen.markers = pen.numbers = QFont("DejaVu Sans", 9);
          pen.markerInk = kMarkerInk;
          PaintChart(painter, QRectF(0, 0, kSide, kSide), model, style,
                     Language::kEnglish, pen);
        }
        // The middle of the marker's ink, as a point of the chart's square.
        double x = 0, y = 0;
        int count = 0;
        for (int row = 0; row < kSide; ++row) {
          for (int col = 0; col < kSide; ++col) {
            const QColor c = image.pixelColor(col, row);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
              x += col;
              y += row;
              ++count;
            }
          }
        }
        const QString where = QStringLiteral("%1, ascendant %2, marker in %3")
                                  .arg(ChartStyleCode(style))
                                  .arg(ascendant + 1)
                                  .arg(markerSign + 1);
        QVERIFY2(count > 10, qPrintable(where));
        const ChartPoint at{x / count / kSide, y / count / kSide};
        const ChartLayout layout = LayoutChart(style, ascendant);
        const ChartBox& box = layout.boxes[markerSign];
        const auto span = SpanAt(box.outline, at.y);
        QVERIFY2(span && at.x > (*span)[0] && at.x < (*span)[1],
                 qPrintable(where));
      }
    }
  }
}

TARVELIN_TEST_MAIN(ChartPainterTest);
#include "chart_painter_test.moc"
