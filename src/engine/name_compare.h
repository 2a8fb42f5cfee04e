// How a folder tells two names apart: byte for byte, or with letter case ignored.
#pragma once

#include "platform/safe_rename.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>

// The key two names of one folder share exactly when the folder takes them for one name: the name
// itself where the folder tells case apart.
QByteArray NameKey(QByteArray name, bool ignoresCase);

// Whether the folder (a native path ending with "/") answers to a name it lists with one letter in
// the other case, a spelling it does not list. A folder without such a name is taken to tell case
// apart.
bool FolderIgnoresLetterCase(const QByteArray &folder, const QSet<QByteArray> &listed,
                             FileSystemCalls &calls);
