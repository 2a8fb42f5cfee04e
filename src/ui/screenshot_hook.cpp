#include "ui/screenshot_hook.h"

#include "app/app_core.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

namespace {

QString Folder() {
  return qEnvironmentVariable("ZELVO_SCREENSHOT_DIR");
}

void Settle() {
  for (int i = 0; i < 5; ++i)
    QApplication::processEvents();
}

} // namespace

bool ScreenshotsRequested() {
  return !Folder().isEmpty();
}

int TakeScreenshots(TfZelvoRename &window) {
  const QDir folder(Folder());
  if (!folder.mkpath(QStringLiteral(".")))
    return 1;
  QString languages = qEnvironmentVariable("ZELVO_SCREENSHOT_LANGUAGES");
  if (languages.isEmpty())
    languages = QStringLiteral("0,5");
  auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("TabControl1"));
  Settle();
  int failures = 0;
  for (const QString &language : languages.split(u',', Qt::SkipEmptyParts)) {
    window.Core().ChangeLanguage(language.toInt());
    for (int tab = 0; tab < tabs->count(); ++tab) {
      tabs->setCurrentIndex(tab);
      Settle();
      const QString path =
          folder.filePath(QStringLiteral("window-%1-tab%2.png").arg(language.trimmed()).arg(tab));
      if (!window.grab().save(path))
        ++failures;
      else
        QTextStream(stdout) << path << '\n';
    }
  }
  return failures == 0 ? 0 : 1;
}
