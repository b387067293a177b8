// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/input/frm_main.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "chart/birth_limits.h"
#include "chart/hora_lagna_day.h"  // kMaxTimeUncertaintyMinutes
#include "present/quantity_text.h"
#include "present/report_words.h"
#include "present/zone_text.h"
#include "rules/birth_check.h"
#include "tables/utc_offset.h"
#include "tables/zone_table.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"
#include "widgets/common/web_links.h"
#include "widgets/input/frm_filtered_edit.h"
#include "widgets/input/frm_main_atlas.h"
#include "widgets/input/typed_list.h"
#include "widgets/input/zone_choice.h"

namespace tarvelin {
namespace {

constexpr int kDaysInList = 31;  // whatever the month
constexpr int kHours = 24, kMinutes = 60, kSeconds = 60;

// A label that acts when clicked, drawn as a link.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, std::function<void()> onClick,
            QWidget* parent = nullptr)
      : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText,
                         linkPalette.color(QPalette::Link));
    setPalette(linkPalette);
    // Devanagari and Tamil come from a fallback font with more room below
    // the baseline, where the underline goes too: the label takes the
    // line's whole height (no change for Latin text).
    QTextLayout layout(text, linkFont);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int lineHeight = static_cast<int>(std::ceil(line.height()));
    if (lineHeight > fontMetrics().height()) {
      setMinimumHeight(lineHeight + fontMetrics().lineWidth());
    }
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
      onClick_();
    }
    QLabel::mouseReleaseEvent(event);
  }

 private:
  std::function<void()> onClick_;
};

// Lists of the decimal numbers first..last, no leading zeros or blanks;
// each entry keeps its number, which is what the form reads.
void AddNumbers(QComboBox* list, int first, int last) {
  for (int n = first; n <= last; ++n) list->addItem(QString::number(n), n);
}

// Wide enough for `characters` digits and the frame around them.
void SizeForDigits(QLineEdit* box, int characters) {
  const int digits =
      box->fontMetrics().horizontalAdvance(QString(characters + 1, '0'));
  box->setFixedWidth(digits + 2 * box->fontMetrics().averageCharWidth());
}

FilteredLineEdit* NumberBox(const char* name, int maxLength, QWidget* parent) {
  auto* box = new FilteredLineEdit(&FilterNumberKey, parent);
  box->setObjectName(name);
  box->setMaxLength(maxLength);
  box->setAlignment(Qt::AlignRight);
  SizeForDigits(box, maxLength);
  return box;
}

QLabel* Label(const char* name, const QString& caption, QWidget* parent,
              QWidget* buddy = nullptr) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  // Alt and the underlined letter go to the box; screen readers read the
  // caption as the box's label.
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

QComboBox* List(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(false);  // choice only: position and text agree
  return list;
}

// A birth date or time list: typed numbers (and month names) choose.
TypedList* DateTimeList(const char* name, const QString& range, bool byName,
                        QWidget* parent) {
  auto* list = new TypedList(range, byName, parent);
  list->setObjectName(name);
  return list;
}

int ListNumber(const QComboBox* list) { return list->currentData().toInt(); }

