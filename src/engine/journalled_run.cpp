#include "engine/journalled_run.h"

#include "engine/run_journal.h"

RenameRunResult RunJournalled(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, RenameRunControl control,
                              const std::function<void(const QString &why)> &noJournal) {
  RunJournal journal;
  if (control.ordered) {
    if (const QString error = journal.Open(); error.isEmpty()) {
      control.observer = &journal;
      // The placeholders and temporary names the moves make are journalled before they are made.
      control.calls = &journal.Calls(*control.calls);
    } else if (noJournal)
      noJournal(error);
  }
  return RenameAllEntries(options, entries, lines, control);
}
