// SPDX-License-Identifier: GPL-3.0-or-later
// The result window: Back brings the input form back with no exit screen in
// view, Exit and the close box bring up the exit screen, the buttons follow
// the right edge, the menus open their pages and About is modal.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "print/print_dialog.h"
#include "result_form_access.h"
#include "shell/application.h"
#include "shell/frm_about.h"
#include "shell/frm_exit_screen.h"
#include "shell/mdi.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/twips.h"
#include "widgets/common/web_links.h"
#include "widgets/input/frm_main.h"
#include "widgets/result/frm_display.h"

using namespace tarvelin;

namespace {

const QDate kToday(2024, 3, 15);

Birth SampleBirth() {
  Birth birth;
  birth.name = "ASHA VERMA";
  birth.local = {1980, 3, 15, 9, 5, 30};
  birth.longitudeDegrees = 77 + 12 / 60.0;
  birth.latitudeDegrees = 28 + 38 / 60.0;
  birth.city = "New Delhi";
  birth.state = "Delhi";
  birth.country = "India";
  return WithZoneEntry(birth, 40, false);
}

// An application with its lock in a throw-away place, started, and with a
// result window open.
struct Started {
  Started() : app(dir.filePath("lock")) {
    QVERIFY(app.StartApplication(kToday));
    app.OnCalculationRequested(SampleBirth());
  }
  ~Started() {
    if (app.exitScreen()) app.exitScreen()->hide();
  }
  QTemporaryDir dir;
  test::SeamRecorder seams;
  Application app;
};

// The names that more than one control or menu item of `window` carries,
// not counting Qt's own parts ("qt_...") nor those inside `skip`.
QStringList DuplicateNames(const QObject* window, const QObject* skip) {
  QStringList seen, duplicates;
  for (const QObject* child : window->findChildren<QObject*>()) {
    const QString name = child->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    bool inSkipped = false;
    for (const QObject* up = child; up && !inSkipped; up = up->parent()) {
      inSkipped = up == skip;
    }
    if (inSkipped) continue;
    if (seen.contains(name) && !duplicates.contains(name)) duplicates << name;
    seen << name;
  }
  return duplicates;
}

}  // namespace

class ResultWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void calculationSwapsInputFormForResultWindow();
  void backShowsTheInputFormAndNoExitScreen();
  void exitShowsTheExitScreen();
  void closeBoxBehavesLikeExit();
  void menuBackAndExitAreTheButtons();
  void buttonsFollowTheRightEdge_data();
  void buttonsFollowTheRightEdge();
  void menusAndOfferOpenTheirPages();
  void aboutIsModal();
  void printAndExportPutOutThePage();
  void controlNamesAreUnique();
};

void ResultWindowTest::calculationSwapsInputFormForResultWindow() {
  Started s;
  QVERIFY(s.app.resultWindow() != nullptr);
  QVERIFY(s.app.resultWindow()->isVisible());
  QVERIFY(!s.app.inputForm()->isVisible());
  MDI* window = s.app.resultWindow();
  QCOMPARE(window->windowTitle(), QString("Tarvelin v1.25"));
  QCOMPARE(test::FindChild<QLabel>(window, "Label2")->text(),
           QString("Tarvelin"));
  QCOMPARE(test::FindChild<QPushButton>(window, "cmdBack")->text(),
           QString("&Back"));
  QCOMPARE(test::FindChild<QPushButton>(window, "cmdExit")->text(),
           QString("E&xit"));
  QVERIFY(window->displayWindow()->isVisible());
  QCOMPARE(test::Tabs(window->frmDisplay())->currentIndex(), 0);
  // The window shows what the calculation gave.
  QCOMPARE(test::FindChild<QLabel>(window->frmDisplay(), "lblName")->text(),
           QString("ASHA VERMA"));
}

void ResultWindowTest::backShowsTheInputFormAndNoExitScreen() {
  Started s;
  QPointer<MDI> window = s.app.resultWindow();
  test::FindChild<QPushButton>(window, "cmdBack")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(window.isNull());
  QVERIFY(s.app.inputForm()->isVisible());
  QVERIFY(!(s.app.exitScreen() && s.app.exitScreen()->isVisible()));

  // A second calculation opens a fresh window.
  s.app.OnCalculationRequested(SampleBirth());
  QVERIFY(s.app.resultWindow() != nullptr);
  QVERIFY(s.app.resultWindow()->isVisible());
  QVERIFY(!s.app.inputForm()->isVisible());
}