// "The zone UTC-09:00 (Alaska/Hawaii Daylight Time,AHDT,-9.0) is far from
// longitude 77°12' E; calculate anyway?", in the windows' language.
QString FarZoneQuestion(const Birth& birth) {
  const Language language = UiLanguage();
  std::string zone = ZoneUsedText(birth, language);
  if (birth.zoneIndex != Birth::kExactOffset) {
    zone = UtcOffsetText(birth.utcOffsetSeconds) + " (" + zone + ")";
  }
  return FrmMain::tr("The zone %1 is far from longitude %2; calculate anyway?")
      .arg(QString::fromStdString(zone),
           QString::fromStdString(
               CoordinateText(birth.longitudeDegrees, Axis::kLongitude,
                              CoordinateStyle::kQuestion, language)));
}

}  // namespace

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent) {
  qRegisterMetaType<Birth>();
  setObjectName("frmMain");
  setWindowTitle(kAppTitle);

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  QGroupBox* personal = BuildPersonalDetails();
  QGroupBox* place = BuildPlaceDetails();
  left->addWidget(personal);
  left->addWidget(place);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildZone());
  right->addWidget(BuildLongitude());
  right->addWidget(BuildLatitude());
  // The labels of the two left frames share one width, so their boxes line
  // up.
  auto* personalGrid = static_cast<QGridLayout*>(personal->layout());
  auto* placeGrid = static_cast<QGridLayout*>(place->layout());
  int labelWidth = 0;
  for (const QGridLayout* grid : {personalGrid, placeGrid}) {
    for (int row = 0; row < grid->rowCount(); ++row) {
      if (const QLayoutItem* item = grid->itemAtPosition(row, 0)) {
        labelWidth = std::max(labelWidth, item->sizeHint().width());
      }
    }
  }
  personalGrid->setColumnMinimumWidth(0, labelWidth);
  placeGrid->setColumnMinimumWidth(0, labelWidth);
  columns->addLayout(left);
  columns->addLayout(right);
  auto* page = new QVBoxLayout(central);
  page->addLayout(columns);
  page->addWidget(BuildPromotion());
  setCentralWidget(central);

  BuildMenus();
  SetTabOrder();
  NameForScreenReaders();
  FillLists();
  // Cities offered under the City box fill the place, zone and daylight
  // saving; the lists are filled first so that loading is no date change.
  atlas_ = new FrmMainAtlas(this);
  atlas_->WatchCityBox(txtMCity);
  connect(txtMCity, &QLineEdit::textEdited, atlas_,
          &FrmMainAtlas::txtMCity_TextEdited);
  // Checked when an edit is finished (and before computing), so that
  // retyping the name letter by letter is judged by what it ends as.
  connect(txtMCity, &QLineEdit::returnPressed, atlas_,
          &FrmMainAtlas::CityBoxLeft);
  // The window's shortcuts stay live while the list of cities is open (it
  // belongs to the City box): Enter there picks the city, not the form's
  // Enter.
  connect(atlas_, &FrmMainAtlas::cityListShown, this,
          [this](bool shown) { actEnter->setEnabled(!shown); });
  for (QLineEdit* box : {txtMState, txtMCountry}) {
    connect(box, &QLineEdit::editingFinished, atlas_,
            &FrmMainAtlas::DropPlaceUnlessStillNamed);
  }
  // What the person types over a place's values is theirs.
  for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM}) {
    connect(box, &QLineEdit::textEdited, atlas_,
            &FrmMainAtlas::CoordinatesTyped);
  }
  for (QRadioButton* option :
       {optLongEast, optLongWest, optLatNorth, optLatSouth}) {
    connect(option, &QRadioButton::clicked, atlas_,
            &FrmMainAtlas::CoordinatesTyped);
  }
  for (QLineEdit* box : {txtMState, txtMCountry}) {
    connect(box, &QLineEdit::textEdited, atlas_,
            &FrmMainAtlas::StateOrCountryTyped);
  }
  connect(cmbTimeZone, &QComboBox::activated, atlas_,
          &FrmMainAtlas::ZoneChosen);
  connect(chkDST, &QCheckBox::clicked, atlas_, &FrmMainAtlas::ZoneChosen);
  // Coordinates typed without a city: the nearest place's zone is offered.
  for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM, txtMCity}) {
    connect(box, &QLineEdit::textChanged, atlas_,
            &FrmMainAtlas::OfferNearestZone);
  }
  for (QRadioButton* hemisphere : {optLongEast, optLatNorth}) {
    connect(hemisphere, &QRadioButton::toggled, atlas_,
            &FrmMainAtlas::OfferNearestZone);
  }
  // Once the typed date or time is settled, not at every digit on the way.
  for (TypedList* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
    connect(list, &TypedList::entryChosen, atlas_,
            &FrmMainAtlas::BirthTimeChanged);
  }
  // Says the range of a list when a typed value is not in it, and what the
  // atlas found for the City box.
  statusBar()->setObjectName("statusBar");
  statusBar()->setSizeGripEnabled(false);
  // A fixed form: as large as its contents, no larger.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  txtName->setFocus();
}

