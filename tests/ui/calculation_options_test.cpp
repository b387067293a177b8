// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation options in the desktop program: chosen in the dialog of
// the input form's File menu, kept in the settings, applied to the next
// calculation; and what the result window shows beyond the chart (the
// options used, how close the sign is to changing, an uncertain time's
// signs, the traditional sunrise's sign, the day's table with the birth's
// row marked, the other special lagnas). The window must say what
// tarvelin-cli says for the same birth and flags.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "chart/calculate.h"
#include "chart/hora_lagna_day.h"
#include "result_form_access.h"
#include "shell/application.h"
#include "shell/mdi.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/input/frm_main.h"
#include "widgets/options/calculation_options_dialog.h"
#include "widgets/result/frm_display.h"

using namespace tarvelin;

namespace {

// A birth in New Delhi at `local`, at whole minutes of arc as the command
// line's --lon and --lat take them.
Birth DelhiBirth(const CivilDateTime& local) {
  Birth birth;
  birth.name = "ASHA VERMA";
  birth.local = local;
  birth.longitudeDegrees = 77.2;  // 77:12E
  birth.latitudeDegrees = 28.6;   // 28:36N
  birth.utcOffsetSeconds = 19800;
  birth.zoneIndex = 34;  // Indian Time
  birth.city = "New Delhi";
  birth.state = "Delhi";
  birth.country = "India";
  return birth;
}

// A birth a minute after the classic Hora Lagna enters its fourth sign of
// the day: the traditional sunrise, some four minutes later, still gives
// the sign before.
Birth BirthJustAfterAChange() {
  const Birth noon = DelhiBirth({1980, 3, 15, 12, 0, 0});
  const ChartResult result = Calculate(noon);
  const HoraLagnaDay day = HoraLagnaThroughTheDay(result);
  return DelhiBirth(
      AfterReferenceSunrise(result, day.spans[3].fromSeconds + 60));
}

QString Two(int n) { return QString::number(n).rightJustified(2, '0'); }

// tarvelin-cli's text report for the birth with `flags`, its blanks and
// line breaks made single blanks (the report wraps at 80 columns).
QString CliReport(const Birth& birth, const QStringList& flags) {
  const CivilDateTime& t = birth.local;
  QStringList arguments = {
      "--name",
      QString::fromStdString(birth.name),
      "--date",
      QStringLiteral("%1-%2-%3").arg(t.year).arg(Two(t.month), Two(t.day)),
      "--time",
      QStringLiteral("%1:%2:%3").arg(Two(t.hour), Two(t.minute), Two(t.second)),
      "--lon",
      "77:12E",
      "--lat",
      "28:36N",
      "--utc-offset",
      "+05:30"};
  arguments << flags;
  QProcess cli;
  cli.start(TARVELIN_CLI, arguments);
  if (!cli.waitForFinished(30000) || cli.exitCode() != 0) {
    qWarning("tarvelin-cli %s: %s", qPrintable(arguments.join(' ')),
             cli.readAllStandardError().constData());
    return {};
  }
  return QString::fromUtf8(cli.readAllStandardOutput()).simplified();
}

QString Text(const QWidget* form, const char* name) {
  return test::FindChild<QLabel>(form, name)->text();
}

// Calculates `birth` as "Get My Hora Lagna" would, with the form's "±
// minutes" box at `uncertainty`; the result window's form.
FrmDisplay* Calculated(Application& app, const Birth& birth,
                       int uncertainty = 0) {
  test::FindChild<QSpinBox>(app.inputForm(), "spnTimeUncertainty")
      ->setValue(uncertainty);
  app.OnCalculationRequested(birth);
  return app.resultWindow()->frmDisplay();
}

// Runs `act` on the modal dialog once it is open.
void OnDialog(std::function<void(CalculationOptionsDialog*)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<CalculationOptionsDialog*>(
        QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    act(dialog);
  });
}

}  // namespace

class CalculationOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void keptOptionsReadBack();
  void enterInTheUncertaintyBoxCalculates();
  void dialogKeepsTheChoiceOnOkOnly();
  void windowAnswersAsTheCommandLine_data();
  void windowAnswersAsTheCommandLine();
  void dayTableMarksTheBirthsRow();

 private:
  std::unique_ptr<test::SeamRecorder> seams_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<Application> app_;
};

void CalculationOptionsTest::init() {
  seams_ = std::make_unique<test::SeamRecorder>();
  dir_ = std::make_unique<QTemporaryDir>();
  app_ = std::make_unique<Application>(dir_->filePath("lock"), nullptr,
                                       dir_->filePath("births.sqlite"));
  QVERIFY(app_->StartApplication(QDate(2024, 3, 15)));
}

void CalculationOptionsTest::cleanup() {
  app_.reset();
  dir_.reset();
  seams_.reset();
}

