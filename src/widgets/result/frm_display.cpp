// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/result/frm_display.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "present/report_words.h"
#include "widgets/common/answer_ink.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/twips.h"
#include "widgets/common/ui_language.h"
#include "widgets/common/ui_widgets.h"
#include "widgets/common/web_links.h"
#include "widgets/result/chart_view.h"
#include "widgets/result/frm_reading_box.h"

namespace tarvelin {
namespace {

// The answer at the very top: two lines where it needs them (no sunrise at
// the place, Tamil too), twips. An answer with a Hora Lagna takes one line,
// and how close the sign is to changing follows in the same room.
constexpr int kSummaryTwips = 720;
constexpr int kAnswerLineTwips = 360;
constexpr int kNoteTwips = 240;
static_assert(kAnswerLineTwips + kNoteTwips <= kSummaryTwips);
constexpr int kBandTopTwips = kSummaryTwips;

// Client area of the form, twips.
constexpr int kFormWidthTwips = 12735;
constexpr int kFormHeightTwips = 8880 + kBandTopTwips;

// Controls on a tab page are placed relative to the tab control, whose tab
// strip takes the top of it; a page starts this far down, twips.
constexpr int kTabStripTwips = 345;

// The chart inside fraBirthchart, where the outer frame of the South-Indian
// chart has always stood, its top a little lower, clear of the frame's
// caption in a script with taller letters (Tamil), twips.
constexpr int kChartLeftTwips = 100, kChartTopTwips = 210;
constexpr int kChartWidthTwips = 7890, kChartHeightTwips = 6660;

// The zone's caption takes at least this width; its value, two lines and
// this much more, for Tamil's taller lines, twips.
constexpr int kZoneCaptionTwips = 600;
constexpr int kZoneRoomTwips = 180;

// The sign fields of the second tab: eight rows of caption over value in
// three columns.
struct AttributeCell {
  int row, column;
  const char* field;  // its caption comes with the sign field table
};
constexpr std::array<AttributeCell, 23> kAttributeCells = {{
    {0, 0, "lblVedicName"},
    {0, 2, "lblArudhaLagnaPresentInSign"},
    {1, 0, "lblRullingPlanet"},
    {1, 1, "lblCompatibleWith"},
    {1, 2, "lblNotCompatibleWith"},
    {2, 0, "lblSymbol"},
    {2, 1, "lblNature"},
    {2, 2, "lblColor"},
    {3, 0, "lblTypeOfSign"},
    {3, 1, "lblGender"},
    {3, 2, "lblBestPeriodOfActivity"},
    {4, 0, "lblBarren"},
    {4, 1, "lblCaste"},
    {4, 2, "lblPosition"},
    {5, 0, "lblConstituentCharacter"},
    {5, 1, "lblLuckyDays"},
    {5, 2, "lblLuckyNumbers"},
    {6, 0, "lblBestDirection"},
    {6, 1, "lblLuckyColors"},
    {6, 2, "lblLuckyGemstone"},
    {7, 0, "lblPartOfTheBody"},
    {7, 1, "lblPhysique"},
    {7, 2, "lblEnglishName"},
}};
// Column lefts and widths of the attribute grid (they line up with the
// reading boxes below), caption tops and spacing, twips.
constexpr std::array<int, 3> kAttributeLeftTwips = {120, 3960, 8280};
constexpr std::array<int, 3> kAttributeWidthTwips = {3735, 4215, 3615};
constexpr int kAttributeTopTwips = 240;
constexpr int kAttributeRowTwips = 600;
constexpr int kCaptionToValueTwips = 240;
constexpr int kLineHeightTwips = 240;

struct ReadingCell {
  const char* field;
  int left, top, width, height;
};
const std::array<ReadingCell, 5> kReadingCells = {{
    {"txtLooks", 120, 5280, 3735, 855},
    {"txtNature", 3960, 5280, 4215, 855},
    {"txtCareerAndFinance", 8280, 5280, 3615, 855},
    {"txtLoveAndDomesticLife", 120, 6480, 6015, 615},
    {"txtHealth", 6240, 6480, 5655, 615},
}};

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

// A rectangle given relative to the tab control, placed on one of its pages.
QRect PageRect(int left, int top, int width, int height) {
  return TwipsRect(left, top - kTabStripTwips, width, height);
}

// A rectangle inside fraBirthchart. The chart sits a little lower than its
// drawn positions so that the frame's caption stays clear of the outer
// rectangle.
constexpr int kChartDropTwips = 75;
QRect ChartRect(int left, int top, int width, int height) {
  return TwipsRect(left, top + kChartDropTwips, width, height);
}

// The view's texts come with Windows line ends; a label wants plain ones.
QString DisplayText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"),
                                              QStringLiteral("\n"));
}

}  // namespace

