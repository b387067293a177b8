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

      // The same name, date and place again: asked before overwriting.
      seams.answer = MessageAnswer::No;
      PressCtrl(&form, Qt::Key_S);
      QCOMPARE(seams.messages.size(), std::size_t{1});
      QVERIFY(seams.messages[0].text.contains("Overwrite"));

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
             QString("&1 RAVI RAO, 1995-11-02"));
  }

  void ABirthOfAnOffsetTheListLacksIsNotHalfShown() {
    test::SeamRecorder seams;
    QTemporaryDir dir;
    const QString path = dir.filePath("births.sqlite");
    {
      Birth nepal;
      nepal.name = "SITA";
      nepal.local = CivilDateTime{1975, 7, 1, 6, 0, 0};
      nepal.latitudeDegrees = 27.7;
      nepal.longitudeDegrees = 85.3;
      nepal.utcOffsetSeconds = 5 * 3600 + 45 * 60;
      auto library = library::BirthLibrary::Open(path);
      QVERIFY(library.ok());
      QVERIFY((*library)->Save(nepal, {}, library::OnDuplicate::kRefuse).ok());
    }
    Application app(dir.filePath("lock"), nullptr, path);
    QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
    FrmMain& form = *app.inputForm();
    const test::InputFormControls controls(&form);
    const QString before = Boxes(form);
    WhenDialogOpens([](OpenBirthDialog* dialog) {
      QTest::keyClick(dialog->findChild<QTreeWidget*>("lstBirths"),
                      Qt::Key_Return);
    });
    form.findChild<QAction*>("mnuOpenBirth")->trigger();
    QCOMPARE(Boxes(form), before);
    QCOMPARE(seams.messages.size(), std::size_t{1});
    QVERIFY(seams.messages[0].text.contains("+05:45"));
  }
};

TARVELIN_TEST_MAIN(FormLibraryTest);
#include "form_library_test.moc"
