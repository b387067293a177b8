// SPDX-License-Identifier: GPL-3.0-or-later
// Saved births on the input form, as a person uses them: save three births
// with Ctrl+S, quit, start again, open the second with Ctrl+O by typing part
// of its name, and get the same chart as before. On a real library file in a
// temporary folder.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "library/birth_library.h"
#include "result_form_access.h"
#include "shell/application.h"
#include "shell/mdi.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/input/frm_main.h"
#include "widgets/library/library_menu.h"
#include "widgets/library/open_birth_dialog.h"
#include "widgets/result/frm_display.h"

using namespace tarvelin;

namespace {

const test::TypedBirth kBirths[] = {
    {"ASHA VERMA", "77", "12", "28", "38", false, false, false, 2, "15", "1980",
     "9", "5", "30", 34, "New Delhi", "Delhi", "India"},
    {"RAVI RAO", "77", "2", "12", "3", true, true, true, 10, "2", "1995", "23",
     "40", "7", 27, "Lima", "Lima", "Peru"},
    {"GITA", "0", "0", "0", "0", true, true, false, 1, "29", "2000", "0", "0",
     "0", 29, "", "", ""},
};

// Every box of the form, as one text.
QString Boxes(const FrmMain& f) {
  const test::InputFormControls c(&f);
  QStringList texts;
  for (const QLineEdit* box :
       {c.txtName, c.txtLonD, c.txtLonM, c.txtLatD, c.txtLatM, c.txtMCity,
        c.txtMState, c.txtMCountry}) {
    texts << box->text();
  }
  for (const QComboBox* list : {c.cboMonth, c.cboDate, c.cboYear, c.cboHH,
                                c.cboMM, c.cboSS, c.cmbTimeZone}) {
    texts << list->currentText();
  }
  texts << QString::number(c.optLongWest->isChecked())
        << QString::number(c.optLatSouth->isChecked())
        << QString::number(c.chkDST->isChecked());
  return texts.join("|");
}

// The chart and planet table of the result window.
QString Chart(const Application& app) {
  QStringList texts;
  const FrmDisplay& display = *app.resultWindow()->frmDisplay();
  for (int i = 0; i < kBodyCount; ++i) {
    texts << test::RowLabel(&display, "planet", i)->text();
  }
  for (int s = 0; s < 12; ++s) texts << test::SignBox(&display, s);
  return texts.join("|");
}

void PressCtrl(QWidget* window, Qt::Key key) {
  QTest::keyClick(window, key, Qt::ControlModifier);
}

// Runs `steps` on the Open Birth dialog once it is up, and closes it should
// a step fail.
void WhenDialogOpens(std::function<void(OpenBirthDialog*)> steps) {
  QTimer::singleShot(0, [steps] {
    auto* dialog =
        qobject_cast<OpenBirthDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    steps(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

}  // namespace

class FormLibraryTest : public QObject {
  Q_OBJECT

 private slots:
  void SaveQuitStartAgainAndOpenTheSecond() {
    test::SeamRecorder seams;
    QTemporaryDir dir;
    const QString library = dir.filePath("births.sqlite");
    QString boxesOfSecond, chartOfSecond;
    {
      Application app(dir.filePath("lock"), nullptr, library);
      QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
      FrmMain& form = *app.inputForm();
      const test::InputFormControls controls(&form);
      QVERIFY(QTest::qWaitForWindowActive(&form));
      for (const test::TypedBirth& birth : kBirths) {
        test::Type(form, birth);
        PressCtrl(&form, Qt::Key_S);
        if (&birth == &kBirths[1]) {
          boxesOfSecond = Boxes(form);
          controls.cmdRashi->click();
          chartOfSecond = Chart(app);
          app.BackToInputForm();
          QVERIFY(QTest::qWaitForWindowActive(&form));
        }
      }
      QVERIFY2(seams.messages.empty(),
               qPrintable(seams.messageTexts().join("; ")));

      // Saved again unchanged: nothing to ask, nothing written twice.
      PressCtrl(&form, Qt::Key_S);
      QVERIFY(seams.messages.empty());
      QVERIFY(form.statusBar()->currentMessage().startsWith(
          "Saved already: GITA, 2000-02-29 00:00:00"));

      // A bad entry is the form's to report, and nothing is saved.
      controls.txtName->clear();
      PressCtrl(&form, Qt::Key_S);
      QCOMPARE(seams.messages.back().text, QString("Please Enter Name"));
    }

    Application app(dir.filePath("lock"), nullptr, library);
    QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
    FrmMain& form = *app.inputForm();
    const test::InputFormControls controls(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(Boxes(form) != boxesOfSecond);
    WhenDialogOpens([](OpenBirthDialog* dialog) {
      QCOMPARE(
          dialog->findChild<QTreeWidget*>("lstBirths")->topLevelItemCount(), 3);
      QVERIFY(test::SaveScreenshot(dialog, "open_birth_dialog"));
      QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilter"), "vi r");
      QCOMPARE(
          dialog->findChild<QTreeWidget*>("lstBirths")->topLevelItemCount(), 1);
      QTest::keyClick(dialog->findChild<QLineEdit*>("txtFilter"),
                      Qt::Key_Return);
    });
    PressCtrl(&form, Qt::Key_O);
    QCOMPARE(Boxes(form), boxesOfSecond);
    // "Get My Hora Lagna" has the focus once the form is active again.
    QCOMPARE(form.focusWidget(), controls.cmdRashi);
    QTest::keyClick(controls.cmdRashi, Qt::Key_Return);
    QVERIFY(app.resultWindow() != nullptr);
    QCOMPARE(Chart(app), chartOfSecond);
    app.BackToInputForm();

    // The births opened last head the File menu.
    auto* file = form.findChild<QMenu*>("mnuFile");
    QMetaObject::invokeMethod(file, "aboutToShow");
    QCOMPARE(form.findChild<QAction*>("mnuRecentBirth1")->text(),
             QString("&1 RAVI RAO, 1995-11-02 23:40:07, Lima, Lima, Peru"));
  }

  // A birth corrected and saved again is asked about, from the form and
  // from the result window: each answer does what it says, and the status
  // line says what was saved.
  void ABirthOfANameSavedAlreadyIsAskedAbout() {
    test::SeamRecorder seams;
    QTemporaryDir dir;
    const QString path = dir.filePath("births.sqlite");
    Application app(dir.filePath("lock"), nullptr, path);
    QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
    FrmMain& form = *app.inputForm();
    const test::InputFormControls controls(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    test::TypedBirth priya = {"PRIYA RAMAN", "80",  "16", "13", "5",    false,
                              false,         false, 7,    "14", "1990", "10",
                              "30",          "0",   34,   "",   "",     ""};
    test::Type(form, priya);
    PressCtrl(&form, Qt::Key_S);
    QCOMPARE(form.statusBar()->currentMessage(),
             QString("Saved PRIYA RAMAN, 1990-08-14 10:30:00, 13:05N 80:16E"));
    const auto savedTimes = [&] {
      auto library = library::BirthLibrary::Open(path);
      QStringList times;
      const auto named = (*library)->Named("priya raman");
      for (const auto& saved : *named) {
        times << QString::number(saved.birth.local.minute);
      }
      times.sort();
      return times.join(",");
    };
    const struct {
      const char* minute;
      MessageAnswer answer;
      const char* status;
      const char* times;
    } steps[] = {
        {"35", MessageAnswer::Cancel, "Not saved", "30"},
        {"35", MessageAnswer::Replace, "Replaced the saved birth with", "35"},
        {"40", MessageAnswer::KeepBoth, "beside the other birth", "35,40"},
        // The one opened or saved last is the one replaced.
        {"45", MessageAnswer::Replace, "Replaced", "35,45"},
    };
    for (const auto& step : steps) {
      priya.minute = step.minute;
      test::Type(form, priya);
      seams.messages.clear();
      seams.answer = step.answer;
      PressCtrl(&form, Qt::Key_S);
      QCOMPARE(seams.messages.size(), std::size_t{1});
      QCOMPARE(seams.messages[0].buttons, MessageButtons::ReplaceKeepBoth);
      QVERIFY2(seams.messages[0].text.contains("A birth named PRIYA RAMAN is "
                                               "saved already (1990-08-14"),
               qPrintable(seams.messages[0].text));
      QVERIFY2(form.statusBar()->currentMessage().contains(step.status),
               qPrintable(form.statusBar()->currentMessage()));
      QCOMPARE(savedTimes(), QString(step.times));
    }

    // "Save Birth" in the result window saves the birth it shows.
    seams.messages.clear();
    priya.minute = "50";
    test::Type(form, priya);
    controls.cmdRashi->click();
    MDI* result = app.resultWindow();
    QVERIFY(result != nullptr);
    seams.answer = MessageAnswer::KeepBoth;
    result->findChild<QAction*>("mnuSaveBirth")->trigger();
    QCOMPARE(seams.messages.size(), std::size_t{1});
    QCOMPARE(savedTimes(), QString("35,45,50"));
    QVERIFY(result->findChild<QLabel*>("lblNote")->text().startsWith(
        "Saved PRIYA RAMAN, 1990-08-14 10:50:00"));
  }

  // Births saved elsewhere (tarvelin-cli, an import) with exact offsets no
  // zone-list entry has and coordinates finer than the boxes' minutes:
  // opened from the Open dialog and from the recent list, each is shown
  // with its offset and is the birth computed, field by field.
  void BirthsWithExactOffsetsReopenAsSaved() {
    test::SeamRecorder seams;
    QTemporaryDir dir;
    const QString path = dir.filePath("births.sqlite");
    Birth kathmandu;
    kathmandu.name = "SITA";
    kathmandu.local = CivilDateTime{1975, 7, 1, 6, 0, 0};
    kathmandu.latitudeDegrees = 27.70169;
    kathmandu.longitudeDegrees = 85.3206;
    kathmandu.utcOffsetSeconds = 5 * 3600 + 45 * 60;
    kathmandu.atlasZone = "Asia/Kathmandu";
    kathmandu.city = "Kathmandu";
    kathmandu.country = "Nepal";
    Birth chennai;
    chennai.name = "MURUGAN";
    chennai.local = CivilDateTime{1901, 3, 4, 5, 10, 20};
    chennai.latitudeDegrees = 13.08784;
    chennai.longitudeDegrees = 80.27847;
    chennai.utcOffsetSeconds = 5 * 3600 + 21 * 60 + 10;
    chennai.atlasZone = "Asia/Kolkata";
    chennai.city = "Chennai";
    chennai.state = "Tamil Nadu";
    chennai.country = "India";
    Birth typed;  // an offset typed, with saving, west and south
    typed.name = "ANA";
    typed.local = CivilDateTime{1988, 12, 24, 23, 59, 59};
    typed.latitudeDegrees = -33.4489;
    typed.longitudeDegrees = -70.6693;
    typed.utcOffsetSeconds = -4 * 3600 - 30 * 60;
    typed.daylightSavingSeconds = 3600;
    Birth entry = WithZoneEntry(typed, 27, true);
    entry.name = "LUIS";
    const struct {
      Birth birth;
      QString zoneText;
    } cases[] = {{kathmandu, "UTC+05:45 at the birth (Asia/Kathmandu)"},
                 {chennai, "UTC+05:21:10 at the birth (Asia/Kolkata)"},
                 {typed, "UTC-04:30"},
                 {entry, "Eastern Standard Time,EST,-5.0"}};
    {
      auto library = library::BirthLibrary::Open(path);
      QVERIFY(library.ok());
      for (const auto& c : cases) {
        QVERIFY(
            (*library)->Save(c.birth, {}, library::OnDuplicate::kRefuse).ok());
      }
    }
    Application app(dir.filePath("lock"), nullptr, path);
    QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
    FrmMain& form = *app.inputForm();
    const test::InputFormControls controls(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QSignalSpy computed(&form, &FrmMain::calculationRequested);
    const auto computesAsSaved = [&](const Birth& saved, const QString& zone) {
      QCOMPARE(controls.cmbTimeZone->currentText(), zone);
      computed.clear();
      QCOMPARE(form.focusWidget(), controls.cmdRashi);
      QTest::keyClick(controls.cmdRashi, Qt::Key_Return);
      QVERIFY2(computed.size() == 1,
               qPrintable(seams.messageTexts().join("; ")));
      const Birth got = computed[0][0].value<Birth>();
      QVERIFY2(test::SameBirth(got, saved), saved.name.c_str());
      app.BackToInputForm();
      QVERIFY(QTest::qWaitForWindowActive(&form));
    };
    for (const auto& c : cases) {
      WhenDialogOpens([&c](OpenBirthDialog* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilter"),
                         QString::fromStdString(c.birth.name));
        QTest::keyClick(dialog->findChild<QLineEdit*>("txtFilter"),
                        Qt::Key_Return);
      });
      PressCtrl(&form, Qt::Key_O);
      computesAsSaved(c.birth, c.zoneText);
      if (QTest::currentTestFailed()) return;
    }
    auto* file = form.findChild<QMenu*>("mnuFile");
    for (const auto& c : cases) {
      QMetaObject::invokeMethod(file, "aboutToShow");
      QAction* recent = nullptr;
      for (int i = 1; i <= LibraryMenu::kRecentCount; ++i) {
        auto* action =
            form.findChild<QAction*>(QString("mnuRecentBirth%1").arg(i));
        if (action->text().contains(QString::fromStdString(c.birth.name))) {
          recent = action;
        }
      }
      QVERIFY(recent != nullptr);
      recent->trigger();
      computesAsSaved(c.birth, c.zoneText);
      if (QTest::currentTestFailed()) return;
    }
    QVERIFY2(seams.messages.empty(),
             qPrintable(seams.messageTexts().join("; ")));
  }
};

TARVELIN_TEST_MAIN(FormLibraryTest);
#include "form_library_test.moc"
