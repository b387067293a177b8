// SPDX-License-Identifier: GPL-3.0-or-later
// The input form's atlas: cities offered under the City box, and what
// choosing one fills in.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include "tables/zone_table.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/app_seams.h"
#include "widgets/input/frm_main.h"

namespace tarvelin {

class FrmMainAtlasTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void choosingACityFillsEveryBox_data();
  void choosingACityFillsEveryBox();
  void dateChangeWorksTheZoneOutAgain();
  void offsetWithoutEntryIsTakenExactly();
  void summerTimesOfOtherLengthsTakeTheirEntry_data();
  void summerTimesOfOtherLengthsTakeTheirEntry();
  void leavingTheCityBoxSettlesThePlace_data();
  void leavingTheCityBoxSettlesThePlace();
  void severalCitiesAreOfferedOnce();
  void offeredCitiesShowWhole();
  void typedCoordinatesStayWithAnUnknownCity();
  void editedCountryDropsTheAtlasValues();
  void typedHourPassesThroughNoOtherHour();
  void cityTimeIsNotedOnce();
  void filledBoxesStayEditableAndTheWebSearchStays();
  void coordinatesWithoutCityOfferTheNearestZone();

 private:
  void SetBirth(int year, int month, int day, int hour);
  // Types `typed` into the City box and picks `label` from the list.
  void Choose(const QString& typed, const QString& label);
  // Presses `key` where the keyboard is: the open list of cities, or the
  // focused box.
  void Press(Qt::Key key);
  QAbstractItemView* CityList() const;
  QStringList Offered() const;
  QString Note() const { return form_->statusBar()->currentMessage(); }

  std::unique_ptr<FrmMain> form_;
  std::unique_ptr<test::InputFormControls> ui_;  // form_'s, by name
  QStringList messages_;
  QStringList openedPages_;
};

void FrmMainAtlasTest::init() {
  messages_.clear();
  openedPages_.clear();
  SetMessageHandler([this](const MessageRequest& request) {
    messages_.append(request.text);
    return MessageAnswer::Ok;
  });
  SetWebPageOpener([this](const QString& url) { openedPages_.append(url); });
  form_ = std::make_unique<FrmMain>();
  ui_ = std::make_unique<test::InputFormControls>(form_.get());
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void FrmMainAtlasTest::cleanup() {
  ui_.reset();
  form_.reset();
  SetMessageHandler({});
  SetWebPageOpener({});
}

void FrmMainAtlasTest::SetBirth(int year, int month, int day, int hour) {
  ui_->cboYear->setCurrentText(QString::number(year));
  ui_->cboMonth->setCurrentIndex(month - 1);
  ui_->cboDate->setCurrentText(QString::number(day));
  ui_->cboHH->setCurrentText(QString::number(hour));
  QCOMPARE(ui_->cboYear->currentText(), QString::number(year));
  QCOMPARE(ui_->cboHH->currentText(), QString::number(hour));
}

void FrmMainAtlasTest::Choose(const QString& typed, const QString& label) {
  ui_->txtMCity->setFocus();
  ui_->txtMCity->clear();
  QTest::keyClicks(ui_->txtMCity, typed);
  auto* completer = form_->findChild<QCompleter*>("cityCompleter");
  QVERIFY(completer != nullptr);
  QAbstractItemView* popup = completer->popup();
  QTRY_VERIFY(popup->isVisible());
  const QAbstractItemModel* offered = completer->completionModel();
  QStringList labels;
  for (int row = 0; row < offered->rowCount(); ++row) {
    labels.append(offered->index(row, 0).data().toString());
  }
  const int row = static_cast<int>(labels.indexOf(label));
  QVERIFY2(row >= 0, qPrintable("offered: " + labels.join(" | ")));
  popup->setCurrentIndex(offered->index(row, 0));
  QTest::keyClick(popup, Qt::Key_Return);
  QTRY_VERIFY(!popup->isVisible());
}

void FrmMainAtlasTest::Press(Qt::Key key) { test::PressKey(key); }

QAbstractItemView* FrmMainAtlasTest::CityList() const {
  return test::FindChild<QCompleter>(form_.get(), "cityCompleter")->popup();
}

QStringList FrmMainAtlasTest::Offered() const {
  const QAbstractItemModel* offered =
      test::FindChild<QCompleter>(form_.get(), "cityCompleter")
          ->completionModel();
  QStringList labels;
  for (int row = 0; row < offered->rowCount(); ++row) {
    labels.append(offered->index(row, 0).data().toString());
  }
  return labels;
}

void FrmMainAtlasTest::choosingACityFillsEveryBox_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QStringList>("place");   // city, state, country
  QTest::addColumn<QStringList>("angles");  // lon deg, min, E/W, lat ...
  QTest::addColumn<QString>("zone");
  QTest::addColumn<bool>("dst");

  // 15 July 1990, noon.
  QTest::newRow("London in July: GMT with daylight saving")
      << "Lond"
      << "London, England, United Kingdom"
      << QStringList{"London", "England", "United Kingdom"}
      << QStringList{"0", "8", "W", "51", "31", "N"}
      << "Greenwich Mean Time,GMT,0.0" << true;
  QTest::newRow("Chennai by its first letters")
      << "Chenn"
      << "Chennai, Tamil Nadu, India"
      << QStringList{"Chennai", "Tamil Nadu", "India"}
      << QStringList{"80", "17", "E", "13", "5", "N"}
      << "Indian Time, IST, +5.3" << false;
  QTest::newRow("Sydney: south and east, winter there")
      << "Sydney"
      << "Sydney, New South Wales, Australia"
      << QStringList{"Sydney", "New South Wales", "Australia"}
      << QStringList{"151", "12", "E", "33", "52", "S"}
      << "Australian Eastern Standard Time,AEST,+10.0" << false;
}

