// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the seams replaced by recorders (no
// message box blocks, no page opens, no real settings are touched), a
// hand-made result view, the screenshot writer, and the input form's
// controls found by their object names.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QtGlobal>
#include <cmath>
#include <memory>
#include <vector>

#include "present/result_view.h"
#include "widgets/common/app_seams.h"
#include "widgets/input/frm_main.h"

namespace tarvelin::test {

// The child of `parent` of type T with that objectName, searched
// recursively. A missing one ends the test program with its name: the
// window lost or renamed a control the test relies on.
template <class T>
T* FindChild(const QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  if (child == nullptr) {
    qFatal("no %s named \"%s\" under %s", T::staticMetaObject.className(),
           qPrintable(name), qPrintable(parent->objectName()));
  }
  return child;
}

// The input form's controls, found by their object names.
struct InputFormControls {
  explicit InputFormControls(const QObject* form)
      : txtName(FindChild<QLineEdit>(form, "txtName")),
        cboMonth(FindChild<QComboBox>(form, "cboMonth")),
        cboDate(FindChild<QComboBox>(form, "cboDate")),
        cboYear(FindChild<QComboBox>(form, "cboYear")),
        cboHH(FindChild<QComboBox>(form, "cboHH")),
        cboMM(FindChild<QComboBox>(form, "cboMM")),
        cboSS(FindChild<QComboBox>(form, "cboSS")),
        cmdRashi(FindChild<QPushButton>(form, "cmdRashi")),
        txtMCity(FindChild<QLineEdit>(form, "txtMCity")),
        txtMState(FindChild<QLineEdit>(form, "txtMState")),
        txtMCountry(FindChild<QLineEdit>(form, "txtMCountry")),
        cmdBrowser(FindChild<QPushButton>(form, "cmdBrowser")),
        cmbTimeZone(FindChild<QComboBox>(form, "cmbTimeZone")),
        chkDST(FindChild<QCheckBox>(form, "chkDST")),
        txtLonD(FindChild<QLineEdit>(form, "txtLonD")),
        txtLonM(FindChild<QLineEdit>(form, "txtLonM")),
        optLongEast(FindChild<QRadioButton>(form, "optLong0")),
        optLongWest(FindChild<QRadioButton>(form, "optLong1")),
        txtLatD(FindChild<QLineEdit>(form, "txtLatD")),
        txtLatM(FindChild<QLineEdit>(form, "txtLatM")),
        optLatNorth(FindChild<QRadioButton>(form, "optLat0")),
        optLatSouth(FindChild<QRadioButton>(form, "optLat1")),
        lblCobrand(FindChild<QLabel>(form, "lblCobrand")),
        lblFullBrand(FindChild<QLabel>(form, "lblFullBrand")),
        Label61(FindChild<QLabel>(form, "Label61")),
        mnuFile(FindChild<QMenu>(form, "mnuFile")),
        mnuNext(FindChild<QAction>(form, "mnuNext")),
        mnuExit(FindChild<QAction>(form, "mnuExit")),
        mnuOnline(FindChild<QAction>(form, "mnuOnline")),
        mnuVisit(FindChild<QAction>(form, "mnuVisit")),
        mnuUpdate(FindChild<QAction>(form, "mnuUpdate")),
        mnuAbout(FindChild<QAction>(form, "mnuAbout")),
        mnuDonate(FindChild<QAction>(form, "mnuDonate")),
        mkmoney(FindChild<QAction>(form, "mkmoney")) {}

  QLineEdit* txtName;
  QComboBox *cboMonth, *cboDate, *cboYear, *cboHH, *cboMM, *cboSS;
  QPushButton* cmdRashi;
  QLineEdit *txtMCity, *txtMState, *txtMCountry;
  QPushButton* cmdBrowser;
  QComboBox* cmbTimeZone;
  QCheckBox* chkDST;
  QLineEdit *txtLonD, *txtLonM;
  QRadioButton *optLongEast, *optLongWest;
  QLineEdit *txtLatD, *txtLatM;
  QRadioButton *optLatNorth, *optLatSouth;
  QLabel *lblCobrand, *lblFullBrand, *Label61;
  QMenu* mnuFile;
  QAction *mnuNext, *mnuExit, *mnuOnline, *mnuVisit, *mnuUpdate, *mnuAbout,
      *mnuDonate, *mkmoney;
};

// A birth as a person types it into the input form, and the typing.
struct TypedBirth {
  const char *name, *lonDeg, *lonMin, *latDeg, *latMin;
  bool west, south, dst;
  int monthPosition;
  const char *day, *year, *hour, *minute, *second;
  int zonePosition;
  const char *city, *state, *country;
};

// Presses `key` where the keyboard is: an open popup (the list of cities
// under the City box) or the focused widget; then lets the event loop run,
// as it does between a person's keys.
inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QWidget* target = QApplication::activePopupWidget();
  if (target == nullptr) target = QApplication::focusWidget();
  if (target == nullptr) qFatal("no widget has the keyboard");
  QTest::keyClick(target, key, modifiers);
  QCoreApplication::processEvents();
}