void CalculationOptionsTest::keptOptionsReadBack() {
  // Nothing kept: the classic options.
  QVERIFY(SavedCalculationOptions() == CalculationOptions{});
  for (int rule = 0; rule < kSunriseRuleCount; ++rule) {
    for (int kind = 0; kind < kAyanamsaCount; ++kind) {
      const CalculationOptions options{static_cast<SunriseRule>(rule),
                                       static_cast<Ayanamsa>(kind)};
      SaveCalculationOptions(options);
      QVERIFY(SavedCalculationOptions() == options);
    }
  }
  // A kept name that is not a choice (edited by hand, an older or newer
  // version) falls back to the classic choice, the other one kept.
  const struct {
    const char *sunrise, *ayanamsa;
    CalculationOptions want;
  } kept[] = {
      {"Centre", "lahiri", {SunriseRule::kClassic, Ayanamsa::kLahiri}},
      {"centre", "lahiri ", {SunriseRule::kCentre, Ayanamsa::kClassic}},
      {"", "fagan bradley", {}},
      {"2", "1", {}},
  };
  for (const auto& k : kept) {
    seams_->store->setValue("Calculation", "Sunrise", k.sunrise);
    seams_->store->setValue("Calculation", "Ayanamsa", k.ayanamsa);
    QVERIFY2(SavedCalculationOptions() == k.want,
             qPrintable(QStringLiteral("%1 / %2").arg(k.sunrise, k.ayanamsa)));
  }
}

void CalculationOptionsTest::enterInTheUncertaintyBoxCalculates() {
  // As from every other box: the empty form's first check answers.
  QVERIFY(QTest::qWaitForWindowActive(app_->inputForm()));
  auto* box =
      test::FindChild<QSpinBox>(app_->inputForm(), "spnTimeUncertainty");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  QCOMPARE(seams_->messages.size(), std::size_t{1});
}

void CalculationOptionsTest::dialogKeepsTheChoiceOnOkOnly() {
  auto* entry =
      test::FindChild<QAction>(app_->inputForm(), "mnuCalculationOptions");
  QVERIFY(app_->inputForm()->fileMenu()->actions().contains(entry));

  OnDialog([](CalculationOptionsDialog* dialog) {
    QVERIFY(test::FindChild<QRadioButton>(dialog, "optSunrise_classic")
                ->isChecked());
    QVERIFY(test::FindChild<QRadioButton>(dialog, "optAyanamsa_classic")
                ->isChecked());
    QTest::mouseClick(
        test::FindChild<QRadioButton>(dialog, "optSunrise_centre"),
        Qt::LeftButton);
    QTest::mouseClick(
        test::FindChild<QRadioButton>(dialog, "optAyanamsa_fagan-bradley"),
        Qt::LeftButton);
    test::FindChild<QPushButton>(dialog, "cmdOk")->click();
  });
  entry->trigger();
  QCOMPARE(seams_->store->value("Calculation", "Sunrise").toString(),
           QString("centre"));
  QCOMPARE(seams_->store->value("Calculation", "Ayanamsa").toString(),
           QString("fagan-bradley"));

  // Opened again it shows the kept choice; Cancel keeps it as it was.
  OnDialog([](CalculationOptionsDialog* dialog) {
    QVERIFY(test::FindChild<QRadioButton>(dialog, "optSunrise_centre")
                ->isChecked());
    QVERIFY(test::FindChild<QRadioButton>(dialog, "optAyanamsa_fagan-bradley")
                ->isChecked());
    QTest::mouseClick(test::FindChild<QRadioButton>(dialog, "optSunrise_limb"),
                      Qt::LeftButton);
    test::FindChild<QPushButton>(dialog, "cmdCancel")->click();
  });
  entry->trigger();
  QCOMPARE(SavedCalculationOptions(),
           (CalculationOptions{SunriseRule::kCentre, Ayanamsa::kFaganBradley}));
}

void CalculationOptionsTest::windowAnswersAsTheCommandLine_data() {
  QTest::addColumn<QString>("sunrise");
  QTest::addColumn<QString>("ayanamsa");
  QTest::addColumn<int>("uncertainty");
  // Whether the traditional sunrise gives another sign: the birth is a
  // minute into a sign of the classic rule, the centre rule's Hora Lagna
  // some 2° behind; Raman's ayanamsa, 1.4° smaller, puts the Sun and so the
  // Hora Lagna of both rules behind that change already.
  QTest::addColumn<bool>("centreDiffers");
  QTest::newRow("classic") << "classic"
                           << "classic" << 0 << true;
  QTest::newRow("centre, lahiri, ± 30 min") << "centre"
                                            << "lahiri" << 30 << false;
  QTest::newRow("limb, raman, ± 5 min") << "limb"
                                        << "raman" << 5 << false;
}

