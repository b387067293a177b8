// SPDX-License-Identifier: GPL-3.0-or-later
// The result page as a PDF and an image: one page of the chosen paper, its
// texts readable back out of the PDF (pdftotext and pdfinfo, from
// poppler-utils), everything still on the one page when the readings are
// long, and a refusal that says so when the file cannot be written.
#include "print/result_page.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "print/print_dialog.h"
#include "ui_test_main.h"

using namespace tarvelin;

namespace {

const char kSummary[] =
    "Hora Lagna: Virgo 12\u00B0 34\u2032 \u2014 6th house from the ascendant "
    "(Aries)";

ResultPage SamplePage(std::size_t readingWords = 120) {
  ResultPage page;
  ResultView& view = page.view;
  const char* positions[kBodyCount] = {
      "00Ari12'", "14Tau03'", "29Ari59'", "02Pis44'", "17Can08'",
      "05Sag31'", "21Cap00'", "09Gem16'", "09Sag16'", "26Ari47'"};
  for (int i = 0; i < kBodyCount; ++i) view.planet[i] = positions[i];
  view.chartLabels[0] = "\r\nSun\r\nMercury\r\nAsc";
  view.chartLabels[3] = "\r\nMars (R) ";
  for (std::string& cell : view.lblArudha) cell = "\r\n";
  view.lblArudha[5] = "\r\n\r\n\r\nHL\r\n";
  view.chart.bodies[0] = {"Sun", "Mercury", "Asc"};
  view.chart.bodies[3] = {"Mars (R)"};
  view.chart.markers[5] = {"HL"};
  view.lblName = "RAM";
  view.lblDOB = "March/15/1980";
  view.lblTOB = "21:5";
  view.lblLatitude = "28\u00B0 36' N";
  view.lblLongitude = "77\u00B0 12' E";
  view.lblCity = "New Delhi";
  view.lblHoraDesc =
      "Hora Lagna in the sixth house: wealth comes through service and "
      "steady work.";
  view.hasHoraLagna = true;
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    view.attributes.*ref.member = std::string("value of ") + ref.name;
  }
  std::string reading;
  for (std::size_t i = 0; i < readingWords; ++i) reading += "steady ";
  view.attributes.txtHealth = reading + "lastwordofhealth";
  view.attributes.txtLooks = reading + "lastwordoflooks";
  page.summary = kSummary;
  HoraLagnaTexts& hl = page.horaLagna;
  hl.dayTitle = "The Hora Lagna through the day";
  hl.otherLagnasTitle = "Other special lagnas";
  hl.birthMark = "birth";
  hl.margin =
      "The Hora Lagna stays in Virgo for births from 20:38:00 to 21:38:00; "
      "27 minutes later it is Libra.";
  hl.centreRule = "Under the traditional Hindu sunrise it is Leo.";
  // A day of 24 signs from 06:38, the 15th holding the birth; midnight
  // starts a new date.
  for (int i = 0; i < 24; ++i) {
    const auto clock = [](int hour) {
      return QString("%1:38:00")
          .arg(hour % 24, 2, 10, QChar('0'))
          .toStdString();
    };
    DayRowText row{"Sign" + std::to_string(i), clock(6 + i), clock(7 + i), "",
                   i == 14};
    if (6 + i == 24) row.date = "16 March 1980";
    hl.day.push_back(row);
  }
  hl.otherLagnas = {{"Ghati Lagna", "Leo 12\u00B0 34\u2032"},
                    {"Pranapada", "Aries"}};
  page.howItWasFound = {
      "Timed from the birth day's sunrise: 15 March 1980 at 06:37:00.",
      "331\u00B0 17\u2032 + 0.5\u00B0 \u00D7 868 = 765\u00B0 17\u2032"};
  return page;
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    return QStringLiteral("<%1 failed: %2>")
        .arg(program, QString::fromUtf8(process.readAllStandardError()));
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text with every run of blanks and line ends as one blank.
QString PdfText(const QString& path) {
  return Run("pdftotext", {"-layout", path, "-"})
      .replace(QRegularExpression("\\s+"), " ");
}

}  // namespace

class ResultPageTest : public QObject {
  Q_OBJECT

 private slots:
  void pdfIsOnePageWithSearchableText_data();
  void pdfIsOnePageWithSearchableText();
  void longReadingsStillFitTheOnePage();
  void imageHasThePagesSize_data();
  void imageHasThePagesSize();
  void unwritableFilesAreRefused();
  void printingGoesThroughTheDialog();
};

void ResultPageTest::pdfIsOnePageWithSearchableText_data() {
  QTest::addColumn<QPageSize>("paper");
  QTest::addColumn<QString>("sizeName");
  QTest::newRow("A4") << QPageSize(QPageSize::A4) << "(A4)";
  QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << "(letter)";
}

