// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/result_page.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
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

#include "painters/chart_painter.h"
#include "present/report_words.h"
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

// The person's details, in the order of the report's captions (the name
// has a line of its own).
constexpr std::array<std::string ResultView::*, 7> kDetailValues = {
    &ResultView::lblDOB,      &ResultView::lblTOB,  &ResultView::lblLongitude,
    &ResultView::lblLatitude, &ResultView::lblCity, &ResultView::lblState,
    &ResultView::lblCountry};

QString Text(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"),
                                              QStringLiteral("\n"));
}

QString Text(const char* text) { return QString::fromUtf8(text); }

bool IsReading(const SignFieldRef& field) {
  return QLatin1String(field.name).startsWith(QLatin1String("txt"));
}

// Measures, and with a painter also draws, text and lines at one text
// scale.
class Sheet {
 public:
  Sheet(QPainter* painter, const QPaintDevice* device, double scale,
        Language language)
      : painter_(painter),
        device_(device),
        unit_(device->logicalDpiY() / 72.0),
        scale_(scale),
        language_(language) {}

  double scale() const { return scale_; }
  double unit() const { return unit_; }
  QPainter* painter() const { return painter_; }

  QFont Font(double points, bool bold = false) const {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // No ligatures in English: "fi" must stay two letters for a search in
    // the PDF. Devanagari and Tamil need their letters shaped (the font
    // comes from the system's fallback, Lohit Devanagari or Lohit Tamil).
    if (language_ == Language::kEnglish) {
      font.setStyleStrategy(QFont::PreferNoShaping);
    }
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
  Language language_;
};

void Chart(Sheet& sheet, double x, double y, double w, double h,
           const ResultPage& page) {
  QPainter* painter = sheet.painter();
  if (!painter) return;
  const ResultView& view = page.view;
  const double u = sheet.unit();
  ChartPen pen;
  pen.numbers = sheet.Font(6.5);
  pen.bodies = sheet.Font(7.5);
  pen.markers = sheet.Font(7.5, true);
  pen.titleFont = sheet.Font(11, true);
  pen.subtitleFont = sheet.Font(9);
  pen.markerInk = kMarkerInk;
  pen.frameWidth = 1.2 * u;
  pen.lineWidth = 0.6 * u;
  // The middle: what the chart is, and whose.
  pen.title = Text(WordsIn(view.language).chartCentre);
  pen.subtitle = Text(view.lblName);
  PaintChart(*painter, QRectF(x * u, y * u, w * u, h * u), view.chart,
             page.chartStyle, view.language, pen);
}

// Caption and value side by side; returns the row's height.
double Row(Sheet& sheet, double x, double y, double captionW, double w,
           const QString& caption, const QString& value, const QFont& font,
           const QFont& captionFont) {
  const double a = sheet.Text(x, y, captionW, caption, captionFont);
  const double b = sheet.Text(x + captionW, y, w - captionW, value, font);
  return std::max(a, b);
}

// The Hora Lagna through the day, read down four columns: "10:21:30–
// 11:21:30 Leo" a row, the birth's row in bold with its mark, a new date
// as a row of its own. Returns where the table ends.
double DayTable(Sheet& sheet, double left, double y, double width,
                const HoraLagnaTexts& hl) {
  if (hl.day.empty()) return y;
  const double s = sheet.scale();
  const QFont small = sheet.Font(7.5);
  const QFont smallBold = sheet.Font(7.5, true);
  struct Cell {
    QString text;
    bool bold;
  };
  std::vector<Cell> cells;
  for (const DayRowText& row : hl.day) {
    if (!row.date.empty()) cells.push_back({Text(row.date), true});
    QString text = Text(row.from) + QChar(0x2013) + Text(row.to) +
                   QStringLiteral("  ") + Text(row.sign);
    if (row.birth) {
      text += QStringLiteral(" (") + Text(hl.birthMark) + QLatin1Char(')');
    }
    cells.push_back({text, row.birth});
  }
  y += 8 * s;
  y += sheet.Text(left, y, width, Text(hl.dayTitle), sheet.Font(9.5, true));
  y += 2 * s;
  constexpr int kColumns = 4;
  const int rows = (static_cast<int>(cells.size()) + kColumns - 1) / kColumns;
  const double columnW = width / kColumns;
  const double lineH = sheet.Height(columnW, QStringLiteral("0"), smallBold);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int column = static_cast<int>(i) / rows,
              row = static_cast<int>(i) % rows;
    sheet.Text(left + column * columnW, y + row * (lineH + 1 * s), columnW,
               cells[i].text, cells[i].bold ? smallBold : small);
  }
  return y + rows * (lineH + 1 * s);
}

