// The exit screen: its random word about the forum, the placeholders of the
// refer-a-friend boxes, the checks of "Refer A Friend Now" in order, and an
// address that nothing typed can break.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include "shell/frm_exit_screen.h"
#include "shell/refer_a_friend.h"
#include "ui_test_support.h"
#include "widgets/common/web_links.h"

using namespace tarvelin;

class ExitScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void showsOneOfFourMessagesOnTopWithoutFocus();
  void placeholdersLeaveOnFocusAndComeBackWhenEmpty();
  void emailBoxesRefuseABlank();
  void forumBoxUnticksAndOpensTheForum();
  void catalogueLinkOpensTheCatalogue();
  void checksRunInOrder_data();
  void checksRunInOrder();
  void addressKeepsEveryValueInsideItsKey();
  void submitOpensTheEncodedAddressAndStaysOpen();
  void screenshot();
};

namespace {

void Fill(FrmExitScreen& screen, const ReferAFriendFields& f) {
  screen.txtName->setText(f.name);
  screen.txtEmail->setText(f.email);
  screen.txtMessage->setPlainText(f.message);
  screen.txtFriendName->setText(f.friendName);
  screen.txtFriendEmail->setText(f.friendEmail);
}

const ReferAFriendFields kGood{"Asha", "asha@example.org",
                               "Try this\nit is fun & free", "Ravi",
                               "ravi@example.net"};

}  // namespace

void ExitScreenTest::showsOneOfFourMessagesOnTopWithoutFocus() {
  QSet<QString> seen;
  for (int i = 0; i < 60; ++i) {
    FrmExitScreen screen;
    seen.insert(screen.lblMessage->text());
  }
  QSet<QString> all;
  for (const char* message : FrmExitScreen::kMessages) all.insert(message);
  QCOMPARE(all.size(), 4);
  QVERIFY(all.contains(seen));
  QVERIFY2(seen.size() > 1, "sixty screens drew the same message");

  FrmExitScreen screen;
  QCOMPARE(screen.windowTitle(), QString("Tarvelin v1.25"));
  QCOMPARE(screen.lblTitle->text(), QString("Tarvelin v1.25"));
  QVERIFY(screen.windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(screen.testAttribute(Qt::WA_ShowWithoutActivating));
  QCOMPARE(screen.fraReferAFriend->title(), QString("Refer A Friend"));
  QCOMPARE(screen.cmdSubmit->text(), QString("Refer A Friend &Now"));
  QCOMPARE(screen.cmdClose->text(), QString("E&xit"));
}

void ExitScreenTest::placeholdersLeaveOnFocusAndComeBackWhenEmpty() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  screen.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&screen));

  QCOMPARE(screen.txtName->text(), QString("Your Name"));
  screen.txtName->setFocus();
  QCOMPARE(screen.txtName->text(), QString());
  screen.txtMessage->setFocus();  // leaves txtName empty
  QCOMPARE(screen.txtName->text(), QString("Your Name"));
  QCOMPARE(screen.txtMessage->toPlainText(), QString());
  QTest::keyClicks(screen.txtMessage, "hello");
  screen.txtName->setFocus();
  QCOMPARE(screen.txtMessage->toPlainText(), QString("hello"));
  // A box holding only blanks counts as empty.
  screen.txtName->setText("   ");
  screen.txtFriendName->setFocus();
  QCOMPARE(screen.txtName->text(), QString("Your Name"));
  QCOMPARE(screen.txtFriendName->text(), QString());
  screen.txtEmail->setFocus();
  QCOMPARE(screen.txtFriendName->text(), QString("Friend's Name"));
  QCOMPARE(screen.txtEmail->text(), QString());
  screen.txtFriendEmail->setFocus();
  QCOMPARE(screen.txtEmail->text(), QString("Your Email Address"));
  QCOMPARE(screen.txtFriendEmail->text(), QString());
}

void ExitScreenTest::emailBoxesRefuseABlank() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  screen.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&screen));
  for (QLineEdit* box : {screen.txtEmail, screen.txtFriendEmail}) {
    seams.messages.clear();
    box->setFocus();
    QTest::keyClicks(box, "a b");
    QCOMPARE(box->text(), QString("ab"));
    QCOMPARE(seams.messageTexts(),
             QStringList{"Email Address Cannot Contain Space"});
    QCOMPARE(seams.messages.front().icon, MessageIcon::Error);
    QVERIFY(box->hasFocus());
  }
  // Other boxes take blanks.
  screen.txtName->setFocus();
  QTest::keyClicks(screen.txtName, "A B");
  QCOMPARE(screen.txtName->text(), QString("A B"));
}

