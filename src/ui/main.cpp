// Program entry: the application and its main window.
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvo Rename 2000"));
  TfZelvoRename window;
  window.show();
  return app.exec();
}