// Types over the text of `box`, as a person who tabs into it does.
inline void TypeInto(QLineEdit* box, const QString& text) {
  box->setFocus(Qt::TabFocusReason);
  box->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(box, Qt::Key_Delete);
  } else {
    QTest::keyClicks(box, text);
  }
}

// The boxes in the order of the form; the City box is left with Tab, so
// that the atlas fills what it knows of the city before the rest is typed
// over it. The window must be active.
// A window system gives the keyboard back to a window when its popup (the
// list of cities) closes; the offscreen platform leaves it with the closed
// popup. This does what the window system would.
inline void KeyboardBack(QWidget& window) {
  if (QApplication::activeWindow() == &window) return;
  window.activateWindow();
  if (!QTest::qWaitFor(
          [&] { return QApplication::activeWindow() == &window; })) {
    qFatal("the window stays inactive");
  }
}

inline void Type(FrmMain& f, const TypedBirth& b) {
  const test::InputFormControls c(&f);
  KeyboardBack(f);
  TypeInto(c.txtName, b.name);
  c.cboMonth->setCurrentIndex(b.monthPosition);
  c.cboDate->setCurrentText(b.day);
  c.cboYear->setCurrentText(b.year);
  c.cboHH->setCurrentText(b.hour);
  c.cboMM->setCurrentText(b.minute);
  c.cboSS->setCurrentText(b.second);
  TypeInto(c.txtMCity, b.city);
  PressKey(Qt::Key_Tab);
  // A name several places share: the first offered, the most populous.
  if (QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, 50)) {
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Return);
  }
  KeyboardBack(f);
  TypeInto(c.txtMState, b.state);
  TypeInto(c.txtMCountry, b.country);
  // Chosen as a person chooses: the list's entry activated, the boxes
  // clicked.
  c.cmbTimeZone->setCurrentIndex(b.zonePosition);
  emit c.cmbTimeZone->activated(b.zonePosition);
  if (c.chkDST->isChecked() != b.dst) c.chkDST->click();
  TypeInto(c.txtLonD, b.lonDeg);
  TypeInto(c.txtLonM, b.lonMin);
  TypeInto(c.txtLatD, b.latDeg);
  TypeInto(c.txtLatM, b.latMin);
  (b.west ? c.optLongWest : c.optLongEast)->click();
  (b.south ? c.optLatSouth : c.optLatNorth)->click();
  KeyboardBack(f);
}

class MemoryStore : public SettingsStore {
 public:
  QVariant value(const QString& section, const QString& key) const override {
    return values.value(section + "/" + key);
  }
  void setValue(const QString& section, const QString& key,
                const QVariant& value) override {
    values[section + "/" + key] = value;
  }
  QMap<QString, QVariant> values;
};

// Every field alike, the hemisphere of a zero coordinate too.
inline bool SameBirth(const Birth& a, const Birth& b) {
  return a.name == b.name && a.local == b.local &&
         a.longitudeDegrees == b.longitudeDegrees &&
         std::signbit(a.longitudeDegrees) == std::signbit(b.longitudeDegrees) &&
         a.latitudeDegrees == b.latitudeDegrees &&
         std::signbit(a.latitudeDegrees) == std::signbit(b.latitudeDegrees) &&
         a.utcOffsetSeconds == b.utcOffsetSeconds &&
         a.daylightSavingSeconds == b.daylightSavingSeconds &&
         a.zoneIndex == b.zoneIndex && a.atlasZone == b.atlasZone &&
         a.city == b.city && a.state == b.state && a.country == b.country;
}