void FrmMainAtlasTest::choosingACityFillsEveryBox() {
  QFETCH(QString, typed);
  QFETCH(QString, label);
  QFETCH(QStringList, place);
  QFETCH(QStringList, angles);
  QFETCH(QString, zone);
  QFETCH(bool, dst);

  SetBirth(1990, 7, 15, 12);
  Choose(typed, label);

  QCOMPARE(ui_->txtMCity->text(), place[0]);
  QCOMPARE(ui_->txtMState->text(), place[1]);
  QCOMPARE(ui_->txtMCountry->text(), place[2]);
  QCOMPARE(ui_->txtLonD->text(), angles[0]);
  QCOMPARE(ui_->txtLonM->text(), angles[1]);
  QCOMPARE(ui_->optLongWest->isChecked(), angles[2] == "W");
  QCOMPARE(ui_->optLongEast->isChecked(), angles[2] == "E");
  QCOMPARE(ui_->txtLatD->text(), angles[3]);
  QCOMPARE(ui_->txtLatM->text(), angles[4]);
  QCOMPARE(ui_->optLatSouth->isChecked(), angles[5] == "S");
  QCOMPARE(ui_->optLatNorth->isChecked(), angles[5] == "N");
  QCOMPARE(ui_->cmbTimeZone->currentText(), zone);
  QCOMPARE(ui_->chkDST->isChecked(), dst);
  QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join("\n")));
}

void FrmMainAtlasTest::dateChangeWorksTheZoneOutAgain() {
  SetBirth(1990, 7, 15, 12);
  Choose("Lond", "London, England, United Kingdom");
  QVERIFY(ui_->chkDST->isChecked());

  ui_->cboMonth->setCurrentIndex(0);  // January: winter time
  QVERIFY(!ui_->chkDST->isChecked());
  QCOMPARE(ui_->cmbTimeZone->currentText(),
           QString("Greenwich Mean Time,GMT,0.0"));

  // Sydney's summer is London's winter.
  Choose("Sydney", "Sydney, New South Wales, Australia");
  QVERIFY(ui_->chkDST->isChecked());
  ui_->cboMonth->setCurrentIndex(6);
  QVERIFY(!ui_->chkDST->isChecked());

  // Kathmandu kept India's time until 1986: the entry follows the year.
  SetBirth(1980, 1, 15, 12);
  Choose("Kathmandu", "Kathmandu, Bagmati Province, Nepal");
  QCOMPARE(ui_->cmbTimeZone->currentText(), QString("Indian Time, IST, +5.3"));
  QVERIFY(messages_.isEmpty());
}

