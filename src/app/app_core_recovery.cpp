// The offer, once the window shows, to put back the files of a rename run that was cut short (a
// crash, a kill, a power cut).
#include "app/app_core.h"
#include "app/app_core_hold.h"
#include "engine/run_journal.h"

#include <QFile>

namespace {

// A message lists this many files at most; the rest are counted.
constexpr qsizetype kListedAtMost = 15;

} // namespace

QString AppCore::JournalFolderUsed() const {
  return m_journalFolder.isEmpty() ? JournalFolder() : m_journalFolder;
}

void AppCore::OfferRecovery() {
  // A journal still locked belongs to a run going on in another window or command: not offered.
  const QStringList journals = InterruptedJournals(JournalFolderUsed());
  if (journals.isEmpty())
    return;
  const QString runs = journals.size() == 1 ? QStringLiteral("A rename run was")
                                            : QStringLiteral("%1 rename runs were").arg(journals.size());
  if (!m_dialogs.Confirm(runs + QStringLiteral(" cut short before the end (the program was stopped or the "
                                               "computer went down); some files may have new names.\n\n"
                                               "Put back the old names of the files it renamed?"))) {
    // Kept unless the user says to forget it: the question comes again at the next start.
    if (m_dialogs.Confirm(QStringLiteral("Forget the run that was cut short? Its files keep their new "
                                         "names.\n\nNo: you are asked again at the next start.")))
      for (const QString &journal : journals)
        QFile::remove(journal);
    return;
  }
  const RecoveryReport report = RecoverInterruptedRuns(JournalFolderUsed());
  // The list shows the names on disk again.
  ReloadAndRefresh();
  const QString text = RecoveryReportText(report, kListedAtMost);
  if (report.Complete())
    m_dialogs.ShowInformation(text);
  else
    m_dialogs.ShowError(text);
}
