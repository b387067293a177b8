// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line, read before any window exists:
// --help and --version are answered and an unknown option is refused
// without a display; the standard options of Qt programs (-platform NAME,
// -style NAME, ...) are let through for the toolkit.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace tarvelin {

struct CommandLine {
  enum class Action {
    kRun,     // open the windows
    kPrint,   // print `text` on standard output and end (status 0)
    kRefuse,  // print `text` on standard error and end (status 1)
  };
  Action action = Action::kRun;
  QString text;
};

// Reads `arguments` (the program's name first).
CommandLine ReadCommandLine(const QStringList& arguments);

// Whether a display is named: a platform given by -platform or
// QT_QPA_PLATFORM, or DISPLAY or WAYLAND_DISPLAY set. Without one the
// toolkit cannot open a window.
bool DisplayNamed(const QStringList& arguments);

// "no display: set DISPLAY or use tarvelin-cli", behind the program's name.
QString NoDisplayMessage();

// Writes `text` to `stream` and flushes it; a failed write (a full disk, a
// closed output) is said on standard error. Returns whether all was written.
bool WriteText(std::FILE* stream, const QString& text);

}  // namespace tarvelin
