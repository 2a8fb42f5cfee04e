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

  // Whatever the names hold and wherever the moves go, the journal reads back the moves it was given.
  void journalOfMoves_isReadBackWhole_data() {
    QTest::addColumn<QByteArrayList>("moves"); // "from>to", paths under the test folder
    QTest::newRow("names with blanks, percent signs and line breaks")
        << QByteArrayList{"a b>x a b", "50%>x%25", "line\nbreak>x\n"};
    QTest::newRow("bytes that are not UTF-8") << QByteArrayList{"caf\xe9>x\xff\xfe"};
    QTest::newRow("two folders, back and forth")
        << QByteArrayList{"one/a>one/b", "two/a>two/b", "one/c>one/d", "two/c>two/d"};
    QTest::newRow("a move from one folder to another") << QByteArrayList{"one/a>two/a", "one/b>one/c"};
  }
  void journalOfMoves_isReadBackWhole() {
    QFETCH(QByteArrayList, moves);
    QTemporaryDir dir, state;
    const QByteArray base = QFile::encodeName(dir.path()) + '/';
    QDir().mkpath(dir.filePath(QStringLiteral("one")));
    QDir().mkpath(dir.filePath(QStringLiteral("two")));
    std::vector<PlannedMove> plan;
    for (const QByteArray &move : moves) {
      const QByteArrayList ends = move.split('>');
      plan.emplace_back(base + ends[0], base + ends[1]);
      Make(plan.back().second, ends[0]); // as if already moved
    }
    {
      RunJournal journal;
      QVERIFY(journal.Open(state.path()).isEmpty());
      journal.Planned(plan);
      for (qsizetype k = 0; k < qsizetype(plan.size()); ++k)
        journal.Trying(k);
    } // cut short: never finished
    const JournalRecovery recovery = RecoverJournal(InterruptedJournals(state.path()).value(0));
    QVERIFY(recovery.error.isEmpty());
    QCOMPARE(recovery.restored.size(), plan.size());
    for (const auto &[from, to] : plan)
      QVERIFY2(Exists(from) && !Exists(to), from.constData());
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
