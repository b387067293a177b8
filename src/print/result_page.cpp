#include "print/result_page.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <array>

#include "present/position_text.h"
#include "tables/sign_tables.h"

namespace tarvelin {
namespace {

// Lengths are in points (1/72 inch) and become device units only when
// drawn, so the page is the same on paper, in the PDF and in the image.
constexpr double kMargin = 36;
// The text starts at full size and shrinks by this step until the page
// holds everything, but never below the smallest size.
constexpr double kShrinkStep = 0.94;
constexpr double kSmallestScale = 0.45;

const QColor kInk(0, 0, 0);
const QColor kMarkerInk(0xa0, 0, 0);  // "HL", as on the result form
const QColor kRuleInk(0x60, 0x60, 0x60);

// Where each sign stands in the South-Indian chart, Aries first (row,
// column), as on the result form.
struct ChartCell {
  int row, column;
};
constexpr std::array<ChartCell, 12> kChartCells = {{{0, 1},
                                                    {0, 2},
                                                    {0, 3},
                                                    {1, 3},
                                                    {2, 3},
                                                    {3, 3},
                                                    {3, 2},
                                                    {3, 1},
                                                    {3, 0},
                                                    {2, 0},
                                                    {1, 0},
                                                    {0, 0}}};

// The person's details with the form's captions.
struct DetailRow {
  const char* caption;
  std::string ResultView::*value;
};
constexpr std::array<DetailRow, 7> kDetailRows = {{
    {"Date of Birth :", &ResultView::lblDOB},
    {"Time of Birth :", &ResultView::lblTOB},
    {"Longitude :", &ResultView::lblLongitude},
    {"Latitude :", &ResultView::lblLatitude},
    {"City :", &ResultView::lblCity},
    {"State :", &ResultView::lblState},
    {"Country :", &ResultView::lblCountry},
}};

QString Text(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"),
                                              QStringLiteral("\n"));
}

// The non-blank lines of a view text (chart cells and marker cells begin
// with empty lines that only push their text down on the form).
QStringList Lines(const std::string& text) {
  QStringList lines = Text(text).split('\n');
  lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
  return lines;
}

bool IsReading(const SignFieldRef& field) {
  return QLatin1String(field.name).startsWith(QLatin1String("txt"));
}

// Measures, and with a painter also draws, text and lines at one text
// scale.
class Sheet {
 public:
  Sheet(QPainter* painter, const QPaintDevice* device, double scale)
      : painter_(painter),
        device_(device),
        unit_(device->logicalDpiY() / 72.0),
        scale_(scale) {}

  double scale() const { return scale_; }

  QFont Font(double points, bool bold = false) const {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: "fi" must stay two letters for a search in the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points * scale_);
    font.setBold(bold);
    return font;
  }

  // `text` wrapped into the width `w` from (x, y); returns its height.
  double Text(double x, double y, double w, const QString& text,
              const QFont& font, const QColor& ink = kInk,
              Qt::Alignment align = Qt::AlignLeft) {
    if (text.isEmpty()) return 0;
    const int flags = static_cast<int>(align | Qt::AlignTop) | Qt::TextWordWrap;
    const QRectF box(x * unit_, y * unit_, w * unit_, 1e7);
    const QRectF used =
        QFontMetricsF(font, device_).boundingRect(box, flags, text);
    if (painter_) {
      painter_->setFont(font);
      painter_->setPen(ink);
      painter_->drawText(QRectF(box.x(), box.y(), box.width(), used.height()),
                         flags, text);
    }
    return used.height() / unit_;
  }

  // The height `text` would take, without drawing it.
  double Height(double w, const QString& text, const QFont& font) const {
    if (text.isEmpty()) return 0;
    return QFontMetricsF(font, device_)
               .boundingRect(QRectF(0, 0, w * unit_, 1e7),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             text)
               .height() /
           unit_;
  }

  void Frame(double x, double y, double w, double h, double width) {
    if (!painter_) return;
    painter_->setPen(QPen(kInk, width * unit_));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(x * unit_, y * unit_, w * unit_, h * unit_));
  }

  void Rule(double x, double y, double w) {
    if (!painter_) return;
    painter_->setPen(QPen(kRuleInk, 0.5 * unit_));
    painter_->drawLine(QPointF(x * unit_, y * unit_),
                       QPointF((x + w) * unit_, y * unit_));
  }

 private:
  QPainter* painter_;
  const QPaintDevice* device_;
  double unit_;   // device units per point
  double scale_;  // of the text and the chart
};

