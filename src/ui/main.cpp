// Program entry: the application, its windows in their order, and the folder to open.
#include "ui/errors_dialog.h"
#include "ui/main_window.h"
#include "ui/screenshot_hook.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvo Rename 2000"));
  TfZelvoRename window;
  // The information box and the text list editor join here, between the main window and the
  // error list, when they are built.
  TfErrors errors;
  window.SetErrorsDialog(&errors);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1)
    window.OpenFolder(QFileInfo(arguments.at(1)).absoluteFilePath());
  window.show();
  if (ScreenshotsRequested())
    return TakeScreenshots(window);
  return app.exec();
}
