// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_dialog.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "present/report_words.h"

namespace tarvelin {
namespace {

PrintDialogRunner& CurrentRunner() {
  static PrintDialogRunner runner;
  return runner;
}

bool RunSystemDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PrintDialogRunner SetPrintDialogRunner(PrintDialogRunner runner) {
  PrintDialogRunner previous = std::move(CurrentRunner());
  CurrentRunner() = std::move(runner);
  return previous;
}

PrintOutcome PrintResultPage(const ResultPage& page, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(LocalPageSize());
  // The page draws its own margins from the paper's edge.
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(
      Fill(WordsIn(page.view.language).reportHeading, {page.view.lblName})));
  const bool accepted = CurrentRunner() ? CurrentRunner()(printer, parent)
                                        : RunSystemDialog(printer, parent);
  if (!accepted) return PrintOutcome::Cancelled;
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  PaintResultPage(painter, printer.pageLayout().pageSize(), page);
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace tarvelin