// An offset the list lacks is chosen exactly, in the extra entry; the 71
// entries stay as they are.
void FrmMainAtlasTest::offsetWithoutEntryIsTakenExactly() {
  SetBirth(1980, 1, 15, 12);
  Choose("Kathmandu", "Kathmandu, Bagmati Province, Nepal");
  QCOMPARE(ui_->cmbTimeZone->currentText(), QString("Indian Time, IST, +5.3"));

  ui_->cboYear->setCurrentText("1990");  // +5:45 by then
  QCOMPARE(ui_->cmbTimeZone->currentText(),
           QString("UTC+05:45 at the birth (Asia/Kathmandu)"));
  QCOMPARE(ui_->cmbTimeZone->currentIndex(), kZoneCount);
  QCOMPARE(ui_->cmbTimeZone->itemText(34), QString("Indian Time, IST, +5.3"));
  QVERIFY(!ui_->chkDST->isChecked());
  QVERIFY(!ui_->chkDST->isEnabled());
  QVERIFY(messages_.isEmpty());

  ui_->txtName->setText("RAM");
  const std::optional<Birth> birth = form_->ValidatedInput();
  QVERIFY(birth.has_value());
  QCOMPARE(birth->utcOffsetSeconds, 5 * 3600 + 45 * 60);
  QCOMPARE(birth->zoneIndex, Birth::kExactOffset);
  QCOMPARE(birth->atlasZone, std::string("Asia/Kathmandu"));

  // Choosing a list entry frees the box again.
  ui_->cmbTimeZone->setCurrentIndex(29);
  QVERIFY(ui_->chkDST->isEnabled());
}

// Double summer time is an entry of its own with the box clear; half an
// hour of saving is the entry of the whole offset.
void FrmMainAtlasTest::summerTimesOfOtherLengthsTakeTheirEntry_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("label");
  QTest::addColumn<int>("year");
  QTest::addColumn<QString>("zone");
  QTest::addColumn<bool>("dst");
  QTest::newRow("London 1941, +2")
      << "London"
      << "London, England, United Kingdom" << 1941
      << "British Double Summer Time,BDST,+2.0" << false;
  QTest::newRow("London 1990, +1") << "London"
                                   << "London, England, United Kingdom" << 1990
                                   << "Greenwich Mean Time,GMT,0.0" << true;
  QTest::newRow("Auckland 1943, +12 = 11:30 + 0:30")
      << "Auckland"
      << "Auckland, Auckland, New Zealand" << 1943
      << "New Zealand Std Time,NZT,+12.0" << false;
}

void FrmMainAtlasTest::summerTimesOfOtherLengthsTakeTheirEntry() {
  QFETCH(QString, typed);
  QFETCH(QString, label);
  QFETCH(int, year);
  QFETCH(QString, zone);
  QFETCH(bool, dst);
  SetBirth(year, 6, 15, 12);
  Choose(typed, label);
  QCOMPARE(ui_->cmbTimeZone->currentText(), zone);
  QCOMPARE(ui_->chkDST->isChecked(), dst);
}

