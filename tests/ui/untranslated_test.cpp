// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program in Hindi and Tamil, as LANG=hi_IN.UTF-8 or
// ta_IN.UTF-8 starts it, with no English left in what a user reads: every
// visible text of every window and every message of the flows a user goes
// through (start, a wrong entry, compute, print, export, save, open, about,
// leave). Proper names (the birth's name and place, Tarvelin and its version,
// web addresses, file paths), numbers, codes (UTC, the zones' abbreviations,
// PDF, PNG), a menu's shortcut letter the atlas's credit (GeoNames, CC BY) and
// Qt's own file and print dialogs are allowed to stay as they are.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "atlas/atlas.h"
#include "print/print_dialog.h"
#include "result_form_access.h"
#include "shell/application.h"
#include "shell/frm_about.h"
#include "shell/frm_exit_screen.h"
#include "shell/mdi.h"
#include "tables/zone_table.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/ui_language.h"
#include "widgets/library/open_birth_dialog.h"
#include "widgets/options/calculation_options_dialog.h"
#include "widgets/result/frm_display.h"

using namespace tarvelin;

namespace {

const test::TypedBirth kBirth{
    "ASHA VERMA", "77",    "12",   "28", "38",
    false,        false,   false,  2,    "15",
    "1980",       "9",     "5",    "30", 34 /* Indian Time */,
    "New Delhi",  "Delhi", "India"};

// Words that stay as they are in every language.
QStringList KeptWords() {
  // "English" is the language menu's name of English, in its own letters.
  QStringList kept = {"ASHA", "VERMA", "New", "Delhi", "India",    "Tarvelin",
                      "UTC",  "PDF",   "PNG", "CC BY", "GeoNames", "English"};
  // The zones' abbreviations: "Indian Time, IST, +5.3".
  for (const ZoneEntry& entry : kZoneTable) {
    const QStringList parts = QString::fromLatin1(entry.text).split(',');
    if (parts.size() > 1) kept << parts[1].trimmed();
  }
  return kept;
}

// What of `text` is English: Latin letters left once the kept words, web
// addresses, paths, file patterns and a shortcut letter in parentheses are
// taken out. Empty when nothing is.
QString EnglishIn(QString text) {
  static const QRegularExpression kAddresses(
      R"((https?://\S+)|(\S*/\S+)|([\w-]+\.(org|com|net)\b)|(\(\*\.\w+\))|)"
      R"((\((&?)[A-Za-z]\))|(v\d+\.\d+))");
  text.remove(kAddresses);
  static const QStringList kept = KeptWords();
  for (const QString& word : kept) {
    text.remove(
        QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b"));
  }
  static const QRegularExpression kLatin("[A-Za-z]+");
  QStringList found;
  for (auto it = kLatin.globalMatch(text); it.hasNext();) {
    found << it.next().captured();
  }
  return found.join(' ');
}

// Everything a user reads in `window` as it stands: visible widgets' texts
// and the menus with all their entries.
QStringList VisibleTexts(QWidget* window) {
  QStringList texts = {window->windowTitle()};
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      QTextDocument document;
      document.setHtml(label->text());
      texts << (label->textFormat() == Qt::PlainText ? label->text()
                                                     : document.toPlainText());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      texts << button->text() << button->toolTip();
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      texts << box->title();
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
      texts << line->placeholderText() << line->toolTip();
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      for (int i = 0; i < tree->columnCount(); ++i) {
        texts << tree->headerItem()->text(i);
      }
    }
  }
  std::function<void(const QList<QAction*>&)> walk =
      [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
          texts << action->text() << action->toolTip() << action->statusTip();
          if (action->menu()) walk(action->menu()->actions());
        }
      };
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    walk(main->menuBar()->actions());
  }
  return texts;
}

void VerifyTranslated(const QStringList& texts, const QString& where) {
  QStringList english;
  for (const QString& text : texts) {
    const QString left = EnglishIn(text);
    if (!left.isEmpty())
      english << QStringLiteral("\"%1\" (%2)").arg(text, left);
  }
  QVERIFY2(english.isEmpty(),
           qPrintable(where + ": " + english.join(QStringLiteral("; "))));
}

void VerifyMessages(test::SeamRecorder& seams, const QString& flow) {
  QStringList texts;
  for (const MessageRequest& message : seams.messages) {
    texts << message.title << message.text;
  }
  for (const SaveFileRequest& request : seams.saveRequests) {
    texts << request.caption << request.filter;
  }
  VerifyTranslated(texts, flow + " messages");
  seams.messages.clear();
  seams.saveRequests.clear();
}

}  // namespace

class UntranslatedTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void noEnglishLeftInAnyFlow();
  void atlasMessagesAreTranslated();
};

void UntranslatedTest::initTestCase() {
  // As the program starts: no language chosen in the menu, the locale's.
  const Language language = StartUpLanguage(QString(), QLocale::system());
  QVERIFY2(language != Language::kEnglish,
           "LANG names the language: hi_IN.UTF-8 or ta_IN.UTF-8");
  QVERIFY(InstallTranslations(language));
  SetUiLanguage(language);
}

