// The rename run as the window and the command line make it: with the journal that lets a run cut
// short be put back.
#pragma once

#include "engine/rename_run.h"

#include <QString>

#include <functional>
#include <memory>

class RunJournal;

// A journal opened ahead of its run (the command line opens it on the second core while it reads
// the folder), with why it could not be opened. One never used goes away with its file.
struct OpenedJournal {
  OpenedJournal();
  OpenedJournal(OpenedJournal &&) noexcept;
  OpenedJournal &operator=(OpenedJournal &&) noexcept;
  ~OpenedJournal();
  static OpenedJournal Open();

  std::unique_ptr<RunJournal> journal;
  QString error;
};

// Opens a journal (InterruptedJournals, RecoverJournal), or takes the one opened ahead, and runs
// with it as the control's observer; where no journal can be made, noJournal is told why before
// the run, which goes on without one. With control.ordered off (a measure of what the safety
// costs) the run goes without a journal.
RenameRunResult RunJournalled(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, RenameRunControl control,
                              const std::function<void(const QString &why)> &noJournal = {},
                              OpenedJournal opened = {});