void ResultPageTest::pdfIsOnePageWithSearchableText() {
  QFETCH(QPageSize, paper);
  QFETCH(QString, sizeName);
  QTemporaryDir dir;
  const QString path = dir.filePath("ram.pdf");
  QString error;
  QVERIFY2(WriteResultPdf(path, SamplePage(), paper, &error),
           qPrintable(error));

  const QString info = Run("pdfinfo", {path});
  QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")),
           qPrintable(info));
  QVERIFY2(info.contains(sizeName), qPrintable(info));

  const QString text = PdfText(path);
  const QStringList wanted = {
      "RAM",
      QString::fromUtf8(kSummary),
      "Hora Lagna in the sixth house: wealth comes through service and "
      "steady work.",
      "How it was found",
      "Timed from the birth day's sunrise: 15 March 1980 at 06:37:00.",
      QString::fromUtf8("331\u00B0 17\u2032 + 0.5\u00B0 \u00D7 868"),
      "Vir 6",
      "HL",
      "Mars (R)",
      "March/15/1980",
      "Guru/Jupiter 05Sag31'",
      "Hora Lagna Present In House Significance",
      "lblLuckyGemstone",
      "27 minutes later it is Libra.",
      "Under the traditional Hindu sunrise it is Leo.",
      "Other special lagnas",
      QString::fromUtf8("Ghati Lagna Leo 12\u00B0 34\u2032"),
      "Pranapada Aries",
      "The Hora Lagna through the day",
      QString::fromUtf8("06:38:00\u201307:38:00 Sign0"),
      QString::fromUtf8("20:38:00\u201321:38:00 Sign14 (birth)"),
      "16 March 1980",
      QString::fromUtf8("05:38:00\u201306:38:00 Sign23"),
  };
  for (const QString& piece : wanted) {
    QVERIFY2(text.contains(piece),
             qPrintable(QString("missing \"%1\" in: %2").arg(piece, text)));
  }
}

void ResultPageTest::longReadingsStillFitTheOnePage() {
  QTemporaryDir dir;
  const QString path = dir.filePath("long.pdf");
  QVERIFY(WriteResultPdf(path, SamplePage(450), QPageSize(QPageSize::Letter),
                         nullptr));
  QVERIFY(
      Run("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
  const QString text = PdfText(path);
  QVERIFY2(text.contains("lastwordoflooks"), qPrintable(text.right(300)));
  QVERIFY(text.contains("lastwordofhealth"));
}

void ResultPageTest::imageHasThePagesSize_data() {
  QTest::addColumn<QPageSize>("paper");
  QTest::addColumn<QSize>("pixels");
  // 150 dots per inch: A4 is 8.27 x 11.69 inches, Letter 8.5 x 11.
  QTest::newRow("A4") << QPageSize(QPageSize::A4) << QSize(1240, 1754);
  QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << QSize(1275, 1650);
}

void ResultPageTest::imageHasThePagesSize() {
  QFETCH(QPageSize, paper);
  QFETCH(QSize, pixels);
  QTemporaryDir dir;
  const QString path = dir.filePath("ram.png");
  QString error;
  QVERIFY2(WriteResultPng(path, SamplePage(), paper, 150, &error),
           qPrintable(error));
  const QImage image(path, "PNG");
  QCOMPARE(image.size(), pixels);
  // For a person to look at.
  QDir().mkpath(TARVELIN_SCREENSHOT_DIR);
  image.save(QString(TARVELIN_SCREENSHOT_DIR) + "/result_page_" +
             QTest::currentDataTag() + ".png");
  // Something is drawn: the marker's red ink is somewhere on the page.
  bool red = false;
  for (int y = 0; y < image.height() && !red; y += 2) {
    for (int x = 0; x < image.width() && !red; x += 2) {
      const QColor c = image.pixelColor(x, y);
      red = c.red() > 120 && c.green() < 60 && c.blue() < 60;
    }
  }
  QVERIFY(red);
}

void ResultPageTest::unwritableFilesAreRefused() {
  const QString path = "/nonexistent-folder/ram";
  QString error;
  QVERIFY(!WriteResultPdf(path + ".pdf", SamplePage(), QPageSize(QPageSize::A4),
                          &error));
  QVERIFY2(error.contains(path + ".pdf"), qPrintable(error));
  // The reason in our own words, which the translations carry.
  QVERIFY2(error.endsWith(": the folder does not exist"), qPrintable(error));
  error.clear();
  QVERIFY(!WriteResultPng(path + ".png", SamplePage(), QPageSize(QPageSize::A4),
                          150, &error));
  QVERIFY2(error.contains(path + ".png"), qPrintable(error));
}

void ResultPageTest::printingGoesThroughTheDialog() {
  QTemporaryDir dir;
  const QString path = dir.filePath("printed.pdf");
  // The "dialog" sends the job to a PDF file on Letter paper.
  int asked = 0;
  SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
    ++asked;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    return true;
  });
  QCOMPARE(PrintResultPage(SamplePage(), nullptr), PrintOutcome::Printed);
  QCOMPARE(asked, 1);
  const QString info = Run("pdfinfo", {path});
  QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")),
           qPrintable(info));
  QVERIFY2(info.contains("(letter)"), qPrintable(info));
  QVERIFY(PdfText(path).contains(QString::fromUtf8(kSummary)));

  // Cancelled: nothing is printed.
  const QString other = dir.filePath("cancelled.pdf");
  SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(other);
    return false;
  });
  QCOMPARE(PrintResultPage(SamplePage(), nullptr), PrintOutcome::Cancelled);
  QVERIFY(!QFile::exists(other));
  SetPrintDialogRunner({});
}

TARVELIN_TEST_MAIN(ResultPageTest);
#include "result_page_test.moc"