QGroupBox* FrmMain::BuildPersonalDetails() {
  auto* frame = new QGroupBox(tr("Personal Details"));
  frame->setObjectName("Frame1");
  auto* grid = new QGridLayout(frame);

  txtName = new FilteredLineEdit(&FilterNameKey, frame);
  txtName->setObjectName("txtName");
  txtName->setMaxLength(static_cast<int>(kMaxNameCharacters));
  grid->addWidget(Label("Label13", tr("&Name"), frame, txtName), 0, 0);
  grid->addWidget(txtName, 0, 1, 1, 2);

  cboMonth = DateTimeList("cboMonth", tr("Months January–December or 1–12"),
                          true, frame);
  cboDate =
      DateTimeList("cboDate", tr("Days 1–%1").arg(kDaysInList), false, frame);
  cboYear = DateTimeList(
      "cboYear", tr("Years %1–%2").arg(kFirstBirthYear).arg(kLastBirthYear),
      false, frame);
  auto* date = new QHBoxLayout;
  date->addWidget(cboMonth);
  date->addWidget(cboDate);
  date->addWidget(cboYear);
  date->addStretch(1);
  grid->addWidget(Label("Label5", tr("Date of &Birth"), frame, cboMonth), 1, 0);
  grid->addLayout(date, 1, 1, 1, 2);

  cboHH = DateTimeList("cboHH", tr("Hours 0–%1").arg(kHours - 1), false, frame);
  cboMM =
      DateTimeList("cboMM", tr("Minutes 0–%1").arg(kMinutes - 1), false, frame);
  cboSS =
      DateTimeList("cboSS", tr("Seconds 0–%1").arg(kSeconds - 1), false, frame);
  auto* time = new QHBoxLayout;
  time->addWidget(cboHH);
  time->addWidget(cboMM);
  time->addWidget(cboSS);
  time->addWidget(Label("Label12", tr("HH:MM:SS"), frame));
  // How uncertain the time is: the signs of the whole window are listed.
  spnTimeUncertainty = new QSpinBox(frame);
  spnTimeUncertainty->setObjectName("spnTimeUncertainty");
  spnTimeUncertainty->setRange(0, kMaxTimeUncertaintyMinutes);
  spnTimeUncertainty->setSpecialValueText(tr("none"));
  spnTimeUncertainty->setValue(0);
  QLabel* uncertaintyLabel =
      Label("lblTimeUncertainty", tr("± minutes"), frame);
  uncertaintyLabel->setBuddy(spnTimeUncertainty);
  time->addSpacing(6);
  time->addWidget(uncertaintyLabel);
  time->addWidget(spnTimeUncertainty);
  time->addStretch(1);
  grid->addWidget(Label("Label1", tr("&Time of Birth"), frame, cboHH), 2, 0);
  grid->addLayout(time, 2, 1, 1, 2);

  cmdRashi = new QPushButton(tr("Get My Hora Lagna"), frame);
  cmdRashi->setObjectName("cmdRashi");
  cmdRashi->setDefault(true);
  QFont bold = cmdRashi->font();
  bold.setBold(true);
  cmdRashi->setFont(bold);
  grid->addWidget(cmdRashi, 3, 1, 1, 2, Qt::AlignRight);
  grid->setColumnStretch(2, 1);
  connect(cmdRashi, &QPushButton::clicked, this, &FrmMain::cmdRashi_Click);
  return frame;
}

QGroupBox* FrmMain::BuildPlaceDetails() {
  auto* frame = new QGroupBox(tr("Place Details"));
  frame->setObjectName("Frame2");
  auto* grid = new QGridLayout(frame);
  txtMCity = new QLineEdit(frame);
  txtMCity->setObjectName("txtMCity");
  txtMState = new QLineEdit(frame);
  txtMState->setObjectName("txtMState");
  txtMCountry = new QLineEdit(frame);
  txtMCountry->setObjectName("txtMCountry");
  grid->addWidget(Label("Label54", tr("&City"), frame, txtMCity), 0, 0);
  grid->addWidget(txtMCity, 0, 1);
  grid->addWidget(Label("Label55", tr("&State"), frame, txtMState), 1, 0);
  grid->addWidget(txtMState, 1, 1);
  grid->addWidget(Label("Label4", tr("Co&untry"), frame, txtMCountry), 2, 0);
  grid->addWidget(txtMCountry, 2, 1);

  // The doubled ampersand shows as one.
  cmdBrowser = new QPushButton(tr("Click for Latitude && Longitude"), frame);
  cmdBrowser->setObjectName("cmdBrowser");
  cmdBrowser->setAutoDefault(true);  // Enter presses it when it has focus
  grid->addWidget(cmdBrowser, 3, 1, Qt::AlignRight);
  connect(cmdBrowser, &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);
  return frame;
}