void Chart(Sheet& sheet, double x, double y, double w, double h,
           const ResultView& view) {
  const double s = sheet.scale();
  const double cw = w / 4, ch = h / 4, pad = 3 * s;
  sheet.Frame(x, y, w, h, 1.2);
  const QFont corner = sheet.Font(6.5);
  const QFont planets = sheet.Font(7.5);
  const QFont markers = sheet.Font(7.5, true);
  for (int sign = 0; sign < 12; ++sign) {
    const double cx = x + kChartCells[sign].column * cw;
    const double cy = y + kChartCells[sign].row * ch;
    sheet.Frame(cx, cy, cw, ch, 0.6);
    const std::string_view abbreviation = SignAbbreviation(sign);
    const QString name = QString::fromLatin1(
        abbreviation.data(), static_cast<qsizetype>(abbreviation.size()));
    const double top =
        sheet.Text(cx + pad, cy + pad, cw - 2 * pad,
                   QStringLiteral("%1 %2").arg(name).arg(sign + 1), corner,
                   kInk, Qt::AlignRight);
    sheet.Text(cx + pad, cy + pad + top, cw - 2 * pad,
               Lines(view.chartLabels[sign]).join('\n'), planets);
    // The markers ("HL") in the cell's bottom-right corner.
    const QString marks = Lines(view.lblArudha[sign]).join(' ');
    const double markH = sheet.Height(cw - 2 * pad, marks, markers);
    sheet.Text(cx + pad, cy + ch - pad - markH, cw - 2 * pad, marks, markers,
               kMarkerInk, Qt::AlignRight);
  }
  // The middle: what the chart is, and whose.
  sheet.Text(x + cw, y + ch + ch * 0.6, 2 * cw, QStringLiteral("Hora"),
             sheet.Font(11, true), kInk, Qt::AlignHCenter);
  sheet.Text(x + cw, y + ch + ch * 0.6 + 16 * s, 2 * cw, Text(view.lblName),
             sheet.Font(9), kInk, Qt::AlignHCenter);
}

// Caption and value side by side; returns the row's height.
double Row(Sheet& sheet, double x, double y, double captionW, double w,
           const QString& caption, const QString& value, const QFont& font,
           const QFont& captionFont) {
  const double a = sheet.Text(x, y, captionW, caption, captionFont);
  const double b = sheet.Text(x + captionW, y, w - captionW, value, font);
  return std::max(a, b);
}

// The whole page at one scale; returns where its content ends (points).
double Compose(Sheet& sheet, const QSizeF& paper, const ResultPage& page) {
  const ResultView& view = page.view;
  const double s = sheet.scale();
  const double left = kMargin, width = paper.width() - 2 * kMargin;
  const QFont heading = sheet.Font(9.5, true);
  const QFont body = sheet.Font(8.5);
  const QFont small = sheet.Font(7.5);
  const QFont smallBold = sheet.Font(7.5, true);
  double y = kMargin;

  y += sheet.Text(left, y, width, "Hora Lagna of " + Text(view.lblName),
                  sheet.Font(15, true));
  y += 4 * s;
  y += sheet.Text(left, y, width, Text(page.summary), sheet.Font(11.5, true));
  y += 10 * s;

  // The chart, and beside it the details and the planet table.
  const double chartW = width * 0.56 * std::min(1.0, 0.4 + 0.6 * s);
  const double chartH = chartW * 0.86;
  Chart(sheet, left, y, chartW, chartH, view);
  const double colX = left + chartW + 14 * s;
  const double colW = left + width - colX;
  double side = y;
  side += sheet.Text(colX, side, colW, QStringLiteral("Your Details"), heading);
  side += 2 * s;
  side += sheet.Text(colX, side, colW, Text(view.lblName), smallBold);
  for (const DetailRow& row : kDetailRows) {
    side += Row(sheet, colX, side, colW * 0.42, colW, row.caption,
                Text(view.*row.value), small, small) +
            1.5 * s;
  }
  side += 8 * s;
  side += sheet.Text(colX, side, colW,
                     QStringLiteral("Vedic Planetary Position"), heading);
  side += 2 * s;
  for (int i = 0; i < kBodyCount; ++i) {
    side += Row(sheet, colX, side, colW * 0.5, colW, kPlanetRowCaptions[i],
                Text(view.planet[i]), small, small) +
            1.5 * s;
  }
  y = std::max(y + chartH, side) + 10 * s;

  sheet.Rule(left, y, width);
  y += 5 * s;
  y += sheet.Text(left, y, width,
                  QStringLiteral("Hora Lagna Present In House Significance"),
                  heading);
  y += 2 * s;
  y += sheet.Text(left, y, width, Text(view.lblHoraDesc), body);
  y += 8 * s;

  y += sheet.Text(left, y, width, QStringLiteral("How it was found"), heading);
  y += 2 * s;
  for (const std::string& line : page.howItWasFound) {
    y += sheet.Text(left, y, width, Text(line), small) + 1 * s;
  }

  if (!view.hasHoraLagna) return y;

  y += 8 * s;
  sheet.Rule(left, y, width);
  y += 5 * s;
  y += sheet.Text(
      left, y, width,
      "Hora Lagna Details (" + Text(view.attributes.lblEnglishName) + ")",
      heading);
  y += 3 * s;
  // The attributes in three columns, read across.
  constexpr int kColumns = 3;
  const double gap = 10 * s;
  const double columnW = (width - (kColumns - 1) * gap) / kColumns;
  int column = 0;
  double rowHeight = 0;
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    if (IsReading(field)) continue;
    const double x = left + column * (columnW + gap);
    rowHeight = std::max(
        rowHeight, Row(sheet, x, y, columnW * 0.45, columnW, field.caption,
                       Text(view.attributes.*field.member), small, smallBold));
    if (++column == kColumns) {
      y += rowHeight + 2 * s;
      column = 0;
      rowHeight = 0;
    }
  }
  y += rowHeight + 4 * s;
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    if (!IsReading(field)) continue;
    y += 3 * s;
    y += sheet.Text(left, y, width, field.caption, smallBold);
    y += sheet.Text(left, y, width, Text(view.attributes.*field.member), small);
  }
  return y;
}

}  // namespace

