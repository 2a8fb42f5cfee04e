// A folder typed or pasted by the user: where it leads, and the folder names that complete it.
#pragma once

#include <QString>
#include <QStringList>

// The folder a typed text names, ending with "/": an absolute path, "~" for the home folder, a
// "file:" address, or a path relative to base (the folder shown; the current folder while the
// drives are shown). "Drives" in any case stays itself. Empty when the text names no folder that
// exists (a file, a missing folder, blanks).
QString TypedFolderPath(const QString &typed, const QString &base);

// The typed text completed by the names of the folders that start with its last part, in name
// order, each ending with "/" and spelt from the typed text's own start (so "~/Do" gives
// "~/Documents/"). Hidden folders only when the last part starts with a dot. At most limit names.
QStringList FolderCompletions(const QString &typed, const QString &base, int limit = 200);