QGroupBox* FrmMain::BuildZone() {
  // Alt+Z goes to the group's first box, the zone list.
  auto* frame = new QGroupBox(tr("&Zone"));
  frame->setObjectName("fraZone");
  auto* column = new QVBoxLayout(frame);
  cmbTimeZone = List("cmbTimeZone", frame);
  cmbTimeZone->setToolTip(
      tr("The zone's offset from universal time, in hours and minutes after "
         "the point: \"+5.3\" means five and a half hours ahead (5:30), "
         "\"-9.0\" nine hours behind. \"Other offset…\" takes an exact "
         "offset such as +05:45."));
  chkDST = new QCheckBox(tr("Da&ylight Saving Time"), frame);
  chkDST->setObjectName("chkDST");
  chkDST->setToolTip(
      tr("Tick when the clocks at the place were on daylight saving (summer) "
         "time at the birth: one hour more than the zone's offset."));
  column->addWidget(cmbTimeZone);
  column->addWidget(chkDST);
  return frame;
}

QGroupBox* FrmMain::BuildLongitude() {
  auto* frame = new QGroupBox(tr("Longitude"));
  frame->setObjectName("Frame4");
  auto* row = new QHBoxLayout(frame);
  txtLonD =
      NumberBox("txtLonD", static_cast<int>(kLongitudeDegreeDigits), frame);
  txtLonM = NumberBox("txtLonM", static_cast<int>(kMinuteDigits), frame);
  optLongEast = new QRadioButton(tr("East"), frame);
  optLongEast->setObjectName("optLong0");
  optLongWest = new QRadioButton(tr("West"), frame);
  optLongWest->setObjectName("optLong1");
  optLongEast->setChecked(true);
  // The letters of Deg and Min are shared with the latitude's: Alt+E and
  // Alt+I go to one box, then the other.
  row->addWidget(txtLonD);
  row->addWidget(Label("Label6", tr("D&eg"), frame, txtLonD));
  row->addSpacing(6);
  row->addWidget(txtLonM);
  row->addWidget(Label("Label8", tr("M&in"), frame, txtLonM));
  row->addStretch(1);
  row->addWidget(optLongEast);
  row->addWidget(optLongWest);
  return frame;
}

QGroupBox* FrmMain::BuildLatitude() {
  auto* frame = new QGroupBox(tr("Latitude"));
  frame->setObjectName("Frame3");
  auto* row = new QHBoxLayout(frame);
  txtLatD =
      NumberBox("txtLatD", static_cast<int>(kLatitudeDegreeDigits), frame);
  txtLatM = NumberBox("txtLatM", static_cast<int>(kMinuteDigits), frame);
  // Same width as the longitude boxes so the two frames line up.
  txtLatD->setFixedWidth(txtLonD->width());
  optLatNorth = new QRadioButton(tr("North"), frame);
  optLatNorth->setObjectName("optLat0");
  optLatSouth = new QRadioButton(tr("South"), frame);
  optLatSouth->setObjectName("optLat1");
  optLatNorth->setChecked(true);
  row->addWidget(txtLatD);
  row->addWidget(Label("Label7", tr("D&eg"), frame, txtLatD));
  row->addSpacing(6);
  row->addWidget(txtLatM);
  row->addWidget(Label("Label9", tr("M&in"), frame, txtLatM));
  row->addStretch(1);
  row->addWidget(optLatNorth);
  row->addWidget(optLatSouth);
  return frame;
}