void ExitScreenTest::forumBoxUnticksAndOpensTheForum() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  screen.Check1->click();
  QVERIFY(!screen.Check1->isChecked());
  QCOMPARE(seams.pages, QStringList{address::kForumHome});
}

void ExitScreenTest::catalogueLinkOpensTheCatalogue() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  emit screen.lblGoToHome->linkActivated("#");
  QCOMPARE(seams.pages, QStringList{address::kCatalogPage});
}

void ExitScreenTest::checksRunInOrder_data() {
  QTest::addColumn<QStringList>("fields");  // name, email, message, friend,
                                            // friend's email; "" = untouched
  QTest::addColumn<QString>("message");
  const QString ok1 = "asha@example.org", ok2 = "ravi@example.net";
  QTest::newRow("untouched e-mail boxes")
      << QStringList{"Asha", "", "Hi", "Ravi", ""}
      << "Please Enter Proper Email Address";
  QTest::newRow("same address, before anything else")
      << QStringList{"", ok1, "", "", ok1}
      << "Please Enter Distinct Email Addresses";
  QTest::newRow("no at sign")
      << QStringList{"Asha", "asha.example.org", "Hi", "Ravi", ok2}
      << "Please Enter Proper Email Address";
  QTest::newRow("no dot") << QStringList{"Asha", ok1, "Hi", "Ravi",
                                         "ravi@example"}
                          << "Please Enter Proper Email Address";
  QTest::newRow("name left as placeholder")
      << QStringList{"", ok1, "", "", ok2} << "Please Enter Your Name";
  QTest::newRow("message left as placeholder")
      << QStringList{"Asha", ok1, "", "", ok2} << "Please Enter Your Message";
  QTest::newRow("friend's name left") << QStringList{"Asha", ok1, "Hi", "", ok2}
                                      << "Please Enter Your Friend's Name";
}

void ExitScreenTest::checksRunInOrder() {
  QFETCH(QStringList, fields);
  QFETCH(QString, message);
  test::SeamRecorder seams;
  FrmExitScreen screen;
  if (!fields[0].isEmpty()) screen.txtName->setText(fields[0]);
  if (!fields[1].isEmpty()) screen.txtEmail->setText(fields[1]);
  if (!fields[2].isEmpty()) screen.txtMessage->setPlainText(fields[2]);
  if (!fields[3].isEmpty()) screen.txtFriendName->setText(fields[3]);
  if (!fields[4].isEmpty()) screen.txtFriendEmail->setText(fields[4]);
  screen.cmdSubmit->click();
  QCOMPARE(seams.messageTexts(), QStringList{message});
  QCOMPARE(seams.messages.front().icon, MessageIcon::Error);
  QVERIFY(seams.pages.isEmpty());
}

void ExitScreenTest::addressKeepsEveryValueInsideItsKey() {
  ReferAFriendFields f = kGood;
  f.name = "Asha&taf6=https://evil.example/#frag";
  f.message = "Line one\r\nLine two & more=yes?\n+plus %41";
  const QString address = ReferAFriendAddress(f);
  QVERIFY(address.startsWith(QString(address::kReferAFriendScript) + "?taf1="));
  QVERIFY2(!address.contains('\n') && !address.contains('\r') &&
               !address.contains(' ') && !address.contains('#'),
           qPrintable(address));

  const QString query = address.mid(address.indexOf('?') + 1);
  const QStringList pairs = query.split('&');
  QCOMPARE(pairs.size(), 6);
  const QStringList values{f.name,       f.email,       f.message,
                           f.friendName, f.friendEmail, address::kHomePage};
  for (int i = 0; i < 6; ++i) {
    const QString key = QStringLiteral("taf%1=").arg(i + 1);
    QVERIFY2(pairs[i].startsWith(key), qPrintable(pairs[i]));
    const QString got =
        QUrl::fromPercentEncoding(pairs[i].mid(key.size()).toUtf8());
    QCOMPARE(got, values[i]);
  }
}

void ExitScreenTest::submitOpensTheEncodedAddressAndStaysOpen() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  screen.show();
  ReferAFriendFields padded = kGood;
  padded.name = "  Asha  ";
  Fill(screen, padded);
  screen.cmdSubmit->click();
  QVERIFY(seams.messages.empty());
  QCOMPARE(seams.pages, QStringList{ReferAFriendAddress(kGood)});
  QCOMPARE(screen.storedFields().name, QString("Asha"));
  QCOMPARE(screen.storedFields().message, kGood.message);
  QVERIFY(screen.isVisible());
  screen.hide();
}

void ExitScreenTest::screenshot() {
  FrmExitScreen screen;
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  QVERIFY(test::SaveScreenshot(&screen, "exit_screen"));
  screen.hide();
}

QTEST_MAIN(ExitScreenTest)
#include "exit_screen_test.moc"
