// The input form driven as a user drives it: typing, pasting, choosing and
// pressing, with messages and web pages caught by the seams.
#include "widgets/input/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <memory>

#include "tables/zone_table.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/web_links.h"

using tarvelin::Birth;
using tarvelin::FrmMain;
using tarvelin::MessageIcon;

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
  void init();
  void cleanup();

  void freshFormShowsTheFirstEntries();
  void menusHoldTheirEntries();
  void nameBoxUpperCasesAndRefusesOtherCharacters();
  void degreeBoxesTakeDigitsOnly_data();
  void degreeBoxesTakeDigitsOnly();
  void pastedTextIsFilteredLikeTyping();
  void dropsAndInputMethodCommitsAreFiltered();
  void validationShowsItsMessageAndMovesFocus_data();
  void validationShowsItsMessageAndMovesFocus();
  void validEntryIsHandedOverOnce();
  void menuAndEnterStartTheCalculationToo();
  void browserLookupWantsAllThreePlaceTexts_data();
  void browserLookupWantsAllThreePlaceTexts();
  void browserLookupSearchesForThePlace();
  void linksOpenTheirPages();
  void closingByTheUserIsReportedHidingIsNot();
  void tabFollowsReadingOrder();
  void screenshot();

 private:
  void ShowActive();
  void FillValid();

  std::unique_ptr<FrmMain> form_;
  struct Shown {
    QString text;
    MessageIcon icon;
  };
  QList<Shown> messages_;
  QStringList opened_;
};

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
}

void FrmMainTest::cleanup() {
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
  form_->txtName->setText("RAM");
  form_->txtLonD->setText("77");
  form_->txtLonM->setText("13");
  form_->txtLatD->setText("28");
  form_->txtLatM->setText("40");
}

