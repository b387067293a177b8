// SPDX-License-Identifier: GPL-3.0-or-later
// Marks an English text that the desktop program shows in the user's
// language through Qt's translations; the text itself is left as it is.
// lupdate collects the texts so marked under their context
// (translations/CMakeLists.txt), and the window translates them with
// QCoreApplication::translate(context, text). For the layers that know
// nothing of Qt.
#pragma once

#define TARVELIN_TEXT(context, text) text
