// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the result page: the system's print dialog, then one page on the
// printer the user chose. Tests put a runner in place of the dialog, so
// nothing modal blocks and nothing reaches a real printer.
#pragma once

#include <functional>

#include "print/result_page.h"

class QPrinter;
class QWidget;

namespace tarvelin {

// Shows the print dialog for `printer`; true when the user chose to print.
using PrintDialogRunner =
    std::function<bool(QPrinter& printer, QWidget* parent)>;
// Installs a runner in place of the system dialog; an empty one restores
// it. Returns the previous runner.
PrintDialogRunner SetPrintDialogRunner(PrintDialogRunner runner);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Asks through the dialog (paper preset to LocalPageSize) and prints the
// page on the paper chosen there.
PrintOutcome PrintResultPage(const ResultPage& page, QWidget* parent);

}  // namespace tarvelin