// The City box left with a typed text: one city of that whole name is
// filled as if chosen, several are offered, none (or an empty box) takes
// away what the previous place filled. The boxes never keep another
// place's state, coordinates or zone.
void FrmMainAtlasTest::leavingTheCityBoxSettlesThePlace_data() {
  QTest::addColumn<QString>("before");  // the label chosen first, or ""
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QStringList>("place");   // city, state, country
  QTest::addColumn<QStringList>("angles");  // lon deg, min, lat deg, min
  QTest::addColumn<int>("zone");            // list position
  QTest::addColumn<QString>("note");        // the status bar
  const QString chennai = "Chennai, Tamil Nadu, India";
  const QStringList none = {"", "", "", ""};
  QTest::newRow("Chennai typed, nothing before")
      << ""
      << "Chennai" << QStringList{"Chennai", "Tamil Nadu", "India"}
      << QStringList{"80", "17", "13", "5"} << 34 << "";
  QTest::newRow("Mumbai typed over Chennai")
      << chennai << "Mumbai" << QStringList{"Mumbai", "Maharashtra", "India"}
      << QStringList{"72", "53", "19", "4"} << 34 << "";
  QTest::newRow("Chennai retyped by its former name")
      << chennai << "madras" << QStringList{"madras", "Tamil Nadu", "India"}
      << QStringList{"80", "17", "13", "5"} << 34 << "";
  QTest::newRow("London retyped over London")
      << "London, England, United Kingdom"
      << "London" << QStringList{"London", "England", "United Kingdom"}
      << QStringList{"0", "8", "51", "31"} << 29 << "";
  QTest::newRow("not in the atlas, Chennai before")
      << chennai << "Xyzzyville" << QStringList{"Xyzzyville", "", ""} << none
      << 0
      << QString::fromUtf8(
             "\u201cXyzzyville\u201d is not in the atlas: "
             "enter the coordinates and the zone");
  QTest::newRow("emptied, Chennai before")
      << chennai << "" << QStringList{"", "", ""} << none << 0 << "";
  QTest::newRow("two Hyderabads, Chennai before")
      << chennai << "Hyderabad" << QStringList{"Hyderabad", "", ""} << none << 0
      << "";
}

void FrmMainAtlasTest::leavingTheCityBoxSettlesThePlace() {
  QFETCH(QString, before);
  QFETCH(QString, typed);
  QFETCH(QStringList, place);
  QFETCH(QStringList, angles);
  QFETCH(int, zone);
  QFETCH(QString, note);
  SetBirth(1990, 7, 15, 12);
  if (!before.isEmpty()) Choose(before.section(',', 0, 0), before);

  ui_->txtMCity->setFocus();
  ui_->txtMCity->selectAll();
  QTest::keyClick(ui_->txtMCity, Qt::Key_Backspace);
  QTest::keyClicks(ui_->txtMCity, typed);
  Press(Qt::Key_Tab);

  const bool several = typed == "Hyderabad";
  QTRY_COMPARE(CityList()->isVisible(), several);
  QCOMPARE(QApplication::focusWidget(),
           several ? ui_->txtMCity : ui_->txtMState);
  if (several) {
    QCOMPARE(Offered(), (QStringList{"Hyder\u0101b\u0101d, Telangana, India",
                                     "Hyderabad, Sindh Province, Pakistan"}));
  }
  QCOMPARE((QStringList{ui_->txtMCity->text(), ui_->txtMState->text(),
                        ui_->txtMCountry->text()}),
           place);
  QCOMPARE((QStringList{ui_->txtLonD->text(), ui_->txtLonM->text(),
                        ui_->txtLatD->text(), ui_->txtLatM->text()}),
           angles);
  QCOMPARE(ui_->cmbTimeZone->currentIndex(), zone);
  QCOMPARE(Note(), note);
  // Filled after the Tab arrived: the State box is typed over all the same.
  if (!several) {
    QCOMPARE(ui_->txtMState->selectedText(), ui_->txtMState->text());
  }
  QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join("\n")));
}

