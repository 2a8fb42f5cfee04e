// File-system calls that stop as a killed process would, or fail, at a chosen call, and the files of
// a run on disk, for the tests of the journal and of recovery.
#pragma once

#include "engine/run_journal.h"

#include "support_disk_files.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// Thrown where the process would have been killed.
struct Killed {};

class FaultyCalls : public FileSystemCalls, public JournalDisk {
public:
  qsizetype made = 0;           // calls that change the disk, so far
  qsizetype stopAt = -1;        // the call the process is killed at
  bool stopAfter = false;       // killed once that call is made, instead of before it
  qsizetype failAt = -1;        // the call that fails with EIO
  bool refuseNoReplace = false; // RENAME_NOREPLACE refused, as on exFAT
  QHash<ino_t, off_t> synced;   // size of each file when it was last synced

  int RenameNoReplace(const char *from, const char *to) override {
    if (refuseNoReplace)
      return EINVAL;
    return Step([&] { return FileSystemCalls::RenameNoReplace(from, to); });
  }
  int Rename(const char *from, const char *to) override {
    return Step([&] { return FileSystemCalls::Rename(from, to); });
  }
  int Unlink(const char *path) override {
    return Step([&] { return FileSystemCalls::Unlink(path); });
  }
  int CreateExclusive(const char *path, struct stat &st) override {
    return Step([&] { return FileSystemCalls::CreateExclusive(path, st); });
  }
  int MakeFolder(const char *path) override {
    return Step([&] { return FileSystemCalls::MakeFolder(path); });
  }
  int RemoveFolder(const char *path) override {
    return Step([&] { return FileSystemCalls::RemoveFolder(path); });
  }
  // Noted, not made: these tests cut the power themselves, wherever the files are.
  bool Outlives(int) override { return true; }
  int SyncFile(int fd) override {
    struct stat st;
    if (::fstat(fd, &st) == 0)
      synced[st.st_ino] = st.st_size;
    return 0;
  }
  int SyncFolder(const QString &) override { return 0; }
  // A power cut: every journal of the folder keeps only what reached the disk.
  void CutPower(const QString &folder) const {
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
      struct stat st;
      const QByteArray path = QFile::encodeName(file.filePath());
      if (file.fileName().startsWith(QLatin1String("run-")) && ::stat(path.constData(), &st) == 0)
        QVERIFY(::truncate(path.constData(), synced.value(st.st_ino, 0)) == 0);
    }
  }

private:
  template <typename Call> int Step(Call call) {
    const qsizetype n = made++;
    if (n == failAt)
      return EIO;
    if (n == stopAt && !stopAfter)
      throw Killed{};
    const int error = call();
    if (n == stopAt)
      throw Killed{};
    return error;
  }
};

// Files of one folder, each holding its own name, and the lines that rename them.
class DiskRun {
public:
  DiskRun(const QByteArrayList &names, const QStringList &lines) : m_names(names), m_lines(lines) {
    m_folder = QFile::encodeName(m_dir.path()) + '/';
    for (const QByteArray &name : names)
      Make(m_folder + name, name);
    for (const QByteArray &name : names)
      m_entries.push_back(Entry(m_folder, name));
  }
  QString State() const { return m_state.path(); }
  const QByteArray &Folder() const { return m_folder; }
  // The plan written in pieces of these many moves (0: as the journal writes it by itself).
  qsizetype firstPiece = 0, largestPiece = 0;

  // Runs with calls; true when it was killed.
  bool Run(FaultyCalls &calls) {
    RunJournal journal(&calls);
    if (firstPiece > 0)
      journal.SetPieces(firstPiece, largestPiece);
    if (!journal.Open(State()).isEmpty())
      return false;
    RenameRunControl control;
    control.calls = &journal.Calls(calls);
    control.observer = &journal;
    try {
      (void)RenameAllEntries(RenameOptions(), m_entries, m_lines, control);
    } catch (const Killed &) {
      return true;
    }
    return false;
  }
  // Recovers with calls; false when it was killed.
  bool Recover(FileSystemCalls &calls, RecoveryReport &report) {
    try {
      report = RecoverInterruptedRuns(State(), calls);
    } catch (const Killed &) {
      return false;
    }
    return true;
  }
  // Files not under their old names.
  qsizetype Displaced() const {
    qsizetype n = 0;
    for (const QByteArray &name : m_names)
      n += ContentOf(m_folder + name) == name ? 0 : 1;
    return n;
  }
  // What is wrong on disk: a file not under its old name with its bytes, or anything else in the
  // folder (a placeholder, a temporary name).
  QString Wrong() const {
    QStringList wrong;
    for (const QByteArray &name : m_names)
      if (ContentOf(m_folder + name) != name)
        wrong << QStringLiteral("%1 holds %2")
                     .arg(QString::fromUtf8(name), QString::fromUtf8(ContentOf(m_folder + name)));
    const QStringList there =
        QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (there.size() != m_names.size())
      wrong << QStringLiteral("the folder holds ") + there.join(QLatin1Char(' '));
    return wrong.join(QStringLiteral("; "));
  }

private:
  QTemporaryDir m_dir, m_state;
  QByteArray m_folder;
  QByteArrayList m_names;
  QStringList m_lines;
  std::vector<FileListEntry> m_entries;
};