void CalculationOptionsTest::windowAnswersAsTheCommandLine() {
  QFETCH(QString, sunrise);
  QFETCH(QString, ayanamsa);
  QFETCH(int, uncertainty);
  QFETCH(bool, centreDiffers);
  seams_->store->setValue("Calculation", "Sunrise", sunrise);
  seams_->store->setValue("Calculation", "Ayanamsa", ayanamsa);
  const Birth birth = BirthJustAfterAChange();
  const FrmDisplay* form = Calculated(*app_, birth, uncertainty);

  QStringList flags = {"--sunrise", sunrise, "--ayanamsa", ayanamsa};
  if (uncertainty > 0) {
    flags << "--time-uncertainty" << QString::number(uncertainty);
  }
  const QString report = CliReport(birth, flags);
  QVERIFY(!report.isEmpty());
  const QString summary = Text(form, "lblSummary");
  QVERIFY2(report.contains(summary), qPrintable(summary));
  QVERIFY2(report.contains(Text(form, "lblMargin")),
           qPrintable(Text(form, "lblMargin")));
  // The options named as the report's "How it was found" names them.
  const QString options = Text(form, "lblOptions");
  QVERIFY2(options.contains(sunrise + " rule") &&
               options.contains(QString::fromStdString(
                   AyanamsaName(*AyanamsaNamed(ayanamsa.toStdString())))),
           qPrintable(options));
  // An uncertainty only when asked for.
  const QString shares = Text(form, "lblUncertainty");
  QCOMPARE(shares.isEmpty(), uncertainty == 0);
  QVERIFY2(report.contains(shares), qPrintable(shares));
  const QString centre = Text(form, "lblCentreRule");
  QCOMPARE(!centre.isEmpty(), centreDiffers);
  QVERIFY2(report.contains(centre), qPrintable(centre));
  // A non-default option gives another answer than the classic one.
  if (sunrise == "centre") {
    QVERIFY2(!CliReport(birth, {}).contains(summary), qPrintable(summary));
  }
  // Every other special lagna as the report lists it.
  for (int i = 0; i < 6; ++i) {
    const QString name =
        Text(form, qPrintable(QStringLiteral("otherLagnaName%1").arg(i)));
    const QString position =
        Text(form, qPrintable(QStringLiteral("otherLagna%1").arg(i)));
    QVERIFY(!name.isEmpty() && !position.isEmpty());
    QVERIFY2(report.contains(name + " : " + position),
             qPrintable(name + " : " + position));
  }
}

void CalculationOptionsTest::dayTableMarksTheBirthsRow() {
  const Birth birth = BirthJustAfterAChange();
  FrmDisplay* form = Calculated(*app_, birth);
  const auto* table = test::FindChild<QTableWidget>(form, "tblDay");
  const auto cell = [table](int row, int column) {
    return table->item(row, column)->text();
  };
  enum { kDate, kSign, kFrom, kTo, kMark };
  // One sign an hour from sunrise to sunrise.
  QVERIFY2(table->rowCount() >= 23 && table->rowCount() <= 26,
           qPrintable(QString::number(table->rowCount())));
  const QString born = QStringLiteral("%1:%2:%3")
                           .arg(Two(birth.local.hour), Two(birth.local.minute),
                                Two(birth.local.second));
  int marked = -1;
  for (int row = 0; row < table->rowCount(); ++row) {
    if (!cell(row, kMark).isEmpty()) {
      QCOMPARE(marked, -1);
      marked = row;
    }
    if (row > 0) QCOMPARE(cell(row, kFrom), cell(row - 1, kTo));
  }
  // The birth, a minute after the fourth sign began, is in the fourth row,
  // the sign of the answer line.
  QCOMPARE(marked, 3);
  QVERIFY(cell(marked, kFrom) < born && born < cell(marked, kTo));
  QVERIFY2(Text(form, "lblSummary").contains(cell(marked, kSign)),
           qPrintable(cell(marked, kSign)));
  QVERIFY(table->item(marked, kSign)->font().bold());
  QVERIFY(!table->item(marked + 1, kSign)->font().bold());
  // A date stands where the clock passes midnight, and only there.
  QVERIFY(cell(0, kDate).isEmpty());
  int dates = 0;
  for (int row = 1; row < table->rowCount(); ++row) {
    const bool nextDay = cell(row, kFrom) < cell(row - 1, kFrom);
    QCOMPARE(!cell(row, kDate).isEmpty(), nextDay);
    dates += nextDay ? 1 : 0;
  }
  QCOMPARE(dates, 1);

  test::Tabs(form)->setCurrentIndex(3);
  QVERIFY(test::SaveScreenshot(app_->resultWindow(), "result_day_tab"));
}

TARVELIN_TEST_MAIN(CalculationOptionsTest);
#include "calculation_options_test.moc"
