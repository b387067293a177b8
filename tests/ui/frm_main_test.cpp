// SPDX-License-Identifier: GPL-3.0-or-later
// The input form driven as a user drives it: typing, pasting, choosing and
// pressing, with messages and web pages caught by the seams.
#include "widgets/input/frm_main.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStringList>
#include <QTest>
#include <memory>

#include "tables/zone_table.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/web_links.h"
#include "widgets/input/zone_choice.h"

using tarvelin::Birth;
using tarvelin::FrmMain;
using tarvelin::MessageIcon;
using tarvelin::OffsetPrompt;
using tarvelin::SetOffsetPrompt;

namespace {

constexpr char kLonDegMessage[] =
    "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr char kLonMinMessage[] =
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr char kLatDegMessage[] =
    "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr char kLatMinMessage[] =
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr char kLettersOnly[] = "Please Enter only Letters";
constexpr char kNumbersOnly[] = "Only Numbers Are Accepted";

QStringList ItemTexts(const QComboBox* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
  return texts;
}

QStringList Numbers(int first, int last) {
  QStringList texts;
  for (int n = first; n <= last; ++n) texts << QString::number(n);
  return texts;
}

// Action texts of a menu, separators as "-".
QStringList MenuEntries(const QMenu* menu) {
  QStringList entries;
  for (const QAction* a : menu->actions()) {
    entries << (a->isSeparator() ? QString("-") : a->text());
  }
  return entries;
}

}  // namespace

class FrmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void freshFormShowsTheFirstEntries();
  void menusHoldTheirEntries();
  void nameBoxUpperCasesAndRefusesOtherCharacters();
  void degreeBoxesTakeDigitsOnly_data();
  void degreeBoxesTakeDigitsOnly();
  void typingInAListChoosesTheEntryTyped_data();
  void typingInAListChoosesTheEntryTyped();
  void typingInTheOpenListChoosesTheSameWay();
  void pastedTextIsFilteredLikeTyping();
  void dropsAndInputMethodCommitsAreFiltered();
  void validationShowsItsMessageAndMovesFocus_data();
  void validationShowsItsMessageAndMovesFocus();
  void validEntryIsHandedOverOnce();
  void menuAndEnterStartTheCalculationToo();
  void farZoneIsAskedAboutFirst();
  void otherOffsetIsTypedExactly();
  void browserLookupWantsAllThreePlaceTexts_data();
  void browserLookupWantsAllThreePlaceTexts();
  void browserLookupSearchesForThePlace();
  void linksOpenTheirPages();
  void closingByTheUserIsReportedHidingIsNot();
  void tabFollowsReadingOrder();
  void everyBoxHasItsShortcutAndAName();
  void screenshot();

 private:
  void ShowActive();
  void FillValid();

  std::unique_ptr<FrmMain> form_;
  std::unique_ptr<tarvelin::test::InputFormControls> ui_;  // form_'s, by name
  struct Shown {
    QString text;
    MessageIcon icon;
  };
  QList<Shown> messages_;
  QStringList opened_;
};

// The pause that ends a typed number, short so that the tests wait little.
constexpr int kTypingPauseMs = 150;

void FrmMainTest::initTestCase() {
  QApplication::setKeyboardInputInterval(kTypingPauseMs);
}

void FrmMainTest::init() {
  messages_.clear();
  opened_.clear();
  tarvelin::SetMessageHandler([this](const tarvelin::MessageRequest& r) {
    if (r.title != "Tarvelin v1.25") qWarning() << "message title" << r.title;
    messages_.append({r.text, r.icon});
    return tarvelin::MessageAnswer::Ok;
  });
  tarvelin::SetWebPageOpener([this](const QString& url) { opened_ << url; });
  form_ = std::make_unique<FrmMain>();
  ui_ = std::make_unique<tarvelin::test::InputFormControls>(form_.get());
}

void FrmMainTest::cleanup() {
  ui_.reset();
  form_.reset();
  tarvelin::SetMessageHandler({});
  tarvelin::SetWebPageOpener({});
}