// Several cities of one name are offered when the box is left, and once:
// left again without a choice, the text stays as typed. Enter in the box
// offers them too, and computes nothing until one is chosen.
void FrmMainAtlasTest::severalCitiesAreOfferedOnce() {
  SetBirth(1990, 7, 15, 12);
  ui_->txtName->setText("RAM");
  QSignalSpy computed(form_.get(), &FrmMain::calculationRequested);
  ui_->txtMCity->setFocus();
  QTest::keyClicks(ui_->txtMCity, "Hyderabad");
  Press(Qt::Key_Return);
  QCOMPARE(computed.count(), 0);
  QTRY_VERIFY(CityList()->isVisible());
  QCOMPARE(Offered().size(), 2);
  QCOMPARE(QApplication::focusWidget(), ui_->txtMCity);

  Press(Qt::Key_Escape);
  QTRY_VERIFY(!CityList()->isVisible());
  Press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), ui_->txtMState);
  QVERIFY(!CityList()->isVisible());
  QVERIFY2(Note().startsWith(QString::fromUtf8(
               "Several places are called \u201cHyderabad\u201d")),
           qPrintable(Note()));
  QVERIFY(ui_->txtLonD->text().isEmpty());

  // Typed again and chosen from the list.
  Choose("Hyderabad", "Hyder\u0101b\u0101d, Telangana, India");
  QCOMPARE(ui_->txtLonD->text(), QString("78"));
  QCOMPARE(computed.count(), 0);
}

// The cities offered show their whole labels ("..., United States"), the
// list as wide as its longest.
void FrmMainAtlasTest::offeredCitiesShowWhole() {
  ui_->txtMCity->setFocus();
  QTest::keyClicks(ui_->txtMCity, "Springfield");
  QTRY_VERIFY(CityList()->isVisible());
  const QStringList offered = Offered();
  QVERIFY(offered.size() > 3);
  const QFontMetrics metrics(CityList()->font());
  int widest = 0;
  for (const QString& label : offered) {
    widest = std::max(widest, metrics.horizontalAdvance(label));
  }
  QVERIFY2(widest <= CityList()->viewport()->width(),
           qPrintable(QString("%1 px of text in %2 px")
                          .arg(widest)
                          .arg(CityList()->viewport()->width())));
}

// Coordinates and a zone the user typed belong to no atlas city: a city
// the atlas lacks leaves them.
void FrmMainAtlasTest::typedCoordinatesStayWithAnUnknownCity() {
  QTest::keyClicks(ui_->txtLonD, "12");
  QTest::keyClicks(ui_->txtLonM, "30");
  ui_->cmbTimeZone->setCurrentIndex(34);
  ui_->txtMCity->setFocus();
  QTest::keyClicks(ui_->txtMCity, "Xyzzyville");
  Press(Qt::Key_Tab);
  QCOMPARE(ui_->txtLonD->text(), QString("12"));
  QCOMPARE(ui_->txtLonM->text(), QString("30"));
  QCOMPARE(ui_->cmbTimeZone->currentIndex(), 34);
  QVERIFY(Note().contains("not in the atlas"));
}

// The country edited after a pick drops what the atlas filled, at the
// latest when the birth is computed.
void FrmMainAtlasTest::editedCountryDropsTheAtlasValues() {
  SetBirth(1990, 7, 15, 12);
  Choose("Lond", "London, England, United Kingdom");
  QVERIFY(ui_->chkDST->isChecked());
  ui_->txtMCountry->setFocus();
  QTest::keyClicks(ui_->txtMCountry, "x");
  ui_->txtName->setText("RAM");
  QVERIFY(!form_->ValidatedInput());  // no longitude any more
  QVERIFY(ui_->txtLonD->text().isEmpty());
  QVERIFY(!ui_->chkDST->isChecked());
  ui_->cboMonth->setCurrentIndex(0);  // no city to work out again
  QVERIFY(!ui_->chkDST->isChecked());
}

// Hour 15 typed as "1" "5" on the day London's clocks skipped 01:00-02:00:
// hour 1 on the way is no birth time, and says nothing.
void FrmMainAtlasTest::typedHourPassesThroughNoOtherHour() {
  SetBirth(1990, 3, 25, 0);
  Choose("Lond", "London, England, United Kingdom");
  QVERIFY(!ui_->chkDST->isChecked());
  ui_->cboHH->setFocus();
  QTest::keyClicks(ui_->cboHH, "15");
  Press(Qt::Key_Tab);
  QCOMPARE(ui_->cboHH->currentText(), QString("15"));
  QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join("\n")));
  QVERIFY(ui_->chkDST->isChecked());
}

