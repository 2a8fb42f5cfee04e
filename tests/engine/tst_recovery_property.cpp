// Random plans killed at random calls, then recovered (the recovery itself sometimes killed and run
// again): every file ends under its old name with its bytes, nothing else is left, and the report
// counts the files that were not under their old names.
#include "support_faulty_calls.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

int KillCount() {
  bool ok = false;
  const int count = qEnvironmentVariableIntValue("ZELVO_RECOVERY_KILLS", &ok);
  return ok && count > 0 ? count : 2000;
}

// Names for files, new names that are no file's, and lines giving file i a name: those of a random
// part of the files are shuffled among themselves (swaps, rotations, names kept), the others keep
// their names, take a new one, or take the name a file that moves to a new one frees.
void RandomPlan(QRandomGenerator &random, QByteArrayList &names, QStringList &lines) {
  const int count = 2 + int(random.bounded(9));
  names.clear();
  lines.clear();
  for (int i = 0; i < count; ++i)
    names << "f" + QByteArray::number(i);
  std::vector<int> shuffled, target(size_t(count), -1);
  for (int i = 0; i < count; ++i)
    if (random.bounded(2) == 0)
      shuffled.push_back(i);
  std::vector<int> order = shuffled;
  std::shuffle(order.begin(), order.end(), random);
  for (size_t k = 0; k < shuffled.size(); ++k)
    target[size_t(shuffled[k])] = order[k];
  QByteArrayList newNames(count);
  std::vector<bool> freed(size_t(count), false);
  for (int i = 0; i < count; ++i)
    if (target[size_t(i)] < 0 && random.bounded(2) == 0) {
      newNames[i] = "n" + QByteArray::number(i);
      freed[size_t(i)] = true;
    }
  for (int i = 0; i < count; ++i) {
    if (target[size_t(i)] >= 0) {
      newNames[i] = names[target[size_t(i)]];
    } else if (newNames[i].isEmpty()) {
      newNames[i] = names[i];
      for (int j = 0; j < count; ++j)
        if (freed[size_t(j)] && random.bounded(3) == 0) {
          freed[size_t(j)] = false; // i takes j's name, once j has moved
          newNames[i] = names[j];
          break;
        }
    }
  }
  for (const QByteArray &name : newNames)
    lines << QString::fromUtf8(name) + '.';
}

} // namespace

class TestRecoveryProperty : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void randomKills_everyFileBackAndReported() {
    const int kills = KillCount();
    QRandomGenerator random(qEnvironmentVariableIntValue("ZELVO_PROPERTY_SEED") + 24);
    int killed = 0, plans = 0, files = 0, wrong = 0, leftovers = 0, misreports = 0, recoveriesKilled = 0;
    while (killed < kills) {
      QByteArrayList names;
      QStringList lines;
      RandomPlan(random, names, lines);
      ++plans;
      const bool refuseNoReplace = random.bounded(3) == 0;
      const bool powerCut = !refuseNoReplace && random.bounded(6) == 0;
      DiskRun disk(names, lines);
      if (random.bounded(2) == 0) { // the plan goes to disk in pieces as the run moves files
        disk.firstPiece = 1 + random.bounded(3);
        disk.largestPiece = disk.firstPiece * 2;
      }
      FaultyCalls run;
      run.refuseNoReplace = refuseNoReplace;
      run.stopAt = random.bounded(3 * names.size());
      run.stopAfter = random.bounded(2) == 0;
      run.failAt = random.bounded(4) == 0 ? random.bounded(3 * names.size()) : -1;
      if (!disk.Run(run))
        continue; // ran to its end before the call chosen
      ++killed;
      files += int(names.size());
      if (powerCut)
        run.CutPower(disk.State());
      const qsizetype displaced = disk.Displaced();
      FaultyCalls first;
      first.refuseNoReplace = refuseNoReplace;
      if (random.bounded(3) == 0) {
        first.stopAt = random.bounded(2 * names.size());
        first.stopAfter = random.bounded(2) == 0;
      }
      RecoveryReport report;
      if (!disk.Recover(first, report)) {
        ++recoveriesKilled;
        FaultyCalls second;
        second.refuseNoReplace = refuseNoReplace;
        QVERIFY(disk.Recover(second, report));
      }
      const QString what = disk.Wrong();
      if (!what.isEmpty()) {
        what.contains(QLatin1String("folder holds")) ? ++leftovers : ++wrong;
        qWarning() << "plan" << plans << lines << "run killed at" << run.stopAt << run.stopAfter
                   << "failed at" << run.failAt << "no-replace refused" << refuseNoReplace << "power cut"
                   << powerCut << "recovery killed at" << first.stopAt << "pieces" << disk.firstPiece << ":"
                   << what;
      }
      qsizetype restored = 0;
      for (const JournalRecovery &journal : report.journals)
        restored += journal.restored.size();
      if (!report.Complete() || restored != displaced) {
        ++misreports;
        qWarning() << "plan" << plans << lines << "displaced" << displaced
                   << "report:" << RecoveryReportText(report);
      }
      if (wrong + leftovers + misreports > 0)
        break;
    }
    qInfo("%d plans, %d killed runs of %d files, %d recoveries killed; %d files wrong, %d folders with "
          "leftovers, %d misreports",
          plans, killed, files, recoveriesKilled, wrong, leftovers, misreports);
    QCOMPARE(wrong, 0);
    QCOMPARE(leftovers, 0);
    QCOMPARE(misreports, 0);
  }
};

QTEST_GUILESS_MAIN(TestRecoveryProperty)
#include "tst_recovery_property.moc"