void FrmMainTest::ShowActive() {
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void FrmMainTest::FillValid() {
  ui_->txtName->setText("RAM");
  ui_->txtLonD->setText("77");
  ui_->txtLonM->setText("13");
  ui_->txtLatD->setText("28");
  ui_->txtLatM->setText("40");
  ui_->cmbTimeZone->setCurrentIndex(34);  // Indian Time, near 77° E
}

void FrmMainTest::freshFormShowsTheFirstEntries() {
  FrmMain& f = *form_;
  QCOMPARE(f.windowTitle(), QString("Tarvelin v1.25"));

  QStringList months = {"January",   "February", "March",    "April",
                        "May",       "June",     "July",     "August",
                        "September", "October",  "November", "December"};
  QCOMPARE(ItemTexts(ui_->cboMonth), months);
  QCOMPARE(ItemTexts(ui_->cboDate), Numbers(1, 31));
  QCOMPARE(ItemTexts(ui_->cboYear), Numbers(1901, 2050));
  QCOMPARE(ItemTexts(ui_->cboHH), Numbers(0, 23));
  QCOMPARE(ItemTexts(ui_->cboMM), Numbers(0, 59));
  QCOMPARE(ItemTexts(ui_->cboSS), Numbers(0, 59));
  // The 71 entries, then the way to type any offset.
  QCOMPARE(ui_->cmbTimeZone->count(), tarvelin::kZoneCount + 1);
  QCOMPARE(ui_->cmbTimeZone->itemText(34), QString("Indian Time, IST, +5.3"));
  QCOMPARE(ui_->cmbTimeZone->itemText(tarvelin::kZoneCount),
           QString::fromUtf8("Other offset\u2026"));

  QCOMPARE(ui_->cboMonth->currentText(), QString("January"));
  QCOMPARE(ui_->cboDate->currentText(), QString("1"));
  QCOMPARE(ui_->cboYear->currentText(), QString("1901"));
  QCOMPARE(ui_->cboHH->currentText(), QString("0"));
  QCOMPARE(ui_->cboMM->currentText(), QString("0"));
  QCOMPARE(ui_->cboSS->currentText(), QString("0"));
  QCOMPARE(ui_->cmbTimeZone->currentText(),
           QString("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
  for (const QComboBox* list :
       {ui_->cboMonth, ui_->cboDate, ui_->cboYear, ui_->cboHH, ui_->cboMM,
        ui_->cboSS, ui_->cmbTimeZone}) {
    QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
  }

  QVERIFY(ui_->optLongEast->isChecked());
  QVERIFY(!ui_->optLongWest->isChecked());
  QVERIFY(ui_->optLatNorth->isChecked());
  QVERIFY(!ui_->optLatSouth->isChecked());
  QVERIFY(!ui_->chkDST->isChecked());
  QCOMPARE(ui_->chkDST->text().remove('&'), QString("Daylight Saving Time"));
  for (const QLineEdit* box :
       {ui_->txtName, ui_->txtMCity, ui_->txtMState, ui_->txtMCountry,
        ui_->txtLonD, ui_->txtLonM, ui_->txtLatD, ui_->txtLatM}) {
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  }
  QCOMPARE(ui_->txtLonD->maxLength(), 3);
  QCOMPARE(ui_->txtLonM->maxLength(), 2);
  QCOMPARE(ui_->txtLatD->maxLength(), 2);
  QCOMPARE(ui_->txtLatM->maxLength(), 2);
  QCOMPARE(ui_->cmdRashi->text(), QString("Get My Hora Lagna"));
  QVERIFY(ui_->cmdRashi->isDefault());
  QCOMPARE(ui_->cmdBrowser->text(), QString("Click for Latitude && Longitude"));
}

void FrmMainTest::menusHoldTheirEntries() {
  QStringList topLevel;
  QList<QAction*> actions = form_->menuBar()->actions();
  for (const QAction* a : actions) topLevel << a->text();
  QCOMPARE(topLevel,
           QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
  QCOMPARE(MenuEntries(actions[0]->menu()),
           QStringList({"Get My Hora Lagna", "E&xit"}));
  QCOMPARE(MenuEntries(actions[1]->menu()),
           QStringList({"&Online Help", "&Visit Us Online", "-",
                        "Check for Software &Update", "-", "&About Software"}));
  QCOMPARE(actions[2], ui_->mnuDonate);
  QCOMPARE(actions[3], ui_->mkmoney);
  QVERIFY(!ui_->mnuDonate->menu());
}

void FrmMainTest::nameBoxUpperCasesAndRefusesOtherCharacters() {
  QLineEdit* name = ui_->txtName;
  QTest::keyClicks(name, "ram");
  QCOMPARE(name->text(), QString("RAM"));
  QVERIFY(messages_.isEmpty());

  QTest::keyClicks(name, " k1-");
  QCOMPARE(name->text(), QString("RAM K"));
  QCOMPARE(messages_.size(), 2);
  for (const Shown& m : messages_) {
    QCOMPARE(m.text, QString(kLettersOnly));
    QCOMPARE(m.icon, MessageIcon::Information);
  }

  QTest::keyClick(name, Qt::Key_Backspace);
  QCOMPARE(name->text(), QString("RAM "));
  QCOMPARE(messages_.size(), 2);

  // Letters of any script are letters; a letter beyond U+FFFF is one.
  name->clear();
  for (const char32_t code :
       QString::fromUtf8("jos\u00e9 zo\u00eb \U00020000").toUcs4()) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                  QString::fromUcs4(&code, 1));
    QApplication::sendEvent(name, &key);
  }
  QCOMPARE(name->text(), QString::fromUtf8("JOS\u00c9 ZO\u00cb \U00020000"));
  QCOMPARE(messages_.size(), 2);
}

void FrmMainTest::degreeBoxesTakeDigitsOnly_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("refusals");
  QTest::newRow("lon deg digits and a letter") << "txtLonD"
                                               << "1a79"
                                               << "179" << 1;
  QTest::newRow("lon deg stops at three") << "txtLonD"
                                          << "1234"
                                          << "123" << 0;
  QTest::newRow("lon min minus and point") << "txtLonM"
                                           << "-5.3"
                                           << "53" << 2;
  QTest::newRow("lat deg stops at two") << "txtLatD"
                                        << "891"
                                        << "89" << 0;
  QTest::newRow("lat min blank") << "txtLatM"
                                 << "4 0"
                                 << "40" << 1;
}

void FrmMainTest::degreeBoxesTakeDigitsOnly() {
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  QFETCH(int, refusals);
  auto* edit = form_->findChild<QLineEdit*>(box);
  QVERIFY(edit);
  QTest::keyClicks(edit, typed);
  QCOMPARE(edit->text(), expected);
  QCOMPARE(messages_.size(), refusals);
  for (const Shown& m : messages_) {
    QCOMPARE(m.text, QString(kNumbersOnly));
    QCOMPARE(m.icon, MessageIcon::Error);
  }
}

void FrmMainTest::typingInAListChoosesTheEntryTyped_data() {
  QTest::addColumn<QString>("list");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("typed");  // "|": a pause between keys
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("said");  // in the status bar; "" = nothing

  const QString days = QString::fromUtf8("Days 1\u201331");
  const QString years = QString::fromUtf8("Years 1901\u20132050");
  const QString months =
      QString::fromUtf8("Months January\u2013December or 1\u201312");
  // A digit that begins the entry after the current one is read alone.
  QTest::newRow("day 1, type 1") << "cboDate"
                                 << "1"
                                 << "1"
                                 << "1"
                                 << "";
  QTest::newRow("day 14, type 3") << "cboDate"
                                  << "14"
                                  << "3"
                                  << "3"
                                  << "";
  QTest::newRow("day 1, type 1 4") << "cboDate"
                                   << "1"
                                   << "14"
                                   << "14"
                                   << "";
  QTest::newRow("day, type 0 5") << "cboDate"
                                 << "20"
                                 << "05"
                                 << "5"
                                 << "";
  QTest::newRow("day, 1 pause 4") << "cboDate"
                                  << "1"
                                  << "1|4"
                                  << "4"
                                  << "";
  QTest::newRow("day 35 is no day") << "cboDate"
                                    << "20"
                                    << "35"
                                    << "20" << days;
  QTest::newRow("day, a letter") << "cboDate"
                                 << "7"
                                 << "x"
                                 << "7" << days;
  QTest::newRow("minute 40, type 5") << "cboMM"
                                     << "40"
                                     << "5"
                                     << "5"
                                     << "";
  QTest::newRow("minute, type 0") << "cboMM"
                                  << "40"
                                  << "0"
                                  << "0"
                                  << "";
  QTest::newRow("second, type 5 9") << "cboSS"
                                    << "0"
                                    << "59"
                                    << "59"
                                    << "";
  QTest::newRow("hour, type 2 3") << "cboHH"
                                  << "0"
                                  << "23"
                                  << "23"
                                  << "";
  QTest::newRow("hour 24 is no hour")
      << "cboHH"
      << "5"
      << "24"
      << "5" << QString::fromUtf8("Hours 0\u201323");
  QTest::newRow("year 2001") << "cboYear"
                             << "1901"
                             << "2001"
                             << "2001"
                             << "";
  QTest::newRow("year 1850") << "cboYear"
                             << "1990"
                             << "1850"
                             << "1990" << years;
  QTest::newRow("year 2100") << "cboYear"
                             << "1990"
                             << "2100"
                             << "1990" << years;
  QTest::newRow("year 2 and a pause") << "cboYear"
                                      << "1990"
                                      << "2|"
                                      << "1990" << years;
  QTest::newRow("month Mar") << "cboMonth"
                             << "January"
                             << "Mar"
                             << "March"
                             << "";
  QTest::newRow("month Ju") << "cboMonth"
                            << "January"
                            << "Ju"
                            << "June"
                            << "";
  QTest::newRow("month jul") << "cboMonth"
                             << "January"
                             << "jul"
                             << "July"
                             << "";
  QTest::newRow("month 3") << "cboMonth"
                           << "January"
                           << "3"
                           << "March"
                           << "";
  QTest::newRow("month 1 2") << "cboMonth"
                             << "May"
                             << "12"
                             << "December"
                             << "";
  QTest::newRow("month 0 5") << "cboMonth"
                             << "January"
                             << "05"
                             << "May"
                             << "";
  QTest::newRow("month 13") << "cboMonth"
                            << "May"
                            << "13"
                            << "May" << months;
  QTest::newRow("month Max") << "cboMonth"
                             << "May"
                             << "Max"
                             << "May" << months;
}

void FrmMainTest::typingInAListChoosesTheEntryTyped() {
  QFETCH(QString, list);
  QFETCH(QString, before);
  QFETCH(QString, typed);
  QFETCH(QString, after);
  QFETCH(QString, said);
  ShowActive();
  auto* box = form_->findChild<QComboBox*>(list);
  QVERIFY(box);
  box->setCurrentText(before);
  QCOMPARE(box->currentText(), before);
  const int entries = box->count();
  box->setFocus();
  for (const QString& run : typed.split('|')) {
    QTest::keyClicks(box, run);
    if (typed.contains('|')) QTest::qWait(2 * kTypingPauseMs);
  }
  QCOMPARE(box->currentText(), after);
  QCOMPARE(box->count(), entries);
  QTRY_COMPARE(form_->statusBar()->currentMessage(), said);
  QVERIFY(messages_.isEmpty());
}

void FrmMainTest::typingInTheOpenListChoosesTheSameWay() {
  ShowActive();
  QComboBox* day = ui_->cboDate;
  day->setCurrentText("1");
  day->setFocus();
  day->showPopup();
  QAbstractItemView* open = day->view();
  QTRY_VERIFY(open->isVisible());
  QTest::keyClicks(open, "14");
  QCOMPARE(open->currentIndex().data().toString(), QString("14"));
  QTest::keyClick(open, Qt::Key_Return);
  QTRY_VERIFY(!open->isVisible());
  QCOMPARE(day->currentText(), QString("14"));
}

void FrmMainTest::pastedTextIsFilteredLikeTyping() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  QLineEdit* name = ui_->txtName;
  clipboard->setText("sita devi");
  QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(name->text(), QString("SITA DEVI"));
  QVERIFY(messages_.isEmpty());

  clipboard->setText("x1");
  QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(name->text(), QString("SITA DEVI"));
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, QString(kLettersOnly));

  // A line break inside pasted text is content, not the Enter key.
  clipboard->setText("AB\nCD");
  QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(name->text(), QString("SITA DEVI"));
  QCOMPARE(messages_.size(), 2);

  QLineEdit* lonDeg = ui_->txtLonD;
  clipboard->setText("7.5");
  QTest::keyClick(lonDeg, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(lonDeg->text(), QString());
  QCOMPARE(messages_.size(), 3);
  QCOMPARE(messages_[2].text, QString(kNumbersOnly));
  QCOMPARE(messages_[2].icon, MessageIcon::Error);
  clipboard->setText("12345");
  QTest::keyClick(lonDeg, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(lonDeg->text(), QString("123"));

  // The plain paste slot (the road of other paste entries) is refused by
  // the box itself; its message follows once the edit is over.
  clipboard->setText("9z");
  ui_->txtLatM->paste();
  QCOMPARE(ui_->txtLatM->text(), QString());
  QTRY_COMPARE(messages_.size(), 4);
  QCOMPARE(messages_[3].text, QString(kNumbersOnly));
  clipboard->setText("ab");
  name->clear();
  name->paste();
  QCOMPARE(name->text(), QString("AB"));
  QCOMPARE(messages_.size(), 4);
}

namespace {

// Drags `text` onto the box and lets it go, as the desktop would.
void DropText(QWidget* box, const QString& text) {
  QMimeData data;
  data.setText(text);
  const QPoint at(5, 5);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(box, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton,
                      Qt::NoModifier);
  QApplication::sendEvent(box, &move);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box, &drop);
}

}  // namespace