// Mumbai before 1955: the recorded time may be Bombay Time.
void FrmMainAtlasTest::cityTimeIsNotedOnce() {
  SetBirth(1950, 6, 1, 10);
  Choose("Bomb", "Mumbai, Maharashtra, India");
  QCOMPARE(messages_.size(), 1);
  QVERIFY2(messages_.front().startsWith("The recorded time of a birth in "
                                        "Mumbai before 1955 may be Bombay "
                                        "Time"),
           qPrintable(messages_.front()));
  ui_->cboHH->setCurrentText("11");
  QCOMPARE(messages_.size(), 1);
}

void FrmMainAtlasTest::filledBoxesStayEditableAndTheWebSearchStays() {
  SetBirth(1990, 7, 15, 12);
  Choose("Lond", "London, England, United Kingdom");
  for (QLineEdit* box :
       {ui_->txtMCity, ui_->txtMState, ui_->txtMCountry, ui_->txtLonD,
        ui_->txtLonM, ui_->txtLatD, ui_->txtLatM}) {
    QVERIFY2(!box->isReadOnly() && box->isEnabled(),
             qPrintable(box->objectName()));
  }
  QVERIFY(ui_->cmbTimeZone->isEnabled());
  QVERIFY(ui_->chkDST->isEnabled());

  ui_->txtLatM->setText("30");
  ui_->chkDST->setChecked(false);
  QCOMPARE(ui_->txtLatM->text(), QString("30"));
  QVERIFY(!ui_->chkDST->isChecked());

  ui_->cmdBrowser->click();
  QCOMPARE(openedPages_.size(), 1);
  QVERIFY2(openedPages_.front().contains("London"),
           qPrintable(openedPages_.front()));
}

// Coordinates typed without a city: the status bar offers the zone of the
// nearest atlas place at the birth, London's double summer time in 1941
// too; a city typed takes the offer away.
void FrmMainAtlasTest::coordinatesWithoutCityOfferTheNearestZone() {
  SetBirth(1941, 6, 15, 12);
  auto* offer = test::FindChild<QPushButton>(form_.get(), "cmdNearestZone");
  QVERIFY(!offer->isVisible());
  QTest::keyClicks(ui_->txtLonD, "0");
  QTest::keyClicks(ui_->txtLonM, "7");
  ui_->optLongWest->setChecked(true);
  QTest::keyClicks(ui_->txtLatD, "51");
  QVERIFY(!offer->isVisible());  // the minutes are still missing
  QTest::keyClicks(ui_->txtLatM, "30");
  QTRY_VERIFY(offer->isVisible());
  const QString offered = offer->toolTip();  // the text, whole
  QVERIFY2(offered.startsWith("Use the zone of the nearest place, ") &&
               offered.contains(", England, United Kingdom (") &&
               offered.endsWith(" km): UTC+02:00 at the birth"),
           qPrintable(offered));
  QVERIFY(offer->width() <= form_->centralWidget()->width());
  offer->click();
  QVERIFY(!offer->isVisible());
  QCOMPARE(ui_->cmbTimeZone->currentText(),
           QString("British Double Summer Time,BDST,+2.0"));
  QVERIFY(!ui_->chkDST->isChecked());
  QVERIFY(ui_->txtMCity->text().isEmpty());

  ui_->txtLatM->clear();
  QVERIFY(!offer->isVisible());
  ui_->txtLatM->setText("30");
  QVERIFY(offer->isVisible());
  ui_->txtMCity->setText("Greenwich");
  QVERIFY(!offer->isVisible());
}

}  // namespace tarvelin

TARVELIN_TEST_MAIN(tarvelin::FrmMainAtlasTest);
#include "frm_main_atlas_test.moc"