void FrmMainTest::freshFormShowsTheFirstEntries() {
  FrmMain& f = *form_;
  QCOMPARE(f.windowTitle(), QString("Tarvelin v1.25"));

  QStringList months = {"January",   "February", "March",    "April",
                        "May",       "June",     "July",     "August",
                        "September", "October",  "November", "December"};
  QCOMPARE(ItemTexts(f.cboMonth), months);
  QCOMPARE(ItemTexts(f.cboDate), Numbers(1, 31));
  QCOMPARE(ItemTexts(f.cboYear), Numbers(1901, 2050));
  QCOMPARE(ItemTexts(f.cboHH), Numbers(0, 23));
  QCOMPARE(ItemTexts(f.cboMM), Numbers(0, 59));
  QCOMPARE(ItemTexts(f.cboSS), Numbers(0, 59));
  QCOMPARE(f.cmbTimeZone->count(), tarvelin::kZoneCount);
  QCOMPARE(f.cmbTimeZone->itemText(34), QString("Indian Time, IST, +5.3"));

  QCOMPARE(f.cboMonth->currentText(), QString("January"));
  QCOMPARE(f.cboDate->currentText(), QString("1"));
  QCOMPARE(f.cboYear->currentText(), QString("1901"));
  QCOMPARE(f.cboHH->currentText(), QString("0"));
  QCOMPARE(f.cboMM->currentText(), QString("0"));
  QCOMPARE(f.cboSS->currentText(), QString("0"));
  QCOMPARE(f.cmbTimeZone->currentText(),
           QString("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
  for (const QComboBox* list : {f.cboMonth, f.cboDate, f.cboYear, f.cboHH,
                                f.cboMM, f.cboSS, f.cmbTimeZone}) {
    QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
  }

  QVERIFY(f.optLongEast->isChecked());
  QVERIFY(!f.optLongWest->isChecked());
  QVERIFY(f.optLatNorth->isChecked());
  QVERIFY(!f.optLatSouth->isChecked());
  QVERIFY(!f.chkDST->isChecked());
  QCOMPARE(f.chkDST->text(), QString("Daylight Saving Time"));
  for (const QLineEdit* box :
       {f.txtName, f.txtMCity, f.txtMState, f.txtMCountry, f.txtLonD, f.txtLonM,
        f.txtLatD, f.txtLatM}) {
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  }
  QCOMPARE(f.txtLonD->maxLength(), 3);
  QCOMPARE(f.txtLonM->maxLength(), 2);
  QCOMPARE(f.txtLatD->maxLength(), 2);
  QCOMPARE(f.txtLatM->maxLength(), 2);
  QCOMPARE(f.cmdRashi->text(), QString("Get My Hora Lagna"));
  QVERIFY(f.cmdRashi->isDefault());
  QCOMPARE(f.cmdBrowser->text(), QString("Click for Latitude && Longitude"));
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
  QCOMPARE(actions[2], form_->mnuDonate);
  QCOMPARE(actions[3], form_->mkmoney);
  QVERIFY(!form_->mnuDonate->menu());
}

void FrmMainTest::nameBoxUpperCasesAndRefusesOtherCharacters() {
  QLineEdit* name = form_->txtName;
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

void FrmMainTest::pastedTextIsFilteredLikeTyping() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  QLineEdit* name = form_->txtName;
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

  QLineEdit* lonDeg = form_->txtLonD;
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
  form_->txtLatM->paste();
  QCOMPARE(form_->txtLatM->text(), QString());
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
  DropText(form_->txtName, "r2d2");
  QCOMPARE(form_->txtName->text(), QString());
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, QString(kLettersOnly));

  DropText(form_->txtName, "ravi");
  QCOMPARE(form_->txtName->text(), QString("RAVI"));
  QCOMPARE(messages_.size(), 1);

  QInputMethodEvent junk;
  junk.setCommitString("7.");
  QApplication::sendEvent(form_->txtLatD, &junk);
  QCOMPARE(form_->txtLatD->text(), QString());
  QCOMPARE(messages_.size(), 2);
  QCOMPARE(messages_[1].text, QString(kNumbersOnly));
  QInputMethodEvent letters;
  letters.setCommitString("kumar");
  QApplication::sendEvent(form_->txtName, &letters);
  QCOMPARE(form_->txtName->text(), QString("RAVIKUMAR"));
  QCOMPARE(messages_.size(), 2);
}

void FrmMainTest::validationShowsItsMessageAndMovesFocus_data() {
  QTest::addColumn<QString>("box");  // the box to change, or a list
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("icon");
  QTest::addColumn<QString>("focus");  // "" = stays where it was

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
      << "Please Enter Correct Date Or Month!" << info << "";
  QTest::newRow("31 April")
      << "date"
      << "April 31 2000"
      << "Please Enter Correct Date Or Month !" << info << "";
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
    form_->cboMonth->setCurrentText(parts[0]);
    form_->cboDate->setCurrentText(parts[1]);
    form_->cboYear->setCurrentText(parts[2]);
  } else {
    form_->findChild<QLineEdit*>(box)->setText(value);
  }
  form_->cboYear->setFocus();

  QSignalSpy requested(form_.get(), &FrmMain::calculationRequested);
  QTest::mouseClick(form_->cmdRashi, Qt::LeftButton);
  QCOMPARE(requested.count(), 0);
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, message);
  QCOMPARE(static_cast<int>(messages_[0].icon), icon);
  QWidget* focused = QApplication::focusWidget();
  QVERIFY(focused);
  // The click itself leaves the focus on the button when no box takes it.
  const QString expected = focus.isEmpty() ? QString("cmdRashi") : focus;
  QCOMPARE(focused->objectName(), expected);
}

