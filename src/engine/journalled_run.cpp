#include "engine/journalled_run.h"

#include "engine/run_journal.h"

OpenedJournal::OpenedJournal() = default;
OpenedJournal::OpenedJournal(OpenedJournal &&) noexcept = default;
OpenedJournal &OpenedJournal::operator=(OpenedJournal &&) noexcept = default;

OpenedJournal::~OpenedJournal() {
  if (journal)
    journal->Finished(); // removes the file of one opened for a run that did not come
}

OpenedJournal OpenedJournal::Open() {
  OpenedJournal opened;
  opened.journal = std::make_unique<RunJournal>();
  opened.error = opened.journal->Open();
  return opened;
}

RenameRunResult RunJournalled(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, RenameRunControl control,
                              const std::function<void(const QString &why)> &noJournal,
                              OpenedJournal opened) {
  if (!control.ordered)
    return RenameAllEntries(options, entries, lines, control);
  if (!opened.journal)
    opened = OpenedJournal::Open();
  if (opened.error.isEmpty()) {
    control.observer = opened.journal.get();
    // The placeholders and temporary names the moves make are journalled before they are made.
    control.calls = &opened.journal->Calls(*control.calls);
  } else if (noJournal) {
    noJournal(opened.error);
  }
  return RenameAllEntries(options, entries, lines, control);
}
