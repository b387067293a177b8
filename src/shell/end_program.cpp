// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/end_program.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace tarvelin {

void EndProgram() {
  // Closing the exit screen runs EndProgram again from inside this loop.
  static bool ending = false;
  if (ending) return;
  ending = true;
  QList<QPointer<QWidget>> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) windows << window;
  for (const QPointer<QWidget>& window : windows) {
    if (window && window->isVisible()) window->close();
  }
  ending = false;
  QApplication::quit();
}

}  // namespace tarvelin
