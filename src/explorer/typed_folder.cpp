#include "explorer/typed_folder.h"

#include "explorer/explorer_helpers.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// The typed text as a full path, without checking that anything is there.
QString Resolved(const QString &typed, const QString &base) {
  QString text = typed.trimmed();
  if (text.isEmpty())
    return {};
  if (text.startsWith(QLatin1String("file:")))
    text = QUrl(text).toLocalFile();
  if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
    text = QDir::homePath() + text.mid(1);
  if (QDir::isRelativePath(text)) {
    const QString from = base.isEmpty() || IsDrivesFolder(base) ? QDir::currentPath() : base;
    text = QDir(from).filePath(text);
  }
  return QDir::cleanPath(text);
}

} // namespace

QString TypedFolderPath(const QString &typed, const QString &base) {
  if (IsDrivesFolder(typed.trimmed()))
    return typed.trimmed();
  const QString path = Resolved(typed, base);
  if (path.isEmpty() || !QFileInfo(path).isDir())
    return {};
  return WithTrailingBackslash(path);
}

QStringList FolderCompletions(const QString &typed, const QString &base, int limit) {
  const qsizetype slash = typed.lastIndexOf(QLatin1Char('/'));
  const QString head = typed.left(slash + 1); // as typed, up to its last "/"
  const QString prefix = typed.mid(slash + 1);
  const QString parent = head.isEmpty() ? Resolved(QStringLiteral("."), base) : Resolved(head, base);
  if (parent.isEmpty())
    return {};
  QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot;
  if (prefix.startsWith(QLatin1Char('.')))
    filters |= QDir::Hidden;
  QStringList completions;
  for (const QString &name : QDir(parent).entryList(filters, QDir::Name)) {
    if (!name.startsWith(prefix))
      continue;
    completions << head + name + QLatin1Char('/');
    if (completions.size() >= limit)
      break;
  }
  return completions;
}
