// SPDX-License-Identifier: GPL-3.0-or-later
// The update reminder comes at most once per fifteen days of use, moves its
// date whatever the answer, and keeps nothing readable in the store.
#include "shell/update_reminder.h"

#include <QtTest>

#include "shell/settings_codec.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/web_links.h"

using namespace tarvelin;

namespace {

const QDate kToday(2024, 3, 15);
const QString kQuestion =
    "There maybe an update to this software available\r"
    "Do you want to check for an update?";

}  // namespace

class UpdateReminderTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartRecordsTodayWithoutAsking();
  void dayRule_data();
  void dayRule();
  void yesOpensTheDownloadPage();
  void installKeepsItsMagnitude();
  void unreadableDateCountsAsNotStored();
  void storeHoldsNoPlainNamesOrValues();
  void encodingReadsBack_data();
  void encodingReadsBack();
};

void UpdateReminderTest::firstStartRecordsTodayWithoutAsking() {
  test::SeamRecorder seams;
  UpdateReminder(kToday);
  QVERIFY(seams.messages.empty());
  QCOMPARE(ReadSetting(kInstallKey), std::optional<QString>("1"));
  QCOMPARE(ReadSetting(kDurationKey),
           std::optional<QString>(kToday.toString(Qt::ISODate)));
  // The next start within fourteen days stays quiet too.
  UpdateReminder(kToday.addDays(14));
  QVERIFY(seams.messages.empty());
}

void UpdateReminderTest::dayRule_data() {
  QTest::addColumn<int>("storedDaysFromToday");
  QTest::addColumn<bool>("asks");
  QTest::newRow("same day") << 0 << false;
  QTest::newRow("14 days back") << -14 << false;
  QTest::newRow("15 days back") << -15 << true;
  QTest::newRow("14 days ahead") << 14 << false;
  QTest::newRow("15 days ahead (clock set back)") << 15 << true;
  QTest::newRow("a year back") << -365 << true;
}

void UpdateReminderTest::dayRule() {
  QFETCH(int, storedDaysFromToday);
  QFETCH(bool, asks);
  test::SeamRecorder seams;
  seams.answer = MessageAnswer::No;
  const QDate stored = kToday.addDays(storedDaysFromToday);
  WriteSetting(kDurationKey, stored.toString(Qt::ISODate));
  WriteSetting(kInstallKey, "1");

  UpdateReminder(kToday);

  QCOMPARE(seams.messages.size(), std::size_t(asks ? 1 : 0));
  const QDate want = asks ? kToday : stored;
  QCOMPARE(ReadSetting(kDurationKey),
           std::optional<QString>(want.toString(Qt::ISODate)));
  QVERIFY(seams.pages.isEmpty());  // "No" opens nothing
  if (asks) {
    const MessageRequest& m = seams.messages.front();
    QCOMPARE(m.text, kQuestion);
    QCOMPARE(m.icon, MessageIcon::Information);
    QCOMPARE(m.buttons, MessageButtons::YesNo);
    QCOMPARE(m.title, QString(kAppTitle));
  }
}

void UpdateReminderTest::yesOpensTheDownloadPage() {
  test::SeamRecorder seams;
  seams.answer = MessageAnswer::Yes;
  WriteSetting(kDurationKey, kToday.addDays(-30).toString(Qt::ISODate));
  WriteSetting(kInstallKey, "1");
  UpdateReminder(kToday);
  QCOMPARE(seams.pages, QStringList{address::kDownloadPage});
}

void UpdateReminderTest::installKeepsItsMagnitude() {
  test::SeamRecorder seams;
  WriteSetting(kDurationKey, kToday.addDays(-30).toString(Qt::ISODate));
  WriteSetting(kInstallKey, "-7");
  UpdateReminder(kToday);
  QCOMPARE(ReadSetting(kInstallKey), std::optional<QString>("7"));
}

void UpdateReminderTest::unreadableDateCountsAsNotStored() {
  test::SeamRecorder seams;
  seams.store->setValue(kSettingsSection, EncodeSetting(kDurationKey),
                        "not written by us");
  UpdateReminder(kToday);
  QVERIFY(seams.messages.empty());
  QCOMPARE(ReadSetting(kDurationKey),
           std::optional<QString>(kToday.toString(Qt::ISODate)));
}

void UpdateReminderTest::storeHoldsNoPlainNamesOrValues() {
  test::SeamRecorder seams;
  UpdateReminder(kToday);
  QCOMPARE(seams.store->values.size(), 2);
  const QString date = kToday.toString(Qt::ISODate);
  for (auto it = seams.store->values.cbegin(); it != seams.store->values.cend();
       ++it) {
    QVERIFY2(it.key().startsWith(QString(kSettingsSection) + "/"),
             qPrintable(it.key()));
    const QString key = it.key().mid(QString(kSettingsSection).size() + 1);
    const QString value = it.value().toString();
    for (const QString& plain : {QString("Duration"), QString("Install")}) {
      QVERIFY2(!key.contains(plain, Qt::CaseInsensitive), qPrintable(key));
    }
    QVERIFY2(value != "1" && !value.contains(date) &&
                 !value.contains(kToday.toString("yyyy")),
             qPrintable(value));
  }
}

void UpdateReminderTest::encodingReadsBack_data() {
  QTest::addColumn<QString>("plain");
  QTest::newRow("key") << "Duration";
  QTest::newRow("date") << "2024-03-15";
  QTest::newRow("number") << "1";
  QTest::newRow("empty") << "";
  QTest::newRow("non-Latin") << QString::fromUtf8("Hōra लग्न");
}

void UpdateReminderTest::encodingReadsBack() {
  QFETCH(QString, plain);
  const QString stored = EncodeSetting(plain);
  QVERIFY(stored != plain);
  // Safe as a settings key: no group separators or escapes.
  QVERIFY2(QRegularExpression("^[A-Za-z0-9_-]+$").match(stored).hasMatch(),
           qPrintable(stored));
  QCOMPARE(DecodeSetting(stored), std::optional<QString>(plain));
  QCOMPARE(DecodeSetting(plain + "!"), std::nullopt);
}

TARVELIN_TEST_MAIN(UpdateReminderTest);
#include "update_reminder_test.moc"
