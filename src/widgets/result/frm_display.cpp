#include "widgets/result/frm_display.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <cmath>

#include "present/explanation.h"  // kHowItWasFoundTitle
#include "present/position_text.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/twips.h"
#include "widgets/common/ui_widgets.h"
#include "widgets/common/web_links.h"
#include "widgets/result/frm_reading_box.h"

namespace tarvelin {
namespace {

// The summary line at the very top, twips; everything else sits below it.
constexpr int kSummaryTwips = 360;

// Client area of the form, twips.
constexpr int kFormWidthTwips = 12735;
constexpr int kFormHeightTwips = 8880 + kSummaryTwips;

// Controls on a tab page are placed relative to the tab control, whose tab
// strip takes the top of it; a page starts this far down, twips.
constexpr int kTabStripTwips = 345;

// The chart: 4 x 4 cells of 1965 x 1680 twips inside fraBirthchart.
constexpr int kCellWidthTwips = 1965;
constexpr int kCellHeightTwips = 1680;
constexpr std::array<int, 4> kCellLeftTwips = {120, 2085, 4050, 6015};
constexpr std::array<int, 4> kCellTopTwips = {135, 1815, 3495, 5175};
// Number labels sit in the top-right corner of their cell, twips.
constexpr int kNumberWidthTwips = 255;
constexpr int kNumberHeightTwips = 240;
constexpr int kNumberInsetTwips = 45;
// The sign's three letters stand left of its number, clear of the marker
// line below the number so that "HL" stays whole, twips.
constexpr int kSignNameWidthTwips = 390;
constexpr int kSignNameGapTwips = 15;

// Where each sign stands in the chart, Aries first: its cell (row, column),
// its planet label and its marker label (left, top in twips).
struct SignCell {
  const char* planetLabel;
  int row, column;
  int planetLeft, planetTop;
  int markerLeft, markerTop;
};
constexpr std::array<SignCell, 12> kSignCells = {{
    {"lblAries", 0, 1, 2280, 240, 3600, 240},
    {"lblTaurus", 0, 2, 4200, 240, 5520, 240},
    {"lblGemini", 0, 3, 6120, 240, 7440, 240},
    {"lblCancer", 1, 3, 6120, 1920, 7440, 1920},
    {"lblLeo", 2, 3, 6120, 3600, 7440, 3600},
    {"lblVirgo", 3, 3, 6120, 5280, 7440, 5280},
    {"lblLibra", 3, 2, 4200, 5280, 5520, 5280},
    {"lblScorpio", 3, 1, 2160, 5280, 3600, 5280},
    {"lblSagattarius", 3, 0, 240, 5280, 1560, 5280},
    {"lblCapricorn", 2, 0, 240, 3600, 1560, 3600},
    {"lblAquarius", 1, 0, 240, 1920, 1560, 1920},
    {"lblPisces", 0, 0, 240, 240, 1560, 240},
}};
constexpr int kPlanetLabelWidthTwips = 1305;
constexpr int kPlanetLabelHeightTwips = 1500;
constexpr int kMarkerWidthTwips = 405;
constexpr int kMarkerHeightTwips = 210;

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

// Texts left to us: the forum advertisement and its links.
constexpr const char kForumCaption[] =
    "Discuss your chart in our astrology forum";
constexpr const char kChartLinkCaption[] = "Visit our astrology forum";

QFrame* MakeShape(QWidget* parent, const QString& name, const QRect& rect) {
  auto* shape = new QFrame(parent);
  shape->setObjectName(name);
  shape->setFrameShape(QFrame::Box);
  shape->setFrameShadow(QFrame::Plain);
  shape->setGeometry(rect);
  return shape;
}

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
  SSTab1->setGeometry(TwipsRect(120, 1080 + kSummaryTwips, 12255, 7680));
  auto* chartPage = new QWidget;
  auto* detailsPage = new QWidget;
  auto* foundPage = new QWidget;
  chartPage->setObjectName("chartPage");
  detailsPage->setObjectName("detailsPage");
  foundPage->setObjectName("foundPage");
  SSTab1->addTab(chartPage, "Hora Lagna Chart");
  SSTab1->addTab(detailsPage, "Hora Lagna Details");
  SSTab1->addTab(foundPage, kHowItWasFoundTitle);
  BuildChartTab(chartPage);
  BuildDetailsTab(detailsPage);
  BuildFoundTab(foundPage);
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

void FrmDisplay::BuildBand() {
  const QFont bold = BoldFont(font());
  lblSummary_ = MakeLabel(this, "lblSummary", QString(),
                          TwipsRect(120, 30, 12255, kSummaryTwips - 30));
  QFont summaryFont = bold;
  summaryFont.setPointSize(10);
  lblSummary_->setFont(summaryFont);
  lblSummary_->setStyleSheet("color: #a00000;");
  dsd1 = MakeLabel(this, "dsd1", "Significance",
                   TwipsRect(120, kSummaryTwips, 2000, 240));
  dsd1->setFont(bold);
  Label8 = MakeLabel(this, "Label8",
                     "Hora Lagna signifies the importance of self in terms of "
                     "money, wealth and prosperity.",
                     TwipsRect(120, 240 + kSummaryTwips, 7215, 240));
  Label10 =
      MakeLabel(this, "Label10", "Hora Lagna Present In House Significance",
                TwipsRect(120, 480 + kSummaryTwips, 4545, 240));
  Label10->setFont(bold);
  lblHoraDesc = MakeLabel(this, "lblHoraDesc", QString(),
                          TwipsRect(120, 720 + kSummaryTwips, 12255, 375));
  lblHoraDesc->setWordWrap(true);
  Label5 = MakeLabel(this, "Label5", kForumCaption,
                     TwipsRect(8760, kSummaryTwips, 3690, 240));
  Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label6 = MakeLink(this, "Label6", address::kForumHome,
                    TwipsRect(9360, 240 + kSummaryTwips, 2565, 240));
  Label6->setAlignment(Qt::AlignRight | Qt::AlignTop);
  connect(Label6, &QLabel::linkActivated, this, &FrmDisplay::Label6_Click);
}

void FrmDisplay::BuildChartTab(QWidget* page) {
  chartFrame = new QFrame(page);
  chartFrame->setObjectName("chartFrame");
  chartFrame->setFrameShape(QFrame::Box);
  chartFrame->setFrameShadow(QFrame::Sunken);
  chartFrame->setGeometry(PageRect(120, 360, 8415, 7215));

  fraBirthchart = new QGroupBox("Hora", chartFrame);
  fraBirthchart->setObjectName("fraBirthchart");
  fraBirthchart->setGeometry(TwipsRect(150, 140, 8115, 6945));
  BuildChart(fraBirthchart);

  fraDetails = new QGroupBox("Your Details", page);
  fraDetails->setObjectName("fraDetails");
  fraDetails->setGeometry(PageRect(8640, 360, 3490, 2775));
  BuildDetails(fraDetails);

  fraWestern = new QGroupBox("Vedic Planetary Position", page);
  fraWestern->setObjectName("fraWestern");
  fraWestern->setGeometry(PageRect(8640, 3240, 3495, 4335));
  BuildPlanetTable(fraWestern);
}

void FrmDisplay::BuildChart(QWidget* chart) {
  Shape2 = MakeShape(chart, "Shape2", ChartRect(100, 120, 7890, 6750));
  Shape1 = MakeShape(chart, "Shape1", ChartRect(2085, 1815, 3930, 3355));
  Label7 = MakeLink(chart, "Label7", kChartLinkCaption,
                    ChartRect(2520, 3240, 3180, 345));
  Label7->setFont(NamedFont("Arial", 9));
  Label7->setAlignment(Qt::AlignCenter);
  connect(Label7, &QLabel::linkActivated, this, &FrmDisplay::Label7_Click);

  const QFont numberFont = NamedFont("Courier New", 8, QFont::Monospace);
  QFont markerFont = BoldFont(font());
  markerFont.setPointSize(7);
  for (int s = 0; s < 12; ++s) {
    const SignCell& cell = kSignCells[s];
    const int cellLeft = kCellLeftTwips[cell.column];
    const int cellTop = kCellTopTwips[cell.row];
    shpHora[s] = MakeShape(
        chart, QStringLiteral("shpHora%1").arg(s),
        ChartRect(cellLeft, cellTop, kCellWidthTwips, kCellHeightTwips));
    signPlanets[s] =
        MakeLabel(chart, cell.planetLabel, QString(),
                  ChartRect(cell.planetLeft, cell.planetTop,
                            kPlanetLabelWidthTwips, kPlanetLabelHeightTwips));
    Hno[s] =
        MakeLabel(chart, QStringLiteral("Hno%1").arg(s), QString::number(s + 1),
                  ChartRect(cellLeft + kCellWidthTwips - kNumberInsetTwips -
                                kNumberWidthTwips,
                            cellTop, kNumberWidthTwips, kNumberHeightTwips));
    Hno[s]->setFont(numberFont);
    Hno[s]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QLabel* signName = MakeLabel(
        chart, QStringLiteral("lblSignName%1").arg(s),
        QString::fromLatin1(SignAbbreviation(s).data(), 3),
        ChartRect(cell.markerLeft - kSignNameGapTwips - kSignNameWidthTwips,
                  cellTop, kSignNameWidthTwips, kNumberHeightTwips));
    signName->setFont(numberFont);
    signName->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblArudha[s] = MakeLabel(chart, QStringLiteral("lblArudha%1").arg(s), "A12",
                             ChartRect(cell.markerLeft, cell.markerTop,
                                       kMarkerWidthTwips, kMarkerHeightTwips));
    lblArudha[s]->setFont(markerFont);
    lblArudha[s]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblArudha[s]->setStyleSheet("color: #a00000;");
  }
}

void FrmDisplay::BuildPlanetTable(QWidget* frame) {
  constexpr int kFirstRowTwips = 360;
  constexpr int kRowTwips = 390;
  for (int i = 0; i < kBodyCount; ++i) {
    const int top = kFirstRowTwips + i * kRowTwips;
    PlanetName[i] =
        MakeLabel(frame, QStringLiteral("PlanetName%1").arg(i),
                  kPlanetRowCaptions[i], TwipsRect(120, top, 1785, 270));
    planet[i] = MakeLabel(frame, QStringLiteral("planet%1").arg(i), QString(),
                          TwipsRect(1920, top, 1455, 270));
  }
}

void FrmDisplay::BuildDetails(QWidget* frame) {
  lblName = MakeLabel(frame, "lblName", QString(),
                      TwipsRect(120, 240, 3285, kLineHeightTwips));
  lblName->setFont(BoldFont(font()));
  struct Row {
    const char* caption;
    QLabel* FrmDisplay::*value;
    const char* name;
  };
  const std::array<Row, 7> rows = {{
      {"Date of Birth :", &FrmDisplay::lblDOB, "lblDOB"},
      {"Time of Birth :", &FrmDisplay::lblTOB, "lblTOB"},
      {"Longitude :", &FrmDisplay::lblLongitude, "lblLongitude"},
      {"Latitude   :", &FrmDisplay::lblLatitude, "lblLatitude"},
      {"City :", &FrmDisplay::lblCity, "lblCity"},
      {"State :", &FrmDisplay::lblState, "lblState"},
      {"Country :", &FrmDisplay::lblCountry, "lblCountry"},
  }};
  constexpr int kFirstRowTwips = 600;
  // Rows a line apart, so that the zone fits below them on two lines.
  constexpr int kRowTwips = kLineHeightTwips;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int top = kFirstRowTwips + static_cast<int>(i) * kRowTwips;
    MakeLabel(frame, QStringLiteral("detailCaption%1").arg(i), rows[i].caption,
              TwipsRect(120, top, 1305, kLineHeightTwips));
    this->*rows[i].value =
        MakeLabel(frame, rows[i].name, QString(),
                  TwipsRect(1440, top, 2055, kLineHeightTwips));
  }
  // The offset used and whether daylight saving was counted.
  const int zoneTop =
      kFirstRowTwips + static_cast<int>(rows.size()) * kRowTwips;
  MakeLabel(frame, QStringLiteral("detailCaption%1").arg(rows.size()),
            "Zone :", TwipsRect(120, zoneTop, 600, kLineHeightTwips));
  lblZone = MakeLabel(frame, "lblZone", QString(),
                      TwipsRect(720, zoneTop, 2735, 2 * kLineHeightTwips));
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
                  SignFieldCaption(cell.field),
                  TwipsRect(left, top, width, kLineHeightTwips));
    caption->setFont(bold);
    MakeLabel(
        frame, cell.field, QString(),
        TwipsRect(left, top + kCaptionToValueTwips, width, kLineHeightTwips));
  }
  for (const ReadingCell& cell : kReadingCells) {
    QLabel* caption =
        MakeLabel(frame, QStringLiteral("caption_%1").arg(cell.field),
                  SignFieldCaption(cell.field),
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

QString FrmDisplay::SummaryText() const { return lblSummary_->text(); }
QString FrmDisplay::HowItWasFoundText() const {
  return lblHowItWasFound_->text();
}

QString FrmDisplay::VisibleMarkerText(const std::string& markers) {
  QStringList lines = DisplayText(markers).split('\n');
  lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
  return lines.join('\n');
}

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
  for (int s = 0; s < 12; ++s) {
    signPlanets[s]->setText(DisplayText(view.chartLabels[s]));
    lblArudha[s]->setText(VisibleMarkerText(view.lblArudha[s]));
  }
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