void FrmMainTest::dropsAndInputMethodCommitsAreFiltered() {
  DropText(ui_->txtName, "r2d2");
  QCOMPARE(ui_->txtName->text(), QString());
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, QString(kLettersOnly));

  DropText(ui_->txtName, "ravi");
  QCOMPARE(ui_->txtName->text(), QString("RAVI"));
  QCOMPARE(messages_.size(), 1);

  QInputMethodEvent junk;
  junk.setCommitString("7.");
  QApplication::sendEvent(ui_->txtLatD, &junk);
  QCOMPARE(ui_->txtLatD->text(), QString());
  QCOMPARE(messages_.size(), 2);
  QCOMPARE(messages_[1].text, QString(kNumbersOnly));
  QInputMethodEvent letters;
  letters.setCommitString("kumar");
  QApplication::sendEvent(ui_->txtName, &letters);
  QCOMPARE(ui_->txtName->text(), QString("RAVIKUMAR"));
  QCOMPARE(messages_.size(), 2);
}

void FrmMainTest::validationShowsItsMessageAndMovesFocus_data() {
  QTest::addColumn<QString>("box");  // the box to change, or a list
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("icon");
  QTest::addColumn<QString>("focus");

  const int error = static_cast<int>(MessageIcon::Error);
  const int info = static_cast<int>(MessageIcon::Information);
  QTest::newRow("blank name") << "txtName"
                              << "   "
                              << "Please Enter Name" << error << "txtName";
  QTest::newRow("lon 180") << "txtLonD"
                           << "180" << kLonDegMessage << error << "txtLonD";
  QTest::newRow("lon min empty") << "txtLonM"
                                 << "" << kLonMinMessage << error << "txtLonM";
  QTest::newRow("lat 90") << "txtLatD"
                          << "90" << kLatDegMessage << error << "txtLatD";
  QTest::newRow("lat min 60") << "txtLatM"
                              << "60" << kLatMinMessage << error << "txtLatM";
  QTest::newRow("29 February 1999")
      << "date"
      << "February 29 1999"
      << "Please Enter Correct Date Or Month!" << info << "cboDate";
  QTest::newRow("31 April")
      << "date"
      << "April 31 2000"
      << "Please Enter Correct Date Or Month !" << info << "cboDate";
}

