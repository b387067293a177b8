// SPDX-License-Identifier: GPL-3.0-or-later
// From the input form to the result window and back, as a user goes: type a
// birth, press "Get My Hora Lagna", read the result, go back, calculate
// again. The result window must show what the core computes for the same
// birth. Also logs how long start-up and a calculation take as felt.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "chart/calculate.h"
#include "result_form_access.h"
#include "shell/application.h"
#include "shell/mdi.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/input/frm_main.h"
#include "widgets/result/frm_display.h"

using namespace tarvelin;

namespace {

const test::TypedBirth kFirst{
    "asha verma", "77",    "12",   "28", "38",
    false,        false,   false,  2,    "15",
    "1980",       "9",     "5",    "30", 34 /* Indian Time */,
    "New Delhi",  "Delhi", "India"};
const test::TypedBirth kSecond{
    "ravi rao", "77",   "2",   "12", "3",
    true,       true,   false, 10,   "2",
    "1995",     "23",   "40",  "0",  27 /* Eastern Standard Time */,
    "Lima",     "Lima", "Peru"};

QString Shown(const std::string& text) {
  return QString::fromStdString(text).replace("\r\n", "\n");
}

// Every text of the result form against the view the core computed.
void CompareWithCore(const FrmDisplay& form, const ResultView& want) {
  for (int i = 0; i < kBodyCount; ++i) {
    QCOMPARE(test::RowLabel(&form, "planet", i)->text(), Shown(want.planet[i]));
  }
  for (int s = 0; s < 12; ++s) {
    QCOMPARE(form.ChartShown().bodies[s], want.chart.bodies[s]);
    QCOMPARE(form.ChartShown().markers[s], want.chart.markers[s]);
  }
  QCOMPARE(form.ChartShown().ascendantSign, want.chart.ascendantSign);
  QCOMPARE(test::FindChild<QLabel>(&form, "lblName")->text(),
           Shown(want.lblName));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblDOB")->text(),
           Shown(want.lblDOB));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblTOB")->text(),
           Shown(want.lblTOB));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblLatitude")->text(),
           Shown(want.lblLatitude));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblLongitude")->text(),
           Shown(want.lblLongitude));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblCity")->text(),
           Shown(want.lblCity));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblState")->text(),
           Shown(want.lblState));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblCountry")->text(),
           Shown(want.lblCountry));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblZone")->text(),
           Shown(want.lblZone));
  QCOMPARE(test::FindChild<QLabel>(&form, "lblHoraDesc")->text(),
           Shown(want.lblHoraDesc));
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    QWidget* field = form.SignField(ref.name);
    QVERIFY2(field, ref.name);
    const QString got =
        qobject_cast<QPlainTextEdit*>(field)
            ? qobject_cast<QPlainTextEdit*>(field)->toPlainText()
            : qobject_cast<QLabel*>(field)->text();
    QCOMPARE(got, Shown(want.attributes.*ref.member));
  }
}

int CellsShowing(const FrmDisplay& form, const std::string& marker) {
  int count = 0;
  for (const auto& markers : form.ChartShown().markers) {
    count +=
        static_cast<int>(std::count(markers.begin(), markers.end(), marker));
  }
  return count;
}

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void fromInputToResultAndBack();
};

