#include "engine/rename_conflicts.h"
#include "platform/name_codec.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support_disk_files.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The ways a check may learn which names a folder holds: looked up name by name, read whole for
// many new names, read whole for a few because the caller keeps the names for later checks, and
// handed on by the listing that read the folders (which are then not read again).
struct Way {
  const char *name;
  int padding;        // extra entries of the run, each with a free new name
  qsizetype readFrom; // new names from which a folder is read whole
  bool listed = false;
};
const Way kWays[] = {{"name by name", 0, 64},
                     {"many names", 80, 64},
                     {"kept names", 0, 1},
                     {"many parts", 600, 1},
                     {"listed, few names", 0, 64, true},
                     {"listed", 80, 1, true}};

// One letter per line: . ok, S same, T taken, N not allowed, U unchanged, X excluded.
QString Letters(const ConflictReport &report, qsizetype lines) {
  QString letters;
  for (qsizetype i = 0; i < lines; ++i)
    letters += QString(".STNNUX").at(int(report.lines[i]));
  return letters;
}

// Counts the reads of whole folders; may answer to names in any letter case, as FAT does.
class CountingCalls : public FileSystemCalls {
public:
  int reads = 0;
  bool ignoreCase = false;

  int ReadFolderTypes(const char *folder,
                      const std::function<void(QByteArrayView name, unsigned char type)> &found) override {
    ++reads;
    return FileSystemCalls::ReadFolderTypes(folder, found);
  }
  int LStat(const char *path, struct stat &st) override {
    const int error = FileSystemCalls::LStat(path, st);
    if (error == 0 || !ignoreCase)
      return error;
    const QFileInfo asked(QFile::decodeName(path));
    for (const QString &name : asked.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      if (name.compare(asked.fileName(), Qt::CaseInsensitive) == 0)
        return FileSystemCalls::LStat(QFile::encodeName(asked.dir().filePath(name)).constData(), st);
    return error;
  }
};

} // namespace

