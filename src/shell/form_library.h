// SPDX-License-Identifier: GPL-3.0-or-later
// The birth library on the input form: its File menu gets "Save Birth",
// "Open Birth…" and the recently used births of the library at `path`.
#pragma once

#include <QString>

namespace tarvelin {

class FrmMain;
class LibraryMenu;

LibraryMenu* AttachLibraryMenu(FrmMain* form, const QString& path);

}  // namespace tarvelin
