// SPDX-License-Identifier: GPL-3.0-or-later
// The guard over the input form: births typed as a person types them, with
// key presses only (Tab between the boxes, digits and month names into the
// lists, a city typed and left with Tab or chosen from the cities offered,
// or coordinates and a zone), then Enter from any box; the Birth handed to
// the calculation must be the birth meant, field by field. The form is not
// cleared between births, so each is typed over the one before, as people
// do. Runs under the default platform theme and under the GNOME one (gtk3),
// where Return and Enter are button-press keys.
//
// The births come from a fixed seed, printed; TARVELIN_TYPING_SEED and
// TARVELIN_TYPED_BIRTHS choose others.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "chart/birth.h"
#include "present/quantity_text.h"
#include "tables/zone_table.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/input/frm_main.h"
#include "widgets/input/zone_choice.h"

namespace tarvelin {
namespace {

constexpr unsigned kDefaultSeed = 18;
constexpr int kDefaultBirths = 210;

// Place names typed into the City box. Some name one city, some several
// (one of the most populous chosen from the list then); Kathmandu and
// Chennai before 1906 need an exact offset.
const char* const kCityNames[] = {
    "Chennai", "Mumbai",    "Kathmandu", "Kolkata",  "Tokyo",
    "Nairobi", "Kabul",     "Tehran",    "Adelaide", "Reykjavik",
    "London",  "Hyderabad", "Paris",     "Sydney",   "Lima"};

int DaysIn(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && year % 4 == 0 ? 29 : kDays[month - 1];
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Describe(const Birth& b) {
  return QString(
             "%1 | %2 | lon %3 lat %4 | offset %5 dst %6 entry %7 %8 | "
             "%9, %10, %11")
      .arg(Text(b.name), Text(DateTimeText(b.local)))
      .arg(b.longitudeDegrees, 0, 'g', 17)
      .arg(b.latitudeDegrees, 0, 'g', 17)
      .arg(b.utcOffsetSeconds)
      .arg(b.daylightSavingSeconds)
      .arg(b.zoneIndex)
      .arg(Text(b.atlasZone), Text(b.city), Text(b.state), Text(b.country));
}

// The atlas's answer for a typed name, asked once per name.
const std::vector<AtlasCity>& Named(const QString& typed) {
  static std::map<QString, std::vector<AtlasCity>> known;
  auto found = known.find(typed);
  if (found == known.end()) {
    found = known.emplace(typed, CitiesNamed(typed.toStdString())).first;
  }
  return found->second;
}

// The messages a typed birth may bring: the atlas's notes on the clocks
// and on a city's own time, and the question about a far zone.
bool Expected(const QString& message) {
  return message.startsWith("The clocks at") ||
         message.startsWith("The recorded time of a birth in") ||
         message.startsWith("The zone ");
}

}  // namespace

class FormTypingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void enterComputesFromEveryBox();
  void typedBirthsAreTheBirthsComputed();

 private:
  // Keys where the keyboard is: the open list of cities, or the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
  void Type(const QString& text);
  void WindowSystemCatchesUp();
  // Tab (or Shift+Tab) until `stop` has the focus; an option pair is one
  // stop. False when it never comes.
  [[nodiscard]] bool TabTo(QWidget* stop, bool backwards = false);
  bool Focused(QWidget* stop) const;
  // The form's stops in Tab order, as enabled now.
  std::vector<QWidget*> Stops() const;

  // The parts of one birth.
  [[nodiscard]] bool TypeList(QComboBox* list, int value, bool month);
  // A city name to type and the city meant by it.
  struct CityPlan {
    QString typed;
    AtlasCity city;
    bool offered = false;  // the name is several cities': chosen from a list
  };
  CityPlan PlanCity();
  QString NameOfOneCity();
  [[nodiscard]] bool TypeAtlasPlace(Birth& meant, const CityPlan& plan,
                                    bool retype);
  [[nodiscard]] bool TypeCoordinates(Birth& meant);
  // Selects `wanted` of an option pair by keys.
  [[nodiscard]] bool ChooseOption(QRadioButton* wanted, QRadioButton* other);
  [[nodiscard]] bool PickOffered(const AtlasCity& city);
  int Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
  }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