void FrmMainTest::validationShowsItsMessageAndMovesFocus() {
  QFETCH(QString, box);
  QFETCH(QString, value);
  QFETCH(QString, message);
  QFETCH(int, icon);
  QFETCH(QString, focus);

  ShowActive();
  FillValid();
  if (box == "date") {
    const QStringList parts = value.split(' ');
    ui_->cboMonth->setCurrentText(parts[0]);
    ui_->cboDate->setCurrentText(parts[1]);
    ui_->cboYear->setCurrentText(parts[2]);
  } else {
    form_->findChild<QLineEdit*>(box)->setText(value);
  }
  ui_->cboYear->setFocus();

  QSignalSpy requested(form_.get(), &FrmMain::calculationRequested);
  QTest::mouseClick(ui_->cmdRashi, Qt::LeftButton);
  QCOMPARE(requested.count(), 0);
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, message);
  QCOMPARE(static_cast<int>(messages_[0].icon), icon);
  QWidget* focused = QApplication::focusWidget();
  QVERIFY(focused);
  QCOMPARE(focused->objectName(), focus);
}

void FrmMainTest::validEntryIsHandedOverOnce() {
  FrmMain& f = *form_;
  QTest::keyClicks(ui_->txtName, "asha rao");
  QTest::keyClicks(ui_->txtLonD, "73");
  QTest::keyClicks(ui_->txtLonM, "51");
  QTest::keyClicks(ui_->txtLatD, "18");
  QTest::keyClicks(ui_->txtLatM, "31");
  ui_->optLongWest->setChecked(true);
  ui_->optLatSouth->setChecked(true);
  ui_->cboMonth->setCurrentIndex(1);  // February
  ui_->cboDate->setCurrentText("29");
  ui_->cboYear->setCurrentText("2004");
  ui_->cboHH->setCurrentText("23");
  ui_->cboMM->setCurrentText("5");
  ui_->cboSS->setCurrentText("59");
  ui_->cmbTimeZone->setCurrentIndex(27);  // Eastern Standard Time
  ui_->chkDST->setChecked(true);
  ui_->txtMCity->setText("Pune");
  ui_->txtMState->setText(" ");
  ui_->txtMCountry->setText("India");

  QSignalSpy requested(&f, &FrmMain::calculationRequested);
  QTest::mouseClick(ui_->cmdRashi, Qt::LeftButton);
  QVERIFY(messages_.isEmpty());
  QCOMPARE(requested.count(), 1);
  const auto input = requested.at(0).at(0).value<Birth>();
  QCOMPARE(input.name, std::string("ASHA RAO"));
  QVERIFY(input.local == (tarvelin::CivilDateTime{2004, 2, 29, 23, 5, 59}));
  QCOMPARE(input.zoneIndex, 27);
  // 5 hours west of Greenwich with an hour of daylight saving.
  QCOMPARE(input.utcOffsetSeconds, -14400);
  QCOMPARE(input.daylightSavingSeconds, 3600);
  QCOMPARE(input.longitudeDegrees, -(73 + 51 / 60.0));
  QCOMPARE(input.latitudeDegrees, -(18 + 31 / 60.0));
  QCOMPARE(input.city, std::string("Pune"));
  QCOMPARE(input.state, std::string(" "));
  QCOMPARE(input.country, std::string("India"));
}

