// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on common screens: run once per screen size, display scaling
// and language (TARVELIN_SCREEN names the case; the offscreen platform is
// given the screen, QT_SCALE_FACTOR the scaling and TARVELIN_LANGUAGE the
// language). The result window opens inside the screen with the whole form
// in view, grows with the window, and its reading boxes show whole lines;
// the input form fits too; no window cuts a text, in English, Hindi or
// Tamil. Screenshots of each case go to build/screenshots for people to
// look at.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "chart/calculate.h"
#include "present/explanation.h"
#include "result_form_access.h"
#include "shell/frm_about.h"
#include "shell/frm_exit_screen.h"
#include "shell/mdi.h"
#include "text_fit.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/ui_language.h"
#include "widgets/input/frm_main.h"
#include "widgets/result/frm_display.h"
#include "widgets/result/frm_reading_box.h"

using namespace tarvelin;

namespace {

QString CaseName() {
  const QString name = qEnvironmentVariable("TARVELIN_SCREEN");
  return name.isEmpty() ? QStringLiteral("default") : name;
}

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4")
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

// The window, frame included, lies inside the screen's free area.
void VerifyOnScreen(QWidget* window) {
  const QRect free = window->screen()->availableGeometry();
  QVERIFY2(
      free.contains(window->frameGeometry()),
      qPrintable(QStringLiteral("frame %1 outside the screen's %2")
                     .arg(Describe(window->frameGeometry()), Describe(free))));
}

// `child` shows whole inside `window`.
void VerifyInside(QWidget* window, QWidget* child) {
  const QRect where(child->mapTo(window, QPoint(0, 0)), child->size());
  QVERIFY2(window->rect().contains(where),
           qPrintable(QStringLiteral("%1 at %2, window %3")
                          .arg(child->objectName(), Describe(where),
                               Describe(window->rect()))));
}

void Settle(QWidget* window) {
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QApplication::processEvents();
  QApplication::processEvents();
}

// A computed result in the windows' language: the birth of the command
// line's examples, whose Hora Lagna stands in Taurus.
// With `polar`, a birth in the polar night, whose answer is the longest:
// no sunrise, so no Hora Lagna.
ResultPage ComputedPage(bool polar = false) {
  Birth birth;
  birth.name = "ASHA VERMA";
  birth.local = {1980, 3, 15, 21, 5, 30};
  birth.latitudeDegrees = 28.6;
  birth.longitudeDegrees = 77.2;
  birth.utcOffsetSeconds = 19800;
  birth.zoneIndex = 34;
  birth.city = "New Delhi";
  birth.state = "Delhi";
  birth.country = "India";
  if (polar) {
    birth.local = {1990, 12, 21, 12, 0, 0};
    birth.latitudeDegrees = 78.2;
    birth.longitudeDegrees = 15.6;
    birth.utcOffsetSeconds = 3600;
    birth.zoneIndex = Birth::kExactOffset;
    birth.city = "Longyearbyen";
    birth.state = "Svalbard";
    birth.country = "Norway";
  }
  const ChartResult result = Calculate(birth);
  const Language language = UiLanguage();
  return {PresentResult(birth, result, language),
          HoraLagnaSummary(result, language),
          HowItWasFound(birth, result, language)};
}

void VerifyNothingCut(QWidget* window, const QString& what) {
  const QStringList cut = test::CutTexts(window);
  QVERIFY2(cut.isEmpty(),
           qPrintable(what + ": " + cut.join(QStringLiteral("; "))));
}

}  // namespace

class ScreenFitTest : public QObject {
  Q_OBJECT

 private slots:
  void resultWindowShowsWholeInsideTheScreen();
  void resultFormGrowsWithTheWindow();
  void readingBoxesShowWholeLines();
  void inputFormFitsTheScreen();
  void nothingIsCut();
  void initTestCase();
};

void ScreenFitTest::initTestCase() {
  const auto language =
      LanguageFromCode(qEnvironmentVariable("TARVELIN_LANGUAGE").toStdString());
  if (!language) return;
  QVERIFY2(InstallTranslations(*language),
           qPrintable(TranslationFolders().join(", ")));
  SetUiLanguage(*language);
}

void ScreenFitTest::resultWindowShowsWholeInsideTheScreen() {
  MDI window;
  window.frmDisplay()->Show(test::SampleView());
  window.frmDisplay()->ShowExplanation(
      "Hora Lagna: Virgo 12\u00B0 34\u2032 \u2014 6th house from the "
      "ascendant (Aries)",
      {"Birth: 15 March 1980, 21:05:30 local clock time.",
       "Timed from the birth day's sunrise: 15 March 1980 at 06:37:00.",
       "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna:"});
  Settle(&window);
  qInfo("%s: screen %s, form scale %.3f", qPrintable(CaseName()),
        qPrintable(Describe(window.screen()->availableGeometry())),
        window.frmDisplay()->Scale());

  VerifyOnScreen(&window);
  // No scrolling: the sub-window lies whole in the area's view.
  const QMdiArea* area = test::FindChild<QMdiArea>(&window, "mdiArea");
  QVERIFY(!area->horizontalScrollBar()->isVisible());
  QVERIFY(!area->verticalScrollBar()->isVisible());
  QVERIFY(
      area->viewport()->rect().contains(window.displayWindow()->geometry()));
  VerifyInside(&window, test::FindChild<QWidget>(&window, "Picture1"));
  VerifyInside(&window, test::FindChild<QPushButton>(&window, "cmdExit"));
  // Not drawn below the smallest readable scale.
  QVERIFY(window.frmDisplay()->Scale() >= 0.8);

  const QString name = "result_window_" + CaseName();
  test::Tabs(window.frmDisplay())->setCurrentIndex(0);
  QVERIFY(test::SaveScreenshot(&window, name + "_chart"));
  test::Tabs(window.frmDisplay())->setCurrentIndex(1);
  QVERIFY(test::SaveScreenshot(&window, name + "_details"));
  test::Tabs(window.frmDisplay())->setCurrentIndex(2);
  QVERIFY(test::SaveScreenshot(&window, name + "_found"));
}