FrmDisplay::FrmDisplay(QWidget* parent) : QWidget(parent) {
  setObjectName("frmDisplay");
  setWindowTitle(kAppTitle);
  setFont(NamedFont("Verdana", 8));
  setFixedSize(Twips(kFormWidthTwips), Twips(kFormHeightTwips));
  BuildBand();

  SSTab1 = new QTabWidget(this);
  SSTab1->setObjectName("SSTab1");
  SSTab1->setGeometry(TwipsRect(120, 1080 + kBandTopTwips, 12255, 7680));
  auto* chartPage = new QWidget;
  auto* detailsPage = new QWidget;
  auto* foundPage = new QWidget;
  auto* dayPage = new QWidget;
  chartPage->setObjectName("chartPage");
  detailsPage->setObjectName("detailsPage");
  foundPage->setObjectName("foundPage");
  dayPage->setObjectName("dayPage");
  const ReportWords& words = WordsIn(UiLanguage());
  SSTab1->addTab(chartPage, QString::fromUtf8(words.chartTitle));
  SSTab1->addTab(detailsPage, QString::fromUtf8(words.detailsTitle));
  SSTab1->addTab(foundPage, QString::fromUtf8(words.howItWasFoundTitle));
  SSTab1->addTab(dayPage, tr("Through the Day"));
  BuildChartTab(chartPage);
  BuildDetailsTab(detailsPage);
  BuildFoundTab(foundPage);
  BuildDayTab(dayPage);
  SSTab1->setCurrentIndex(0);
  fraBirthchart->setVisible(true);
  fraBirthchart->raise();
  fraDetails->raise();
  RecordDesign();
  SetScale(1.0);
}

QSize FrmDisplay::DesignSize() {
  return QSize(Twips(kFormWidthTwips), Twips(kFormHeightTwips));
}

void FrmDisplay::RecordDesign() {
  designFont_ = font();
  for (QWidget* widget : findChildren<QWidget*>()) {
    // Only the controls placed here: Qt's own parts (tab bar, page stack,
    // scroll bars, viewports) and the tab pages follow their owners.
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
        qobject_cast<QStackedWidget*>(widget->parentWidget())) {
      continue;
    }
    design_.push_back({widget, widget->geometry(),
                       widget->testAttribute(Qt::WA_SetFont), widget->font()});
  }
}

void FrmDisplay::SetScale(double scale) {
  scale_ = scale;
  const auto scaled = [scale](int v) {
    return static_cast<int>(std::lround(v * scale));
  };
  const auto scaledFont = [scale](QFont font) {
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
  };
  setFont(scaledFont(designFont_));
  const QSize design = DesignSize();
  setFixedSize(scaled(design.width()), scaled(design.height()));
  for (const Placed& placed : design_) {
    if (!placed.widget) continue;
    if (placed.ownFont) placed.widget->setFont(scaledFont(placed.font));
    const QRect& r = placed.rect;
    // Edges are scaled, not sizes, so neighbours stay flush.
    const int left = scaled(r.left()), top = scaled(r.top());
    QRect rect(left, top, scaled(r.left() + r.width()) - left,
               scaled(r.top() + r.height()) - top);
    if (auto* box = qobject_cast<ReadingBox*>(placed.widget)) {
      rect.setHeight(box->WholeLinesHeight(rect.height()));
    }
    placed.widget->setGeometry(rect);
  }
}

void FrmDisplay::ShowAnswerInk() {
  QPalette ink = lblSummary_->palette();
  ink.setColor(QPalette::WindowText,
               AnswerInk(palette().color(backgroundRole())));
  lblSummary_->setPalette(ink);
}

void FrmDisplay::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && lblSummary_ != nullptr) {
    ShowAnswerInk();
  }
}

