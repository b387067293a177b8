// What the window tests share: the seams replaced by recorders (no
// message box blocks, no page opens, no real settings are touched), a
// hand-made result view, the screenshot writer, and the input form's
// controls found by their object names.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>
#include <memory>
#include <vector>

#include "present/result_view.h"
#include "widgets/common/app_seams.h"

namespace tarvelin::test {

// The child of `parent` named `name`; a missing one stops the test run, so
// a renamed control is reported rather than crashing later.
template <class T>
T* Child(const QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    qFatal("no %s named \"%s\"", T::staticMetaObject.className(), name);
  }
  return child;
}

// The input form's controls, found by their object names.
struct InputFormControls {
  explicit InputFormControls(const QObject* form)
      : txtName(Child<QLineEdit>(form, "txtName")),
        cboMonth(Child<QComboBox>(form, "cboMonth")),
        cboDate(Child<QComboBox>(form, "cboDate")),
        cboYear(Child<QComboBox>(form, "cboYear")),
        cboHH(Child<QComboBox>(form, "cboHH")),
        cboMM(Child<QComboBox>(form, "cboMM")),
        cboSS(Child<QComboBox>(form, "cboSS")),
        cmdRashi(Child<QPushButton>(form, "cmdRashi")),
        txtMCity(Child<QLineEdit>(form, "txtMCity")),
        txtMState(Child<QLineEdit>(form, "txtMState")),
        txtMCountry(Child<QLineEdit>(form, "txtMCountry")),
        cmdBrowser(Child<QPushButton>(form, "cmdBrowser")),
        cmbTimeZone(Child<QComboBox>(form, "cmbTimeZone")),
        chkDST(Child<QCheckBox>(form, "chkDST")),
        txtLonD(Child<QLineEdit>(form, "txtLonD")),
        txtLonM(Child<QLineEdit>(form, "txtLonM")),
        optLongEast(Child<QRadioButton>(form, "optLong0")),
        optLongWest(Child<QRadioButton>(form, "optLong1")),
        txtLatD(Child<QLineEdit>(form, "txtLatD")),
        txtLatM(Child<QLineEdit>(form, "txtLatM")),
        optLatNorth(Child<QRadioButton>(form, "optLat0")),
        optLatSouth(Child<QRadioButton>(form, "optLat1")),
        lblCobrand(Child<QLabel>(form, "lblCobrand")),
        lblFullBrand(Child<QLabel>(form, "lblFullBrand")),
        Label61(Child<QLabel>(form, "Label61")),
        mnuFile(Child<QMenu>(form, "mnuFile")),
        mnuNext(Child<QAction>(form, "mnuNext")),
        mnuExit(Child<QAction>(form, "mnuExit")),
        mnuOnline(Child<QAction>(form, "mnuOnline")),
        mnuVisit(Child<QAction>(form, "mnuVisit")),
        mnuUpdate(Child<QAction>(form, "mnuUpdate")),
        mnuAbout(Child<QAction>(form, "mnuAbout")),
        mnuDonate(Child<QAction>(form, "mnuDonate")),
        mkmoney(Child<QAction>(form, "mkmoney")) {}

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
