#include "engine/run_journal.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool Exists(const QByteArray &path) {
  struct stat st;
  return ::lstat(path.constData(), &st) == 0;
}

} // namespace

class TestRunJournal : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void normalRun_leavesNoJournal() {
    QTemporaryDir dir, state;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "a", "a");
    Make(folder + "b", "b");
    RunJournal journal;
    QVERIFY(journal.Open(state.path()).isEmpty());
    RenameRunControl control;
    control.observer = &journal;
    const std::vector entries{Entry(folder, "a"), Entry(folder, "b")};
    const RenameRunResult run = RenameAllEntries(RenameOptions(), entries, {"b.", "c."}, control);
    QCOMPARE(run.renamed, 2);
    QVERIFY(InterruptedJournals(state.path()).isEmpty());
    QVERIFY(QDir(state.path()).isEmpty());
  }

  // A run killed partway is put back whole from its journal, including its cycles.
  void killedRun_isPutBackFromItsJournal() {
    QTemporaryDir dir, state;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    // 20,000 files from scripts/property-test.sh; fewer in the normal run.
    const int count = qEnvironmentVariableIsSet("ZELVO_JOURNAL_FILES")
                          ? qEnvironmentVariableIntValue("ZELVO_JOURNAL_FILES")
                          : 2000;
    std::vector<FileListEntry> entries;
    QStringList lines;
    for (int i = 0; i < count; ++i) {
      const QByteArray name = "f" + QByteArray::number(i);
      Make(folder + name, name);
      entries.push_back(Entry(folder, name));
      // Every tenth pair swaps its names; the rest move to a new name.
      lines << (i % 10 == 0   ? QStringLiteral("f%1.").arg(i + 1)
                : i % 10 == 1 ? QStringLiteral("f%1.").arg(i - 1)
                              : QStringLiteral("x_f%1.").arg(i));
    }
    const pid_t child = ::fork();
    if (child == 0) {
      RunJournal journal;
      if (!journal.Open(state.path()).isEmpty())
        ::_exit(3);
      RenameRunControl control;
      control.observer = &journal;
      (void)RenameAllEntries(RenameOptions(), entries, lines, control);
      ::_exit(0);
    }
    QVERIFY(child > 0);
    // Killed once a good part is done.
    const QByteArray mark = folder + "x_f" + QByteArray::number(count / 3 + 2);
    QElapsedTimer clock;
    clock.start();
    while (!Exists(mark) && clock.elapsed() < 60000)
      ::usleep(200);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));
    QVERIFY2(!Exists(folder + "x_f" + QByteArray::number(count - 2)), "the run ended before it was killed");

    const QStringList journals = InterruptedJournals(state.path());
    QCOMPARE(journals.size(), 1);
    const JournalRecovery recovery = RecoverJournal(journals.first());
    QVERIFY(recovery.error.isEmpty());
    QVERIFY(recovery.failed.isEmpty());
    QVERIFY(recovery.restored.size() >= count / 4);
    int back = 0;
    for (int i = 0; i < count; ++i) {
      QFile f(dir.filePath(QStringLiteral("f%1").arg(i)));
      back += f.open(QIODevice::ReadOnly) && f.readAll() == "f" + QByteArray::number(i) ? 1 : 0;
    }
    QCOMPARE(back, count);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), count);
    QVERIFY(InterruptedJournals(state.path()).isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestRunJournal)
#include "tst_run_journal.moc"