QGroupBox* FrmMain::BuildPromotion() {
  auto* frame = new QGroupBox;
  frame->setObjectName("Frame5");
  auto* column = new QVBoxLayout(frame);
  auto* intro = Label("Label2",
                      tr("Know more about your importance in terms of money "
                         "and material prosperity with Tarvelin"),
                      frame);
  intro->setWordWrap(true);
  QFont bold = intro->font();
  bold.setBold(true);
  intro->setFont(bold);
  column->addWidget(intro);

  lblCobrand = new LinkLabel(tr("Co-brand Tarvelin for your web site"),
                             &OpenCoBrandPage, frame);
  lblCobrand->setObjectName("lblCobrand");
  lblFullBrand = new LinkLabel(tr("Get Tarvelin fully branded"),
                               &OpenFullBrandPage, frame);
  lblFullBrand->setObjectName("lblFullBrand");
  Label61 =
      new LinkLabel(tr("Join our discussion board"), &OpenForumHome, frame);
  Label61->setObjectName("Label61");
  auto* links = new QHBoxLayout;
  links->addWidget(lblCobrand);
  links->addStretch(1);
  links->addWidget(lblFullBrand);
  links->addStretch(1);
  links->addWidget(Label61);
  column->addLayout(links);
  return frame;
}

void FrmMain::BuildMenus() {
  mnuFile = menuBar()->addMenu(tr("&File"));
  mnuFile->setObjectName("mnuFile");
  mnuNext = mnuFile->addAction(tr("Get My Hora Lagna"));
  mnuExit = mnuFile->addAction(tr("E&xit"));

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName("mnuHelp");
  mnuOnline = help->addAction(tr("&Online Help"));
  mnuVisit = help->addAction(tr("&Visit Us Online"));
  help->addSeparator();
  mnuUpdate = help->addAction(tr("Check for Software &Update"));
  help->addSeparator();
  mnuAbout = help->addAction(tr("&About Software"));

  // Top-level entries that act themselves, without a menu below them.
  mnuDonate = menuBar()->addAction(tr("&Donate"));
  mkmoney = menuBar()->addAction(tr("Make Money &Online"));

  mnuNext->setObjectName("mnuNext");
  mnuExit->setObjectName("mnuExit");
  mnuOnline->setObjectName("mnuOnline");
  mnuVisit->setObjectName("mnuVisit");
  mnuUpdate->setObjectName("mnuUpdate");
  mnuAbout->setObjectName("mnuAbout");
  mnuDonate->setObjectName("mnuDonate");
  mkmoney->setObjectName("mkmoney");

  connect(mnuNext, &QAction::triggered, this, &FrmMain::cmdRashi_Click);

  // Enter is the form's own key, taken before any box, list or button sees
  // it. Left to travel up from the focused box, it was pressed by the
  // first widget on the way that counts it as a button-press key: under
  // the GNOME platform theme (gtk3) Return and Enter press buttons, so the
  // group box around every box, the lists, the check box and the options
  // took it, and nothing was computed. A window shortcut comes first under
  // every theme; open lists keep their Enter, being windows of their own,
  // and so does the list of cities under the City box (see below).
  actEnter = new QAction(this);
  actEnter->setObjectName("actEnter");
  actEnter->setShortcuts({QKeySequence(Qt::Key_Return),
                          QKeySequence(Qt::Key_Enter),
                          QKeySequence(Qt::SHIFT | Qt::Key_Return),
                          QKeySequence(Qt::SHIFT | Qt::Key_Enter)});
  addAction(actEnter);
  connect(actEnter, &QAction::triggered, this, &FrmMain::EnterPressed);
  connect(mnuExit, &QAction::triggered, this, &QWidget::close);
  connect(mnuOnline, &QAction::triggered, this, [] { OpenOnlineHelp(); });
  connect(mnuVisit, &QAction::triggered, this, [] { OpenForumHome(); });
  connect(mnuUpdate, &QAction::triggered, this, [] { OpenDownloadPage(); });
  connect(mnuAbout, &QAction::triggered, this, &FrmMain::aboutRequested);
  connect(mnuDonate, &QAction::triggered, this, [] { OpenDonatePage(); });
  connect(mkmoney, &QAction::triggered, this, [] { OpenFullBrandPage(); });
}

