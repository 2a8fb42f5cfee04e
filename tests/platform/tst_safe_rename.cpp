#include "platform/safe_rename.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <map>
#include <thread>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QByteArray &path) {
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

// Made and read by the bytes of the path, so that names that are not valid UTF-8 work too.
void Make(const QByteArray &path, const QByteArray &content) {
  FILE *f = std::fopen(path.constData(), "wb");
  QVERIFY(f);
  std::fwrite(content.constData(), 1, content.size(), f);
  std::fclose(f);
}

bool Exists(const QByteArray &path) {
  struct stat st;
  return ::lstat(path.constData(), &st) == 0;
}

// A file system that refuses RENAME_NOREPLACE, optionally without hard links (like exFAT over FUSE).
class FlagRefusingCalls : public FileSystemCalls {
public:
  bool linksWork = true;
  int RenameNoReplace(const char *, const char *) override { return EINVAL; }
  int Link(const char *from, const char *to) override {
    return linksWork ? FileSystemCalls::Link(from, to) : EPERM;
  }
};

// An in-memory folder that ignores letter case, as FAT does: one entry answers to every spelling.
// With stableInodes false each spelling gets its own inode number, as FUSE without inode numbers does.
class CaseInsensitiveFolder : public FileSystemCalls {
public:
  struct Entry {
    QByteArray spelling;
    ino_t ino;
  };
  std::map<QByteArray, Entry> entries; // by lower-case name
  bool stableInodes = true;
  bool refuseFlag = false;
  ino_t nextIno = 10;

  static QByteArray Key(const char *path) { return NativeFileName(QByteArray(path)).toLower(); }
  void Add(const QByteArray &name) { entries[name.toLower()] = {name, nextIno++}; }
  QByteArrayList Names() const {
    QByteArrayList names;
    for (const auto &[key, e] : entries)
      names << e.spelling;
    return names;
  }

  int RenameNoReplace(const char *from, const char *to) override {
    if (refuseFlag)
      return EINVAL;
    if (!entries.count(Key(from)))
      return ENOENT;
    if (entries.count(Key(to)))
      return EEXIST;
    return Move(from, to);
  }
  int Rename(const char *from, const char *to) override {
    if (!entries.count(Key(from)))
      return ENOENT;
    if (Key(from) == Key(to) && !stableInodes)
      return Move(from, to); // a FUSE file system passes the new spelling on
    if (Key(from) == Key(to))
      return 0; // the kernel sees the same inode and does nothing
    entries.erase(Key(to));
    return Move(from, to);
  }
  int Link(const char *, const char *) override { return EPERM; }
  int Unlink(const char *path) override { return entries.erase(Key(path)) ? 0 : ENOENT; }
  int CreateExclusive(const char *path, struct stat &st) override {
    if (entries.count(Key(path)))
      return EEXIST;
    Add(NativeFileName(QByteArray(path)));
    return LStat(path, st);
  }
  int LStat(const char *path, struct stat &st) override {
    const auto it = entries.find(Key(path));
    if (it == entries.end())
      return ENOENT;
    st = {};
    st.st_mode = S_IFREG | 0644;
    st.st_ino = stableInodes ? it->second.ino : qHash(NativeFileName(path));
    return 0;
  }
  bool FolderListsName(const char *, const QByteArray &name) override {
    for (const auto &[key, e] : entries)
      if (e.spelling == name)
        return true;
    return false;
  }

private:
  int Move(const char *from, const char *to) {
    Entry e = entries[Key(from)];
    entries.erase(Key(from));
    e.spelling = NativeFileName(QByteArray(to));
    entries[Key(to)] = e;
    return 0;
  }
};

bool RunTool(const QString &program, const QStringList &arguments, QByteArray *output = nullptr) {
  QProcess p;
  p.start(program, arguments);
  if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return false;
  if (output)
    *output = p.readAllStandardOutput().trimmed();
  return true;
}

} // namespace