class TestRenameConflicts : public QObject {
  Q_OBJECT
private slots:
  void eachLine_saysWhetherAndWhyItWouldFail_data() {
    QTest::addColumn<QStringList>("files"); // "name" in the run, "-name" held outside it, "name/" a folder,
                                            // "sub/name" in a subfolder
    QTest::addColumn<QStringList>("lines"); // one per file of the run
    QTest::addColumn<QString>("expected");  // one letter per line (see Letters)
    QTest::newRow("free names") << QStringList{"a", "b"} << QStringList{"x.", "y."} << "..";
    QTest::newRow("same target: the later line") << QStringList{"a", "b"} << QStringList{"x.", "x."} << ".S";
    QTest::newRow("held outside the run") << QStringList{"a", "-x"} << QStringList{"x."} << "T";
    QTest::newRow("held by an entry that stays") << QStringList{"a", "b"} << QStringList{"b.", "b."} << "TU";
    QTest::newRow("chain and swap succeed")
        << QStringList{"a", "b", "c", "d"} << QStringList{"b.", "c.", "e.", "d."} << "...U";
    QTest::newRow("swap") << QStringList{"a", "b"} << QStringList{"b.", "a."} << "..";
    QTest::newRow("chain behind a taken name fails along")
        << QStringList{"a", "b", "-c"} << QStringList{"b.", "c."} << "TT";
    QTest::newRow("chain behind a losing line fails")
        << QStringList{"a", "b", "c"} << QStringList{"c.", "x.", "x."} << "T.S";
    QTest::newRow("not allowed") << QStringList{"a", "b"} << QStringList{"x/y.", "l\nf."} << "NN";
    QTest::newRow("excluded folder") << QStringList{"sub/", "a"} << QStringList{"<sub>", "sub."} << "XT";
    QTest::newRow("letter case counts") << QStringList{"a", "-B"} << QStringList{"b."} << ".";
    QTest::newRow("names beyond ASCII") << QStringList{"a", "b", "-é"} << QStringList{"é.", "ü."} << "T.";
    QTest::newRow("same name in two folders")
        << QStringList{"-x/", "-y/", "x/a", "y/b"} << QStringList{"c.", "c."} << "..";
    QTest::newRow("taken in one folder only")
        << QStringList{"-x/", "-y/", "x/a", "y/b", "-x/c"} << QStringList{"c.", "c."} << "T.";
    QTest::newRow("a move in another folder frees nothing here")
        << QStringList{"-x/", "-y/", "x/a", "y/c", "-x/c"} << QStringList{"c.", "d."} << "T.";
  }
  void eachLine_saysWhetherAndWhyItWouldFail() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    for (const Way &way : kWays) {
      QTemporaryDir dir;
      const QByteArray folder = QFile::encodeName(dir.path()) + '/';
      std::vector<FileListEntry> entries;
      QStringList allLines = lines;
      for (const QString &file : files) {
        const QByteArray name = file.toUtf8().mid(file.startsWith('-') ? 1 : 0);
        if (name.endsWith('/'))
          QVERIFY(QDir(dir.path()).mkdir(name));
        else
          Make(folder + name, name);
        if (file.startsWith('-'))
          continue;
        const QByteArray path = name.endsWith('/') ? name.chopped(1) : name;
        const qsizetype slash = path.lastIndexOf('/');
        entries.push_back(Entry(folder + path.left(slash + 1), path.mid(slash + 1)));
      }
      for (int i = 0; i < way.padding; ++i) {
        Make(folder + "p" + QByteArray::number(i), "p");
        entries.push_back(Entry(folder, "p" + QByteArray::number(i)));
        allLines << QStringLiteral("q%1.").arg(i);
      }
      RenameOptions options;
      options.cViewFolders = true;
      const qsizetype failing = expected.count('S') + expected.count('T') + expected.count('N');
      FolderNameCache names(way.readFrom);
      if (way.listed)
        names.Offer(ListedSnapshots({folder, folder + "x/", folder + "y/", folder + "sub/"}));
      CountingCalls calls;
      const ConflictReport report = CheckConflicts(options, entries, allLines, names, calls);
      QVERIFY2(Letters(report, lines.size()) == expected, way.name);
      QCOMPARE(report.failing, failing);
      if (way.listed)
        QCOMPARE(calls.reads, 0);
    }
  }

  void nameNotValidUtf8_isTakenByTheSameBytesOnly() {
    for (const Way &way : kWays) {
      QTemporaryDir dir;
      const QByteArray folder = QFile::encodeName(dir.path()) + '/';
      Make(folder + "a", "a");
      Make(folder + "b", "b");
      Make(folder + "caf\xE9", "outside");
      const std::vector<FileListEntry> entries{Entry(folder, "a"), Entry(folder, "b")};
      const QStringList lines{DecodeName("caf\xE9") + '.', DecodeName("caf\xE8") + '.'};
      FolderNameCache names(way.readFrom);
      QVERIFY2(Letters(CheckConflicts(RenameOptions(), entries, lines, names), 2) == "T.", way.name);
    }
  }

  void keptNames_areReadAgainOnceTheFolderChanges() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    QStringList lines;
    for (int i = 0; i < 100; ++i) {
      Make(folder + "p" + QByteArray::number(i), "p");
      entries.push_back(Entry(folder, "p" + QByteArray::number(i)));
      lines << QStringLiteral("q%1.").arg(i);
    }
    // A folder last changed an hour ago.
    const timespec anHourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, folder.constData(), anHourAgo, 0), 0);
    CountingCalls calls;
    FolderNameCache names;
    QCOMPARE(CheckConflicts(RenameOptions(), entries, lines, names, calls).failing, 0);
    QCOMPARE(CheckConflicts(RenameOptions(), entries, lines, names, calls).failing, 0);
    QCOMPARE(calls.reads, 1);
    Make(folder + "q5", "outside");
    const ConflictReport report = CheckConflicts(RenameOptions(), entries, lines, names, calls);
    QCOMPARE(calls.reads, 2);
    QCOMPARE(report.lines[5], LineConflict::NameTaken);
    QCOMPARE(report.failing, 1);
  }

  // The names the listing read stand for the folder while it stays unchanged; names read moments
  // after a change serve one check, since a change within the same tick would not show.
  void listedNames_standForTheFolderUntilItChanges_data() {
    QTest::addColumn<bool>("settled");   // the folder was last changed an hour before it was listed
    QTest::addColumn<bool>("fileAdded"); // a file takes a new name after the listing
    QTest::addColumn<int>("checks");
    QTest::addColumn<int>("reads"); // of the whole folder, by the checks
    QTest::newRow("settled") << true << false << 3 << 0;
    QTest::newRow("changed moments before") << false << false << 3 << 2;
    QTest::newRow("changed after the listing") << true << true << 1 << 1;
  }
  void listedNames_standForTheFolderUntilItChanges() {
    QFETCH(bool, settled);
    QFETCH(bool, fileAdded);
    QFETCH(int, checks);
    QFETCH(int, reads);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    QStringList lines;
    for (int i = 0; i < 100; ++i) {
      Make(folder + "p" + QByteArray::number(i), "p");
      entries.push_back(Entry(folder, "p" + QByteArray::number(i)));
      lines << QStringLiteral("q%1.").arg(i);
    }
    const timespec anHourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    if (settled)
      QCOMPARE(::utimensat(AT_FDCWD, folder.constData(), anHourAgo, 0), 0);
    FolderNameCache names;
    names.Offer(ListedSnapshots({folder}));
    if (fileAdded)
      Make(folder + "q5", "outside");
    CountingCalls calls;
    ConflictReport report;
    for (int c = 0; c < checks; ++c)
      report = CheckConflicts(RenameOptions(), entries, lines, names, calls);
    QCOMPARE(calls.reads, reads);
    QCOMPARE(report.failing, fileAdded ? 1 : 0);
  }

  void folderThatIgnoresCase_looksNamesUpAsSuch() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    Make(folder + "a", "a");
    Make(folder + "b", "outside");
    Make(folder + "c", "c");
    const std::vector<FileListEntry> entries{Entry(folder, "a"), Entry(folder, "c")};
    const QStringList lines{"B.", "C."}; // a taken name in other letters; the own name in capitals
    CountingCalls calls;
    calls.ignoreCase = true;
    FolderNameCache names(1);
    const ConflictReport report = CheckConflicts(RenameOptions(), entries, lines, names, calls);
    QCOMPARE(calls.reads, 1);
    QCOMPARE(Letters(report, 2), QStringLiteral("T."));
  }
};

QTEST_GUILESS_MAIN(TestRenameConflicts)
#include "tst_rename_conflicts.moc"
