// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "ui_test_main.h"
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

// The five boxes of "Refer A Friend", found by name.
struct Boxes {
  explicit Boxes(const FrmExitScreen& screen)
      : name(test::FindChild<QLineEdit>(&screen, "txtName")),
        email(test::FindChild<QLineEdit>(&screen, "txtEmail")),
        friendName(test::FindChild<QLineEdit>(&screen, "txtFriendName")),
        friendEmail(test::FindChild<QLineEdit>(&screen, "txtFriendEmail")),
        message(test::FindChild<QPlainTextEdit>(&screen, "txtMessage")) {}
  QLineEdit *name, *email, *friendName, *friendEmail;
  QPlainTextEdit* message;
};

void Fill(FrmExitScreen& screen, const ReferAFriendFields& f) {
  const Boxes boxes(screen);
  boxes.name->setText(f.name);
  boxes.email->setText(f.email);
  boxes.message->setPlainText(f.message);
  boxes.friendName->setText(f.friendName);
  boxes.friendEmail->setText(f.friendEmail);
}

const ReferAFriendFields kGood{"Asha", "asha@example.org",
                               "Try this\nit is fun & free", "Ravi",
                               "ravi@example.net"};

}  // namespace

void ExitScreenTest::showsOneOfFourMessagesOnTopWithoutFocus() {
  QSet<QString> seen;
  for (int i = 0; i < 60; ++i) {
    FrmExitScreen screen;
    seen.insert(test::FindChild<QLabel>(&screen, "lblMessage")->text());
  }
  QSet<QString> all;
  for (const char* message : FrmExitScreen::kMessages) all.insert(message);
  QCOMPARE(all.size(), 4);
  QVERIFY(all.contains(seen));
  QVERIFY2(seen.size() > 1, "sixty screens drew the same message");

  FrmExitScreen screen;
  QCOMPARE(screen.windowTitle(), QString("Tarvelin v1.25"));
  QCOMPARE(test::FindChild<QLabel>(&screen, "lblTitle")->text(),
           QString("Tarvelin v1.25"));
  QVERIFY(screen.windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(screen.testAttribute(Qt::WA_ShowWithoutActivating));
  QCOMPARE(test::FindChild<QGroupBox>(&screen, "fraReferAFriend")->title(),
           QString("Refer A Friend"));
  QCOMPARE(test::FindChild<QPushButton>(&screen, "cmdSubmit")->text(),
           QString("Refer A Friend &Now"));
  QCOMPARE(test::FindChild<QPushButton>(&screen, "cmdClose")->text(),
           QString("E&xit"));
}

void ExitScreenTest::placeholdersLeaveOnFocusAndComeBackWhenEmpty() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  const Boxes boxes(screen);
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  screen.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&screen));

  QCOMPARE(boxes.name->text(), QString("Your Name"));
  boxes.name->setFocus();
  QCOMPARE(boxes.name->text(), QString());
  boxes.message->setFocus();  // leaves txtName empty
  QCOMPARE(boxes.name->text(), QString("Your Name"));
  QCOMPARE(boxes.message->toPlainText(), QString());
  QTest::keyClicks(boxes.message, "hello");
  boxes.name->setFocus();
  QCOMPARE(boxes.message->toPlainText(), QString("hello"));
  // A box holding only blanks counts as empty.
  boxes.name->setText("   ");
  boxes.friendName->setFocus();
  QCOMPARE(boxes.name->text(), QString("Your Name"));
  QCOMPARE(boxes.friendName->text(), QString());
  boxes.email->setFocus();
  QCOMPARE(boxes.friendName->text(), QString("Friend's Name"));
  QCOMPARE(boxes.email->text(), QString());
  boxes.friendEmail->setFocus();
  QCOMPARE(boxes.email->text(), QString("Your Email Address"));
  QCOMPARE(boxes.friendEmail->text(), QString());
}

void ExitScreenTest::emailBoxesRefuseABlank() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  const Boxes boxes(screen);
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  screen.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&screen));
  for (QLineEdit* box : {boxes.email, boxes.friendEmail}) {
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
  boxes.name->setFocus();
  QTest::keyClicks(boxes.name, "A B");
  QCOMPARE(boxes.name->text(), QString("A B"));
}

void ExitScreenTest::forumBoxUnticksAndOpensTheForum() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  test::FindChild<QCheckBox>(&screen, "Check1")->click();
  QVERIFY(!test::FindChild<QCheckBox>(&screen, "Check1")->isChecked());
  QCOMPARE(seams.pages, QStringList{address::kForumHome});
}

void ExitScreenTest::catalogueLinkOpensTheCatalogue() {
  test::SeamRecorder seams;
  FrmExitScreen screen;
  emit test::FindChild<QLabel>(&screen, "lblGoToHome")->linkActivated("#");
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
  const Boxes boxes(screen);
  if (!fields[0].isEmpty()) boxes.name->setText(fields[0]);
  if (!fields[1].isEmpty()) boxes.email->setText(fields[1]);
  if (!fields[2].isEmpty()) boxes.message->setPlainText(fields[2]);
  if (!fields[3].isEmpty()) boxes.friendName->setText(fields[3]);
  if (!fields[4].isEmpty()) boxes.friendEmail->setText(fields[4]);
  test::FindChild<QPushButton>(&screen, "cmdSubmit")->click();
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
  test::FindChild<QPushButton>(&screen, "cmdSubmit")->click();
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

TARVELIN_TEST_MAIN(ExitScreenTest);
#include "exit_screen_test.moc"