void FrmMainTest::menuAndEnterStartTheCalculationToo() {
  ShowActive();
  FillValid();
  QSignalSpy requested(form_.get(), &FrmMain::calculationRequested);
  ui_->mnuNext->trigger();
  QCOMPARE(requested.count(), 1);

  // Enter in the name box is an accepted key; it presses the default button.
  ui_->txtName->setFocus();
  QTest::keyClick(ui_->txtName, Qt::Key_Return);
  QCOMPARE(requested.count(), 2);
  QCOMPARE(ui_->txtName->text(), QString("RAM"));
  QTest::keyClick(ui_->cboHH, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(requested.count(), 3);
  QVERIFY(messages_.isEmpty());

  // Enter on the lookup button presses that button instead.
  ui_->cmdBrowser->setFocus();
  QTest::keyClick(ui_->cmdBrowser, Qt::Key_Return);
  QCOMPARE(requested.count(), 3);
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, QString("Please Enter City"));
}

// A zone whose meridian is far from the longitude is asked about first:
// Delhi's coordinates on Alaska/Hawaii time (-9) compute only when confirmed.
void FrmMainTest::farZoneIsAskedAboutFirst() {
  ShowActive();
  FillValid();
  ui_->cmbTimeZone->setCurrentIndex(0);
  QSignalSpy requested(form_.get(), &FrmMain::calculationRequested);
  form_->cmdRashi_Click();
  QCOMPARE(requested.count(), 0);
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_.front().text,
           QString::fromUtf8("The zone UTC-09:00 (Alaska/Hawaii Daylight "
                             "Time,AHDT,-9.0) is far from longitude "
                             "77\u00b013' E; calculate anyway?"));
  QCOMPARE(QApplication::focusWidget(), ui_->cmbTimeZone);

  tarvelin::SetMessageHandler([](const tarvelin::MessageRequest& r) {
    return r.buttons == tarvelin::MessageButtons::YesNo
               ? tarvelin::MessageAnswer::Yes
               : tarvelin::MessageAnswer::Ok;
  });
  form_->cmdRashi_Click();
  QCOMPARE(requested.count(), 1);
  QCOMPARE(requested.at(0).at(0).value<Birth>().utcOffsetSeconds, -9 * 3600);
}

