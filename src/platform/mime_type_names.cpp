#include "platform/type_names.h"

#include <QMimeDatabase>

namespace {

TypeInfo FromMime(const QMimeType &type) {
  TypeInfo info{type.comment(), type.iconName()};
  if (info.IconKey.isEmpty())
    info.IconKey = type.genericIconName();
  return info;
}

} // namespace

TypeInfo MimeTypeNames::ForExtension(const QString &extension) {
  QMimeDatabase db;
  const QString name = extension.isEmpty() ? QStringLiteral("file") : QStringLiteral("file.") + extension;
  return FromMime(db.mimeTypeForFile(name, QMimeDatabase::MatchExtension));
}

TypeInfo MimeTypeNames::ForKind(ItemKind kind) {
  QMimeDatabase db;
  const char *mime = "application/octet-stream";
  switch (kind) {
  case ItemKind::Folder:
    return TypeInfo{db.mimeTypeForName(QStringLiteral("inode/directory")).comment(),
                    QStringLiteral("folder")};
  case ItemKind::File:
    return ForExtension(QString());
  case ItemKind::Fifo:
    mime = "inode/fifo";
    break;
  case ItemKind::CharDevice:
    mime = "inode/chardevice";
    break;
  case ItemKind::BlockDevice:
    mime = "inode/blockdevice";
    break;
  case ItemKind::Socket:
    mime = "inode/socket";
    break;
  default:
    break;
  }
  return FromMime(db.mimeTypeForName(QString::fromLatin1(mime)));
}
