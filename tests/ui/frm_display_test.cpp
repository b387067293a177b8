// SPDX-License-Identifier: GPL-3.0-or-later
// The result form shows a view exactly as the core hands it over, keeps the
// small "HL" cell readable, and gives its reading boxes no way to the
// clipboard.
#include "widgets/result/frm_display.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "result_form_access.h"
#include "shell/mdi.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/answer_ink.h"
#include "widgets/result/chart_view.h"
#include "widgets/result/frm_reading_box.h"

using namespace tarvelin;

namespace {

QString FieldText(QWidget* field) {
  if (auto* box = qobject_cast<QPlainTextEdit*>(field)) {
    return box->toPlainText();
  }
  if (auto* label = qobject_cast<QLabel*>(field)) return label->text();
  return QStringLiteral("<no such field>");
}

}  // namespace

class FrmDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnTheChartTabWithFixedCaptions();
  void showsChartLabelsAndPlanetTable();
  void chartStyleChangesAtOnce();
  void showsDetailsAndHouseText();
  void showsSummaryOnTopAndHowItWasFoundOnTheThirdTab();
  void showsAllTwentyEightSignFields();
  void answerIsReadableOnLightAndDarkPalettes();
  void secondViewReplacesTheFirst();
  void readingBoxesRefuseEditing();
  void readingBoxesLeaveTheClipboardAlone();
  void readingBoxScrollsALongReading();
  void forumLinksOpenTheForum();
  void screenshotsOfBothTabs();
};

void FrmDisplayTest::opensOnTheChartTabWithFixedCaptions() {
  FrmDisplay form;
  const QTabWidget* tabs = test::Tabs(&form);
  QCOMPARE(tabs->currentIndex(), 0);
  QCOMPARE(tabs->tabText(0), QString("Hora Lagna Chart"));
  QCOMPARE(tabs->tabText(1), QString("Hora Lagna Details"));
  QCOMPARE(tabs->tabText(2), QString("How it was found"));
  QCOMPARE(test::FindChild<QLabel>(&form, "dsd1")->text(),
           QString("Significance"));
  QCOMPARE(test::FindChild<QLabel>(&form, "Label10")->text(),
           QString("Hora Lagna Present In House Significance"));
  QCOMPARE(test::FindChild<QGroupBox>(&form, "fraBirthchart")->title(),
           QString("Hora"));
  // The chart is drawn South-Indian until told otherwise, the forum's link
  // in its empty middle.
  const ChartView* chart = test::Chart(&form);
  QVERIFY(
      test::FindChild<QGroupBox>(&form, "fraBirthchart")->isAncestorOf(chart));
  QCOMPARE(chart->Style(), ChartStyle::kSouth);
  const QLabel* link = test::FindChild<QLabel>(&form, "Label7");
  QVERIFY(!link->isHidden());
  QVERIFY(chart->CentreRect().contains(
      QRect(chart->mapFrom(link->parentWidget(), link->pos()), link->size())));
  const char* captions[] = {
      "Surya/Sun",       "Chandra/Moon", "Budha/Mercury", "Shukra/Venus",
      "Mangala/Mars",    "Guru/Jupiter", "Shani/Saturn",  "Rahu/North Node",
      "Ketu/South node", "Asc/Lagna"};
  for (int i = 0; i < kBodyCount; ++i) {
    QCOMPARE(test::RowLabel(&form, "PlanetName", i)->text(),
             QString(captions[i]));
  }
}

void FrmDisplayTest::showsChartLabelsAndPlanetTable() {
  const ResultView view = test::SampleView();
  FrmDisplay form;
  form.Show(view);
  for (int s = 0; s < 12; ++s) {
    QCOMPARE(form.ChartShown().bodies[s], view.chart.bodies[s]);
    QCOMPARE(form.ChartShown().markers[s], view.chart.markers[s]);
  }
  for (int i = 0; i < kBodyCount; ++i) {
    QCOMPARE(test::RowLabel(&form, "planet", i)->text(),
             QString::fromStdString(view.planet[i]));
  }
  // Several bodies in one sign: one per line, in table order.
  QCOMPARE(test::SignBox(&form, 0), QString("Sun\nMercury"));
  QCOMPARE(test::SignBox(&form, 5), QString("HL"));
}

void FrmDisplayTest::chartStyleChangesAtOnce() {
  MDI window;
  window.frmDisplay()->Show(test::SampleView());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.resize(window.FittingSize());
  QApplication::processEvents();
  FrmDisplay& form = *window.frmDisplay();
  const ChartModel before = form.ChartShown();
  for (const ChartStyle style : kChartStyles) {
    window.SetChartStyle(style);
    QCOMPARE(test::Chart(&form)->Style(), style);
    // The same model, only drawn otherwise; the link only where the chart
    // leaves its middle free for it.
    QCOMPARE(form.ChartShown().bodies, before.bodies);
    QCOMPARE(test::FindChild<QLabel>(&form, "Label7")->isHidden(),
             style != ChartStyle::kSouth);
    QVERIFY(test::SaveScreenshot(
        test::Chart(&form),
        QStringLiteral("chart_style_%1").arg(ChartStyleCode(style))));
  }
}

