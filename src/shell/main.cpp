// SPDX-License-Identifier: GPL-3.0-or-later
// Tarvelin, the desktop program.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/view_menu.h"
#include "tarvelin_version.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"

// The windows' title carries the version too; it must be the one that
// project() in CMakeLists.txt sets.
static_assert(std::string_view(tarvelin::kAppTitle) ==
                  std::string_view("Tarvelin v" TARVELIN_VERSION),
              "kAppTitle (widgets/common/app_seams.h) names another version "
              "than project() in CMakeLists.txt");

namespace {

QtMessageHandler g_toolkitHandler = nullptr;

// While the toolkit connects to the display: it ends the program on a
// display it cannot reach (DISPLAY naming a closed one) with advice that
// does not fit; this says what is wrong instead.
void NoDisplayHandler(QtMsgType type, const QMessageLogContext& context,
                      const QString& message) {
  if (type == QtFatalMsg) {
    std::fputs(qPrintable(tarvelin::NoDisplayMessage()), stderr);
    std::_Exit(EXIT_FAILURE);
  }
  g_toolkitHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName("Tarvelin");
  QCoreApplication::setOrganizationName("Tarvelin");
  QCoreApplication::setApplicationVersion(TARVELIN_VERSION);

  // The command line is read before the toolkit needs a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const tarvelin::CommandLine commandLine =
      tarvelin::ReadCommandLine(arguments);
  switch (commandLine.action) {
    case tarvelin::CommandLine::Action::kPrint:
      return tarvelin::WriteText(stdout, commandLine.text) ? EXIT_SUCCESS
                                                           : EXIT_FAILURE;
    case tarvelin::CommandLine::Action::kRefuse:
      std::fputs(qPrintable(commandLine.text), stderr);
      return EXIT_FAILURE;
    case tarvelin::CommandLine::Action::kRun:
      break;
  }
  if (!tarvelin::DisplayNamed(arguments)) {
    std::fputs(qPrintable(tarvelin::NoDisplayMessage()), stderr);
    return EXIT_FAILURE;
  }

  g_toolkitHandler = qInstallMessageHandler(NoDisplayHandler);
  QApplication app(argc, argv);  // takes Qt's own options (-style, ...)
  qInstallMessageHandler(g_toolkitHandler);
  // The desktop entry's name, so that the desktop matches the window to the
  // menu entry and its icon.
  QGuiApplication::setDesktopFileName("org.tarvelin.Tarvelin");
  // The installed icon (share/icons/hicolor) on every window; none when run
  // from the build folder.
  QApplication::setWindowIcon(QIcon::fromTheme("org.tarvelin.Tarvelin"));
  // The windows speak the language chosen in the View menu, else the
  // locale's (LANG=hi_IN.UTF-8: Hindi); English where its translations
  // are missing.
  const tarvelin::Language language = tarvelin::StartUpLanguage(
      tarvelin::SavedLanguageCode(), QLocale::system());
  if (tarvelin::InstallTranslations(language)) {
    tarvelin::SetUiLanguage(language);
  } else {
    qWarning(
        "Tarvelin: the translations for \"%s\" are missing; the "
        "windows speak English.",
        tarvelin::LanguageCode(language));
  }
  // The program ends through the exit screen, not when a window closes:
  // between the result window and the input form none may be showing.
  QApplication::setQuitOnLastWindowClosed(false);

  tarvelin::Application application;
  if (!application.StartApplication()) return 0;
  return QApplication::exec();
}
