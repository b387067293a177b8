// The input form's atlas: cities offered under the City box, and what
// choosing one fills in.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
  void retypedPlaceDropsTheAtlasValues();
  void cityTimeIsNotedOnce();
  void filledBoxesStayEditableAndTheWebSearchStays();

 private:
  void SetBirth(int year, int month, int day, int hour);
  // Types `typed` into the City box and picks `label` from the list.
  void Choose(const QString& typed, const QString& label);

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
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
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

// Editing City, State or Country drops what the atlas filled, unless the
// three still name the chosen city.
void FrmMainAtlasTest::retypedPlaceDropsTheAtlasValues() {
  SetBirth(1990, 7, 15, 12);
  Choose("Chenn", "Chennai, Tamil Nadu, India");
  QCOMPARE(ui_->txtLonD->text(), QString("80"));

  // Still Chennai: its former name, typed letter by letter.
  ui_->txtMCity->selectAll();
  QTest::keyClicks(ui_->txtMCity, "madras");
  emit ui_->txtMCity->editingFinished();
  QCOMPARE(ui_->txtLonD->text(), QString("80"));
  QCOMPARE(ui_->cmbTimeZone->currentText(), QString("Indian Time, IST, +5.3"));

  // Mumbai typed over it without choosing: Chennai's values go.
  ui_->txtMCity->selectAll();
  QTest::keyClicks(ui_->txtMCity, "Mumbai");
  QCOMPARE(ui_->txtLonD->text(), QString("80"));  // until the edit ends
  emit ui_->txtMCity->editingFinished();
  for (const QLineEdit* box :
       {ui_->txtLonD, ui_->txtLonM, ui_->txtLatD, ui_->txtLatM}) {
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  }
  QCOMPARE(ui_->cmbTimeZone->currentIndex(), 0);
  QVERIFY(!ui_->chkDST->isChecked());

  // The country edited after a pick drops it too, at the latest when the
  // birth is computed.
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

}  // namespace tarvelin

TARVELIN_TEST_MAIN(tarvelin::FrmMainAtlasTest);
#include "frm_main_atlas_test.moc"