void FrmDisplay::BuildBand() {
  const ReportWords& words = WordsIn(UiLanguage());
  const QFont bold = BoldFont(font());
  lblSummary_ = MakeLabel(this, "lblSummary", QString(),
                          TwipsRect(120, 30, 12255, kSummaryTwips - 30));
  QFont summaryFont = bold;
  summaryFont.setPointSize(10);
  lblSummary_->setFont(summaryFont);
  // A long answer (no sunrise at the place) takes a second line.
  lblSummary_->setWordWrap(true);
  lblSummary_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ShowAnswerInk();
  lblMargin_ = MakeLabel(this, "lblMargin", QString(),
                         TwipsRect(120, kAnswerLineTwips, 12255, kNoteTwips));
  dsd1 = MakeLabel(this, "dsd1", QString::fromUtf8(words.significance),
                   TwipsRect(120, kBandTopTwips, 2000, 240));
  dsd1->setFont(bold);
  // As wide as the band leaves room for: the Tamil is longer.
  Label8 = MakeLabel(this, "Label8", QString::fromUtf8(words.meaning),
                     TwipsRect(120, 240 + kBandTopTwips, 8760, 240));
  Label10 =
      MakeLabel(this, "Label10", QString::fromUtf8(words.houseSignificance),
                TwipsRect(120, 480 + kBandTopTwips, 4545, 240));
  Label10->setFont(bold);
  lblHoraDesc = MakeLabel(this, "lblHoraDesc", QString(),
                          TwipsRect(120, 720 + kBandTopTwips, 12255, 375));
  lblHoraDesc->setWordWrap(true);
  // The forum's advertisement: a text of our own.
  Label5 =
      MakeLabel(this, "Label5", tr("Discuss your chart in our astrology forum"),
                TwipsRect(4800, kBandTopTwips, 7650, 240));
  Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label6 = MakeLink(this, "Label6", address::kForumHome,
                    TwipsRect(8985, 240 + kBandTopTwips, 2940, 240));
  Label6->setAlignment(Qt::AlignRight | Qt::AlignTop);
  // The options the calculation used, beside the house heading.
  lblOptions_ = MakeLabel(this, "lblOptions", QString(),
                          TwipsRect(4800, 480 + kBandTopTwips, 7575, 240));
  lblOptions_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  connect(Label6, &QLabel::linkActivated, this, &FrmDisplay::Label6_Click);
}

void FrmDisplay::BuildChartTab(QWidget* page) {
  const ReportWords& words = WordsIn(UiLanguage());
  chartFrame = new QFrame(page);
  chartFrame->setObjectName("chartFrame");
  chartFrame->setFrameShape(QFrame::Box);
  chartFrame->setFrameShadow(QFrame::Sunken);
  chartFrame->setGeometry(PageRect(120, 360, 8415, 7215));

  fraBirthchart =
      new QGroupBox(QString::fromUtf8(words.chartCentre), chartFrame);
  fraBirthchart->setObjectName("fraBirthchart");
  fraBirthchart->setGeometry(TwipsRect(150, 140, 8115, 6945));
  BuildChart(fraBirthchart);

  fraDetails = new QGroupBox(QString::fromUtf8(words.yourDetails), page);
  fraDetails->setObjectName("fraDetails");
  // Room below the details for a zone of two lines of Tamil, taken from
  // the planet table's spacing.
  fraDetails->setGeometry(PageRect(8640, 360, 3490, 2775 + kZoneRoomTwips));
  BuildDetails(fraDetails);

  fraWestern = new QGroupBox(QString::fromUtf8(words.planetaryPosition), page);
  fraWestern->setObjectName("fraWestern");
  fraWestern->setGeometry(
      PageRect(8640, 3240 + kZoneRoomTwips, 3495, 4335 - kZoneRoomTwips));
  BuildPlanetTable(fraWestern);
}

void FrmDisplay::BuildChart(QWidget* chart) {
  chartView_ = new ChartView(chart);
  chartView_->setGeometry(ChartRect(kChartLeftTwips, kChartTopTwips,
                                    kChartWidthTwips, kChartHeightTwips));
  chartView_->setFont(font());
  // The forum's link in the chart's empty middle (South-Indian only).
  Label7 = MakeLink(chart, "Label7", tr("Visit our astrology forum"),
                    ChartRect(2160, 3240, 3780, 345));
  Label7->setFont(NamedFont("Arial", 9));
  Label7->setAlignment(Qt::AlignCenter);
  connect(Label7, &QLabel::linkActivated, this, &FrmDisplay::Label7_Click);
}