QPageSize LocalPageSize() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
             ? QPageSize(QPageSize::Letter)
             : QPageSize(QPageSize::A4);
}

void PaintResultPage(QPainter& painter, const QPageSize& pageSize,
                     const ResultPage& page) {
  const QSizeF paper = pageSize.size(QPageSize::Point);
  const QPaintDevice* device = painter.device();
  // The largest text scale at which everything fits above the bottom
  // margin.
  double scale = 1.0;
  while (scale > kSmallestScale) {
    Sheet measure(nullptr, device, scale);
    if (Compose(measure, paper, page) <= paper.height() - kMargin) break;
    scale *= kShrinkStep;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Sheet sheet(&painter, device, std::max(scale, kSmallestScale));
  Compose(sheet, paper, page);
  painter.restore();
}

QByteArray ResultPdfBytes(const ResultPage& page, const QPageSize& pageSize) {
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&bytes);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle("Hora Lagna of " + Text(page.view.lblName));
    writer.setCreator(QStringLiteral("Tarvelin"));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    PaintResultPage(painter, pageSize, page);
    if (!painter.end()) return {};
  }
  return bytes.data();
}

namespace {

// Writes `bytes` to `path` in one step (a temporary file renamed over it
// when complete); on failure "Cannot write the KIND file PATH: REASON".
bool WritePageFile(const QString& path, const QByteArray& bytes,
                   const char* kind, QString* error) {
  QSaveFile file(path);
  const bool written = !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
                       file.write(bytes) == bytes.size() && file.commit();
  if (!written && error) {
    *error = QStringLiteral("Cannot write the %1 file %2: %3")
                 .arg(kind, path,
                      bytes.isEmpty() ? QStringLiteral("the page could not "
                                                       "be drawn")
                                      : file.errorString());
  }
  return written;
}

}  // namespace

bool WriteResultPdf(const QString& path, const ResultPage& page,
                    const QPageSize& pageSize, QString* error) {
  return WritePageFile(path, ResultPdfBytes(page, pageSize), "PDF", error);
}

QImage RenderResultImage(const ResultPage& page, const QPageSize& pageSize,
                         int dotsPerInch) {
  QImage image(pageSize.sizePixels(dotsPerInch), QImage::Format_RGB32);
  const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintResultPage(painter, pageSize, page);
  painter.end();
  return image;
}

QByteArray ResultPngBytes(const ResultPage& page, const QPageSize& pageSize,
                          int dotsPerInch) {
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  if (!RenderResultImage(page, pageSize, dotsPerInch).save(&bytes, "PNG")) {
    return {};
  }
  return bytes.data();
}

bool WriteResultPng(const QString& path, const ResultPage& page,
                    const QPageSize& pageSize, int dotsPerInch,
                    QString* error) {
  return WritePageFile(path, ResultPngBytes(page, pageSize, dotsPerInch),
                       "image", error);
}

}  // namespace tarvelin
