#include "engine/undo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList Listing(const QString &folder) {
  QStringList out;
  for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
    QFile f(info.filePath());
    out << info.fileName() + '=' + (f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString());
  }
  return out;
}

} // namespace

class TestUndo : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> temporary;
  QByteArray folder;
  QString dirPath;

  RenameRunResult Run(const QList<QByteArray> &names, const QStringList &lines) {
    std::vector<FileListEntry> entries;
    for (const QByteArray &name : names)
      entries.push_back(Entry(folder, name));
    return RenameAllEntries(RenameOptions(), entries, lines);
  }

private slots:
  void init() {
    temporary = std::make_unique<QTemporaryDir>();
    dirPath = temporary->path();
    folder = QFile::encodeName(dirPath) + '/';
  }

  void chain_comesBackWhole() {
    Make(folder + "a", "A");
    Make(folder + "b", "B");
    const RenameRunResult run = Run({"b", "a"}, {"c.", "b."}); // b to c, then a to b
    QVERIFY(run.errors.isEmpty());
    QCOMPARE(Listing(dirPath), (QStringList{"b=A", "c=B"}));
    const RenameErrorRecord failures = UndoRenames(run.undo);
    QVERIFY(failures.isEmpty());
    QCOMPARE(Listing(dirPath), (QStringList{"a=A", "b=B"}));
  }

  void chainsSwapsAndCycles_comeBackWhole_data() {
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("numbers shifted up") << QList<QByteArray>{"1", "2", "3"} << QStringList{"2.", "3.", "4."};
    QTest::newRow("swap") << QList<QByteArray>{"1", "2"} << QStringList{"2.", "1."};
    QTest::newRow("cycle of three and a chain")
        << QList<QByteArray>{"1", "2", "3", "4"} << QStringList{"2.", "3.", "1.", "3."};
  }
  void chainsSwapsAndCycles_comeBackWhole() {
    QFETCH(QList<QByteArray>, names);
    QFETCH(QStringList, lines);
    for (const QByteArray &name : names)
      Make(folder + name, name);
    const QStringList before = Listing(dirPath);
    const RenameRunResult run = Run(names, lines);
    QVERIFY(run.renamed > 0);
    QVERIFY(Listing(dirPath) != before);
    QVERIFY(UndoRenames(run.undo).isEmpty());
    QCOMPARE(Listing(dirPath), before);
  }

  void collisionRun_undoRestoresOnlyTheRenamedOne() {
    Make(folder + "a", "A");
    Make(folder + "b", "B");
    const RenameRunResult run = Run({"a", "b"}, {"c.", "c."});
    QCOMPARE(run.errors.lidItems, QStringList{"1"});
    QVERIFY(UndoRenames(run.undo).isEmpty());
    QCOMPARE(Listing(dirPath), (QStringList{"a=A", "b=B"}));
  }

  void oldNameTakenOrFileGone_isReportedAndNothingIsReplaced() {
    for (const char *name : {"a", "b", "c"})
      Make(folder + name, name);
    const RenameRunResult run = Run({"a", "b", "c"}, {"a1.", "b1.", "c1."});
    QCOMPARE(run.undo.size(), 3);
    Make(folder + "a", "newcomer");          // the old name is taken again
    QVERIFY(QFile::remove(dirPath + "/c1")); // the renamed file is gone
    const RenameErrorRecord failures = UndoRenames(run.undo);
    QCOMPARE(failures.lidItems, (QStringList{"0", "2"}));
    QCOMPARE(failures.lFileNames, (QStringList{DecodeName(run.undo.lNew[0]), DecodeName(run.undo.lNew[2])}));
    QCOMPARE(failures.reasons.size(), 2);
    QCOMPARE(Listing(dirPath), (QStringList{"a=newcomer", "a1=a", "b=b"}));
  }

  void unchangedEntries_undoWithoutFailure() {
    Make(folder + "a", "A");
    Make(folder + "caf\xe9", "L");
    const RenameRunResult run = Run({"a", "caf\xe9"}, {"a", "cafe."});
    QVERIFY(run.errors.isEmpty());
    QVERIFY(UndoRenames(run.undo).isEmpty());
    struct stat st;
    QCOMPARE(::lstat((folder + "caf\xe9").constData(), &st), 0);
    QCOMPARE(::lstat((folder + "a").constData(), &st), 0);
    QCOMPARE(::unlink((folder + "caf\xe9").constData()), 0); // a name QDir cannot remove
  }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