// The whole page at one scale; returns where its content ends (points).
double Compose(Sheet& sheet, const QSizeF& paper, const ResultPage& page) {
  const ResultView& view = page.view;
  const ReportWords& words = WordsIn(view.language);
  const double s = sheet.scale();
  const double left = kMargin, width = paper.width() - 2 * kMargin;
  const QFont heading = sheet.Font(9.5, true);
  const QFont body = sheet.Font(8.5);
  const QFont small = sheet.Font(7.5);
  const QFont smallBold = sheet.Font(7.5, true);
  double y = kMargin;

  y += sheet.Text(left, y, width,
                  Text(Fill(words.reportHeading, {view.lblName})),
                  sheet.Font(15, true));
  y += 4 * s;
  y += sheet.Text(left, y, width, Text(page.summary), sheet.Font(11.5, true));
  const HoraLagnaTexts& hl = page.horaLagna;
  for (const std::string* line :
       {&hl.margin, &hl.uncertainty, &hl.centreRule}) {
    if (line->empty()) continue;
    y += 2 * s;
    y += sheet.Text(left, y, width, Text(*line), body);
  }
  y += 10 * s;

  // The chart, and beside it the details and the planet table.
  const double chartW = width * 0.56 * std::min(1.0, 0.4 + 0.6 * s);
  // The diamond and the East-Indian square are drawn square.
  const double chartH =
      page.chartStyle == ChartStyle::kSouth ? chartW * 0.86 : chartW;
  Chart(sheet, left, y, chartW, chartH, page);
  const double colX = left + chartW + 14 * s;
  const double colW = left + width - colX;
  double side = y;
  side += sheet.Text(colX, side, colW, Text(words.yourDetails), heading);
  side += 2 * s;
  side += sheet.Text(colX, side, colW, Text(view.lblName), smallBold);
  for (std::size_t i = 0; i < kDetailValues.size(); ++i) {
    // The report's captions after the name, with the form's colon.
    side += Row(sheet, colX, side, colW * 0.42, colW,
                Text(words.detailCaptions[i + 1]) + QStringLiteral(" :"),
                Text(view.*kDetailValues[i]), small, small) +
            1.5 * s;
  }
  side += 8 * s;
  side += sheet.Text(colX, side, colW, Text(words.planetaryPosition), heading);
  side += 2 * s;
  const auto planetCaptions = PlanetRowCaptions(view.language);
  for (int i = 0; i < kBodyCount; ++i) {
    side += Row(sheet, colX, side, colW * 0.5, colW, Text(planetCaptions[i]),
                Text(view.planet[i]), small, small) +
            1.5 * s;
  }
  if (!hl.otherLagnas.empty()) {
    side += 6 * s;
    side += sheet.Text(colX, side, colW, Text(hl.otherLagnasTitle), heading);
    side += 2 * s;
    for (const LagnaText& lagna : hl.otherLagnas) {
      side += Row(sheet, colX, side, colW * 0.5, colW, Text(lagna.name),
                  Text(lagna.position), small, small) +
              1.5 * s;
    }
  }
  y = std::max(y + chartH, side) + 10 * s;

  sheet.Rule(left, y, width);
  y += 5 * s;
  y += sheet.Text(left, y, width, Text(words.houseSignificance), heading);
  y += 2 * s;
  y += sheet.Text(left, y, width, Text(view.lblHoraDesc), body);
  y += 8 * s;

  y += sheet.Text(left, y, width, Text(words.howItWasFoundTitle), heading);
  y += 2 * s;
  for (const std::string& line : page.howItWasFound) {
    y += sheet.Text(left, y, width, Text(line), small) + 1 * s;
  }
  y = DayTable(sheet, left, y, width, hl);

  if (!view.hasHoraLagna) return y;

  y += 8 * s;
  sheet.Rule(left, y, width);
  y += 5 * s;
  y += sheet.Text(left, y, width,
                  Text(Fill(words.detailsHeading,
                            {view.attributes.lblArudhaLagnaPresentInSign})),
                  heading);
  y += 3 * s;
  // The attributes in three columns, read across.
  constexpr int kColumns = 3;
  const double gap = 10 * s;
  const double columnW = (width - (kColumns - 1) * gap) / kColumns;
  int column = 0;
  double rowHeight = 0;
  for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
    const SignFieldRef& field = kSignAttributeFieldRefs[i];
    if (IsReading(field)) continue;
    const double x = left + column * (columnW + gap);
    rowHeight = std::max(
        rowHeight, Row(sheet, x, y, columnW * 0.45, columnW,
                       Text(SignFieldCaption(i, view.language)),
                       Text(view.attributes.*field.member), small, smallBold));
    if (++column == kColumns) {
      y += rowHeight + 2 * s;
      column = 0;
      rowHeight = 0;
    }
  }
  y += rowHeight + 4 * s;
  for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
    const SignFieldRef& field = kSignAttributeFieldRefs[i];
    if (!IsReading(field)) continue;
    y += 3 * s;
    y += sheet.Text(left, y, width, Text(SignFieldCaption(i, view.language)),
                    smallBold);
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
    Sheet measure(nullptr, device, scale, page.view.language);
    if (Compose(measure, paper, page) <= paper.height() - kMargin) break;
    scale *= kShrinkStep;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Sheet sheet(&painter, device, std::max(scale, kSmallestScale),
              page.view.language);
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
    writer.setTitle(Text(
        Fill(WordsIn(page.view.language).reportHeading, {page.view.lblName})));
    writer.setCreator(QStringLiteral("Tarvelin"));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    PaintResultPage(painter, pageSize, page);
    if (!painter.end()) return {};
  }
  return bytes.data();
}

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("tarvelin::ResultPage", text);
}

