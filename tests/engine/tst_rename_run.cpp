#include "engine/rename_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

#include <cstdio>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

QByteArray Read(const QByteArray &path) {
  FILE *f = std::fopen(path.constData(), "rb");
  if (!f)
    return "<missing>";
  QByteArray content;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
    content.append(buffer, qsizetype(n));
  std::fclose(f);
  return content;
}

// Every name in the folder with its content ("name=content", folders as "name/"), sorted.
QStringList Listing(const QByteArray &folder) {
  QStringList out;
  const QDir dir(QFile::decodeName(folder));
  for (const QFileInfo &info :
       dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
    out << (info.isDir()
                ? info.fileName() + '/'
                : info.fileName() + '=' + QString::fromUtf8(Read(QFile::encodeName(info.filePath()))));
  return out;
}

} // namespace

class TestRenameRun : public QObject {
  Q_OBJECT
private slots:
  void run_renamesAndRecords_data() {
    QTest::addColumn<QStringList>("files"); // made with their own name as content; "x/" makes a folder
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("failedIndexes");
    QTest::addColumn<int>("recorded");

    QTest::newRow("plain renames") << QStringList{"a.txt", "b.txt"} << QStringList{"x_a.txt", "x_b.txt"}
                                   << QStringList{"x_a.txt=a.txt", "x_b.txt=b.txt"} << QStringList{} << 2;
    QTest::newRow("two entries onto one name: the second fails")
        << QStringList{"a.txt", "b.txt"} << QStringList{"c.txt", "c.txt"}
        << QStringList{"b.txt=b.txt", "c.txt=a.txt"} << QStringList{"1"} << 1;
    QTest::newRow("name of the next entry: freed first")
        << QStringList{"a.txt", "b.txt"} << QStringList{"b.txt", "c.txt"}
        << QStringList{"b.txt=a.txt", "c.txt=b.txt"} << QStringList{} << 2;
    QTest::newRow("renumbering shifts every name up")
        << QStringList{"f1", "f2", "f3", "f4"} << QStringList{"f2.", "f3.", "f4.", "f5."}
        << QStringList{"f2=f1", "f3=f2", "f4=f3", "f5=f4"} << QStringList{} << 4;
    QTest::newRow("swap goes through a temporary name") << QStringList{"a", "b"} << QStringList{"b.", "a."}
                                                        << QStringList{"a=b", "b=a"} << QStringList{} << 3;
    QTest::newRow("three names in a cycle, beside a free one")
        << QStringList{"a", "b", "c", "d"} << QStringList{"b.", "c.", "a.", "e."}
        << QStringList{"a=c", "b=a", "c=b", "e=d"} << QStringList{} << 5;
    QTest::newRow("cycle and a second entry wanting a name of it: the first one wins")
        << QStringList{"a", "b", "c"} << QStringList{"b.", "a.", "b."} << QStringList{"a=b", "b=a", "c=c"}
        << QStringList{"2"} << 3;
    QTest::newRow("chain onto a name no entry frees fails along the chain")
        << QStringList{"a", "b", "c", "d"} << QStringList{"b.", "c.", "d.", "d."}
        << QStringList{"a=a", "b=b", "c=c", "d=d"} << QStringList{"0", "1", "2"} << 1;
    QTest::newRow("slash never moves a file into a folder")
        << QStringList{"a.txt", "sub/"} << QStringList{"sub/a.txt", "sub."}
        << QStringList{"a.txt=a.txt", "sub/"} << QStringList{"0"} << 1;
    QTest::newRow("empty, dot and dot-dot are refused")
        << QStringList{"a", "b", "c"} << QStringList{".", "..", "...."} << QStringList{"...=c", "a=a", "b=b"}
        << QStringList{"0", "1"} << 1;
    QTest::newRow("unchanged lines touch nothing")
        << QStringList{"README", ".profile", "name.", "song.mp3"}
        << QStringList{"README.", ".profile.", "name.", "song.mp3"}
        << QStringList{".profile=.profile", "README=README", "name.=name.", "song.mp3=song.mp3"}
        << QStringList{} << 4;
    QTest::newRow("empty extension part drops the final dot")
        << QStringList{"README", "a.txt"} << QStringList{"READ_ME.", "b."}
        << QStringList{"READ_ME=README", "b=a.txt"} << QStringList{} << 2;
    QTest::newRow("control characters are refused like a slash")
        << QStringList{"a", "b", "c"} << QStringList{"x\ny.", QString("t\tab."), QString("d\x7f.")}
        << QStringList{"a=a", "b=b", "c=c"} << QStringList{"0", "1", "2"} << 0;
    QTest::newRow("a name that really ends with a dot keeps it")
        << QStringList{"readme.", "notes"} << QStringList{"README.", "NOTES."}
        << QStringList{"NOTES=notes", "README.=readme."} << QStringList{} << 2;
    QTest::newRow("missing preview lines are failures")
        << QStringList{"a", "b"} << QStringList{"c."} << QStringList{"b=b", "c=a"} << QStringList{"1"} << 1;
  }
  void run_renamesAndRecords() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, after);
    QFETCH(QStringList, failedIndexes);
    QFETCH(int, recorded);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const QString &file : files) {
      if (file.endsWith('/'))
        QVERIFY(QDir(dir.path()).mkdir(file));
      else
        Make(folder + file.toUtf8(), file.toUtf8());
      entries.push_back(Entry(folder, file.toUtf8().chopped(file.endsWith('/') ? 1 : 0)));
    }
    RenameOptions options;
    options.cWorkWithFolders = true;
    const RenameRunResult result = RenameAllEntries(options, entries, lines);
    QCOMPARE(Listing(folder), after);
    QCOMPARE(result.errors.lidItems, failedIndexes);
    QCOMPARE(result.errors.reasons.size(), failedIndexes.size());
    QCOMPARE(result.undo.size(), recorded);
    for (qsizetype i = 0; i < result.errors.size(); ++i)
      QCOMPARE(result.errors.lFileNames[i], entries[result.errors.lidItems[i].toInt()].SubItem(SubFullPath));
  }

  void cycleStepFails_everyEntryIsPutBackAndNoTemporaryNameStays_data() {
    QTest::addColumn<int>("failingCall"); // the rename call that fails, counted from 0
    QTest::newRow("to the temporary name") << 0;
    QTest::newRow("the second entry") << 2;
    QTest::newRow("from the temporary name") << 3;
  }
  void cycleStepFails_everyEntryIsPutBackAndNoTemporaryNameStays() {
    QFETCH(int, failingCall);
    class FailsOnce : public FileSystemCalls {
    public:
      int failing = 0, calls = 0;
      int RenameNoReplace(const char *from, const char *to) override {
        return calls++ == failing ? EIO : FileSystemCalls::RenameNoReplace(from, to);
      }
    } fs;
    fs.failing = failingCall;
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const char *name : {"a", "b", "c"}) {
      Make(folder + name, name);
      entries.push_back(Entry(folder, name));
    }
    const RenameRunResult result = RenameAllEntries(RenameOptions(), entries, {"b.", "c.", "a."}, fs);
    QCOMPARE(Listing(folder), (QStringList{"a=a", "b=b", "c=c"}));
    QCOMPARE(result.errors.lidItems, (QStringList{"0", "1", "2"}));
    QVERIFY(result.errors.reasons.join('\n').contains(strerror(EIO)));
    QCOMPARE(result.undo.size(), 0);
    QCOMPARE(result.renamed, 0);
  }

  void stopRequested_endsBetweenTwoFilesAndLeavesTheRest() {
    class StopsAfterFirst : public RenameRunObserver {
    public:
      std::atomic_bool stop{false};
      void Planned(std::vector<PlannedMove>) override {}
      void Trying(qsizetype step) override { stop = step >= 1; }
      void Finished() override {}
      void Abandoned() override {}
    } observer;
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const char *name : {"a", "b", "c"}) {
      Make(folder + name, name);
      entries.push_back(Entry(folder, name));
    }
    RenameRunControl control;
    control.stop = &observer.stop;
    control.observer = &observer;
    const RenameRunResult result = RenameAllEntries(RenameOptions(), entries, {"x.", "y.", "z."}, control);
    QVERIFY(result.stopped);
    QCOMPARE(result.renamed, 2);
    QCOMPARE(result.notTaken, 1);
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(Listing(folder), (QStringList{"c=c", "x=a", "y=b"}));
  }

  void undoRecord_holdsFullPathsInListOrder() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "photo.jpg", "p");
    Make(folder + "keep.jpg", "k");
    const std::vector entries{Entry(folder, "keep.jpg"), Entry(folder, "photo.jpg")};
    const RenameRunResult result = RenameAllEntries(RenameOptions(), entries, {"keep.jpg", "01.jpg"});
    const QString shown = QString::fromUtf8(folder);
    QCOMPARE(result.undo.lOld, (QByteArrayList{folder + "keep.jpg", folder + "photo.jpg"}));
    QCOMPARE(result.undo.lNew, (QByteArrayList{folder + "keep.jpg", folder + "01.jpg"}));
    // The record outlives the run and whatever memory the run made its paths in.
    for (const QByteArrayList *paths : {&result.undo.lOld, &result.undo.lNew})
      for (const QByteArray &path : *paths)
        QVERIFY(path.capacity() >= path.size());
  }

  void excludedFolder_isNeitherRenamedNorFailed() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    Make(folder + "a.txt", "a");
    const std::vector entries{Entry(folder, "sub"), Entry(folder, "a.txt")};
    RenameOptions options; // folders shown, not worked on
    const RenameRunResult result = RenameAllEntries(options, entries, {"<sub>", "b.txt"});
    QCOMPARE(Listing(folder), (QStringList{"b.txt=a", "sub/"}));
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(result.undo.size(), 1);
  }

  void filesGoneOrChangedMidRun_areFailuresAndTheRunGoesOn() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    for (const char *name : {"a", "b", "c", "d"})
      Make(folder + name, name);
    const std::vector entries{Entry(folder, "a"), Entry(folder, "b"), Entry(folder, "c"), Entry(folder, "d")};
    QVERIFY(QFile::remove(dir.filePath("b")));
    QVERIFY(QFile::remove(dir.filePath("c")));
    QVERIFY(QDir(dir.path()).mkdir("c")); // a folder now stands where the file was
    const RenameRunResult result = RenameAllEntries(RenameOptions(), entries, {"a1.", "b1.", "c1.", "d1."});
    QCOMPARE(result.errors.lidItems, (QStringList{"1", "2"}));
    QCOMPARE(Listing(folder), (QStringList{"a1=a", "c/", "d1=d"}));
  }

  // The kind check after the moves reads the folder once instead of looking up every file.
  void kindCheck_oneReadOfTheFolderNoLookupPerFile() {
    struct Counting : FileSystemCalls {
      int lookups = 0, reads = 0;
      int Stat(const char *path, struct stat &st) override {
        return ++lookups, FileSystemCalls::Stat(path, st);
      }
      int LStat(const char *path, struct stat &st) override {
        return ++lookups, FileSystemCalls::LStat(path, st);
      }
      int ReadFolderTypes(const char *folder,
                          const std::function<void(QByteArrayView, unsigned char)> &found) override {
        return ++reads, FileSystemCalls::ReadFolderTypes(folder, found);
      }
    } calls;
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    for (const char *name : {"a", "b", "keep", "gone", "e"})
      Make(folder + name, name);
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    std::vector<FileListEntry> entries;
    for (const char *name : {"a", "b", "keep", "gone", "sub", "e"})
      entries.push_back(Entry(folder, name));
    QVERIFY(QFile::remove(dir.filePath("e")) && QDir(dir.path()).mkdir("e")); // a folder where a file was
    QVERIFY(QFile::remove(dir.filePath("gone")));
    RenameOptions options;
    options.cWorkWithFolders = true;
    RenameRunControl control;
    control.calls = &calls;
    const RenameRunResult result =
        RenameAllEntries(options, entries, {"a1.", "b1.", "keep.", "gone.", "sub2.", "e1."}, control);
    QCOMPARE(calls.reads, 1);
    QCOMPARE(calls.lookups, 0);
    QCOMPARE(result.errors.lidItems, (QStringList{"3", "5"}));
    QCOMPARE(result.undo.lNew,
             (QByteArrayList{folder + "a1", folder + "b1", folder + "keep", folder + "sub2"}));
    QCOMPARE(Listing(folder), (QStringList{"a1=a", "b1=b", "e/", "keep=keep", "sub2/"}));
  }

  void nameNotValidUtf8_isRenamedFromItsBytesAndKeptWhenUnchanged() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "caf\xe9.txt", "latin");
    Make(folder + "na\xefve.txt", "other");
    FileListEntry first = Entry(folder, "caf\xe9.txt"), second = Entry(folder, "na\xefve.txt");
    first.Caption = QStringLiteral("caf\uFFFD.txt"); // what a UTF-8 reading shows
    second.Caption = QStringLiteral("na\uFFFDve.txt");
    const std::vector entries{first, second};
    const RenameRunResult result = RenameAllEntries(RenameOptions(), entries, {"cafe.txt", second.Caption});
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(Read(folder + "cafe.txt"), QByteArray("latin"));
    QCOMPARE(Read(folder + "na\xefve.txt"), QByteArray("other"));
    QCOMPARE(result.undo.lOld, (QByteArrayList{folder + "caf\xe9.txt", folder + "na\xefve.txt"}));
    QCOMPARE(result.undo.lNew.at(1), folder + "na\xefve.txt");
    QCOMPARE(::unlink((folder + "na\xefve.txt").constData()), 0); // a name QDir cannot remove
  }

  void inPlaceRename_renamesOneEntryAndRefusesBadNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("new name") << "c.txt" << 0 << QStringList{"b.txt=b", "c.txt=a"};
    QTest::newRow("own name") << "a.txt" << 0 << QStringList{"a.txt=a", "b.txt=b"};
    QTest::newRow("taken") << "b.txt" << EEXIST << QStringList{"a.txt=a", "b.txt=b"};
    QTest::newRow("slash") << "../a.txt" << EINVAL << QStringList{"a.txt=a", "b.txt=b"};
    QTest::newRow("trailing dot kept as typed") << "a." << 0 << QStringList{"a.=a", "b.txt=b"};
  }
  void inPlaceRename_renamesOneEntryAndRefusesBadNames() {
    QFETCH(QString, text);
    QFETCH(int, error);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "a.txt", "a");
    Make(folder + "b.txt", "b");
    const RenameStatus status = RenameInPlace(Entry(folder, "a.txt"), text);
    QCOMPARE(status.error, error);
    QCOMPARE(Listing(folder), after);
  }
};

QTEST_GUILESS_MAIN(TestRenameRun)
#include "tst_rename_run.moc"