  std::mt19937 random_;
  // The atlas city the place boxes hold, while the City box still says it.
  std::optional<AtlasCity> shown_;
  bool popupBefore_ = false;  // a popup was open at the last key
  std::unique_ptr<test::SeamRecorder> seams_;
  std::unique_ptr<FrmMain> form_;
  std::unique_ptr<test::InputFormControls> ui_;
};

void FormTypingTest::initTestCase() {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    QSKIP("needs a window system: run it through tests/ui/with_display.sh");
  }
  qInfo("platform %s, theme %s", qPrintable(QGuiApplication::platformName()),
        qPrintable(qEnvironmentVariable("QT_QPA_PLATFORMTHEME", "default")));
}

void FormTypingTest::init() {
  // "Other offset…" is never chosen here: asked for, it fails the test
  // rather than waiting for a person.
  SetOffsetPrompt([](QWidget*, const QString&) -> std::optional<QString> {
    QTest::qFail("the form asked for an offset", __FILE__, __LINE__);
    return std::nullopt;
  });
  seams_ = std::make_unique<test::SeamRecorder>();
  seams_->answer = MessageAnswer::Yes;  // a far zone is meant
  form_ = std::make_unique<FrmMain>();
  ui_ = std::make_unique<test::InputFormControls>(form_.get());
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  ui_->txtName->setFocus();
}

void FormTypingTest::cleanup() {
  SetOffsetPrompt({});
  ui_.reset();
  form_.reset();
  seams_.reset();
}

void FormTypingTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  WindowSystemCatchesUp();
  test::PressKey(key, modifiers);
}

void FormTypingTest::Type(const QString& text) {
  for (const QChar c : text) {
    WindowSystemCatchesUp();
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) target = QApplication::focusWidget();
    QTest::keyClicks(target, QString(c));
  }
}

void FormTypingTest::WindowSystemCatchesUp() {
  // A person's key reaches the program after what the window system did
  // before it: a popup (the list of cities) grabbing the keyboard and
  // giving it back. A simulated key would overtake that.
  const bool popup = QApplication::activePopupWidget() != nullptr;
  if (popup || popupBefore_) {
    QGuiApplication::sync();
    QCoreApplication::processEvents();
  }
  popupBefore_ = popup;
}

bool FormTypingTest::Focused(QWidget* stop) const {
  // While a popup is open the keys are its own.
  if (QApplication::activePopupWidget() != nullptr) return false;
  QWidget* focus = QApplication::focusWidget();
  if (focus == stop) return true;
  // An option pair is one stop: whichever of the two is selected.
  const auto pair = [&](QWidget* a, QWidget* b) {
    return (stop == a || stop == b) && (focus == a || focus == b);
  };
  return pair(ui_->optLongEast, ui_->optLongWest) ||
         pair(ui_->optLatNorth, ui_->optLatSouth);
}

bool FormTypingTest::TabTo(QWidget* stop, bool backwards) {
  for (int presses = 0; presses < 40; ++presses) {
    if (Focused(stop)) return true;
    Press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
  }
  qWarning() << "never reached" << stop->objectName() << "; focus on"
             << QApplication::focusWidget();
  return false;
}

std::vector<QWidget*> FormTypingTest::Stops() const {
  std::vector<QWidget*> stops = {
      ui_->txtName,   ui_->cboMonth,    ui_->cboDate,     ui_->cboYear,
      ui_->cboHH,     ui_->cboMM,       ui_->cboSS,       ui_->txtMCity,
      ui_->txtMState, ui_->txtMCountry, ui_->cmdBrowser,  ui_->cmbTimeZone,
      ui_->chkDST,    ui_->txtLonD,     ui_->txtLonM,     ui_->optLongEast,
      ui_->txtLatD,   ui_->txtLatM,     ui_->optLatNorth, ui_->cmdRashi};
  std::vector<QWidget*> enabled;
  for (QWidget* stop : stops) {
    if (stop->isEnabled()) enabled.push_back(stop);
  }
  return enabled;
}

