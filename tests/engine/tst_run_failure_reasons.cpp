// A failed rename says which name the file should have had and why, and an undo counts the files
// it gave their old names back.
#include "engine/rename_run.h"
#include "engine/undo.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

#include <cerrno>
#include <cstring>

namespace {

// A folder whose entries may not be renamed, as one without write permission answers.
class ReadOnlyFolder : public FileSystemCalls {
public:
  int RenameNoReplace(const char *, const char *) override { return EACCES; }
  int Rename(const char *, const char *) override { return EACCES; }
  int Link(const char *, const char *) override { return EACCES; }
};

} // namespace

class TestRunFailureReasons : public QObject {
  Q_OBJECT
private slots:
  void failure_holdsTheNewNameAndTheSystemsReason_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("error");
    QTest::newRow("read-only folder") << QStringLiteral("b.txt") << true << EACCES;
    QTest::newRow("name over 255 bytes")
        << QString(300, u'n') + QStringLiteral(".txt") << false << ENAMETOOLONG;
    QTest::newRow("name held by a file outside the run") << QStringLiteral("kept.txt") << false << EEXIST;
  }
  void failure_holdsTheNewNameAndTheSystemsReason() {
    QFETCH(QString, line);
    QFETCH(bool, readOnly);
    QFETCH(int, error);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "kept.txt", "kept");
    Make(folder + "ok.txt", "ok");
    Make(folder + "a.txt", "a");
    const std::vector<FileListEntry> entries{Entry(folder, "ok.txt"), Entry(folder, "a.txt")};
    ReadOnlyFolder readOnlyCalls;
    FileSystemCalls &calls = readOnly ? readOnlyCalls : SystemFileSystemCalls();
    const RenameRunResult run = RenameAllEntries(RenameOptions(), entries, {"ok.txt", line}, calls);
    QCOMPARE(run.errors.lidItems, QStringList{"1"});
    QCOMPARE(run.errors.newNames, QStringList{line});
    QCOMPARE(run.errors.reasons, QStringList{QString::fromLocal8Bit(std::strerror(error))});
    QCOMPARE(run.renamed, 0);
    QCOMPARE(ContentOf(folder + "a.txt"), QByteArray("a"));
  }

  void undo_countsEachFilePutBackOnce_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("putBack");
    QTest::newRow("two renamed, one kept its name") << QStringList{"x.", "b.", "y."} << 2;
    QTest::newRow("a swap through a temporary name") << QStringList{"b.", "a.", "c."} << 2;
  }
  void undo_countsEachFilePutBackOnce() {
    QFETCH(QStringList, lines);
    QFETCH(int, putBack);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const char *name : {"a", "b", "c"}) {
      Make(folder + name, name);
      entries.push_back(Entry(folder, name));
    }
    const RenameRunResult run = RenameAllEntries(RenameOptions(), entries, lines);
    QVERIFY(run.errors.isEmpty());
    const RenameErrorRecord failures = UndoRenames(run.undo);
    QVERIFY(failures.isEmpty());
    QCOMPARE(NamesPutBack(run.undo, failures), qsizetype(putBack));
    QCOMPARE(ContentOf(folder + "a"), QByteArray("a"));
  }

  void undo_failureIsNotCounted_andSaysWhichNameItWanted() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "a", "a");
    Make(folder + "b", "b");
    const RenameRunResult run =
        RenameAllEntries(RenameOptions(), std::vector{Entry(folder, "a"), Entry(folder, "b")}, {"x.", "y."});
    QCOMPARE(run.renamed, 2);
    Make(folder + "a", "another a"); // takes the old name back before the undo
    const RenameErrorRecord failures = UndoRenames(run.undo);
    QCOMPARE(failures.newNames, QStringList{"a"});
    QCOMPARE(NamesPutBack(run.undo, failures), qsizetype(1));
  }
};

QTEST_GUILESS_MAIN(TestRunFailureReasons)
#include "tst_run_failure_reasons.moc"
