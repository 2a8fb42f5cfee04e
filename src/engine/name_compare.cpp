#include "engine/name_compare.h"

#include "platform/name_codec.h"

#include <sys/stat.h>

QByteArray NameKey(QByteArray name, bool ignoresCase) {
  if (!ignoresCase)
    return name;
  bool ascii = true;
  for (char c : std::as_const(name))
    ascii = ascii && quint8(c) < 0x80;
  if (ascii)
    return std::move(name).toLower();
  return EncodeName(DecodeName(name).toCaseFolded());
}

bool FolderIgnoresLetterCase(const QByteArray &folder, const QSet<QByteArray> &names,
                             FileSystemCalls &calls) {
  for (const QByteArray &name : names) {
    QByteArray other = name;
    for (char &c : other) {
      if ((c | 0x20) < 'a' || (c | 0x20) > 'z')
        continue;
      c ^= 0x20;
      if (names.contains(other))
        return false; // both spellings are there
      struct stat st;
      return calls.LStat((folder + other).constData(), st) == 0;
    }
  }
  return false;
}