// Installs recorders in all the seams for the life of the object.
class SeamRecorder {
 public:
  SeamRecorder() {
    SetMessageHandler([this](const MessageRequest& request) {
      messages.push_back(request);
      return answer;
    });
    SetWebPageOpener([this](const QString& url) { pages << url; });
    SetSaveFileAsker([this](const SaveFileRequest& request) {
      saveRequests.push_back(request);
      return saveAs;
    });
    auto owned = std::make_unique<MemoryStore>();
    store = owned.get();
    SetSettingsStore(std::move(owned));
  }
  ~SeamRecorder() {
    SetMessageHandler({});
    SetWebPageOpener({});
    SetSaveFileAsker({});
    SetSettingsStore(std::make_unique<MemoryStore>());
  }
  SeamRecorder(const SeamRecorder&) = delete;
  SeamRecorder& operator=(const SeamRecorder&) = delete;

  QStringList messageTexts() const {
    QStringList texts;
    for (const MessageRequest& m : messages) texts << m.text;
    return texts;
  }

  std::vector<MessageRequest> messages;
  QStringList pages;
  MemoryStore* store = nullptr;
  MessageAnswer answer = MessageAnswer::Ok;
  // What the save-file "dialog" answers (empty: cancelled), and what it was
  // asked.
  QString saveAs;
  std::vector<SaveFileRequest> saveRequests;
};

// A view as the core would hand it over, filled by hand: every text is
// distinct so that a field shown in the wrong place is caught.
inline ResultView SampleView() {
  ResultView view;
  const char* positions[kBodyCount] = {
      "00Ari12'", "14Tau03'", "29Ari59'", "02Pis44'", "17Can08'",
      "05Sag31'", "21Cap00'", "09Gem16'", "09Sag16'", "26Leo47'"};
  for (int i = 0; i < kBodyCount; ++i) view.planet[i] = positions[i];
  view.chartLabels[0] = "\r\nSun\r\nMercury";
  view.chartLabels[1] = "\r\nMoon";
  view.chartLabels[11] = "\r\nVenus";
  view.chartLabels[3] = "\r\nMars (R) ";
  view.chartLabels[8] = "\r\nJupiter\r\nKetu";
  view.chartLabels[9] = "\r\nSaturn";
  view.chartLabels[2] = "\r\nRahu";
  view.chartLabels[4] = "\r\nAsc";
  view.chart.ascendantSign = 4;
  view.chart.bodies[0] = {"Sun", "Mercury"};
  view.chart.bodies[1] = {"Moon"};
  view.chart.bodies[11] = {"Venus"};
  view.chart.bodies[3] = {"Mars (R)"};
  view.chart.bodies[8] = {"Jupiter", "Ketu"};
  view.chart.bodies[9] = {"Saturn"};
  view.chart.bodies[2] = {"Rahu"};
  view.chart.bodies[4] = {"Asc"};
  view.chart.markers[5] = {"HL"};
  // Eleven markers, empty but the Hora Lagna's, in the Virgo cell.
  for (std::string& cell : view.lblArudha) cell = "\r\n";
  view.lblArudha[5] = "\r\n\r\n\r\n\r\n\r\nHL\r\n\r\n\r\n";
  view.lblName = "ASHA VERMA";
  view.lblDOB = "March/15/1980";
  view.lblTOB = "9:5";
  view.lblLatitude = "28\u00b0 38' N";
  view.lblLongitude = "77\u00b0 12' E";
  view.lblCity = "New Delhi";
  view.lblState = "Delhi";
  view.lblCountry = "India";
  view.lblZone = "UTC+05:30 (Indian Time), no daylight saving";
  view.lblHoraDesc =
      "Hora Lagna in the second house: wealth comes through family and "
      "speech.";
  view.hasHoraLagna = true;
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    view.attributes.*ref.member = std::string("value of ") + ref.name;
  }
  view.attributes.txtNature = std::string(883, 'n');
  for (std::size_t i = 60; i < 883; i += 61) view.attributes.txtNature[i] = ' ';
  return view;
}

inline QString ScreenshotDir() {
  const QString fromEnv = qEnvironmentVariable("TARVELIN_SCREENSHOT_DIR");
  return fromEnv.isEmpty() ? QString(TARVELIN_SCREENSHOT_DIR) : fromEnv;
}

// Writes the widget's picture for a person to look at; never compared.
inline bool SaveScreenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(ScreenshotDir());
  return widget->grab().save(QDir(ScreenshotDir()).filePath(name + ".png"));
}

}  // namespace tarvelin::test