class TestSafeRename : public QObject {
  Q_OBJECT
  QTemporaryDir exfatHome;
  QByteArray loopDevice;
  QByteArray exfatMount;

private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // A real exFAT folder (case-insensitive, refuses RENAME_NOREPLACE) where the machine can make one.
    if (::geteuid() != 0 || QStandardPaths::findExecutable("mkfs.exfat", {"/usr/sbin", "/sbin"}).isEmpty() ||
        QStandardPaths::findExecutable("mount.exfat-fuse", {"/usr/sbin", "/sbin"}).isEmpty())
      return;
    const QString image = exfatHome.filePath("volume.img");
    QFile f(image);
    if (!f.open(QIODevice::WriteOnly) || !f.resize(8 << 20))
      return;
    f.close();
    QDir(exfatHome.path()).mkdir("mnt");
    QByteArray device;
    if (!RunTool("mkfs.exfat", {image}) || !RunTool("losetup", {"-f", "--show", image}, &device))
      return;
    loopDevice = device;
    if (RunTool("mount.exfat-fuse", {QString::fromUtf8(device), exfatHome.filePath("mnt")}))
      exfatMount = QFile::encodeName(exfatHome.filePath("mnt")) + '/';
  }

  void cleanupTestCase() {
    if (!exfatMount.isEmpty())
      RunTool("umount", {QString::fromUtf8(exfatMount)});
    if (!loopDevice.isEmpty())
      RunTool("losetup", {"-d", QString::fromUtf8(loopDevice)});
  }

  void takenName_failsAndKeepsBothFiles_data() {
    QTest::addColumn<bool>("refuseFlag");
    QTest::addColumn<bool>("linksWork");
    QTest::newRow("renameat2") << false << true;
    QTest::newRow("flag refused: reserved, then renamed") << true << true;
  }
  void takenName_failsAndKeepsBothFiles() {
    QFETCH(bool, refuseFlag);
    QFETCH(bool, linksWork);
    FlagRefusingCalls refusing;
    refusing.linksWork = linksWork;
    FileSystemCalls &calls = refuseFlag ? refusing : SystemFileSystemCalls();
    QTemporaryDir dir;
    const QByteArray a = QFile::encodeName(dir.filePath("a.txt")),
                     b = QFile::encodeName(dir.filePath("b.txt"));
    Make(a, "A");
    Make(b, "B");
    const RenameStatus status = SafeRename(a, b, calls);
    QCOMPARE(status.error, EEXIST);
    QVERIFY(!status.Text().isEmpty());
    QCOMPARE(ReadAll(a), QByteArray("A"));
    QCOMPARE(ReadAll(b), QByteArray("B"));

    const QByteArray c = QFile::encodeName(dir.filePath("c.txt"));
    QVERIFY(SafeRename(a, c, calls).ok());
    QVERIFY(!Exists(a));
    QCOMPARE(ReadAll(c), QByteArray("A"));
  }

  void folderOntoEmptyFolder_isRefusedWhenFlagRefused() {
    // A plain rename would silently replace the empty folder.
    FlagRefusingCalls calls;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("one") && QDir(dir.path()).mkdir("two"));
    Make(QFile::encodeName(dir.filePath("one/inside")), "x");
    const QByteArray one = QFile::encodeName(dir.filePath("one")),
                     two = QFile::encodeName(dir.filePath("two"));
    QCOMPARE(SafeRename(one, two, calls).error, EEXIST);
    QVERIFY(Exists(one + "/inside"));
    const QByteArray three = QFile::encodeName(dir.filePath("three"));
    QVERIFY(SafeRename(one, three, calls).ok());
    QVERIFY(Exists(three + "/inside"));
  }

  void sameName_succeedsWithoutTouchingTheFile() {
    QTemporaryDir dir;
    const QByteArray a = QFile::encodeName(dir.filePath("a.txt"));
    Make(a, "A");
    struct stat before, after;
    QCOMPARE(::lstat(a.constData(), &before), 0);
    QTest::qWait(20);
    QVERIFY(SafeRename(a, a).ok());
    QCOMPARE(::lstat(a.constData(), &after), 0);
    QCOMPARE(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
    QCOMPARE(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
    QCOMPARE(SafeRename(a + "gone", a + "gone").error, ENOENT);
  }

  void nameNotValidUtf8_isRenamedByItsBytes() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray odd = folder + "caf\xe9.txt";
    Make(odd, "latin");
    QVERIFY(SafeRename(odd, folder + "cafe.txt").ok());
    QCOMPARE(ReadAll(folder + "cafe.txt"), QByteArray("latin"));
    QVERIFY(SafeRename(folder + "cafe.txt", odd).ok());
    QCOMPARE(ReadAll(odd), QByteArray("latin"));
    QCOMPARE(::unlink(odd.constData()), 0); // a name QDir cannot remove
  }

  void caseOnlyChange_onCaseInsensitiveFolder_goesThroughTemporaryName_data() {
    QTest::addColumn<bool>("stableInodes");
    QTest::addColumn<bool>("refuseFlag");
    QTest::newRow("kernel FAT") << true << false;
    QTest::newRow("FUSE exFAT") << false << true;
  }
  void caseOnlyChange_onCaseInsensitiveFolder_goesThroughTemporaryName() {
    QFETCH(bool, stableInodes);
    QFETCH(bool, refuseFlag);
    CaseInsensitiveFolder folder;
    folder.stableInodes = stableInodes;
    folder.refuseFlag = refuseFlag;
    folder.Add("photo.jpg");
    folder.Add("other.jpg");
    QVERIFY(SafeRename("/v/photo.jpg", "/v/PHOTO.JPG", folder).ok());
    QCOMPARE(folder.Names(), (QByteArrayList{"other.jpg", "PHOTO.JPG"}));
    // Another file under another case is still a taken name.
    QCOMPARE(SafeRename("/v/PHOTO.JPG", "/v/Other.jpg", folder).error, EEXIST);
    QCOMPARE(folder.Names(), (QByteArrayList{"other.jpg", "PHOTO.JPG"}));
  }

  void otherCaseHardLink_onCaseSensitiveFolder_isStillTaken() {
    // Same inode under a name that differs only in case: a real second name, not another spelling.
    QTemporaryDir dir;
    const QByteArray lower = QFile::encodeName(dir.filePath("a.txt")),
                     upper = QFile::encodeName(dir.filePath("A.txt"));
    Make(lower, "A");
    QCOMPARE(::link(lower.constData(), upper.constData()), 0);
    QCOMPARE(SafeRename(lower, upper).error, EEXIST);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"A.txt", "a.txt"}));
  }

  void caseOnlyChange_onRealExfat() {
    if (exfatMount.isEmpty())
      QSKIP("no exFAT folder can be made here (needs root, losetup, mkfs.exfat and exfat-fuse)");
    const QByteArray lower = exfatMount + "song.mp3", upper = exfatMount + "Song.MP3";
    Make(lower, "tune");
    Make(exfatMount + "other.mp3", "other");
    QVERIFY(SafeRename(lower, upper).ok());
    QVERIFY(QDir(QFile::decodeName(exfatMount)).entryList(QDir::Files).contains("Song.MP3"));
    QCOMPARE(ReadAll(upper), QByteArray("tune"));
    QCOMPARE(SafeRename(upper, exfatMount + "OTHER.mp3").error, EEXIST);
    QCOMPARE(ReadAll(exfatMount + "other.mp3"), QByteArray("other"));
    QVERIFY(SafeRename(upper, exfatMount + "new.mp3").ok());
    QCOMPARE(ReadAll(exfatMount + "new.mp3"), QByteArray("tune"));
    QCOMPARE(QDir(QFile::decodeName(exfatMount)).entryList(QDir::Files),
             (QStringList{"new.mp3", "other.mp3"}));
  }

  void failedRenameOntoReservation_removesThePlaceholder() {
    class RenameFails : public FlagRefusingCalls {
    public:
      int Rename(const char *, const char *) override { return EIO; }
    } calls;
    QTemporaryDir dir;
    const QByteArray a = QFile::encodeName(dir.filePath("a.txt")),
                     b = QFile::encodeName(dir.filePath("b.txt"));
    Make(a, "A");
    QCOMPARE(SafeRename(a, b, calls).error, EIO);
    QCOMPARE(ReadAll(a), QByteArray("A"));
    QVERIFY(!Exists(b));
  }

  void placeholderTakenOverMeanwhile_isLeftAloneAndTheRenameFails() {
    // Another program deletes our placeholder and saves its own file under the name.
    class Intruder : public FlagRefusingCalls {
    public:
      int CreateExclusive(const char *path, struct stat &st) override {
        const int error = FileSystemCalls::CreateExclusive(path, st);
        ::unlink(path);
        Make(path, "theirs");
        return error;
      }
    } calls;
    QTemporaryDir dir;
    const QByteArray a = QFile::encodeName(dir.filePath("a.txt")),
                     b = QFile::encodeName(dir.filePath("b.txt"));
    Make(a, "A");
    QCOMPARE(SafeRename(a, b, calls).error, EEXIST);
    QCOMPARE(ReadAll(a), QByteArray("A"));
    QCOMPARE(ReadAll(b), QByteArray("theirs"));
  }

  // Two runs at once move different files onto the same names; every file survives and each name
  // goes to exactly one of them.
  void twoRunsOntoTheSameNames_loseNoFile_data() {
    QTest::addColumn<bool>("onExfat");
    QTest::addColumn<bool>("refuseFlag");
    QTest::newRow("local, renameat2") << false << false;
    QTest::newRow("local, reserved") << false << true;
    QTest::newRow("exFAT") << true << false;
  }
  void twoRunsOntoTheSameNames_loseNoFile() {
    QFETCH(bool, onExfat);
    QFETCH(bool, refuseFlag);
    if (onExfat && exfatMount.isEmpty())
      QSKIP("no exFAT folder can be made here (needs root, losetup, mkfs.exfat and exfat-fuse)");
    QTemporaryDir local;
    const QByteArray folder = onExfat ? exfatMount + "race/" : QFile::encodeName(local.path()) + "/race/";
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    const int count = onExfat ? 150 : 400;
    for (int i = 0; i < count; ++i) {
      Make(folder + "a" + QByteArray::number(i), "a" + QByteArray::number(i));
      Make(folder + "b" + QByteArray::number(i), "b" + QByteArray::number(i));
    }
    FlagRefusingCalls refusing;
    FileSystemCalls &calls = refuseFlag ? refusing : SystemFileSystemCalls();
    std::atomic<int> renamed{0};
    auto run = [&](const char *prefix) {
      for (int i = 0; i < count; ++i)
        if (SafeRename(folder + prefix + QByteArray::number(i), folder + "t" + QByteArray::number(i), calls)
                .ok())
          ++renamed;
    };
    std::thread first(run, "a"), second(run, "b");
    first.join();
    second.join();
    QByteArrayList contents;
    const QStringList names = QDir(QFile::decodeName(folder)).entryList(QDir::Files);
    for (const QString &name : names)
      contents << ReadAll(folder + QFile::encodeName(name));
    QCOMPARE(renamed.load(), count); // each name went to exactly one file
    QCOMPARE(contents.size(), 2 * count);
    std::sort(contents.begin(), contents.end());
    QCOMPARE(std::unique(contents.begin(), contents.end()), contents.end());
    QVERIFY(!contents.contains(QByteArray()));
    for (const QString &name : names)
      QVERIFY(::unlink((folder + QFile::encodeName(name)).constData()) == 0);
    ::rmdir(folder.constData());
  }
};

QTEST_GUILESS_MAIN(TestSafeRename)
#include "tst_safe_rename.moc"