void FrmMain::NameForScreenReaders() {
  const std::pair<QWidget*, QString> names[] = {
      {txtName, tr("Name")},
      {cboMonth, tr("Month of birth")},
      {cboDate, tr("Day of birth")},
      {cboYear, tr("Year of birth")},
      {cboHH, tr("Hour of birth")},
      {cboMM, tr("Minute of birth")},
      {cboSS, tr("Second of birth")},
      {spnTimeUncertainty,
       tr("Minutes the birth time may be off, either side")},
      {cmdRashi, tr("Get My Hora Lagna")},
      {txtMCity, tr("City")},
      {txtMState, tr("State")},
      {txtMCountry, tr("Country")},
      {cmdBrowser, tr("Search the web for the latitude and longitude")},
      {cmbTimeZone, tr("Time zone")},
      {chkDST, tr("Daylight Saving Time")},
      {txtLonD, tr("Longitude degrees")},
      {txtLonM, tr("Longitude minutes")},
      {optLongEast, tr("East longitude")},
      {optLongWest, tr("West longitude")},
      {txtLatD, tr("Latitude degrees")},
      {txtLatM, tr("Latitude minutes")},
      {optLatNorth, tr("North latitude")},
      {optLatSouth, tr("South latitude")}};
  for (const auto& [widget, name] : names) widget->setAccessibleName(name);
  // The spin box's own text box is what has the focus.
  if (auto* text = spnTimeUncertainty->findChild<QLineEdit*>()) {
    text->setAccessibleName(spnTimeUncertainty->accessibleName());
  }
}

