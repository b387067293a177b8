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
#include "widgets/result/frm_reading_box.h"

using namespace tarvelin;

namespace {

QString Displayed(const std::string& text) {
  return QString::fromStdString(text).replace("\r\n", "\n");
}

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
  void hlStaysVisibleBehindEmptyMarkerLines_data();
  void hlStaysVisibleBehindEmptyMarkerLines();
  void showsDetailsAndHouseText();
  void showsSummaryOnTopAndHowItWasFoundOnTheThirdTab();
  void showsAllTwentyEightSignFields();
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
  for (int s = 0; s < 12; ++s) {
    const QLabel* number = test::RowLabel(&form, "Hno", s);
    const QFrame* cell = test::ChartCell(&form, s);
    QCOMPARE(number->text(), QString::number(s + 1));
    QCOMPARE(number->font().family(), QString("Courier New"));
    // The number stands in its own cell, the sign's three letters beside
    // it, clear of the number and of the marker line that shows "HL".
    QVERIFY2(cell->geometry().contains(number->geometry()),
             qPrintable(QString("cell %1").arg(s + 1)));
    auto* name = form.findChild<QLabel*>(QString("lblSignName%1").arg(s));
    QVERIFY(name);
    QCOMPARE(name->text(),
             QString("AriTauGemCanLeoVirLibScoSagCapAquPis").mid(3 * s, 3));
    QVERIFY(cell->geometry().contains(name->geometry()));
    QVERIFY(!name->geometry().intersects(number->geometry()));
    QVERIFY(!name->geometry().intersects(
        test::RowLabel(&form, "lblArudha", s)->geometry()));
  }
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
    QCOMPARE(test::SignPlanets(&form, s)->text(),
             Displayed(view.chartLabels[s]));
  }
  for (int i = 0; i < kBodyCount; ++i) {
    QCOMPARE(test::RowLabel(&form, "planet", i)->text(),
             QString::fromStdString(view.planet[i]));
  }
  // Several bodies in one sign: one per line, in table order.
  QCOMPARE(test::SignPlanets(&form, 0)->text(), QString("\nSun\nMercury"));
  QCOMPARE(test::SignPlanets(&form, 3)->text(), QString("\nMars (R) "));
}

void FrmDisplayTest::hlStaysVisibleBehindEmptyMarkerLines_data() {
  QTest::addColumn<QString>("markers");
  QTest::newRow("first line") << "\r\nHL";
  QTest::newRow("after five empty lines") << "\r\n\r\n\r\n\r\n\r\nHL";
  QTest::newRow("after eleven, more after")
      << QString("\r\n").repeated(11) + "HL" + QString("\r\n").repeated(3);
}

void FrmDisplayTest::hlStaysVisibleBehindEmptyMarkerLines() {
  QFETCH(QString, markers);
  ResultView view = test::SampleView();
  view.lblArudha[7] = markers.toStdString();
  FrmDisplay form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Show(view);

  QLabel* cell = test::RowLabel(&form, "lblArudha", 7);
  QCOMPARE(cell->text(), QString("HL"));
  QVERIFY(cell->isVisible());
  // The whole of "HL" fits inside the small cell.
  const QRect needed = cell->fontMetrics().boundingRect(cell->text());
  QVERIFY2(needed.width() <= cell->width() && needed.height() <= cell->height(),
           qPrintable(QString("needs %1x%2, cell %3x%4")
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(cell->width())
                          .arg(cell->height())));
  // The other cells, holding only empty markers, show nothing.
  QCOMPARE(test::RowLabel(&form, "lblArudha", 0)->text(), QString());
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
  ResultView second;  // a view with nothing in it
  second.lblArudha[2] = "\r\nHL";
  form.Show(second);
  for (int s = 0; s < 12; ++s) {
    QCOMPARE(test::SignPlanets(&form, s)->text(), QString());
    QCOMPARE(test::RowLabel(&form, "lblArudha", s)->text(),
             s == 2 ? QString("HL") : QString());
    QCOMPARE(test::RowLabel(&form, "Hno", s)->text(), QString::number(s + 1));
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

TARVELIN_TEST_MAIN(FrmDisplayTest);
#include "frm_display_test.moc"
