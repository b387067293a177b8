// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form_library.h"

#include "widgets/input/frm_main.h"
#include "widgets/library/library_menu.h"

namespace tarvelin {

LibraryMenu* AttachLibraryMenu(FrmMain* form, const QString& path) {
  return new LibraryMenu(
      form, form->fileMenu(), path,
      // The form's own checks and messages come first.
      [form] { return form->ValidatedInput(); },
      [form](const Birth& birth) { return form->ShowBirth(birth); });
}

}  // namespace tarvelin