void FrmDisplayTest::showsDetailsAndHouseText() {
  const ResultView view = test::SampleView();
  FrmDisplay form;
  form.Show(view);
  const QList<QPair<QLabel*, std::string>> fields = {
      {test::FindChild<QLabel>(&form, "lblName"), view.lblName},
      {test::FindChild<QLabel>(&form, "lblDOB"), view.lblDOB},
      {test::FindChild<QLabel>(&form, "lblTOB"), view.lblTOB},
      {test::FindChild<QLabel>(&form, "lblLatitude"), view.lblLatitude},
      {test::FindChild<QLabel>(&form, "lblLongitude"), view.lblLongitude},
      {test::FindChild<QLabel>(&form, "lblCity"), view.lblCity},
      {test::FindChild<QLabel>(&form, "lblState"), view.lblState},
      {test::FindChild<QLabel>(&form, "lblCountry"), view.lblCountry},
      {test::FindChild<QLabel>(&form, "lblZone"), view.lblZone},
      {test::FindChild<QLabel>(&form, "lblHoraDesc"), view.lblHoraDesc}};
  for (const auto& [label, want] : fields) {
    QCOMPARE(label->text(), QString::fromStdString(want));
  }
  QCOMPARE(test::FindChild<QLabel>(&form, "lblLatitude")->text(),
           QString::fromUtf8("28° 38' N"));
}

void FrmDisplayTest::showsSummaryOnTopAndHowItWasFoundOnTheThirdTab() {
  FrmDisplay form;
  form.Show(test::SampleView());
  const std::string summary =
      "Hora Lagna: Virgo 12\u00B0 34\u2032 \u2014 6th house from the "
      "ascendant (Aries)";
  form.ShowExplanation(summary, {"Timed from the birth day's sunrise.",
                                 "Minutes elapsed: 868."});
  auto* label = form.findChild<QLabel*>("lblSummary");
  QVERIFY(label);
  QCOMPARE(label->text(), QString::fromStdString(summary));
  // Above everything else on the form.
  for (QLabel* other : {test::FindChild<QLabel>(&form, "dsd1"),
                        test::FindChild<QLabel>(&form, "Label5"),
                        test::FindChild<QLabel>(&form, "lblHoraDesc")}) {
    QVERIFY(label->geometry().bottom() < other->geometry().top());
  }
  auto* steps = form.findChild<QLabel*>("lblHowItWasFound");
  QVERIFY(steps);
  QCOMPARE(steps->text(), QString("Timed from the birth day's sunrise.\n\n"
                                  "Minutes elapsed: 868."));
  QVERIFY(test::Tabs(&form)->widget(2)->isAncestorOf(steps));
}

void FrmDisplayTest::showsAllTwentyEightSignFields() {
  const ResultView view = test::SampleView();
  FrmDisplay form;
  form.Show(view);
  int shown = 0;
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    QWidget* field = form.SignField(ref.name);
    QVERIFY2(field != nullptr, ref.name);
    QCOMPARE(FieldText(field),
             QString::fromStdString(view.attributes.*ref.member));
    ++shown;
  }
  QCOMPARE(shown, 28);
}

void FrmDisplayTest::secondViewReplacesTheFirst() {
  FrmDisplay form;
  form.Show(test::SampleView());
  ResultView second;  // a view with nothing in it but the marker
  second.chart.markers[2] = {"HL"};
  form.Show(second);
  for (int s = 0; s < 12; ++s) {
    QCOMPARE(test::SignBox(&form, s), s == 2 ? QString("HL") : QString());
  }
  QCOMPARE(test::FindChild<ReadingBox>(&form, "txtNature")->toPlainText(),
           QString());
  QCOMPARE(FieldText(form.SignField("lblVedicName")), QString());
}

