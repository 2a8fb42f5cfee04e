// The marks of the preview and of --check for names the file system refuses or takes as they are:
// a name longer than a file system allows fails, with every line waiting for the name it frees; a
// change of case only is allowed where the folder ignores case. Told alike whether the folder is
// read whole or its names looked up one by one.
#include "engine/rename_conflicts.h"
#include "platform/name_codec.h"

#include "support_disk_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A folder that ignores case and gives each spelling of a name a number of its own, as exFAT
// through FUSE does.
class CaseBlindCalls : public FileSystemCalls {
public:
  int LStat(const char *path, struct stat &st) override { return Find(path, st); }
  int Stat(const char *path, struct stat &st) override { return Find(path, st); }

private:
  int Find(const char *path, struct stat &st) {
    if (::lstat(path, &st) == 0)
      return 0;
    const QByteArray whole(path);
    const QString name = DecodeName(NativeFileName(whole));
    for (const QString &listed : QDir(QFile::decodeName(NativeFolder(whole))).entryList(QDir::AllEntries))
      if (listed.compare(name, Qt::CaseInsensitive) == 0 &&
          ::lstat((NativeFolder(whole) + EncodeName(listed)).constData(), &st) == 0) {
        st.st_ino += 1000003;
        return 0;
      }
    return ENOENT;
  }
};

} // namespace

Q_DECLARE_METATYPE(std::vector<LineConflict>)

class TestConflictMarks : public QObject {
  Q_OBJECT
private slots:
  void namesTheFileSystemDecides_markedAsTheRunEnds_data() {
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("ignoresCase");
    QTest::addColumn<std::vector<LineConflict>>("marks");
    const QString longest = QString(251, QLatin1Char('x')) + QStringLiteral(".txt"); // 255 bytes
    using C = LineConflict;
    QTest::newRow("255 bytes") << QByteArrayList{"a.txt"} << QStringList{longest} << false
                               << std::vector{C::None};
    QTest::newRow("256 bytes") << QByteArrayList{"a.txt"} << QStringList{"x" + longest} << false
                               << std::vector{C::NotAllowed};
    QTest::newRow("128 letters of two bytes")
        << QByteArrayList{"a"} << QStringList{QString(128, QChar(0xE9)) + "."} << false
        << std::vector{C::NotAllowed};
    QTest::newRow("a chain waits on a name too long")
        << QByteArrayList{"a.txt", "b.txt", "c.txt"} << QStringList{"b.txt", "c.txt", "x" + longest} << false
        << std::vector{C::NameTaken, C::NameTaken, C::NotAllowed};
    QTest::newRow("a swap with a name too long")
        << QByteArrayList{"a.txt", "b.txt"} << QStringList{"b.txt", "x" + longest} << false
        << std::vector{C::NameTaken, C::NotAllowed};
    QTest::newRow("change of case, folder ignores case")
        << QByteArrayList{"a.txt", "b.txt"} << QStringList{"A.txt", "B.TXT"} << true
        << std::vector{C::None, C::None};
    QTest::newRow("the other spelling held, folder keeps case")
        << QByteArrayList{"a.txt", "A.txt"} << QStringList{"A.txt", "A.txt"} << false
        << std::vector{C::NameTaken, C::Unchanged};
  }
  void namesTheFileSystemDecides_markedAsTheRunEnds() {
    QFETCH(QByteArrayList, files);
    QFETCH(QStringList, lines);
    QFETCH(bool, ignoresCase);
    QFETCH(std::vector<LineConflict>, marks);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const QByteArray &name : files) {
      Make(folder + name, name);
      entries.push_back(Entry(folder, name));
    }
    CaseBlindCalls caseBlind;
    FileSystemCalls &calls = ignoresCase ? caseBlind : SystemFileSystemCalls();
    const qsizetype failing = std::count_if(marks.begin(), marks.end(), WouldFail);
    // Looked up name by name, and with the folder read whole.
    ConflictReport report = CheckConflicts(RenameOptions(), entries, lines, calls);
    QCOMPARE(report.lines, marks);
    QCOMPARE(report.failing, failing);
    FolderNameCache readWhole(1);
    report = CheckConflicts(RenameOptions(), entries, lines, readWhole, calls);
    QCOMPARE(report.lines, marks);
    QCOMPARE(report.failing, failing);
  }
};

QTEST_GUILESS_MAIN(TestConflictMarks)
#include "tst_conflict_marks.moc"
