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
  void offsetWithoutEntryIsToldAndTheZoneLeft();
  void typingInTheCityAgainForgetsTheChoice();
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

void FrmMainAtlasTest::offsetWithoutEntryIsToldAndTheZoneLeft() {
  SetBirth(1980, 1, 15, 12);
  Choose("Kathmandu", "Kathmandu, Bagmati Province, Nepal");
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("Indian Time, IST, +5.3"));

  form_->cboYear->setCurrentText("1990");  // +5:45 by then
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_.front(),
           QString("The zone list has no entry for Kathmandu, Bagmati "
                   "Province, Nepal: its standard time at the birth date is "
                   "UTC+05:45. Please choose the zone yourself."));
  QCOMPARE(form_->cmbTimeZone->currentText(),
           QString("Indian Time, IST, +5.3"));  // left for the user

  // Further changes within the same plight do not repeat the message.
  form_->cboYear->setCurrentText("1991");
  QCOMPARE(messages_.size(), 1);

  // The user's own choice stands until the date changes again.
  form_->cmbTimeZone->setCurrentIndex(29);
  form_->cboHH->setCurrentText("13");
  QCOMPARE(form_->cmbTimeZone->currentIndex(), 29);
}

void FrmMainAtlasTest::typingInTheCityAgainForgetsTheChoice() {
  SetBirth(1990, 7, 15, 12);
  Choose("Lond", "London, England, United Kingdom");
  QVERIFY(form_->chkDST->isChecked());

  QTest::keyClicks(form_->txtMCity, "x");  // "Londonx": no city chosen now
  form_->cboMonth->setCurrentIndex(0);
  QVERIFY(form_->chkDST->isChecked());  // left as it was
  QCOMPARE(form_->txtLonM->text(), QString("8"));
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