void ScreenFitTest::resultFormGrowsWithTheWindow() {
  MDI window;
  window.frmDisplay()->Show(test::SampleView());
  Settle(&window);
  FrmDisplay& form = *window.frmDisplay();
  const double scale = form.Scale();
  const ChartView* chart = test::Chart(&form);
  const QLabel* houseText = test::FindChild<QLabel>(&form, "lblHoraDesc");
  const int chartWidth = chart->width();
  const double textSize = houseText->font().pointSizeF();
  const double chartTextSize = chart->font().pointSizeF();

  window.resize(window.SizeForScale(scale * 1.5));
  QApplication::processEvents();
  QVERIFY2(
      std::abs(form.Scale() - scale * 1.5) < 0.02,
      qPrintable(QString("scale %1 from %2").arg(form.Scale()).arg(scale)));
  QVERIFY(chart->width() >= chartWidth * 1.45);
  // Text follows, both the inherited font and the fonts set on a control.
  const double grown = form.Scale() / scale;
  QCOMPARE(houseText->font().pointSizeF(), textSize * grown);
  QCOMPARE(chart->font().pointSizeF(), chartTextSize * grown);

  // And back: the same places as before.
  window.resize(window.SizeForScale(scale));
  QApplication::processEvents();
  QCOMPARE(chart->width(), chartWidth);
}

void ScreenFitTest::readingBoxesShowWholeLines() {
  MDI window;
  window.frmDisplay()->Show(test::SampleView());
  Settle(&window);
  test::Tabs(window.frmDisplay())->setCurrentIndex(1);
  QApplication::processEvents();
  const auto boxes = window.frmDisplay()->findChildren<ReadingBox*>();
  QCOMPARE(boxes.size(), 5);
  for (ReadingBox* box : boxes) {
    box->setPlainText(QString("word ").repeated(400));
    QApplication::processEvents();
    const int bottom = box->viewport()->height();
    int whole = 0;
    // Every laid-out line is either wholly in view or wholly below it.
    const QTextBlock block = box->document()->firstBlock();
    QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      QTextCursor at(block);
      at.setPosition(block.position() + layout->lineAt(i).textStart());
      const QRect line = box->cursorRect(at);
      if (line.top() >= bottom) break;
      QVERIFY2(line.bottom() < bottom,
               qPrintable(QString("%1: line %2 at %3..%4, view ends at %5")
                              .arg(box->objectName())
                              .arg(i)
                              .arg(line.top())
                              .arg(line.bottom())
                              .arg(bottom)));
      ++whole;
    }
    QVERIFY2(whole >= 2, qPrintable(box->objectName()));
  }
}

void ScreenFitTest::inputFormFitsTheScreen() {
  test::SeamRecorder seams;
  FrmMain form;
  const test::InputFormControls controls(&form);
  Settle(&form);
  VerifyOnScreen(&form);
  VerifyInside(&form, controls.cmdRashi);
  VerifyInside(&form, controls.txtName);
  QVERIFY(test::SaveScreenshot(&form, "input_form_" + CaseName()));
}

void ScreenFitTest::nothingIsCut() {
  test::SeamRecorder seams;
  const ResultPage page = ComputedPage();
  for (const ChartStyle style : kChartStyles) {
    MDI window;
    window.frmDisplay()->Show(page.view);
    window.frmDisplay()->ShowExplanation(page.summary, page.howItWasFound);
    window.SetChartStyle(style);
    Settle(&window);
    for (int tab = 0; tab < 3; ++tab) {
      test::Tabs(window.frmDisplay())->setCurrentIndex(tab);
      QApplication::processEvents();
      VerifyNothingCut(&window,
                       QStringLiteral("result window, tab %1").arg(tab));
    }
    test::Tabs(window.frmDisplay())->setCurrentIndex(0);
    QVERIFY(test::SaveScreenshot(&window,
                                 QStringLiteral("result_window_%1_%2")
                                     .arg(CaseName(), ChartStyleCode(style))));
  }
  {
    const ResultPage polar = ComputedPage(true);
    QVERIFY(polar.summary.find("cannot") != std::string::npos ||
            UiLanguage() != Language::kEnglish);
    MDI window;
    window.frmDisplay()->Show(polar.view);
    window.frmDisplay()->ShowExplanation(polar.summary, polar.howItWasFound);
    Settle(&window);
    VerifyNothingCut(&window, "result window, no sunrise");
  }
  FrmMain form;
  Settle(&form);
  VerifyNothingCut(&form, "input form");
  FrmAbout about;
  Settle(&about);
  VerifyNothingCut(&about, "About box");
  QVERIFY(test::SaveScreenshot(&about, "about_" + CaseName()));
  FrmExitScreen exitScreen;
  Settle(&exitScreen);
  VerifyNothingCut(&exitScreen, "exit screen");
  QVERIFY(test::SaveScreenshot(&exitScreen, "exit_screen_" + CaseName()));
}

TARVELIN_TEST_MAIN(ScreenFitTest);
#include "screen_fit_test.moc"