void EndToEndTest::fromInputToResultAndBack() {
  test::SeamRecorder seams;
  QTemporaryDir dir;

  QElapsedTimer clock;
  clock.start();
  Application app(dir.filePath("lock"));
  QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
  QVERIFY(QTest::qWaitForWindowExposed(app.inputForm()));
  const qint64 startMs = clock.elapsed();
  qInfo("felt speed: start to input form shown: %lld ms", startMs);
  QVERIFY(QTest::qWaitForWindowActive(app.inputForm()));

  FrmMain& form = *app.inputForm();
  const test::InputFormControls controls(&form);
  test::Type(form, kFirst);
  QVERIFY(test::SaveScreenshot(&form, "input_form"));
  QSignalSpy requested(&form, &FrmMain::calculationRequested);

  clock.restart();
  QTest::mouseClick(controls.cmdRashi, Qt::LeftButton);
  QVERIFY(app.resultWindow() != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(app.resultWindow()));
  const qint64 clickMs = clock.elapsed();
  qInfo("felt speed: click to result window shown: %lld ms", clickMs);

  QVERIFY2(seams.messages.empty(),
           qPrintable(seams.messageTexts().join(" | ")));
  QCOMPARE(requested.count(), 1);
  QVERIFY(!form.isVisible());
  const Birth first = requested.at(0).at(0).value<Birth>();
  const ResultView firstView = PresentResult(first, Calculate(first));
  const FrmDisplay& display = *app.resultWindow()->frmDisplay();
  CompareWithCore(display, firstView);
  if (firstView.hasHoraLagna) QCOMPARE(CellsShowing(display, "HL"), 1);
  QCOMPARE(test::Tabs(&display)->currentIndex(), 0);
  // Both tabs of a real result, for a person to look at.
  app.resultWindow()->resize(app.resultWindow()->FittingSize());
  QApplication::processEvents();
  QVERIFY(test::SaveScreenshot(app.resultWindow(), "e2e_result_chart_tab"));
  test::Tabs(app.resultWindow()->frmDisplay())->setCurrentIndex(1);
  QVERIFY(test::SaveScreenshot(app.resultWindow(), "e2e_result_details_tab"));
  test::Tabs(app.resultWindow()->frmDisplay())->setCurrentIndex(2);
  QVERIFY(test::SaveScreenshot(app.resultWindow(), "e2e_result_found_tab"));

  // Back: the input form returns with its entries as typed.
  test::FindChild<QPushButton>(app.resultWindow(), "cmdBack")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(form.isVisible());
  QVERIFY(!(app.exitScreen() && app.exitScreen()->isVisible()));
  QCOMPARE(controls.txtName->text(), QString("ASHA VERMA"));
  QCOMPARE(controls.txtLonD->text(), QString(kFirst.lonDeg));
  QCOMPARE(controls.txtLatM->text(), QString(kFirst.latMin));
  QCOMPARE(controls.cboMonth->currentIndex(), kFirst.monthPosition);
  QCOMPARE(controls.cboYear->currentText(), QString(kFirst.year));
  QCOMPARE(controls.txtMCity->text(), QString(kFirst.city));

  // A second birth: the fresh window shows it alone.
  QVERIFY(QTest::qWaitForWindowActive(&form));
  test::Type(form, kSecond);
  QTest::mouseClick(controls.cmdRashi, Qt::LeftButton);
  QVERIFY(app.resultWindow() != nullptr);
  QCOMPARE(requested.count(), 2);
  const Birth second = requested.at(1).at(0).value<Birth>();
  const ResultView secondView = PresentResult(second, Calculate(second));
  CompareWithCore(*app.resultWindow()->frmDisplay(), secondView);
  if (secondView.hasHoraLagna) {
    QCOMPARE(CellsShowing(*app.resultWindow()->frmDisplay(), "HL"), 1);
  }
  QVERIFY(test::FindChild<QLabel>(app.resultWindow()->frmDisplay(), "lblName")
              ->text() != "ASHA VERMA");

  // The same coordinates without a place: the result names the nearest.
  test::FindChild<QPushButton>(app.resultWindow(), "cmdBack")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QLineEdit* box :
       {controls.txtMCity, controls.txtMState, controls.txtMCountry}) {
    box->clear();
  }
  QTest::mouseClick(controls.cmdRashi, Qt::LeftButton);
  QCOMPARE(requested.count(), 3);
  const QString named =
      test::FindChild<QLabel>(app.resultWindow()->frmDisplay(), "lblCity")
          ->text();
  QVERIFY2(named.startsWith("near ") && named.contains(", Peru, "),
           qPrintable(named));

  app.resultWindow()->hide();
  form.hide();
}

TARVELIN_TEST_MAIN(EndToEndTest);
#include "end_to_end_test.moc"