// "Other offset…" takes any offset from -12:00 to +14:00 to the second; a
// malformed one is refused and asked again, a cancel changes nothing.
void FrmMainTest::otherOffsetIsTypedExactly() {
  FillValid();
  QStringList answers = {"+5:3", "+05:53:20"};
  QStringList asked;
  const OffsetPrompt previous =
      SetOffsetPrompt([&](QWidget*, const QString& current) {
        asked << current;
        return answers.isEmpty() ? std::nullopt
                                 : std::optional<QString>(answers.takeFirst());
      });
  QComboBox* list = ui_->cmbTimeZone;
  const int other = tarvelin::kZoneCount;
  list->setCurrentIndex(other);
  emit list->activated(other);
  QCOMPARE(asked, (QStringList{"+", "+5:3"}));
  QCOMPARE(messages_.size(), 1);  // the malformed one
  QCOMPARE(list->currentText(), QString("UTC+05:53:20"));
  QVERIFY(!ui_->chkDST->isChecked());
  QVERIFY(!ui_->chkDST->isEnabled());

  QSignalSpy requested(form_.get(), &FrmMain::calculationRequested);
  form_->cmdRashi_Click();
  QCOMPARE(requested.count(), 1);
  const auto birth = requested.at(0).at(0).value<Birth>();
  QCOMPARE(birth.utcOffsetSeconds, 5 * 3600 + 53 * 60 + 20);
  QCOMPARE(birth.daylightSavingSeconds, 0);
  QCOMPARE(birth.zoneIndex, Birth::kExactOffset);

  // Cancelled: the exact offset stays chosen.
  list->setCurrentIndex(list->count() - 1);
  emit list->activated(list->count() - 1);
  QCOMPARE(list->currentText(), QString("UTC+05:53:20"));
  // Back on a list entry the box is free again.
  list->setCurrentIndex(34);
  QVERIFY(ui_->chkDST->isEnabled());
  SetOffsetPrompt(previous);
}