// Why `file` (at `path`) could not be written, in the windows' language
// for the usual causes; the system's own words for any other.
QString WhyNotWritten(const QString& path, const QSaveFile& file) {
  const QFileInfo target(path);
  const QFileInfo folder(target.absolutePath());
  if (!folder.isDir()) {
    return Tr(
        QT_TRANSLATE_NOOP("tarvelin::ResultPage", "the folder does not exist"));
  }
  if (!folder.isWritable() || (target.exists() && !target.isWritable())) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ResultPage",
                                "there is no permission to write there"));
  }
  return file.errorString();
}

// Writes `bytes` to `path` in one step (a temporary file renamed over it
// when complete); on failure `problem` ("Cannot write the PDF file %1:
// %2") with the path and the reason, in the windows' language.
bool WritePageFile(const QString& path, const QByteArray& bytes,
                   const char* problem, QString* error) {
  QSaveFile file(path);
  const bool written = !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
                       file.write(bytes) == bytes.size() && file.commit();
  if (!written && error) {
    *error = Tr(problem).arg(
        path, bytes.isEmpty()
                  ? Tr(QT_TRANSLATE_NOOP("tarvelin::ResultPage",
                                         "the page could not be drawn"))
                  : WhyNotWritten(path, file));
  }
  return written;
}

}  // namespace

bool WriteResultPdf(const QString& path, const ResultPage& page,
                    const QPageSize& pageSize, QString* error) {
  return WritePageFile(path, ResultPdfBytes(page, pageSize),
                       QT_TRANSLATE_NOOP("tarvelin::ResultPage",
                                         "Cannot write the PDF file %1: %2"),
                       error);
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
                       QT_TRANSLATE_NOOP("tarvelin::ResultPage",
                                         "Cannot write the image file %1: %2"),
                       error);
}

}  // namespace tarvelin