// Enter, Return and the keypad's Enter compute from every box, list and
// option of the form; a focused button presses itself.
void FormTypingTest::enterComputesFromEveryBox() {
  ui_->txtName->setText("RAM");
  ui_->txtMCity->setText("Delhi");
  ui_->txtMState->setText("Delhi");
  ui_->txtMCountry->setText("India");
  ui_->txtLonD->setText("77");
  ui_->txtLonM->setText("13");
  ui_->txtLatD->setText("28");
  ui_->txtLatM->setText("40");
  ui_->cmbTimeZone->setCurrentIndex(34);
  QSignalSpy computed(form_.get(), &FrmMain::calculationRequested);
  int expected = 0;
  for (QWidget* stop : Stops()) {
    QVERIFY(TabTo(stop));
    const QString name = stop->objectName();
    const bool keypad = (expected % 2) == 1;
    Press(keypad ? Qt::Key_Enter : Qt::Key_Return,
          keypad ? Qt::KeypadModifier : Qt::NoModifier);
    if (stop == ui_->cmdBrowser) {
      QCOMPARE(computed.count(), expected);
      QCOMPARE(seams_->pages.size(), 1);  // the coordinate look-up
      continue;
    }
    QVERIFY2(computed.count() == ++expected, qPrintable(name));
    QVERIFY2(Focused(stop), qPrintable(name));
  }
  QCOMPARE(ui_->chkDST->isChecked(), false);  // Enter ticks nothing
  QVERIFY(ui_->optLongEast->isChecked());
  QVERIFY(seams_->messages.empty());
}

bool FormTypingTest::TypeList(QComboBox* list, int value, bool month) {
  QString keys;
  if (month && Chance(0.5)) {
    // The shortest beginning that names the month, or more of it.
    const QString name = kMonthNames[value - 1];
    int length = 1;
    for (;; ++length) {
      const QString start = name.left(length);
      int first = 0;
      while (!QString(kMonthNames[first]).startsWith(start)) ++first;
      if (first == value - 1) break;
    }
    keys = name.left(Pick(length, static_cast<int>(name.size())));
    if (Chance(0.5)) keys = keys.toLower();
  } else {
    keys = QString::number(value);
    if (value < 10 && Chance(0.3)) keys.prepend('0');
  }
  if (!TabTo(list)) return false;
  Type(keys);
  return true;
}

bool FormTypingTest::PickOffered(const AtlasCity& city) {
  QAbstractItemView* offered =
      test::FindChild<QCompleter>(form_.get(), "cityCompleter")->popup();
  if (!QTest::qWaitFor([&] { return offered->isVisible(); })) {
    qWarning() << "no cities offered for" << Text(CityLabel(city));
    return false;
  }
  const QString label = Text(CityLabel(city));
  int row = -1;
  for (int r = 0; r < offered->model()->rowCount(); ++r) {
    if (offered->model()->index(r, 0).data().toString() == label) row = r;
  }
  if (row < 0) {
    qWarning() << label << "not offered";
    return false;
  }
  for (int i = 0; i <= row; ++i) Press(Qt::Key_Down);
  Press(Qt::Key_Return);
  if (offered->isVisible()) qWarning() << "still offered after Return";
  return !offered->isVisible();
}

FormTypingTest::CityPlan FormTypingTest::PlanCity() {
  CityPlan plan;
  plan.typed = kCityNames[Pick(0, static_cast<int>(std::size(kCityNames)) - 1)];
  const std::vector<AtlasCity>& named = Named(plan.typed);
  if (named.empty()) qFatal("%s is not in the atlas", qPrintable(plan.typed));
  plan.city = named[static_cast<std::size_t>(
      Pick(0, std::min(static_cast<int>(named.size()), 4) - 1))];
  plan.offered = named.size() > 1;
  return plan;
}

QString FormTypingTest::NameOfOneCity() {
  std::vector<QString> unique;
  for (const char* name : kCityNames) {
    if (Named(name).size() == 1) unique.push_back(name);
  }
  if (unique.empty()) qFatal("every name of the list names several cities");
  return unique[static_cast<std::size_t>(
      Pick(0, static_cast<int>(unique.size()) - 1))];
}

