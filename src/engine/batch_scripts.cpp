#include "engine/batch_scripts.h"

#include "engine/rename_order.h"
#include "engine/shell_script.h"
#include "platform/name_codec.h"
#include "platform/native_file.h"

#include <QCoreApplication>

#include <vector>

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// The moves of a script before it is written in one format or the other.
class ScriptBuilder {
public:
  explicit ScriptBuilder(ScriptFormat format) : m_format(format) {}

  // REN "<first>" "<second>" CR LF, or the position noted when either cannot be quoted.
  void Ren(qsizetype position, const QByteArray &first, const QByteArray &second) {
    if (!Quotable(first) || !Quotable(second))
      return LeaveOut(position, QStringLiteral("a name holds a double quote or a line break"));
    m_script.text += "REN \"" + InterpreterText(first) + "\" \"" + InterpreterText(second) + '"' + kLineEnd;
  }
  void Move(const QByteArray &from, const QByteArray &to) { m_moves.push_back({from, to}); }
  void LeaveOut(qsizetype position, const QString &reason) {
    m_script.leftOut.append(position);
    m_script.reasons.append(reason);
  }
  ScriptFormat Format() const { return m_format; }

  ScriptText Finish() {
    if (m_format == ScriptFormat::Shell)
      m_script.text = MakeShellScript(m_moves);
    return std::move(m_script);
  }

private:
  static bool Quotable(const QByteArray &text) {
    return !text.contains('"') && !text.contains('\r') && !text.contains('\n');
  }
  // The interpreter reads "%" as the start of a variable even between quotes; "%%" is one "%".
  static QByteArray InterpreterText(QByteArray text) { return text.replace("%", "%%"); }

  ScriptFormat m_format;
  ScriptText m_script;
  std::vector<ShellMove> m_moves;
};

// The moves in the order the run takes them: a name is freed before another file takes it, and a
// cycle of names goes round through a temporary name in its folder.
void AddMovesInRunOrder(ScriptBuilder &script, const std::vector<QByteArray> &from,
                        const std::vector<QByteArray> &to) {
  const std::vector<OrderedStep> order = OrderRenames(from, to);
  int cycles = 0;
  for (size_t k = 0; k < order.size(); ++k) {
    const qsizetype head = order[k].entry;
    if (order[k].cycleLength == 0) {
      if (!to[head].isEmpty())
        script.Move(from[head], to[head]);
      continue;
    }
    const QByteArray temporary = NativeFolder(from[head]) + ".zr-swap-" +
                                 QByteArray::number(QCoreApplication::applicationPid()) + '-' +
                                 QByteArray::number(cycles++) + ".tmp";
    script.Move(from[head], temporary);
    for (qsizetype c = 1; c < order[k].cycleLength; ++c)
      script.Move(from[order[k + c].entry], to[order[k + c].entry]);
    script.Move(temporary, to[head]);
    k += order[k].cycleLength - 1;
  }
}

} // namespace

QString FileNameFromPath(const QString &path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? path : path.mid(slash + 1);
}

ScriptText MakeUndoScript(const UndoRecord &record, ScriptFormat format) {
  ScriptBuilder script(format);
  const qsizetype count = qMin(record.lOld.size(), record.lNew.size());
  for (qsizetype i = count - 1; i >= 0; --i) {
    const QByteArray &newPath = record.lNew.at(i), &oldPath = record.lOld.at(i);
    if (format == ScriptFormat::Ren)
      script.Ren(i, newPath, NativeFileName(oldPath));
    else if (newPath != oldPath)
      script.Move(newPath, oldPath);
  }
  return script.Finish();
}

ScriptText MakeRenameScript(const RenameOptions &options, std::span<const FileListEntry> entries,
                            const QStringList &lines, ScriptFormat format) {
  ScriptBuilder script(format);
  const qsizetype count = qMin(qsizetype(entries.size()), lines.size());
  std::vector<QByteArray> from(static_cast<size_t>(count)), to(static_cast<size_t>(count));
  for (qsizetype i = 0; i < count; ++i) {
    const FileListEntry &entry = entries[i];
    if (IsExcludedFromRun(options, entry) || entry.SubItem(SubKind) == QLatin1String("drv"))
      continue;
    if (format == ScriptFormat::Ren) {
      script.Ren(i, NativeOldPath(entry), EncodeName(lines.at(i)));
      continue;
    }
    // The name the run would give, by the run's own rules.
    const QString newName = NameOnDisk(lines.at(i), entry.Caption);
    if (newName == entry.Caption)
      continue;
    if (!IsAllowedFileName(newName)) {
      script.LeaveOut(i, QStringLiteral("the new name \"%1\" is not allowed").arg(ShownName(newName)));
      continue;
    }
    from[i] = NativeOldPath(entry);
    to[i] = NativeFolderOf(entry) + EncodeName(newName);
  }
  if (format == ScriptFormat::Shell)
    AddMovesInRunOrder(script, from, to);
  return script.Finish();
}

QByteArray MakePreviewText(const QStringList &lines, std::span<const FileListEntry> entries) {
  QByteArray text;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString &line = lines.at(i);
    text +=
        EncodeName(i < qsizetype(entries.size()) ? NameOnDisk(line, entries[i].Caption) : line) + kLineEnd;
  }
  return text;
}

QString WriteWholeFile(const QString &path, const QByteArray &bytes, FileMode mode) {
  return WriteWholeFileAt(path, bytes, mode == FileMode::Runnable);
}

QString WithRequiredExtension(const QString &chosen, const SaveTarget &target) {
  const QString required = QString::fromLatin1(target.requiredExtension);
  if (chosen.right(required.size()).toUpper() == required)
    return chosen;
  return chosen + QString::fromLatin1(target.appendedExtension);
}

ScriptFormat ScriptFormatOf(const QString &fileName) {
  return fileName.endsWith(QLatin1String(".sh"), Qt::CaseInsensitive) ? ScriptFormat::Shell
                                                                      : ScriptFormat::Ren;
}

ScriptFile ChooseScriptFile(const QString &chosen, const SaveTarget &target, bool shellFilterChosen) {
  if (ScriptFormatOf(chosen) == ScriptFormat::Shell)
    return {chosen, ScriptFormat::Shell};
  const QString batch = QString::fromLatin1(target.requiredExtension);
  if (shellFilterChosen && chosen.right(batch.size()).toUpper() != batch)
    return {WithRequiredExtension(chosen, kShellScriptTarget), ScriptFormat::Shell};
  return {WithRequiredExtension(chosen, target), ScriptFormat::Ren};
}
