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
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void FrmMainAtlasTest::cleanup() {
  form_.reset();
  SetMessageHandler({});
  SetWebPageOpener({});
}

void FrmMainAtlasTest::SetBirth(int year, int month, int day, int hour) {
  form_->cboYear->setCurrentText(QString::number(year));
  form_->cboMonth->setCurrentIndex(month - 1);
  form_->cboDate->setCurrentText(QString::number(day));
  form_->cboHH->setCurrentText(QString::number(hour));
  QCOMPARE(form_->cboYear->currentText(), QString::number(year));
  QCOMPARE(form_->cboHH->currentText(), QString::number(hour));
}

void FrmMainAtlasTest::Choose(const QString& typed, const QString& label) {
  form_->txtMCity->setFocus();
  form_->txtMCity->clear();
  QTest::keyClicks(form_->txtMCity, typed);
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

  QCOMPARE(form_->txtMCity->text(), place[0]);
  QCOMPARE(form_->txtMState->text(), place[1]);
  QCOMPARE(form_->txtMCountry->text(), place[2]);
  QCOMPARE(form_->txtLonD->text(), angles[0]);
  QCOMPARE(form_->txtLonM->text(), angles[1]);
  QCOMPARE(form_->optLongWest->isChecked(), angles[2] == "W");
  QCOMPARE(form_->optLongEast->isChecked(), angles[2] == "E");
  QCOMPARE(form_->txtLatD->text(), angles[3]);
  QCOMPARE(form_->txtLatM->text(), angles[4]);
  QCOMPARE(form_->optLatSouth->isChecked(), angles[5] == "S");
  QCOMPARE(form_->optLatNorth->isChecked(), angles[5] == "N");
  QCOMPARE(form_->cmbTimeZone->currentText(), zone);
  QCOMPARE(form_->chkDST->isChecked(), dst);
  QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join("\n")));
}

void FrmMainAtlasTest::dateChangeWorksTheZoneOutAgain() {
  SetBirth(1990, 7, 15, 12);
  Choose("Lond", "London, England, United Kingdom");
  QVERIFY(form_->chkDST->isChecked());

  form_->cboMonth->setCurrentIndex(0);  // January: winter time
  QVERIFY(!form_->chkDST->isChecked());
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("Greenwich Mean Time,GMT,0.0"));

  // Sydney's summer is London's winter.
  Choose("Sydney", "Sydney, New South Wales, Australia");
  QVERIFY(form_->chkDST->isChecked());
  form_->cboMonth->setCurrentIndex(6);
  QVERIFY(!form_->chkDST->isChecked());

  // Kathmandu kept India's time until 1986: the entry follows the year.
  SetBirth(1980, 1, 15, 12);
  Choose("Kathmandu", "Kathmandu, Bagmati Province, Nepal");
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("Indian Time, IST, +5.3"));
  QVERIFY(messages_.isEmpty());
}

// An offset the list lacks is chosen exactly, in the extra entry; the 71
// entries stay as they are.
void FrmMainAtlasTest::offsetWithoutEntryIsTakenExactly() {
  SetBirth(1980, 1, 15, 12);
  Choose("Kathmandu", "Kathmandu, Bagmati Province, Nepal");
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("Indian Time, IST, +5.3"));

  form_->cboYear->setCurrentText("1990");  // +5:45 by then
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("UTC+05:45 at the birth (Asia/Kathmandu)"));
  QCOMPARE(form_->cmbTimeZone->currentIndex(), kZoneCount);
  QCOMPARE(form_->cmbTimeZone->itemText(34), QString("Indian Time, IST, +5.3"));
  QVERIFY(!form_->chkDST->isChecked());
  QVERIFY(!form_->chkDST->isEnabled());
  QVERIFY(messages_.isEmpty());

  form_->txtName->setText("RAM");
  const std::optional<Birth> birth = form_->ValidatedInput();
  QVERIFY(birth.has_value());
  QCOMPARE(birth->utcOffsetSeconds, 5 * 3600 + 45 * 60);
  QCOMPARE(birth->zoneIndex, Birth::kExactOffset);
  QCOMPARE(birth->atlasZone, std::string("Asia/Kathmandu"));

  // Choosing a list entry frees the box again.
  form_->cmbTimeZone->setCurrentIndex(29);
  QVERIFY(form_->chkDST->isEnabled());
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
  QCOMPARE(form_->cmbTimeZone->currentText(), zone);
  QCOMPARE(form_->chkDST->isChecked(), dst);
}