bool FormTypingTest::TypeAtlasPlace(Birth& meant, const CityPlan& plan,
                                    bool retype) {
  if (!TabTo(ui_->txtMCity)) return false;
  if (retype) {
    // Another city first (a name of one city), left with Tab, then typed
    // over.
    const QString first = NameOfOneCity();
    Type(first);
    Press(Qt::Key_Tab);
    shown_ = Named(first).front();
    if (!TabTo(ui_->txtMCity, true)) return false;
  }
  // A name retyped over a city it names keeps that city: nothing is
  // offered.
  const auto same = [](const AtlasCity& a, const AtlasCity& b) {
    return CityLabel(a) == CityLabel(b) &&
           a.latitudeDegrees == b.latitudeDegrees &&
           a.longitudeDegrees == b.longitudeDegrees;
  };
  bool kept = false;
  if (shown_) {
    for (const AtlasCity& c : Named(plan.typed)) {
      kept = kept || same(c, *shown_);
    }
  }
  Type(plan.typed);
  Press(Qt::Key_Tab);
  if (plan.offered && !kept && !PickOffered(plan.city)) return false;

  const AtlasCity city = kept ? *shown_ : plan.city;
  shown_ = city;
  // A kept city's box says what was typed ("Reykjavik" for Reykjavík).
  const std::string cityText = kept ? plan.typed.toStdString() : city.name;
  const BirthPlace place = PlaceAtBirth(city, meant.local);
  meant.longitudeDegrees =
      DegreesFromEntry(place.longitude.degrees, place.longitude.minutes,
                       place.longitude.negative);
  meant.latitudeDegrees = DegreesFromEntry(
      place.latitude.degrees, place.latitude.minutes, place.latitude.negative);
  if (place.zoneChoice) {
    meant = WithZoneEntry(meant, place.zoneChoice->position,
                          place.zoneChoice->daylightSaving);
  } else {
    meant.utcOffsetSeconds = place.zone->utcOffsetSeconds;
    meant.daylightSavingSeconds = place.zone->daylightSavingSeconds;
    meant.zoneIndex = Birth::kExactOffset;
    meant.atlasZone = city.ianaZone;
  }
  meant.city = cityText;
  meant.state = city.state;
  meant.country = city.country;
  return true;
}

bool FormTypingTest::ChooseOption(QRadioButton* wanted, QRadioButton* other) {
  if (!TabTo(wanted)) return false;
  if (wanted->isChecked()) return true;
  // The pair's stop is the option focused last, not always the selected
  // one: Space selects the focused option, an arrow the other.
  if (QApplication::focusWidget() == wanted) {
    Press(Qt::Key_Space);
  } else {
    Press(wanted->x() > other->x() ? Qt::Key_Right : Qt::Key_Left);
  }
  return wanted->isChecked();
}