void FrmDisplay::BuildPlanetTable(QWidget* frame) {
  constexpr int kFirstRowTwips = 360;
  constexpr int kRowTwips = 370;
  const auto captions = PlanetRowCaptions(UiLanguage());
  for (int i = 0; i < kBodyCount; ++i) {
    const int top = kFirstRowTwips + i * kRowTwips;
    PlanetName[i] = MakeLabel(frame, QStringLiteral("PlanetName%1").arg(i),
                              QString::fromStdString(captions[i]),
                              TwipsRect(120, top, 1785, 270));
    planet[i] = MakeLabel(frame, QStringLiteral("planet%1").arg(i), QString(),
                          TwipsRect(1920, top, 1455, 270));
  }
}

void FrmDisplay::BuildDetails(QWidget* frame) {
  lblName = MakeLabel(frame, "lblName", QString(),
                      TwipsRect(120, 240, 3285, kLineHeightTwips));
  lblName->setFont(BoldFont(font()));
  struct Row {
    QLabel* FrmDisplay::*value;
    const char* name;
  };
  // In the order of the captions (ReportWords::formCaptions).
  const std::array<Row, 7> rows = {{
      {&FrmDisplay::lblDOB, "lblDOB"},
      {&FrmDisplay::lblTOB, "lblTOB"},
      {&FrmDisplay::lblLongitude, "lblLongitude"},
      {&FrmDisplay::lblLatitude, "lblLatitude"},
      {&FrmDisplay::lblCity, "lblCity"},
      {&FrmDisplay::lblState, "lblState"},
      {&FrmDisplay::lblCountry, "lblCountry"},
  }};
  const ReportWords& words = WordsIn(UiLanguage());
  constexpr int kFirstRowTwips = 600;
  // Rows a line apart, so that the zone fits below them on two lines.
  constexpr int kRowTwips = kLineHeightTwips;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int top = kFirstRowTwips + static_cast<int>(i) * kRowTwips;
    MakeLabel(frame, QStringLiteral("detailCaption%1").arg(i),
              QString::fromUtf8(words.formCaptions[i]),
              TwipsRect(120, top, 1305, kLineHeightTwips));
    this->*rows[i].value =
        MakeLabel(frame, rows[i].name, QString(),
                  TwipsRect(1440, top, 2055, kLineHeightTwips));
  }
  // The offset used and whether daylight saving was counted.
  const int zoneTop =
      kFirstRowTwips + static_cast<int>(rows.size()) * kRowTwips;
  // The caption as wide as its words (at least "Zone :"'s room), the value
  // beside it.
  const QString zoneCaption =
      QString::fromUtf8(words.formCaptions[rows.size()]);
  const int captionTwips = std::max(
      kZoneCaptionTwips,
      (QFontMetrics(frame->font()).horizontalAdvance(zoneCaption) + 2) *
          kTwipsPerPixel);
  MakeLabel(frame, QStringLiteral("detailCaption%1").arg(rows.size()),
            zoneCaption,
            TwipsRect(120, zoneTop, captionTwips, kLineHeightTwips));
  lblZone =
      MakeLabel(frame, "lblZone", QString(),
                TwipsRect(120 + captionTwips, zoneTop, 3335 - captionTwips,
                          2 * kLineHeightTwips + kZoneRoomTwips));
  lblZone->setWordWrap(true);
  lblZone->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FrmDisplay::BuildDetailsTab(QWidget* page) {
  auto* frame = new QFrame(page);
  frame->setObjectName("detailsFrame");
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(PageRect(120, 360, 12015, 7215));

  const QFont bold = BoldFont(font());
  for (const AttributeCell& cell : kAttributeCells) {
    const int left = kAttributeLeftTwips[cell.column];
    const int width = kAttributeWidthTwips[cell.column];
    const int top = kAttributeTopTwips + cell.row * kAttributeRowTwips;
    QLabel* caption =
        MakeLabel(frame, QStringLiteral("caption_%1").arg(cell.field),
                  QString::fromUtf8(SignFieldCaption(cell.field, UiLanguage())),
                  TwipsRect(left, top, width, kLineHeightTwips));
    caption->setFont(bold);
    MakeLabel(
        frame, cell.field, QString(),
        TwipsRect(left, top + kCaptionToValueTwips, width, kLineHeightTwips));
  }
  for (const ReadingCell& cell : kReadingCells) {
    QLabel* caption =
        MakeLabel(frame, QStringLiteral("caption_%1").arg(cell.field),
                  QString::fromUtf8(SignFieldCaption(cell.field, UiLanguage())),
                  TwipsRect(cell.left, cell.top - kLineHeightTwips, cell.width,
                            kLineHeightTwips));
    caption->setFont(bold);
    auto* box = new ReadingBox(frame);
    box->setObjectName(cell.field);
    box->setGeometry(TwipsRect(cell.left, cell.top, cell.width, cell.height));
  }
}