void FrmMainTest::validEntryIsHandedOverOnce() {
  FrmMain& f = *form_;
  QTest::keyClicks(f.txtName, "asha rao");
  QTest::keyClicks(f.txtLonD, "73");
  QTest::keyClicks(f.txtLonM, "51");
  QTest::keyClicks(f.txtLatD, "18");
  QTest::keyClicks(f.txtLatM, "31");
  f.optLongWest->setChecked(true);
  f.optLatSouth->setChecked(true);
  f.chkDST->setChecked(true);
  f.cboMonth->setCurrentIndex(1);  // February
  f.cboDate->setCurrentText("29");
  f.cboYear->setCurrentText("2004");
  f.cboHH->setCurrentText("23");
  f.cboMM->setCurrentText("5");
  f.cboSS->setCurrentText("59");
  f.cmbTimeZone->setCurrentIndex(34);
  f.txtMCity->setText("Pune");
  f.txtMState->setText(" ");
  f.txtMCountry->setText("India");

  QSignalSpy requested(&f, &FrmMain::calculationRequested);
  QTest::mouseClick(f.cmdRashi, Qt::LeftButton);
  QVERIFY(messages_.isEmpty());
  QCOMPARE(requested.count(), 1);
  const auto input = requested.at(0).at(0).value<Birth>();
  QCOMPARE(input.name, std::string("ASHA RAO"));
  QVERIFY(input.local == (tarvelin::CivilDateTime{2004, 2, 29, 23, 5, 59}));
  QCOMPARE(input.zoneIndex, 34);
  // 5:30 east of Greenwich with an hour of daylight saving.
  QCOMPARE(input.utcOffsetSeconds, 23400);
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
  form_->mnuNext->trigger();
  QCOMPARE(requested.count(), 1);

  // Enter in the name box is an accepted key; it presses the default button.
  form_->txtName->setFocus();
  QTest::keyClick(form_->txtName, Qt::Key_Return);
  QCOMPARE(requested.count(), 2);
  QCOMPARE(form_->txtName->text(), QString("RAM"));
  QTest::keyClick(form_->cboHH, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(requested.count(), 3);
  QVERIFY(messages_.isEmpty());

  // Enter on the lookup button presses that button instead.
  form_->cmdBrowser->setFocus();
  QTest::keyClick(form_->cmdBrowser, Qt::Key_Return);
  QCOMPARE(requested.count(), 3);
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, QString("Please Enter City"));
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
  form_->txtMCity->setText(city);
  form_->txtMState->setText(state);
  form_->txtMCountry->setText(country);
  QTest::mouseClick(form_->cmdBrowser, Qt::LeftButton);
  QVERIFY(opened_.isEmpty());
  QCOMPARE(messages_.size(), 1);
  QCOMPARE(messages_[0].text, message);
  QCOMPARE(messages_[0].icon, MessageIcon::Information);
  QVERIFY(QApplication::focusWidget());
  QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void FrmMainTest::browserLookupSearchesForThePlace() {
  form_->txtMCity->setText("Pune");
  form_->txtMState->setText("Maharashtra");
  form_->txtMCountry->setText("India");
  QTest::mouseClick(form_->cmdBrowser, Qt::LeftButton);
  QCOMPARE(opened_, QStringList(tarvelin::WebSearchAddress(
                        "Pune Maharashtra India Latitude Longitude")));

  // Blanks are a text: only an empty box is missing.
  opened_.clear();
  form_->txtMState->setText("  ");
  QTest::mouseClick(form_->cmdBrowser, Qt::LeftButton);
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
  const Link menus[] = {{form_->mnuOnline, address::kOnlineHelp},
                        {form_->mnuVisit, address::kForumHome},
                        {form_->mnuUpdate, address::kDownloadPage},
                        {form_->mnuDonate, address::kDonatePage},
                        {form_->mkmoney, address::kFullBrandPage}};
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
  const Label labels[] = {{form_->lblCobrand, address::kCoBrandPage},
                          {form_->lblFullBrand, address::kFullBrandPage},
                          {form_->Label61, address::kForumHome}};
  for (const Label& link : labels) {
    opened_.clear();
    QVERIFY(!link.label->text().isEmpty());
    QTest::mouseClick(link.label, Qt::LeftButton);
    QCOMPARE(opened_, QStringList(link.page));
  }

  QSignalSpy about(form_.get(), &FrmMain::aboutRequested);
  form_->mnuAbout->trigger();
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
  form_->mnuExit->trigger();
  QCOMPARE(closed.count(), 1);
  QVERIFY(!form_->isVisible());
}

void FrmMainTest::tabFollowsReadingOrder() {
  // An option pair is one stop: its selected option.
  const QStringList order = {
      "txtName",    "cboMonth",    "cboDate",  "cboYear",   "cboHH",
      "cboMM",      "cboSS",       "txtMCity", "txtMState", "txtMCountry",
      "cmdBrowser", "cmbTimeZone", "chkDST",   "txtLonD",   "txtLonM",
      "optLong0",   "txtLatD",     "txtLatM",  "optLat0",   "cmdRashi",
      "txtName"};
  ShowActive();
  form_->txtName->setFocus();
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

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