void UntranslatedTest::noEnglishLeftInAnyFlow() {
  test::SeamRecorder seams;
  QTemporaryDir dir;
  Application app(dir.filePath("lock"), nullptr, dir.filePath("births.sqlite"));
  QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
  FrmMain& form = *app.inputForm();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  const test::InputFormControls controls(&form);
  VerifyTranslated(VisibleTexts(&form), "input form");

  // A wrong entry: no name, then a longitude out of range.
  QTest::mouseClick(controls.cmdRashi, Qt::LeftButton);
  test::Type(form, kBirth);
  test::TypeInto(controls.txtLonD, "200");
  QTest::mouseClick(controls.cmdRashi, Qt::LeftButton);
  QVERIFY(!seams.messages.empty());
  VerifyMessages(seams, "error");

  // Compute.
  test::Type(form, kBirth);
  QTest::mouseClick(controls.cmdRashi, Qt::LeftButton);
  MDI* result = app.resultWindow();
  QVERIFY(result != nullptr);
  VerifyMessages(seams, "compute");
  QTabWidget* tabs = test::Tabs(result->frmDisplay());
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    VerifyTranslated(VisibleTexts(result),
                     QStringLiteral("result tab %1").arg(tab));
  }
  QStringList chart;
  for (int sign = 0; sign < 12; ++sign) {
    chart << test::SignBox(result->frmDisplay(), sign);
  }
  VerifyTranslated(chart, "chart");

  // Print (Qt's dialog is Qt's own; a printer that cannot be written to
  // gets our message) and export to a folder that does not exist.
  const PrintDialogRunner previous =
      SetPrintDialogRunner([&dir](QPrinter& printer, QWidget*) {
        printer.setOutputFileName(dir.filePath("missing/folder/page.pdf"));
        return true;
      });
  result->Print();
  SetPrintDialogRunner(previous);
  seams.saveAs = dir.filePath("missing/page.pdf");
  result->ExportPdf();
  seams.saveAs = dir.filePath("missing/page.png");
  result->ExportImage();
  VerifyMessages(seams, "print and export");

  // Back, save the birth twice (the second time asks), open the library.
  test::FindChild<QAbstractButton>(result, "cmdBack")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  VerifyMessages(seams, "save");
  VerifyTranslated(VisibleTexts(&form), "input form after saving");
  QTimer::singleShot(0, [] {
    auto* dialog =
        qobject_cast<OpenBirthDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    VerifyTranslated(VisibleTexts(dialog), "Open Birth");
    dialog->reject();
  });
  QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
  VerifyMessages(seams, "open");

  // The calculation options.
  CalculationOptionsDialog options(CalculationOptions{});
  options.show();
  VerifyTranslated(VisibleTexts(&options), "Calculation Options");

  // About, and the way out.
  FrmAbout about;
  about.show();
  VerifyTranslated(VisibleTexts(&about), "About");
  FrmExitScreen exitScreen;
  exitScreen.show();
  VerifyTranslated(VisibleTexts(&exitScreen), "exit screen");
  exitScreen.cmdSubmit_Click();
  VerifyMessages(seams, "refer a friend");
  form.hide();
}

// The atlas's messages come from a layer without Qt as patterns; shown,
// they carry the same numbers in the windows' words, the city's own time
// named in them too.
void UntranslatedTest::atlasMessagesAreTranslated() {
  const std::vector<AtlasCity> mumbai = FindCities("Mumbai", 1);
  const std::vector<AtlasCity> london = FindCities("London", 1);
  QVERIFY(!mumbai.empty() && !london.empty());
  struct Case {
    BirthPlace place;
    std::optional<PatternText> text;
    QStringList numbers;  // must stand in the translation as in the English
  };
  const BirthPlace bombay = PlaceAtBirth(mumbai[0], {1950, 6, 1, 12, 0, 0});
  const BirthPlace skipped = PlaceAtBirth(london[0], {1990, 3, 25, 1, 30, 0});
  const BirthPlace twice = PlaceAtBirth(london[0], {1990, 10, 28, 1, 5, 0});
  const Case cases[] = {
      {bombay, CityTimeText(bombay), {"1955", "UTC+04:51", "UTC+05:30"}},
      {skipped,
       ClockChangeText(skipped),
       {"01:30", "02:30", "UTC+00:00", "UTC+01:00"}},
      {twice, ClockChangeText(twice), {"01:05", "UTC+01:00"}},
      {bombay, UnknownZoneText(bombay), {"Asia/Kolkata"}},
  };
  for (const Case& c : cases) {
    QVERIFY(c.text);
    QString shown = ShownText(*c.text);
    for (const QString& number : c.numbers) {
      QVERIFY2(shown.count(number) ==
                   QString::fromStdString(Filled(*c.text)).count(number),
               qPrintable(number + " in " + shown));
    }
    shown.remove(QString::fromStdString(CityLabel(c.place.city)));
    shown.remove(QString::fromStdString(c.place.city.name));
    VerifyTranslated({shown}, "atlas message");
  }
}

TARVELIN_TEST_MAIN(UntranslatedTest);
#include "untranslated_test.moc"
