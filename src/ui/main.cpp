// Program entry: the application, its windows in their order, and the folder to open.
#include "ui/about_dialog.h"
#include "ui/errors_dialog.h"
#include "ui/main_window.h"
#include "ui/screenshot_hook.h"
#include "ui/text_list_dialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvo Rename 2000"));
  // Pictures the desktop's theme lacks come from the common one.
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  // Desktops match the window to the installed desktop entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.zelvosoft.ZelvoRename"));
  TfZelvoRename window;
  TfAbout about;
  window.SetAboutDialog(&about);
  TfErrors errors;
  window.SetErrorsDialog(&errors);
  TfTextList textList;
  window.SetTextListDialog(&textList);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1)
    window.OpenFolder(QFileInfo(arguments.at(1)).absoluteFilePath());
  window.show();
  if (ScreenshotsRequested())
    return TakeScreenshots(window);
  // Asked over the window, once it is on the screen.
  QTimer::singleShot(0, &window, &TfZelvoRename::OfferRecovery);
  return app.exec();
}