void FrmDisplay::BuildFoundTab(QWidget* page) {
  auto* frame = new QFrame(page);
  frame->setObjectName("foundFrame");
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(PageRect(120, 360, 12015, 7215));
  lblHowItWasFound_ = MakeLabel(frame, "lblHowItWasFound", QString(),
                                TwipsRect(240, 240, 11535, 6735), Wrap::Yes);
  lblHowItWasFound_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont steps = font();
  steps.setPointSize(9);
  lblHowItWasFound_->setFont(steps);
}

void FrmDisplay::BuildDayTab(QWidget* page) {
  auto* frame = new QFrame(page);
  frame->setObjectName("dayFrame");
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(PageRect(120, 360, 12015, 7215));
  const QFont bold = BoldFont(font());

  lblDayTitle_ = MakeLabel(frame, "lblDayTitle", QString(),
                           TwipsRect(240, 120, 6600, kLineHeightTwips));
  lblDayTitle_->setFont(bold);
  // Date (where it changes), sign, from, to, and the birth's mark.
  tblDay_ = new QTableWidget(0, 5, frame);
  tblDay_->setObjectName("tblDay");
  tblDay_->setGeometry(TwipsRect(240, 420, 6600, 6615));
  tblDay_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblDay_->setSelectionMode(QAbstractItemView::NoSelection);
  tblDay_->setFocusPolicy(Qt::NoFocus);
  tblDay_->verticalHeader()->hide();
  // Captions come with the texts (ShowHoraLagna).
  tblDay_->horizontalHeader()->hide();
  tblDay_->verticalHeader()->setSectionResizeMode(
      QHeaderView::ResizeToContents);
  tblDay_->horizontalHeader()->setSectionResizeMode(
      QHeaderView::ResizeToContents);
  tblDay_->horizontalHeader()->setStretchLastSection(true);

  fraOtherLagnas_ = new QGroupBox(frame);
  fraOtherLagnas_->setObjectName("fraOtherLagnas");
  fraOtherLagnas_->setGeometry(TwipsRect(7080, 120, 4695, 2400));
  // Beside the day's times: the traditional sunrise's sign where it
  // differs, and the signs of an uncertain birth time (a window of times).
  lblCentreRule_ = MakeLabel(frame, "lblCentreRule", QString(),
                             TwipsRect(7080, 2640, 4695, 960), Wrap::Yes);
  lblUncertainty_ = MakeLabel(frame, "lblUncertainty", QString(),
                              TwipsRect(7080, 3720, 4695, 1200), Wrap::Yes);
  constexpr int kFirstRowTwips = 360;
  constexpr int kRowTwips = 330;
  for (std::size_t i = 0; i < otherLagna_.size(); ++i) {
    const int top = kFirstRowTwips + static_cast<int>(i) * kRowTwips;
    otherLagnaName_[i] =
        MakeLabel(fraOtherLagnas_, QStringLiteral("otherLagnaName%1").arg(i),
                  QString(), TwipsRect(120, top, 2175, kLineHeightTwips));
    otherLagna_[i] =
        MakeLabel(fraOtherLagnas_, QStringLiteral("otherLagna%1").arg(i),
                  QString(), TwipsRect(2340, top, 2235, kLineHeightTwips));
  }
}