// Editing City, State or Country drops what the atlas filled, unless the
// three still name the chosen city.
void FrmMainAtlasTest::retypedPlaceDropsTheAtlasValues() {
  SetBirth(1990, 7, 15, 12);
  Choose("Chenn", "Chennai, Tamil Nadu, India");
  QCOMPARE(form_->txtLonD->text(), QString("80"));

  // Still Chennai: its former name, typed letter by letter.
  form_->txtMCity->selectAll();
  QTest::keyClicks(form_->txtMCity, "madras");
  emit form_->txtMCity->editingFinished();
  QCOMPARE(form_->txtLonD->text(), QString("80"));
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("Indian Time, IST, +5.3"));

  // Mumbai typed over it without choosing: Chennai's values go.
  form_->txtMCity->selectAll();
  QTest::keyClicks(form_->txtMCity, "Mumbai");
  QCOMPARE(form_->txtLonD->text(), QString("80"));  // until the edit ends
  emit form_->txtMCity->editingFinished();
  for (const QLineEdit* box :
       {form_->txtLonD, form_->txtLonM, form_->txtLatD, form_->txtLatM}) {
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  }
  QCOMPARE(form_->cmbTimeZone->currentIndex(), 0);
  QVERIFY(!form_->chkDST->isChecked());

  // The country edited after a pick drops it too, at the latest when the
  // birth is computed.
  Choose("Lond", "London, England, United Kingdom");
  QVERIFY(form_->chkDST->isChecked());
  form_->txtMCountry->setFocus();
  QTest::keyClicks(form_->txtMCountry, "x");
  form_->txtName->setText("RAM");
  QVERIFY(!form_->ValidatedInput());  // no longitude any more
  QVERIFY(form_->txtLonD->text().isEmpty());
  QVERIFY(!form_->chkDST->isChecked());
  form_->cboMonth->setCurrentIndex(0);  // no city to work out again
  QVERIFY(!form_->chkDST->isChecked());
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
  form_->cboHH->setCurrentText("11");
  QCOMPARE(messages_.size(), 1);
}

void FrmMainAtlasTest::filledBoxesStayEditableAndTheWebSearchStays() {
  SetBirth(1990, 7, 15, 12);
  Choose("Lond", "London, England, United Kingdom");
  for (QLineEdit* box :
       {form_->txtMCity, form_->txtMState, form_->txtMCountry, form_->txtLonD,
        form_->txtLonM, form_->txtLatD, form_->txtLatM}) {
    QVERIFY2(!box->isReadOnly() && box->isEnabled(),
             qPrintable(box->objectName()));
  }
  QVERIFY(form_->cmbTimeZone->isEnabled());
  QVERIFY(form_->chkDST->isEnabled());

  form_->txtLatM->setText("30");
  form_->chkDST->setChecked(false);
  QCOMPARE(form_->txtLatM->text(), QString("30"));
  QVERIFY(!form_->chkDST->isChecked());

  form_->cmdBrowser->click();
  QCOMPARE(openedPages_.size(), 1);
  QVERIFY2(openedPages_.front().contains("London"),
           qPrintable(openedPages_.front()));
}

}  // namespace tarvelin

QTEST_MAIN(tarvelin::FrmMainAtlasTest)
#include "frm_main_atlas_test.moc"