void FrmDisplayTest::readingBoxesRefuseEditing() {
  FrmDisplay form;
  form.Show(test::SampleView());
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  test::Tabs(&form)->setCurrentIndex(1);
  ReadingBox* looks = test::FindChild<ReadingBox>(&form, "txtLooks");
  const QString before = looks->toPlainText();
  looks->setFocus();
  QTest::keyClicks(looks, "typed");
  QTest::keyClick(looks, Qt::Key_Backspace);
  QTest::keyClick(looks, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(looks->toPlainText(), before);
}

void FrmDisplayTest::readingBoxesLeaveTheClipboardAlone() {
  const QString kept = "the user's own clipboard text";
  QApplication::clipboard()->setText(kept);

  FrmDisplay form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Show(test::SampleView());  // writing the readings changes nothing
  QCOMPARE(QApplication::clipboard()->text(), kept);

  test::Tabs(&form)->setCurrentIndex(1);
  for (ReadingBox* box :
       {test::FindChild<ReadingBox>(&form, "txtLooks"),
        test::FindChild<ReadingBox>(&form, "txtNature"),
        test::FindChild<ReadingBox>(&form, "txtCareerAndFinance"),
        test::FindChild<ReadingBox>(&form, "txtLoveAndDomesticLife"),
        test::FindChild<ReadingBox>(&form, "txtHealth")}) {
    // Select with the mouse, then try every copy path.
    QWidget* viewport = box->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(viewport, QPoint(viewport->width() - 4, 12));
    QTest::mouseRelease(viewport, Qt::LeftButton, {},
                        QPoint(viewport->width() - 4, 12));
    box->selectAll();
    QVERIFY2(box->textCursor().hasSelection(), qPrintable(box->objectName()));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), kept);

    // No context menu comes up.
    QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &menuEvent);
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      QVERIFY2(!(qobject_cast<QMenu*>(window) && window->isVisible()),
               qPrintable(box->objectName()));
    }
    // Nothing would travel in a drag or a selection buffer either.
    QVERIFY(box->acceptDrops() == false);
    QCOMPARE(QApplication::clipboard()->text(), kept);
    // The selection stays for reading.
    QVERIFY(box->textCursor().hasSelection());
  }
}

void FrmDisplayTest::readingBoxScrollsALongReading() {
  FrmDisplay form;
  form.Show(test::SampleView());
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  test::Tabs(&form)->setCurrentIndex(1);
  QApplication::processEvents();
  QScrollBar* bar =
      test::FindChild<ReadingBox>(&form, "txtNature")->verticalScrollBar();
  QVERIFY(bar->isVisible());
  QVERIFY2(bar->maximum() > 0, "an 883-character reading overflows its box");
}

void FrmDisplayTest::forumLinksOpenTheForum() {
  test::SeamRecorder seams;
  FrmDisplay form;
  emit test::FindChild<QLabel>(&form, "Label6")->linkActivated("x");
  emit test::FindChild<QLabel>(&form, "Label7")->linkActivated("x");
  QCOMPARE(seams.pages.size(), 2);
  QCOMPARE(seams.pages[0], seams.pages[1]);
  QVERIFY(seams.pages[0].startsWith("https://"));
}

void FrmDisplayTest::screenshotsOfBothTabs() {
  MDI window;
  window.frmDisplay()->Show(test::SampleView());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.resize(window.FittingSize());  // the test screen is small
  QApplication::processEvents();
  test::Tabs(window.frmDisplay())->setCurrentIndex(0);
  QVERIFY(test::SaveScreenshot(&window, "result_chart_tab"));
  test::Tabs(window.frmDisplay())->setCurrentIndex(1);
  QVERIFY(test::SaveScreenshot(&window, "result_details_tab"));
  test::Tabs(window.frmDisplay())->setCurrentIndex(0);
  QVERIFY(test::SaveScreenshot(window.frmDisplay(), "result_form"));
}

// The answer line and "HL" against the window's background, on the
// palettes of light and dark desktop themes, the palette changed after the
// form is up as a desktop's theme changes.
void FrmDisplayTest::answerIsReadableOnLightAndDarkPalettes() {
  // The measure itself, on pairs whose ratio is known.
  QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 100), 2100);
  QCOMPARE(qRound(ContrastRatio(QColor("#777777"), Qt::white) * 100), 448);
  const struct {
    const char* theme;
    QColor window, text;
  } palettes[] = {
      {"light (Fusion)", QColor("#efefef"), Qt::black},
      {"white", Qt::white, Qt::black},
      {"dark (Breeze Dark)", QColor("#31363b"), QColor("#eff0f1")},
      {"dark (Adwaita-dark)", QColor("#353535"), Qt::white},
      {"black", Qt::black, Qt::white},
      {"middle grey", QColor("#767676"), Qt::white},
  };
  FrmDisplay form;
  form.Show(test::SampleView());
  form.ShowExplanation("Hora Lagna: Virgo", {});
  auto* answer = form.findChild<QLabel*>("lblSummary");
  auto* chart = form.findChild<ChartView*>("chartView");
  QVERIFY(answer && chart);
  for (const auto& p : palettes) {
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, p.window);
    palette.setColor(QPalette::WindowText, p.text);
    form.setPalette(palette);
    const QColor background = answer->palette().color(answer->backgroundRole());
    QCOMPARE(background, p.window);
    const QColor ink = answer->palette().color(answer->foregroundRole());
    QVERIFY2(ContrastRatio(ink, background) >= 4.5,
             qPrintable(QString("%1: %2 on %3")
                            .arg(p.theme, ink.name(), background.name())));
    // Still a red where a red can be read.
    if (p.window != QColor("#767676")) QVERIFY(ink.red() > ink.green());
    QVERIFY2(
        ContrastRatio(chart->MarkerInk(),
                      chart->palette().color(chart->backgroundRole())) >= 4.5,
        p.theme);
  }
}

TARVELIN_TEST_MAIN(FrmDisplayTest);
#include "frm_display_test.moc"