void ResultWindowTest::exitShowsTheExitScreen() {
  Started s;
  QPointer<MDI> window = s.app.resultWindow();
  test::FindChild<QPushButton>(window, "cmdExit")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(window.isNull());
  QVERIFY(s.app.exitScreen() != nullptr);
  QVERIFY(s.app.exitScreen()->isVisible());
  QVERIFY(!s.app.inputForm()->isVisible());
}

void ResultWindowTest::closeBoxBehavesLikeExit() {
  Started s;
  QPointer<MDI> window = s.app.resultWindow();
  window->close();  // what the window manager's close box does
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(window.isNull());
  QVERIFY(s.app.exitScreen() && s.app.exitScreen()->isVisible());
  QVERIFY(!s.app.inputForm()->isVisible());
}

void ResultWindowTest::menuBackAndExitAreTheButtons() {
  {
    Started s;
    test::FindChild<QAction>(s.app.resultWindow(), "mnuBack")->trigger();
    QVERIFY(s.app.inputForm()->isVisible());
    QVERIFY(!(s.app.exitScreen() && s.app.exitScreen()->isVisible()));
  }
  {
    Started s;
    test::FindChild<QAction>(s.app.resultWindow(), "mnuExit")->trigger();
    QVERIFY(s.app.exitScreen() && s.app.exitScreen()->isVisible());
  }
}

void ResultWindowTest::buttonsFollowTheRightEdge_data() {
  QTest::addColumn<int>("widthPixels");
  QTest::newRow("narrow") << 700;
  QTest::newRow("as opened") << 0;
  QTest::newRow("wide") << 1400;
}

void ResultWindowTest::buttonsFollowTheRightEdge() {
  QFETCH(int, widthPixels);
  MDI window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  if (widthPixels > 0) window.resize(widthPixels, window.height());
  QApplication::processEvents();
  const QPushButton* back = test::FindChild<QPushButton>(&window, "cmdBack");
  const QPushButton* exit = test::FindChild<QPushButton>(&window, "cmdExit");
  const int exitWant = window.width() - exit->width() - Twips(300);
  QCOMPARE(exit->x(), exitWant);
  QCOMPARE(back->x(), exitWant - exit->width() - Twips(100));
  QCOMPARE(back->width(), exit->width());
  // Vertical places never move.
  QCOMPARE(exit->y(), Twips(120));
  QCOMPARE(back->y(), Twips(120));
  window.hide();
}

void ResultWindowTest::menusAndOfferOpenTheirPages() {
  test::SeamRecorder seams;
  MDI window;
  const QList<QPair<QAction*, const char*>> items = {
      {test::FindChild<QAction>(&window, "mnuOnline"), address::kOnlineHelp},
      {test::FindChild<QAction>(&window, "mnuVisit"), address::kForumHome},
      {test::FindChild<QAction>(&window, "mnuUpdate"), address::kDownloadPage},
      {test::FindChild<QAction>(&window, "mnuDonate"), address::kDonatePage},
      {test::FindChild<QAction>(&window, "mm"), address::kFullBrandPage}};
  for (const auto& [action, page] : items) {
    seams.pages.clear();
    action->trigger();
    QCOMPARE(seams.pages, QStringList{page});
  }
  seams.pages.clear();
  emit test::FindChild<QLabel>(test::FindChild<QWidget>(&window, "Picture1"),
                               "Label10")
      ->linkActivated("#");
  QCOMPARE(seams.pages, QStringList{address::kFullBrandPage});
}

