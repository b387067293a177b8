// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's birth library on a real SQLite file in a temporary
// folder, driven with the keyboard: save (asking before overwriting), open
// by typing part of a name, delete after a confirmation, the recently used
// births, and a damaged library that gets its message while the window
// goes on.
#include "widgets/library/library_menu.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/library/open_birth_dialog.h"

using tarvelin::Birth;
using tarvelin::LibraryMenu;
using tarvelin::MessageAnswer;
using tarvelin::OpenBirthDialog;

namespace {

Birth MakeBirth(const std::string& name, int year) {
  Birth b;
  b.name = name;
  b.local = tarvelin::CivilDateTime{year, 3, 15, 21, 5, 30};
  b.latitudeDegrees = 28.6;
  b.longitudeDegrees = 77.2;
  b.city = "New Delhi";
  return tarvelin::WithZoneEntry(b, 34, false);
}

// A window that holds one birth in place of the input form's boxes.
struct Window {
  explicit Window(const QString& path) {
    QMenu* file = main.menuBar()->addMenu("&File");
    file->addAction("E&xit");
    menu = new LibraryMenu(
        &main, file, path, [this] { return current; },
        [this](const Birth& b) {
          shown.push_back(b);
          return true;
        });
    main.show();
  }
  QAction* Action(const QString& name) {
    return main.findChild<QAction*>(name);
  }
  QMainWindow main;
  LibraryMenu* menu = nullptr;
  std::optional<Birth> current;
  std::vector<Birth> shown;
};

// Runs `steps` on the Open Birth dialog once it is up.
void WhenDialogOpens(std::function<void(OpenBirthDialog*)> steps) {
  QTimer::singleShot(0, [steps] {
    auto* dialog =
        qobject_cast<OpenBirthDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    steps(dialog);
    // A failed step leaves the dialog up; close it so the test ends.
    if (dialog->isVisible() && dialog->result() == QDialog::Rejected) {
      dialog->reject();
    }
  });
}

int Rows(OpenBirthDialog* dialog) {
  return dialog->findChild<QTreeWidget*>("lstBirths")->topLevelItemCount();
}

}  // namespace

class LibraryMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void SavesOpensAndDeletesThroughTheMenu() {
    tarvelin::test::SeamRecorder seams;
    QTemporaryDir dir;
    Window window(dir.filePath("births.sqlite"));
    // The shortcuts answer in the active window.
    window.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.main));

    for (const Birth& b : {MakeBirth("RAM", 1980), MakeBirth("SITA", 1975),
                           MakeBirth("GITA", 1990)}) {
      window.current = b;
      QTest::keyClick(&window.main, Qt::Key_S, Qt::ControlModifier);
    }
    QVERIFY(seams.messages.empty());

    // The same name again: asked, and "Cancel" keeps the saved one.
    window.current = tarvelin::WithZoneEntry(MakeBirth("SITA", 1975), 34, true);
    seams.answer = MessageAnswer::Cancel;
    QTest::keyClick(&window.main, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(seams.messages.size(), std::size_t{1});
    QCOMPARE(seams.messages[0].buttons,
             tarvelin::MessageButtons::ReplaceKeepBoth);
    seams.answer = MessageAnswer::Replace;
    QTest::keyClick(&window.main, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(seams.messages.size(), std::size_t{2});

    // Open the second by typing part of its name and pressing Enter.
    WhenDialogOpens([](OpenBirthDialog* dialog) {
      QCOMPARE(Rows(dialog), 3);
      QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilter"), "it");
      QCOMPARE(Rows(dialog), 2);  // SITA and GITA
      QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilter"), "a 1975");
      QCOMPARE(Rows(dialog), 0);  // the name, not name and date together
      dialog->findChild<QLineEdit*>("txtFilter")->setText("sit");
      QCOMPARE(Rows(dialog), 1);
      QTest::keyClick(dialog->findChild<QLineEdit*>("txtFilter"),
                      Qt::Key_Return);
    });
    QTest::keyClick(&window.main, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window.shown.size(), std::size_t{1});
    QCOMPARE(window.shown[0].name, std::string("SITA"));
    QCOMPARE(window.shown[0].daylightSavingSeconds, 3600);  // overwritten
    QCOMPARE(window.shown[0].local, MakeBirth("SITA", 1975).local);

    // The recent births: SITA (opened last), then the others as saved.
    QCOMPARE(window.Action("mnuRecentBirth1")->text(),
             QString("&1 SITA, 1975-03-15 21:05:30, New Delhi"));
    QVERIFY(window.Action("mnuRecentBirth3")->isVisible());
    QVERIFY(!window.Action("mnuRecentBirth4")->isVisible());
    window.Action("mnuRecentBirth2")->trigger();
    QCOMPARE(window.shown.back().name, std::string("GITA"));

    // Delete asks first; the list is the most recently used first.
    WhenDialogOpens([&seams](OpenBirthDialog* dialog) {
      dialog->findChild<QComboBox*>("cboOrder")->setCurrentIndex(1);
      auto* list = dialog->findChild<QTreeWidget*>("lstBirths");
      QCOMPARE(list->topLevelItem(0)->text(0), QString("GITA"));
      seams.answer = MessageAnswer::No;
      QTest::keyClick(list, Qt::Key_Delete);
      QCOMPARE(Rows(dialog), 3);
      seams.answer = MessageAnswer::Yes;
      QTest::keyClick(list, Qt::Key_Delete);
      QCOMPARE(Rows(dialog), 2);
      QVERIFY(
          seams.messages.back().text.startsWith("Delete the saved birth GITA"));
      dialog->reject();
    });
    window.Action("mnuOpenBirth")->trigger();
    QCOMPARE(window.shown.size(), std::size_t{2});  // nothing more opened

    // A double click opens the birth clicked.
    WhenDialogOpens([](OpenBirthDialog* dialog) {
      QVERIFY(QTest::qWaitForWindowExposed(dialog));
      auto* list = dialog->findChild<QTreeWidget*>("lstBirths");
      const QRect row = list->visualItemRect(list->topLevelItem(1));
      // The first click of the two, then the second as a double click.
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    });
    window.Action("mnuOpenBirth")->trigger();
    QCOMPARE(window.shown.size(), std::size_t{3});
    QCOMPARE(window.shown.back().name, std::string("SITA"));
  }

  void ADamagedLibraryGetsItsMessageAndNothingElse() {
    tarvelin::test::SeamRecorder seams;
    QTemporaryDir dir;
    const QString path = dir.filePath("births.sqlite");
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray(5000, 'x'));
    }
    Window window(path);
    window.current = MakeBirth("RAM", 1980);
    window.Action("mnuSaveBirth")->trigger();
    window.Action("mnuOpenBirth")->trigger();
    QCOMPARE(seams.messages.size(), std::size_t{2});
    QVERIFY(seams.messages[0].text.contains("is damaged"));
    QCOMPARE(seams.messages[0].icon, tarvelin::MessageIcon::Error);
    QVERIFY(window.shown.empty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(5000, 'x'));
  }
};

TARVELIN_TEST_MAIN(LibraryMenuTest);
#include "library_menu_test.moc"