void FrmMainTest::browserLookupWantsAllThreePlaceTexts_data() {
  QTest::addColumn<QString>("city");
  QTest::addColumn<QString>("state");
  QTest::addColumn<QString>("country");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("focus");
  QTest::newRow("no city") << ""
                           << "MH"
                           << "India"
                           << "Please Enter City"
                           << "txtMCity";
  QTest::newRow("no state, no country") << "Pune"
                                        << ""
                                        << ""
                                        << "Please Enter State"
                                        << "txtMState";
  QTest::newRow("no country") << "Pune"
                              << "MH"
                              << ""
                              << "Please Enter Country"
                              << "txtMCountry";
}

void FrmMainTest::browserLookupWantsAllThreePlaceTexts() {
  QFETCH(QString, city);
  QFETCH(QString, state);
  QFETCH(QString, country);
  QFETCH(QString, message);
  QFETCH(QString, focus);
  ShowActive();
  ui_->txtMCity->setText(city);
  ui_->txtMState->setText(state);
  ui_->txtMCountry->setText(country);
  QTest::mouseClick(ui_->cmdBrowser, Qt::LeftButton);
  QVERIFY(opened_.isEmpty());
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, message);
  QCOMPARE(messages_[0].icon, MessageIcon::Information);
  QVERIFY(QApplication::focusWidget());
  QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void FrmMainTest::browserLookupSearchesForThePlace() {
  ui_->txtMCity->setText("Pune");
  ui_->txtMState->setText("Maharashtra");
  ui_->txtMCountry->setText("India");
  QTest::mouseClick(ui_->cmdBrowser, Qt::LeftButton);
  QCOMPARE(opened_, QStringList(tarvelin::WebSearchAddress(
                        "Pune Maharashtra India Latitude Longitude")));

  // Blanks are a text: only an empty box is missing.
  opened_.clear();
  ui_->txtMState->setText("  ");
  QTest::mouseClick(ui_->cmdBrowser, Qt::LeftButton);
  QVERIFY(messages_.isEmpty());
  QCOMPARE(opened_, QStringList(tarvelin::WebSearchAddress(
                        "Pune    India Latitude Longitude")));
}

void FrmMainTest::linksOpenTheirPages() {
  namespace address = tarvelin::address;
  struct Link {
    QAction* action;
    const char* page;
  };
  const Link menus[] = {{ui_->mnuOnline, address::kOnlineHelp},
                        {ui_->mnuVisit, address::kForumHome},
                        {ui_->mnuUpdate, address::kDownloadPage},
                        {ui_->mnuDonate, address::kDonatePage},
                        {ui_->mkmoney, address::kFullBrandPage}};
  for (const Link& link : menus) {
    opened_.clear();
    link.action->trigger();
    QCOMPARE(opened_, QStringList(link.page));
  }

  ShowActive();
  struct Label {
    QLabel* label;
    const char* page;
  };
  const Label labels[] = {{ui_->lblCobrand, address::kCoBrandPage},
                          {ui_->lblFullBrand, address::kFullBrandPage},
                          {ui_->Label61, address::kForumHome}};
  for (const Label& link : labels) {
    opened_.clear();
    QVERIFY(!link.label->text().isEmpty());
    QTest::mouseClick(link.label, Qt::LeftButton);
    QCOMPARE(opened_, QStringList(link.page));
  }

  QSignalSpy about(form_.get(), &FrmMain::aboutRequested);
  ui_->mnuAbout->trigger();
  QCOMPARE(about.count(), 1);
}