bool FormTypingTest::TypeCoordinates(Birth& meant) {
  // No city, or one the atlas does not know; State and Country as typed.
  if (!TabTo(ui_->txtMCity)) return false;
  QString city;
  if (Chance(0.6)) {
    city = "Xq";
    for (int i = Pick(3, 8); i > 0; --i) city += QChar('a' + Pick(0, 25));
  }
  if (city.isEmpty()) {
    Press(Qt::Key_Delete);  // the text is selected on the way in
  } else {
    Type(city);
  }
  Press(Qt::Key_Tab);
  const QString state = Chance(0.5) ? QString("Hill State") : QString();
  const QString country = Chance(0.5) ? QString("Farland") : QString();
  for (const auto& [box, text] : {std::pair{ui_->txtMState, state},
                                  std::pair{ui_->txtMCountry, country}}) {
    if (!TabTo(box)) return false;
    if (text.isEmpty()) {
      Press(Qt::Key_Delete);
    } else {
      Type(text);
    }
    Press(Qt::Key_Tab);
  }

  // A zone-list entry, and a place within its reach.
  const int zone = Pick(0, kZoneCount - 1);
  const bool dst = Chance(0.25);
  if (!TabTo(ui_->cmbTimeZone)) return false;
  // Home and down, or straight up or down, whichever is fewer keys.
  int steps = zone - ui_->cmbTimeZone->currentIndex();
  if (1 + zone < std::abs(steps)) {
    Press(Qt::Key_Home);
    steps = zone;
  }
  for (int i = 0; i < std::abs(steps); ++i) {
    Press(steps > 0 ? Qt::Key_Down : Qt::Key_Up);
  }
  if (ui_->cmbTimeZone->currentIndex() != zone) return false;
  if (!TabTo(ui_->chkDST)) return false;
  if (ui_->chkDST->isChecked() != dst) Press(Qt::Key_Space);

  meant = WithZoneEntry(meant, zone, dst);
  const double meridian =
      EntryOffsetSeconds(kZoneTable[static_cast<std::size_t>(zone)]) / 240.0;
  const double lon =
      std::clamp(meridian + Pick(-2500, 2500) / 100.0, -179.9, 179.9);
  const int lonMinutes = static_cast<int>(std::fabs(lon) * 60);
  const int latMinutes = Pick(0, 89 * 60 + 59);
  const bool west = lon < 0, south = Chance(0.3);
  const int lonDeg = lonMinutes / 60, lonMin = lonMinutes % 60;
  const int latDeg = latMinutes / 60, latMin = latMinutes % 60;
  const std::pair<QLineEdit*, int> boxes[] = {{ui_->txtLonD, lonDeg},
                                              {ui_->txtLonM, lonMin}};
  for (const auto& [box, value] : boxes) {
    if (!TabTo(box)) return false;
    Type(QString::number(value));
  }
  if (!ChooseOption(west ? ui_->optLongWest : ui_->optLongEast,
                    west ? ui_->optLongEast : ui_->optLongWest)) {
    return false;
  }
  const std::pair<QLineEdit*, int> latBoxes[] = {{ui_->txtLatD, latDeg},
                                                 {ui_->txtLatM, latMin}};
  for (const auto& [box, value] : latBoxes) {
    if (!TabTo(box)) return false;
    Type(QString::number(value));
  }
  if (!ChooseOption(south ? ui_->optLatSouth : ui_->optLatNorth,
                    south ? ui_->optLatNorth : ui_->optLatSouth)) {
    return false;
  }
  meant.longitudeDegrees = DegreesFromEntry(lonDeg, lonMin, west);
  meant.latitudeDegrees = DegreesFromEntry(latDeg, latMin, south);
  meant.atlasZone.clear();
  shown_.reset();
  meant.city = city.toStdString();
  meant.state = state.toStdString();
  meant.country = country.toStdString();
  return true;
}

