// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <memory>

namespace tarvelin {
namespace {

// The options the toolkit takes from the command line of every Qt program
// (QGuiApplication, QApplication and the X11 platform). QApplication reads
// them; here they are only let through, and --help-all lists them.
struct QtOption {
  const char* name;
  const char* valueName;  // nullptr: a flag
  const char* description;
};
const QtOption kQtOptions[] = {
    {"platform", "name",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The platform plugin (xcb, wayland, offscreen).")},
    {"platformpluginpath", "folder",
     QT_TRANSLATE_NOOP("CommandLine", "A folder of platform plugins.")},
    {"platformtheme", "name",
     QT_TRANSLATE_NOOP("CommandLine", "The platform theme, e.g. gtk3.")},
    {"plugin", "name",
     QT_TRANSLATE_NOOP("CommandLine", "An input device plugin to load.")},
    {"qwindowgeometry", "WxH+X+Y",
     QT_TRANSLATE_NOOP("CommandLine", "The first window's size and place.")},
    {"geometry", "WxH+X+Y",
     QT_TRANSLATE_NOOP("CommandLine", "As --qwindowgeometry (X11).")},
    {"qwindowtitle", "title",
     QT_TRANSLATE_NOOP("CommandLine", "The first window's title.")},
    {"title", "title",
     QT_TRANSLATE_NOOP("CommandLine", "As --qwindowtitle (X11).")},
    {"qwindowicon", "file",
     QT_TRANSLATE_NOOP("CommandLine", "The first window's icon.")},
    {"icon", "file",
     QT_TRANSLATE_NOOP("CommandLine", "As --qwindowicon (X11).")},
    {"session", "id",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Restore a session of the session manager.")},
    {"style", "name",
     QT_TRANSLATE_NOOP("CommandLine", "The widget style, e.g. Fusion.")},
    {"stylesheet", "file",
     QT_TRANSLATE_NOOP("CommandLine", "A style sheet for every window.")},
    {"display", "display",
     QT_TRANSLATE_NOOP("CommandLine", "The X display to use (X11).")},
    {"name", "name",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The program's name for the X server (X11).")},
    {"visual", "visual",
     QT_TRANSLATE_NOOP("CommandLine", "The X visual to use (X11).")},
    {"qmljsdebugger", "options",
     QT_TRANSLATE_NOOP("CommandLine", "The QML debugger's port and options.")},
    {"reverse", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Lay the windows out from right to left.")},
    {"testability", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Load the testability driver.")},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Print the number of widgets left at the end.")},
    {"nograb", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Never grab the mouse or keyboard (X11).")},
    {"dograb", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Grab them even under a debugger (X11).")},
};

// The parser; --help-all shows the toolkit's options too.
std::unique_ptr<QCommandLineParser> MakeParser(bool showQtOptions) {
  auto parser = std::make_unique<QCommandLineParser>();
  // -platform is one option, not -p -l -a ...
  parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser->setApplicationDescription(QCoreApplication::translate(
      "CommandLine",
      "Vedic astrology: the Hora Lagna and the chart of a birth.\n"
      "The same calculation without windows: tarvelin-cli --help."));
  parser->addHelpOption();
  parser->addVersionOption();
  // -V too, as tarvelin-cli takes it; the help lists -v alone.
  QCommandLineOption capitalV("V");
  capitalV.setFlags(QCommandLineOption::HiddenFromHelp);
  parser->addOption(capitalV);
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(
        qt.name, QCoreApplication::translate("CommandLine", qt.description),
        qt.valueName ? qt.valueName : QString());
    if (!showQtOptions) option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser->addOption(option);
  }
  return parser;
}

QString ProgramName(const QStringList& arguments) {
  return arguments.isEmpty() ? QString("tarvelin") : arguments.first();
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  std::unique_ptr<QCommandLineParser> parser = MakeParser(false);
  if (!parser->parse(arguments)) {
    return {CommandLine::Action::kRefuse,
            "tarvelin: " + parser->errorText() + "\n"};
  }
  if (parser->isSet("help-all")) {
    parser = MakeParser(true);
    parser->parse(arguments);
  }
  if (parser->isSet("help") || parser->isSet("help-all")) {
    // Without an application object the parser cannot name the program.
    QString help = parser->helpText();
    help.replace("<executable_name>", ProgramName(arguments));
    return {CommandLine::Action::kPrint, help};
  }
  if (parser->isSet("version") || parser->isSet("V")) {
    return {CommandLine::Action::kPrint,
            QCoreApplication::applicationName() + " " +
                QCoreApplication::applicationVersion() + "\n"};
  }
  return {};
}

bool DisplayNamed(const QStringList& arguments) {
  for (const char* variable :
       {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(variable)) return true;
  }
  for (const QString& argument : arguments) {
    if (argument == "-platform" || argument.startsWith("-platform=") ||
        argument == "--platform" || argument.startsWith("--platform=")) {
      return true;
    }
  }
  return false;
}

QString NoDisplayMessage() {
  return "tarvelin: " +
         QCoreApplication::translate(
             "CommandLine", "no display: set DISPLAY or use tarvelin-cli") +
         "\n";
}

bool WriteText(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  errno = 0;
  const bool written =
      std::fwrite(bytes.constData(), 1, bytes.size(), stream) ==
          static_cast<std::size_t>(bytes.size()) &&
      std::fflush(stream) == 0;
  if (written) return true;
  const int error = errno;
  std::fprintf(
      stderr, "tarvelin: %s: %s\n",
      qPrintable(QCoreApplication::translate("CommandLine", "write error")),
      error != 0 ? std::strerror(error) : "unknown error");
  return false;
}

}  // namespace tarvelin
