#include "engine/journalled_run.h"

#include "engine/run_journal.h"

RenameRunResult RunJournalled(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, RenameRunControl control,
                              const std::function<void(const QString &why)> &noJournal) {
  RunJournal journal;
  if (control.ordered) {
    if (const QString error = journal.Open(); error.isEmpty())
      control.observer = &journal;
    else if (noJournal)
      noJournal(error);
  }
  return RenameAllEntries(options, entries, lines, control);
}
