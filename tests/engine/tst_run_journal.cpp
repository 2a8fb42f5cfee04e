#include "engine/run_journal.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support_faulty_calls.h"

#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/file.h>
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
    QByteArrayList paths; // what the plan points into
    for (const QByteArray &move : moves)
      for (const QByteArray &end : move.split('>'))
        paths.append(base + end);
    std::vector<PlannedMove> plan;
    for (qsizetype k = 0; k < paths.size(); k += 2) {
      plan.emplace_back(paths[k], paths[k + 1]);
      Make(paths[k], paths[k].sliced(base.size()));
    }
    {
      RunJournal journal;
      QVERIFY(journal.Open(state.path()).isEmpty());
      journal.Planned(plan);
      for (const PlannedMove &move : plan)
        QVERIFY(::rename(move.From().toByteArray().constData(), move.To().toByteArray().constData()) == 0);
    } // cut short: never finished
    const JournalRecovery recovery = RecoverJournal(InterruptedJournals(state.path()).value(0));
    QVERIFY2(recovery.error.isEmpty(), qPrintable(recovery.error));
    QCOMPARE(recovery.restored.size(), plan.size());
    for (const PlannedMove &move : plan)
      QVERIFY2(Exists(move.From().toByteArray()) && !Exists(move.To().toByteArray()), move.From().data());
  }

  // A plan long enough to be written by two threads, with a cycle of names through its middle: the
  // temporary name's file is known on both sides of the cut, so recovery puts every file back.
  void longPlanWithCycleInTheMiddle_isPutBackWhole() {
    QTemporaryDir dir, state;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    constexpr int kMoves = 6000, kMiddle = kMoves / 2;
    QByteArrayList paths; // what the plan points into: from, to, from, to...
    for (int k = 0; k < kMoves; ++k) {
      const QByteArray number = QByteArray::number(k);
      if (k == kMiddle - 1)
        paths << folder + "a" << folder + kCycleTemporaryPrefix + "1.tmp";
      else if (k == kMiddle)
        paths << folder + "b" << folder + "a";
      else if (k == kMiddle + 1)
        paths << folder + kCycleTemporaryPrefix + "1.tmp" << folder + "b";
      else
        paths << folder + "old" + number << folder + "new" + number;
      if (!paths[2 * k].contains(kCycleTemporaryPrefix))
        Make(paths[2 * k], paths[2 * k]);
    }
    std::vector<PlannedMove> plan;
    for (qsizetype k = 0; k < paths.size(); k += 2)
      plan.emplace_back(paths[k], paths[k + 1]);
    {
      RunJournal journal;
      QVERIFY(journal.Open(state.path()).isEmpty());
      journal.Planned(plan);
      for (const PlannedMove &move : plan)
        QVERIFY(::rename(move.From().toByteArray().constData(), move.To().toByteArray().constData()) == 0);
    } // cut short: never finished
    const JournalRecovery recovery = RecoverJournal(InterruptedJournals(state.path()).value(0));
    QVERIFY2(recovery.error.isEmpty(), qPrintable(recovery.error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), kMoves - 1);
    for (const QByteArray &path : {folder + "a", folder + "b", folder + "old0", folder + "old5999"})
      QCOMPARE(ContentOf(path), path);
  }

  // The plan reaches the disk before the moves only where the files outlast a power cut: a run on
  // a file system in memory waits for no disk.
  void pieces_syncedOnlyWhereFilesOutlastPowerCut_data() {
    QTest::addColumn<bool>("outlives");
    QTest::addColumn<int>("syncs");
    QTest::newRow("on disk: each of five pieces") << true << 5;
    QTest::newRow("in memory: none") << false << 0;
  }
  void pieces_syncedOnlyWhereFilesOutlastPowerCut() {
    QFETCH(bool, outlives);
    QFETCH(int, syncs);
    struct CountingDisk : JournalDisk {
      bool outlives = true;
      int files = 0, folders = 0;
      bool Outlives(int) override { return outlives; }
      int SyncFile(int) override { return ++files, 0; }
      int SyncFolder(const QString &) override { return ++folders, 0; }
    } disk;
    disk.outlives = outlives;
    QTemporaryDir dir, state;
    QByteArrayList paths;
    for (int k = 0; k < 10; ++k)
      paths << QFile::encodeName(dir.filePath(QStringLiteral("f%1").arg(k)));
    std::vector<PlannedMove> plan;
    for (qsizetype k = 0; k + 1 < paths.size(); k += 2)
      plan.emplace_back(paths[k], paths[k + 1]);
    RunJournal journal(&disk);
    journal.SetPieces(1, 1);
    QVERIFY(journal.Open(state.path()).isEmpty());
    journal.Planned(plan);
    for (qsizetype k = 0; k < qsizetype(plan.size()); ++k)
      journal.Trying(k); // returns once the move's piece is written
    journal.Finished();
    QCOMPARE(disk.files, syncs);
    QCOMPARE(disk.folders, outlives ? 1 : 0);
  }

  // A run killed before or after any one call that changes the disk, then recovered (itself killed
  // at any one of its calls and recovered again where the row says so): every file is back under
  // its old name with its bytes, nothing else is left in the folder, and the report counts the
  // files that were not under their old names.
  void killedAnywhere_everyFileIsBack_data() {
    QTest::addColumn<bool>("refuseNoReplace"); // the placeholders of a file system such as exFAT
    QTest::addColumn<int>("runFailsAt");       // a call of the run that fails with EIO, -1 for none
    QTest::addColumn<bool>("killRecovery");    // the first recovery is killed at each of its calls
    QTest::addColumn<bool>("powerCut");        // the journal keeps only what was synced
    QTest::newRow("killed, recovered") << false << -1 << false << false;
    QTest::newRow("killed, recovery killed, recovered again") << false << -1 << true << false;
    QTest::newRow("no RENAME_NOREPLACE: killed, recovered") << true << -1 << false << false;
    QTest::newRow("no RENAME_NOREPLACE: recovery killed too") << true << -1 << true << false;
    // The run makes the three moves outside cycles first (calls 0 to 2), then the rotation (3 to 6)
    // and the swap (7 to 9).
    QTest::newRow("a move of the rotation fails, then killed") << false << 5 << false << false;
    QTest::newRow("a move of the swap fails, recovery killed") << false << 8 << true << false;
    QTest::newRow("power cut") << false << -1 << false << true;
  }
  void killedAnywhere_everyFileIsBack() {
    QFETCH(bool, refuseNoReplace);
    QFETCH(int, runFailsAt);
    QFETCH(bool, killRecovery);
    QFETCH(bool, powerCut);
    // A rotation of three names, a swap, a move, a chain (h frees its name for g) and a file kept.
    const QByteArrayList names{"a", "b", "c", "d", "e", "f", "g", "h", "j"};
    const QStringList lines{"b.", "c.", "a.", "e.", "d.", "x_f.", "h.", "i.", "j."};
    int cases = 0;
    for (qsizetype stop = 0;; ++stop) {
      bool ranThrough = true;
      for (const bool after : {false, true}) {
        DiskRun disk(names, lines);
        FaultyCalls run;
        run.refuseNoReplace = refuseNoReplace;
        run.failAt = runFailsAt;
        run.stopAt = stop;
        run.stopAfter = after;
        if (!disk.Run(run))
          continue;
        ranThrough = false;
        if (powerCut)
          run.CutPower(disk.State());
        const qsizetype displaced = disk.Displaced();
        for (qsizetype recoveryStop = killRecovery ? 0 : -1;; ++recoveryStop) {
          DiskRun *again = &disk;
          std::unique_ptr<DiskRun> copy;
          if (recoveryStop >= 0 && recoveryStop > 0) {
            // Each kill point of the recovery starts from the same killed run.
            copy = std::make_unique<DiskRun>(names, lines);
            FaultyCalls rerun = run;
            rerun.made = 0;
            rerun.synced.clear();
            QVERIFY(copy->Run(rerun));
            if (powerCut)
              rerun.CutPower(copy->State());
            again = copy.get();
          }
          FaultyCalls first;
          first.refuseNoReplace = refuseNoReplace;
          first.stopAt = recoveryStop;
          first.stopAfter = after;
          RecoveryReport report;
          const bool finished = again->Recover(first, report);
          if (!finished) {
            FaultyCalls second;
            second.refuseNoReplace = refuseNoReplace;
            QVERIFY(again->Recover(second, report));
          }
          const QString where = QStringLiteral("killed %1 call %2 of the run, recovery killed at %3")
                                    .arg(after ? "after" : "before")
                                    .arg(stop)
                                    .arg(finished ? -1 : recoveryStop);
          QVERIFY2(again->Wrong().isEmpty(), qPrintable(where + ": " + again->Wrong()));
          QVERIFY2(report.Complete(), qPrintable(where + ": " + RecoveryReportText(report)));
          qsizetype restored = 0;
          for (const JournalRecovery &journal : report.journals)
            restored += journal.restored.size();
          QVERIFY2(restored == displaced, qPrintable(where + ": " + RecoveryReportText(report)));
          QVERIFY(InterruptedJournals(again->State()).isEmpty());
          ++cases;
          if (finished)
            break;
        }
      }
      if (ranThrough)
        break;
    }
    QVERIFY2(cases >= 10, qPrintable(QString::number(cases)));
  }

  // A journal that cannot be trusted whole moves nothing and is kept, with what it could not decide;
  // files that are not the ones the run moved are left alone; one bad journal does not stop another.
  void untrustworthyJournal_movesNothingWrong_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("error");        // part of the report, empty for a journal recovered
    QTest::addColumn<QByteArrayList>("after"); // names on disk afterwards
    QTest::addColumn<bool>("kept");
    const QByteArrayList moved{"a", "b", "c", "x_d", "x_e"}; // every move made
    QTest::newRow("a digit changed") << "digit"
                                     << "is damaged at line" << moved << true;
    QTest::newRow("plan cut short") << "cut"
                                    << "of the 6 moves of its plan" << moved << true;
    QTest::newRow("garbage beside it")
        << "garbage"
        << "is not a journal of this program" << QByteArrayList{"a", "b", "c", "d", "e"} << false;
    QTest::newRow("an earlier version's journal") << "old"
                                                  << "earlier version" << moved << true;
    QTest::newRow("new files under the new names") << "replaced"
                                                   << "" << moved << false;
    QTest::newRow("another recovery holds the lock") << "locked"
                                                     << "Another recovery" << moved << true;
  }
  void untrustworthyJournal_movesNothingWrong() {
    QFETCH(QString, change);
    QFETCH(QString, error);
    QFETCH(QByteArrayList, after);
    QFETCH(bool, kept);
    DiskRun disk({"a", "b", "c", "d", "e"}, {"b.", "c.", "a.", "x_d.", "x_e."});
    FaultyCalls run;
    run.stopAt = 5; // the moves of d and e, then the rotation's four, all made
    run.stopAfter = true;
    QVERIFY(disk.Run(run));
    const QString journal = InterruptedJournals(disk.State()).value(0);
    QFile file(journal);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const QByteArray folder = disk.Folder();
    if (change == "digit") {
      const qsizetype at = bytes.indexOf("N a ");
      bytes[bytes.indexOf(' ', at + 4) + 1] ^= 1; // the first digit of a's device number
    } else if (change == "cut") {
      bytes.truncate(bytes.indexOf("N c "));
    } else if (change == "old") {
      bytes.replace("journal 2", "journal 1");
    }
    file.resize(0);
    file.write(bytes);
    file.close();
    if (change == "garbage") {
      Make(QFile::encodeName(disk.State()) + "/run-1-1.journal", "not a journal\n");
    } else if (change == "replaced") {
      for (const QByteArray &name : after) {
        QVERIFY(::unlink((folder + name).constData()) == 0);
        Make(folder + name, "new " + name);
      }
    }
    int lock = -1;
    if (change == "locked") {
      lock = ::open(QFile::encodeName(disk.State()).constData(), O_RDONLY | O_DIRECTORY);
      QVERIFY(::flock(lock, LOCK_EX) == 0);
    }
    const RecoveryReport report = RecoverInterruptedRuns(disk.State());
    if (lock >= 0)
      ::close(lock);
    const QString text = RecoveryReportText(report);
    if (error.isEmpty())
      QVERIFY2(report.Complete(), qPrintable(text));
    else
      QVERIFY2(text.contains(error) && !report.Complete(), qPrintable(text));
    QByteArrayList onDisk;
    for (const QByteArray &name : QByteArrayList{"a", "b", "c", "d", "e", "x_d", "x_e"}) // sorted
      if (ContentOf(folder + name) != "<missing>")
        onDisk << name;
    QCOMPARE(onDisk, after);
    QCOMPARE(QFile::exists(journal), kept);
    if (change == "digit")
      QVERIFY2(text.contains(QStringLiteral("/d\n")) || text.endsWith(QStringLiteral("/d")),
               qPrintable(text));
    if (change == "replaced")
      QVERIFY2(text.contains(QStringLiteral("0 files got")) && text.contains(QStringLiteral("under none")),
               qPrintable(text));
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
      control.calls = &journal.Calls();
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
    qsizetype displaced = 0;
    for (int i = 0; i < count; ++i)
      displaced += ContentOf(folder + "f" + QByteArray::number(i)) == "f" + QByteArray::number(i) ? 0 : 1;
    const JournalRecovery recovery = RecoverJournal(journals.first());
    QVERIFY(recovery.error.isEmpty());
    QVERIFY(recovery.failed.isEmpty());
    QVERIFY(recovery.missing.isEmpty());
    QVERIFY(displaced >= count / 4);
    QCOMPARE(recovery.restored.size(), displaced);
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