void ResultWindowTest::aboutIsModal() {
  Started s;
  bool sawModalAbout = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
    if (about) {
      sawModalAbout = about->isModal() && about->isVisible();
      QCOMPARE(test::FindChild<QLabel>(about, "lblTitle")->text(),
               QString("Tarvelin v1.25"));
      // The atlas's data is credited as its licence asks.
      QVERIFY(test::FindChild<QLabel>(about, "lblAtlasCredit")
                  ->text()
                  .contains("GeoNames (geonames.org), CC BY 4.0"));
      test::SaveScreenshot(about, "about_box");
      emit test::FindChild<QLabel>(about, "lblCoBrand")->linkActivated("#");
      emit test::FindChild<QLabel>(about, "lblHomePage")->linkActivated("#");
      test::FindChild<QPushButton>(about, "cmdOK")->click();
    }
  });
  test::FindChild<QAction>(s.app.resultWindow(), "mnuAbout")
      ->trigger();  // returns once OK is pressed
  QVERIFY(sawModalAbout);
  QCOMPARE(s.seams.pages,
           (QStringList{address::kFullBrandPage, address::kForumHome}));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ResultWindowTest::printAndExportPutOutThePage() {
  test::SeamRecorder seams;
  QTemporaryDir dir;
  MDI window;
  const QList<QAction*> actions = {
      test::FindChild<QAction>(&window, "mnuPrint"),
      test::FindChild<QAction>(&window, "mnuExportPdf"),
      test::FindChild<QAction>(&window, "mnuExportImage")};
  QCOMPARE(test::FindChild<QAction>(&window, "mnuPrint")->text(),
           QString("&Print\u2026"));
  QCOMPARE(test::FindChild<QAction>(&window, "mnuPrint")->shortcut(),
           QKeySequence(QKeySequence::Print));
  QCOMPARE(test::FindChild<QAction>(&window, "mnuExportPdf")->text(),
           QString("Export P&DF\u2026"));
  QCOMPARE(test::FindChild<QAction>(&window, "mnuExportImage")->text(),
           QString("Export &Image\u2026"));
  // Nothing to put out before a result is there.
  for (QAction* action : actions) QVERIFY(!action->isEnabled());
  ResultPage page{test::SampleView(), "Hora Lagna: summary", {"step"}};
  window.SetResultPage(page);
  for (QAction* action : actions) QVERIFY(action->isEnabled());

  // Each export asks where, suggesting the person's name, and writes there.
  seams.saveAs = dir.filePath("out.pdf");
  test::FindChild<QAction>(&window, "mnuExportPdf")->trigger();
  QCOMPARE(seams.saveRequests.size(), std::size_t{1});
  QVERIFY(seams.saveRequests[0].suggestedPath.endsWith("/ASHA VERMA.pdf"));
  QFile pdf(seams.saveAs);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  QVERIFY(pdf.read(5) == "%PDF-");
  seams.saveAs = dir.filePath("out.png");
  test::FindChild<QAction>(&window, "mnuExportImage")->trigger();
  QVERIFY(seams.saveRequests.back().suggestedPath.endsWith(".png"));
  QCOMPARE(QImage(seams.saveAs).size(),
           LocalPageSize().sizePixels(kImageDotsPerInch));

  // Cancelled: nothing written, nothing said.
  seams.saveAs.clear();
  test::FindChild<QAction>(&window, "mnuExportPdf")->trigger();
  QVERIFY(seams.messages.empty());
  // A place that cannot be written to: said, with the file's name.
  seams.saveAs = "/nonexistent-folder/out.pdf";
  test::FindChild<QAction>(&window, "mnuExportPdf")->trigger();
  QCOMPARE(seams.messages.size(), std::size_t{1});
  QVERIFY(seams.messages[0].text.contains(seams.saveAs));

  // Print: through the dialog's seam, here to a file.
  const QString printed = dir.filePath("printed.pdf");
  SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    return true;
  });
  test::FindChild<QAction>(&window, "mnuPrint")->trigger();
  SetPrintDialogRunner({});
  QVERIFY(QFileInfo(printed).size() > 0);
}

// The tests reach every control by its name; a name used twice would
// send them to whichever control comes first. The result form inside the
// result window is checked on its own.
void ResultWindowTest::controlNamesAreUnique() {
  test::SeamRecorder seams;
  MDI window;
  FrmAbout about;
  FrmExitScreen exitScreen;
  const QList<QPair<const QObject*, const QObject*>> windows = {
      {window.frmDisplay(), nullptr},
      {&window, window.frmDisplay()},
      {&about, nullptr},
      {&exitScreen, nullptr}};
  for (const auto& [form, skip] : windows) {
    QCOMPARE(DuplicateNames(form, skip), QStringList());
  }
}

TARVELIN_TEST_MAIN(ResultWindowTest);
#include "result_window_test.moc"