void FrmMainTest::closingByTheUserIsReportedHidingIsNot() {
  QSignalSpy closed(form_.get(), &FrmMain::closedByUser);
  ShowActive();
  form_->hide();
  QCOMPARE(closed.count(), 0);
  form_->close();  // hidden after a calculation, closed with the rest
  QCOMPARE(closed.count(), 0);

  ShowActive();
  ui_->mnuExit->trigger();
  QCOMPARE(closed.count(), 1);
  QVERIFY(!form_->isVisible());
}

// Alt and a caption's underlined letter go to its box (a letter two
// captions share goes to one box, then the other); every box, list and
// button has a name for screen readers; the zone list and the box say what
// they mean.
void FrmMainTest::everyBoxHasItsShortcutAndAName() {
  ShowActive();
  const struct {
    Qt::Key key;
    QWidget *first, *second;
  } shortcuts[] = {
      {Qt::Key_N, ui_->txtName, nullptr},
      {Qt::Key_B, ui_->cboMonth, nullptr},
      {Qt::Key_T, ui_->cboHH, nullptr},
      {Qt::Key_C, ui_->txtMCity, nullptr},
      {Qt::Key_S, ui_->txtMState, nullptr},
      {Qt::Key_U, ui_->txtMCountry, nullptr},
      {Qt::Key_Z, ui_->cmbTimeZone, nullptr},
      {Qt::Key_E, ui_->txtLonD, ui_->txtLatD},
      {Qt::Key_I, ui_->txtLonM, ui_->txtLatM},
  };
  for (const auto& s : shortcuts) {
    ui_->cmdRashi->setFocus();
    for (QWidget* box : {s.first, s.second}) {
      if (box == nullptr) continue;
      QTest::keyClick(form_.get(), s.key, Qt::AltModifier);
      QVERIFY2(QApplication::focusWidget() == box,
               qPrintable(QString("Alt+%1 went to %2, not %3")
                              .arg(QKeySequence(s.key).toString(),
                                   QApplication::focusWidget()->objectName(),
                                   box->objectName())));
    }
  }
  QTest::keyClick(form_.get(), Qt::Key_Y, Qt::AltModifier);
  QTRY_VERIFY(ui_->chkDST->isChecked());  // a shortcut's click is animated

  for (QWidget* w : form_->centralWidget()->findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
        qobject_cast<QAbstractButton*>(w)) {
      QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
  }
  QVERIFY(ui_->cmbTimeZone->toolTip().contains(
      "\"+5.3\" means five and a half hours"));
  QVERIFY(ui_->chkDST->toolTip().contains("one hour more"));
}

void FrmMainTest::tabFollowsReadingOrder() {
  // An option pair is one stop: its selected option.
  const QStringList order = {
      "txtName",     "cboMonth",  "cboDate",     "cboYear",
      "cboHH",       "cboMM",     "cboSS",       "spnTimeUncertainty",
      "txtMCity",    "txtMState", "txtMCountry", "cmdBrowser",
      "cmbTimeZone", "chkDST",    "txtLonD",     "txtLonM",
      "optLong0",    "txtLatD",   "txtLatM",     "optLat0",
      "cmdRashi",    "txtName"};
  ShowActive();
  ui_->txtName->setFocus();
  QStringList visited;
  for (int i = 0; i < order.size(); ++i) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    visited << focused->objectName();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  QCOMPARE(visited, order);
}

void FrmMainTest::screenshot() {
  ShowActive();
  const QString path = QString(TARVELIN_SCREENSHOT_DIR) + "/input_form.png";
  QDir().mkpath(TARVELIN_SCREENSHOT_DIR);
  QVERIFY2(form_->grab().save(path), qPrintable(path));
}

TARVELIN_TEST_MAIN(FrmMainTest);
#include "frm_main_test.moc"
