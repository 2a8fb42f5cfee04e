#include "engine/batch_scripts.h"

#include <QSaveFile>

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

bool Quotable(const QByteArray &text) {
  return !text.contains('"') && !text.contains('\r') && !text.contains('\n');
}

// Appends REN "<first>" "<second>" CR LF, or notes the position when either cannot be quoted.
void AppendRenLine(ScriptText &script, qsizetype position, const QByteArray &first,
                   const QByteArray &second) {
  if (!Quotable(first) || !Quotable(second)) {
    script.leftOut.append(position);
    return;
  }
  script.text += "REN \"" + first + "\" \"" + second + '"' + kLineEnd;
}

} // namespace

QString FileNameFromPath(const QString &path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? path : path.mid(slash + 1);
}

ScriptText MakeUndoScript(const UndoRecord &record) {
  ScriptText script;
  const qsizetype count = qMin(record.lOld.size(), record.lNew.size());
  for (qsizetype i = 0; i < count; ++i) {
    const bool native = i < record.nativeOld.size() && i < record.nativeNew.size() &&
                        !record.nativeOld.at(i).isEmpty() && !record.nativeNew.at(i).isEmpty();
    const QByteArray newPath = native ? record.nativeNew.at(i) : record.lNew.at(i).toUtf8();
    const QByteArray oldName =
        native ? NativeFileName(record.nativeOld.at(i)) : FileNameFromPath(record.lOld.at(i)).toUtf8();
    AppendRenLine(script, i, newPath, oldName);
  }
  return script;
}

ScriptText MakeRenameScript(const RenameOptions &options, std::span<const FileListEntry> entries,
                            const QStringList &lines) {
  ScriptText script;
  const qsizetype count = qMin(qsizetype(entries.size()), lines.size());
  for (qsizetype i = 0; i < count; ++i) {
    const FileListEntry &entry = entries[i];
    if (IsExcludedFromRun(options, entry) || entry.SubItem(SubKind) == QLatin1String("drv"))
      continue;
    AppendRenLine(script, i, NativeOldPath(entry), lines.at(i).toUtf8());
  }
  return script;
}

QByteArray MakePreviewText(const QStringList &lines) {
  QByteArray text;
  for (const QString &line : lines)
    text += line.toUtf8() + kLineEnd;
  return text;
}

QString WriteWholeFile(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  file.setDirectWriteFallback(true); // a writable file in a folder that is not
  if (!file.open(QIODevice::WriteOnly))
    return QStringLiteral("Cannot create \"%1\": %2").arg(path, file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    return QStringLiteral("Cannot write \"%1\": %2").arg(path, error);
  }
  if (!file.commit())
    return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
  return {};
}

QString WithRequiredExtension(const QString &chosen, const SaveTarget &target) {
  const QString required = QString::fromLatin1(target.requiredExtension);
  if (chosen.right(required.size()).toUpper() == required)
    return chosen;
  return chosen + QString::fromLatin1(target.appendedExtension);
}