void FrmMain::SetTabOrder() {
  QWidget* const order[] = {
      txtName,     cboMonth,    cboDate,     cboYear,
      cboHH,       cboMM,       cboSS,       spnTimeUncertainty,
      txtMCity,    txtMState,   txtMCountry, cmdBrowser,
      cmbTimeZone, chkDST,      txtLonD,     txtLonM,
      optLongEast, optLongWest, txtLatD,     txtLatM,
      optLatNorth, optLatSouth, cmdRashi};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void FrmMain::FillLists() {
  // The 71 entries, then "Other offset…" (and an exact offset when one is
  // chosen).
  zoneChoice = new ZoneChoice(cmbTimeZone, chkDST, this);
  for (const char* month : WordsIn(UiLanguage()).monthName) {
    cboMonth->addItem(QString::fromUtf8(month));
  }
  AddNumbers(cboDate, 1, kDaysInList);
  AddNumbers(cboYear, kFirstBirthYear, kLastBirthYear);
  AddNumbers(cboHH, 0, kHours - 1);
  AddNumbers(cboMM, 0, kMinutes - 1);
  AddNumbers(cboSS, 0, kSeconds - 1);
  for (QComboBox* list : std::initializer_list<QComboBox*>{
           cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS, cmbTimeZone}) {
    list->setCurrentIndex(0);
  }
}

FrmMain::~FrmMain() {
  delete atlas_;
  atlas_ = nullptr;
}

QWidget* FrmMain::FocusTarget(InputField field) const {
  switch (field) {
    case InputField::Name:
      return txtName;
    case InputField::LonDeg:
      return txtLonD;
    case InputField::LonMin:
      return txtLonM;
    case InputField::LatDeg:
      return txtLatD;
    case InputField::LatMin:
      return txtLatM;
    case InputField::Day:
      return cboDate;
    case InputField::None:
      break;
  }
  return nullptr;
}

std::optional<Birth> FrmMain::ValidatedInput() {
  // Typing in a list that has not paused yet is done.
  for (TypedList* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
    list->FinishTyping();
  }
  // A City box typed in and not left yet is looked up now; several cities
  // of that name are offered first.
  if (!atlas_->SettleCityBox()) return std::nullopt;
  // A place typed over a chosen city is not that city any more.
  atlas_->DropPlaceUnlessStillNamed();
  FormEntries entries;
  entries.name = txtName->text().toStdString();
  entries.lonDeg = txtLonD->text().toStdString();
  entries.lonMin = txtLonM->text().toStdString();
  entries.latDeg = txtLatD->text().toStdString();
  entries.latMin = txtLatM->text().toStdString();
  entries.monthPosition = cboMonth->currentIndex();
  entries.dayPosition = cboDate->currentIndex();
  entries.west = !optLongEast->isChecked();
  entries.south = optLatSouth->isChecked();
  entries.year = ListNumber(cboYear);

  // The boxes are read once: what passes the checks is what is computed.
  const Reading<FormNumbers> numbers = ReadFormEntries(entries);
  if (!numbers) {
    ShowProblem(numbers.problem);
    return std::nullopt;
  }

  // The list always has a selection; should it lose it, say so rather than
  // compute with a zone nobody chose.
  const std::optional<ZoneSelection> zone = zoneChoice->Selection();
  if (!zone) {
    ShowMessage(tr("Please choose the time zone"), MessageIcon::Information,
                MessageButtons::Ok, this);
    cmbTimeZone->setFocus();
    return std::nullopt;
  }

  Birth birth;
  birth.name = entries.name;
  birth.local = {ListNumber(cboYear), cboMonth->currentIndex() + 1,
                 ListNumber(cboDate), ListNumber(cboHH),
                 ListNumber(cboMM),   ListNumber(cboSS)};
  birth.longitudeDegrees = numbers->longitudeDegrees;
  birth.latitudeDegrees = numbers->latitudeDegrees;
  if (shownPosition_ && shownPosition_->boxes == PositionBoxes()) {
    birth.latitudeDegrees = shownPosition_->exact.latitudeDegrees;
    birth.longitudeDegrees = shownPosition_->exact.longitudeDegrees;
  }
  if (zone->zoneIndex >= 0) {
    birth =
        WithZoneEntry(std::move(birth), zone->zoneIndex, chkDST->isChecked());
  } else {
    birth.utcOffsetSeconds = zone->utcOffsetSeconds;
    birth.daylightSavingSeconds = zone->daylightSavingSeconds;
    birth.zoneIndex = Birth::kExactOffset;
    birth.atlasZone = zone->atlasZone;
  }
  // A zone whose meridian is far from the place is asked about first.
  if (ZoneFarFromLongitude(birth.utcOffsetSeconds, birth.longitudeDegrees) &&
      ShowMessage(FarZoneQuestion(birth), MessageIcon::Information,
                  MessageButtons::YesNo, this) != MessageAnswer::Yes) {
    cmbTimeZone->setFocus();
    return std::nullopt;
  }
  birth.city = txtMCity->text().toStdString();
  birth.state = txtMState->text().toStdString();
  birth.country = txtMCountry->text().toStdString();
  // What the boxes cannot hold (a name over the limit pasted past the box)
  // the check of every birth still catches.
  if (const std::optional<InputProblem> problem = CheckBirth(birth)) {
    ShowProblem(*problem);
    return std::nullopt;
  }
  return birth;
}

int FrmMain::TimeUncertaintyMinutes() const {
  return spnTimeUncertainty->value();
}

void FrmMain::ShowProblem(const InputProblem& problem) {
  ShowMessage(ShownMessage(problem), problem.icon, MessageButtons::Ok, this);
  if (QWidget* box = FocusTarget(problem.focus)) box->setFocus();
}

void FrmMain::cmdRashi_Click() {
  if (const std::optional<Birth> birth = ValidatedInput()) {
    emit calculationRequested(*birth);
  }
}

void FrmMain::cmdBrowser_Click() {
  // Only an empty text is missing; a text of blanks is searched as it is.
  const std::pair<QLineEdit*, QString> required[] = {
      {txtMCity, tr("Please Enter City")},
      {txtMState, tr("Please Enter State")},
      {txtMCountry, tr("Please Enter Country")}};
  for (const auto& [box, message] : required) {
    if (box->text().isEmpty()) {
      ShowMessage(message, MessageIcon::Information, MessageButtons::Ok, this);
      box->setFocus();
      return;
    }
  }
  const QString searchText = txtMCity->text() + " " + txtMState->text() + " " +
                             txtMCountry->text() + " Latitude Longitude";
  OpenWebPage(WebSearchAddress(searchText));
}

void FrmMain::closeEvent(QCloseEvent* event) {
  // Only a shown form can be closed by its user.
  if (isVisible()) emit closedByUser();
  event->accept();
}

void FrmMain::EnterPressed() {
  auto* button = qobject_cast<QPushButton*>(focusWidget());
  (button != nullptr ? button : cmdRashi)->click();
}

}  // namespace tarvelin