void FormTypingTest::typedBirthsAreTheBirthsComputed() {
  const unsigned seed =
      qEnvironmentVariableIsSet("TARVELIN_TYPING_SEED")
          ? qEnvironmentVariable("TARVELIN_TYPING_SEED").toUInt()
          : kDefaultSeed;
  const int births = qEnvironmentVariableIsSet("TARVELIN_TYPED_BIRTHS")
                         ? qEnvironmentVariableIntValue("TARVELIN_TYPED_BIRTHS")
                         : kDefaultBirths;
  qInfo("seed %u, %d births (TARVELIN_TYPING_SEED, TARVELIN_TYPED_BIRTHS)",
        seed, births);
  random_.seed(seed);

  QSignalSpy computed(form_.get(), &FrmMain::calculationRequested);
  CivilDateTime previous{1901, 1, 1, 0, 0, 0};
  int atlasPlaces = 0, exactOffsets = 0, offered = 0;

  for (int n = 0; n < births; ++n) {
    Birth meant;
    // A name of one to three words, typed in lower case.
    QString name;
    for (int w = Pick(1, 3); w > 0; --w) {
      if (!name.isEmpty()) name += ' ';
      for (int i = Pick(2, 8); i > 0; --i) name += QChar('a' + Pick(0, 25));
    }
    meant.name = name.toUpper().toStdString();
    // The date and time; often a first digit the entry before shares.
    CivilDateTime& t = meant.local;
    t.year = Pick(1901, 2050);
    t.month = Pick(1, 12);
    const auto sharing = [&](int before, int low, int high) {
      if (Chance(0.4)) {
        const int tens = before / 10;
        std::vector<int> near;
        for (int v = low; v <= high; ++v) {
          if (v == tens || v / 10 == tens) near.push_back(v);
        }
        if (!near.empty()) {
          return near[static_cast<std::size_t>(
              Pick(0, static_cast<int>(near.size()) - 1))];
        }
      }
      return Pick(low, high);
    };
    // The place is planned first: Chennai before 1906 kept Madras time,
    // +05:21:10, an offset no entry has.
    const bool atlas = Chance(0.55);
    const CityPlan plan = atlas ? PlanCity() : CityPlan();
    if (atlas && plan.city.name == "Chennai" && Chance(0.5)) {
      t.year = Pick(1901, 1905);
    }
    t.day = sharing(previous.day, 1, DaysIn(t.year, t.month));
    t.hour = sharing(previous.hour, 0, 23);
    t.minute = sharing(previous.minute, 0, 59);
    t.second = sharing(previous.second, 0, 59);

    QVERIFY(TabTo(ui_->txtName));
    Type(name);
    QVERIFY(TypeList(ui_->cboMonth, t.month, true));
    QVERIFY(TypeList(ui_->cboDate, t.day, false));
    QVERIFY(TypeList(ui_->cboYear, t.year, false));
    QVERIFY(TypeList(ui_->cboHH, t.hour, false));
    QVERIFY(TypeList(ui_->cboMM, t.minute, false));
    QVERIFY(TypeList(ui_->cboSS, t.second, false));

    if (atlas) {
      QVERIFY(TypeAtlasPlace(meant, plan, Chance(0.2)));
      ++atlasPlaces;
      if (meant.zoneIndex == Birth::kExactOffset) ++exactOffsets;
      if (plan.offered && meant.city == plan.city.name) ++offered;
    } else {
      QVERIFY(TypeCoordinates(meant));
    }

    // Enter from any box but the look-up button.
    std::vector<QWidget*> stops = Stops();
    stops.erase(std::find(stops.begin(), stops.end(), ui_->cmdBrowser));
    QVERIFY(TabTo(stops[static_cast<std::size_t>(
        Pick(0, static_cast<int>(stops.size()) - 1))]));
    const int before = static_cast<int>(computed.count());
    if (Chance(0.5)) {
      Press(Qt::Key_Return);
    } else {
      Press(Qt::Key_Enter, Qt::KeypadModifier);
    }
    QVERIFY2(computed.count() == before + 1,
             qPrintable(QString("birth %1 not computed; messages: %2; meant "
                                "%3; boxes %4 %5 %6 %7")
                            .arg(n)
                            .arg(seams_->messageTexts().join(" | "),
                                 Describe(meant), ui_->txtMCity->text(),
                                 ui_->txtLonD->text(), ui_->txtLatD->text(),
                                 ui_->cmbTimeZone->currentText())));
    const Birth got = computed.back().at(0).value<Birth>();
    QVERIFY2(test::SameBirth(got, meant),
             qPrintable(QString("birth %1 (seed %2)\n meant %3\n   got %4")
                            .arg(n)
                            .arg(seed)
                            .arg(Describe(meant), Describe(got))));
    for (const QString& message : seams_->messageTexts()) {
      QVERIFY2(Expected(message), qPrintable(message));
    }
    seams_->messages.clear();
    previous = t;
  }
  qInfo(
      "%d births typed: %d from the atlas (%d with an exact offset, %d "
      "chosen among several), %d by coordinates and zone",
      births, atlasPlaces, exactOffsets, offered, births - atlasPlaces);
  QVERIFY(exactOffsets > 0);
  QVERIFY(offered > 0);
}

}  // namespace tarvelin

TARVELIN_TEST_MAIN(tarvelin::FormTypingTest);
#include "form_typing_test.moc"
