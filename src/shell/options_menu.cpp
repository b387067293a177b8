// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/options_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "widgets/input/frm_main.h"
#include "widgets/options/calculation_options_dialog.h"

namespace tarvelin {

QAction* AttachCalculationOptions(FrmMain* form) {
  QMenu* menu = form->fileMenu();
  QAction* exit = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("mnuExit")) exit = action;
  }
  auto* options = new QAction(
      QCoreApplication::translate("tarvelin::CalculationOptionsDialog",
                                  "Calculation &Options…"),
      menu);
  options->setObjectName("mnuCalculationOptions");
  menu->insertAction(exit, options);
  menu->insertSeparator(exit);
  QObject::connect(options, &QAction::triggered, form,
                   [form] { EditCalculationOptions(form); });
  return options;
}

}  // namespace tarvelin
