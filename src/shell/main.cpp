// Tarvelin, the desktop program.
#include <QApplication>

#include "shell/application.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvelin");
  QApplication::setOrganizationName("Tarvelin");
  // The program ends through the exit screen, not when a window closes:
  // between the result window and the input form none may be showing.
  QApplication::setQuitOnLastWindowClosed(false);

  tarvelin::Application application;
  if (!application.StartApplication()) return 0;
  return QApplication::exec();
}
