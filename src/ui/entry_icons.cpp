#include "ui/entry_icons.h"

#include <QApplication>
#include <QHash>
#include <QStyle>

namespace {

QIcon FallbackIcon(const QString &iconKey) {
  QStyle *style = QApplication::style();
  if (iconKey.startsWith(QLatin1String("folder")) || iconKey.startsWith(QLatin1String("inode-directory")))
    return style->standardIcon(QStyle::SP_DirIcon);
  if (iconKey.startsWith(QLatin1String("drive")) || iconKey.startsWith(QLatin1String("media")))
    return style->standardIcon(QStyle::SP_DriveHDIcon);
  return style->standardIcon(QStyle::SP_FileIcon);
}

} // namespace

QIcon EntryIcon(const QString &iconKey) {
  // One cache for the user-interface thread; icons never change while the program runs.
  static QHash<QString, QIcon> cache;
  auto found = cache.constFind(iconKey);
  if (found != cache.constEnd())
    return *found;
  QIcon icon = iconKey.isEmpty() ? QIcon() : QIcon::fromTheme(iconKey);
  if (icon.isNull())
    icon = FallbackIcon(iconKey);
  cache.insert(iconKey, icon);
  return icon;
}
