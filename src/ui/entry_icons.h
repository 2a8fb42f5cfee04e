// The small icons of file list entries, looked up once per icon name.
#pragma once

#include <QIcon>
#include <QString>

// The icon of an entry from its icon theme name ("folder", "text-x-generic", "drive-harddisk"),
// with the style's own file, folder or drive icon where the theme has none.
QIcon EntryIcon(const QString &iconKey);
