// Tarvelin, the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <cstring>
#include <string_view>

#include "shell/application.h"
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

// Reads the command line: --help and --version print and end the program
// (status 0), an unknown option says so and ends it (status 1).
void ReadCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Vedic astrology: the Hora Lagna and the chart of a birth.\n"
      "The same calculation without windows: tarvelin-cli --help.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);
}

// Whether the command line asks only for text: then no display is needed.
bool AsksForText(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* flag :
         {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], flag) == 0) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName("Tarvelin");
  QCoreApplication::setOrganizationName("Tarvelin");
  QCoreApplication::setApplicationVersion(TARVELIN_VERSION);

  if (AsksForText(argc, argv)) {
    const QCoreApplication textOnly(argc, argv);
    ReadCommandLine(textOnly);  // prints and exits
  }

  QApplication app(argc, argv);
  // The desktop entry's name, so that the desktop matches the window to the
  // menu entry and its icon.
  QGuiApplication::setDesktopFileName("org.tarvelin.Tarvelin");
  // The installed icon (share/icons/hicolor) on every window; none when run
  // from the build folder.
  QApplication::setWindowIcon(QIcon::fromTheme("org.tarvelin.Tarvelin"));
  ReadCommandLine(app);  // Qt's own options (-platform, ...) are taken out
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