void FrmDisplay::ShowHoraLagna(const std::string& options,
                               const HoraLagnaTexts& texts) {
  lblOptions_->setText(QString::fromStdString(options));
  lblMargin_->setText(QString::fromStdString(texts.margin));
  lblUncertainty_->setText(QString::fromStdString(texts.uncertainty));
  lblCentreRule_->setText(QString::fromStdString(texts.centreRule));
  // The answer takes one line where notes follow it (an answer with a Hora
  // Lagna), the room of two otherwise.
  const bool notes = !texts.margin.empty();
  for (Placed& placed : design_) {
    if (placed.widget == lblSummary_) {
      placed.rect.setHeight(
          Twips((notes ? kAnswerLineTwips : kSummaryTwips) - 30));
    }
  }
  SetScale(scale_);

  lblDayTitle_->setText(QString::fromStdString(texts.dayTitle));
  tblDay_->setHorizontalHeaderLabels(
      {tr("Date"), QString::fromStdString(texts.signCaption),
       QString::fromStdString(texts.fromCaption),
       QString::fromStdString(texts.toCaption), QString()});
  tblDay_->horizontalHeader()->show();
  tblDay_->setRowCount(static_cast<int>(texts.day.size()));
  QFont birthFont = tblDay_->font();
  birthFont.setBold(true);
  int birthRow = -1;
  for (std::size_t r = 0; r < texts.day.size(); ++r) {
    const DayRowText& row = texts.day[r];
    const int at = static_cast<int>(r);
    const std::array<std::string, 5> cells = {
        row.date, row.sign, row.from, row.to,
        row.birth ? texts.birthMark : std::string()};
    for (std::size_t c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
      if (row.birth) {
        // The birth's row stands out in the palette's own colours.
        item->setFont(birthFont);
        item->setBackground(palette().brush(QPalette::Highlight));
        item->setForeground(palette().brush(QPalette::HighlightedText));
      }
      tblDay_->setItem(at, static_cast<int>(c), item);
    }
    if (row.birth) birthRow = at;
  }
  if (birthRow >= 0) {
    tblDay_->scrollToItem(tblDay_->item(birthRow, 1),
                          QAbstractItemView::PositionAtCenter);
  }

  fraOtherLagnas_->setTitle(QString::fromStdString(texts.otherLagnasTitle));
  for (std::size_t i = 0; i < otherLagna_.size(); ++i) {
    const bool shown = i < texts.otherLagnas.size();
    otherLagnaName_[i]->setText(
        shown ? QString::fromStdString(texts.otherLagnas[i].name) : QString());
    otherLagna_[i]->setText(
        shown ? QString::fromStdString(texts.otherLagnas[i].position)
              : QString());
  }
}

void FrmDisplay::ShowExplanation(
    const std::string& summary, const std::vector<std::string>& howItWasFound) {
  lblSummary_->setText(QString::fromStdString(summary));
  QStringList lines;
  for (const std::string& line : howItWasFound) {
    lines << QString::fromStdString(line);
  }
  // A blank line between the steps.
  lblHowItWasFound_->setText(lines.join(QStringLiteral("\n\n")));
}

void FrmDisplay::SetChartStyle(ChartStyle style) {
  chartView_->SetStyle(style);
  // The link stands in the South-Indian chart's empty middle; the others
  // have no room for it (the band above carries the same link).
  Label7->setVisible(style == ChartStyle::kSouth);
}

ChartStyle FrmDisplay::ChartStyleShown() const { return chartView_->Style(); }
const ChartModel& FrmDisplay::ChartShown() const { return chartView_->Model(); }

QWidget* FrmDisplay::SignField(const QString& name) const {
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    if (name == QLatin1String(ref.name)) {
      return findChild<QWidget*>(name);
    }
  }
  return nullptr;
}

void FrmDisplay::Show(const ResultView& view) {
  for (int i = 0; i < kBodyCount; ++i) {
    planet[i]->setText(DisplayText(view.planet[i]));
  }
  chartView_->SetChart(view.chart, view.language);
  lblName->setText(DisplayText(view.lblName));
  lblDOB->setText(DisplayText(view.lblDOB));
  lblTOB->setText(DisplayText(view.lblTOB));
  lblLatitude->setText(DisplayText(view.lblLatitude));
  lblLongitude->setText(DisplayText(view.lblLongitude));
  lblCity->setText(DisplayText(view.lblCity));
  lblState->setText(DisplayText(view.lblState));
  lblCountry->setText(DisplayText(view.lblCountry));
  lblZone->setText(DisplayText(view.lblZone));
  lblHoraDesc->setText(DisplayText(view.lblHoraDesc));

  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    const QString text = DisplayText(view.attributes.*ref.member);
    QWidget* field = SignField(QLatin1String(ref.name));
    if (auto* box = qobject_cast<ReadingBox*>(field)) {
      box->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(field)) {
      label->setText(text);
    }
  }
}

void FrmDisplay::Label6_Click() { OpenForumHome(); }
void FrmDisplay::Label7_Click() { OpenForumHome(); }

}  // namespace tarvelin
