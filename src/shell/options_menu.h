// SPDX-License-Identifier: GPL-3.0-or-later
// "Calculation Options…" in the input form's File menu, above "Exit".
#pragma once

class QAction;

namespace tarvelin {

class FrmMain;

// Adds the entry (objectName "mnuCalculationOptions"); it opens the dialog
// with the saved options and keeps what OK confirms.
QAction* AttachCalculationOptions(FrmMain* form);

}  // namespace tarvelin
