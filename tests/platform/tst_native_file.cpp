#include "platform/name_codec.h"
#include "platform/native_file.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestNativeFile : public QObject {
  Q_OBJECT
private slots:
  // A file written whole replaces the old content, keeps the old permissions, and leaves nothing
  // else in the folder.
  void writeWholeFile_replacesContentAndKeepsPermissions_data() {
    QTest::addColumn<int>("oldMode"); // -1: no file yet
    QTest::addColumn<bool>("runnable");
    QTest::addColumn<int>("mode");
    QTest::newRow("new file") << -1 << false << (0666 & ~CurrentMask());
    QTest::newRow("new runnable file") << -1 << true << WithRunBits(0666 & ~CurrentMask());
    QTest::newRow("existing private file") << 0600 << false << 0600;
    QTest::newRow("existing file made runnable") << 0640 << true << 0750;
  }
  void writeWholeFile_replacesContentAndKeepsPermissions() {
    QFETCH(int, oldMode);
    QFETCH(bool, runnable);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xE9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    const QByteArray file = folder + "/out\xE8.txt";
    if (oldMode >= 0) {
      const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0600);
      QCOMPARE(::write(fd, "old content", 11), ssize_t(11));
      ::fchmod(fd, mode_t(oldMode));
      ::close(fd);
    }
    QCOMPARE(WriteWholeFileAt(DecodeName(file), "new", runnable), QString());
    struct stat st;
    QCOMPARE(::stat(file.constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
    QCOMPARE(st.st_size, 3);
    const WholeFileRead read = ReadWholeFile(DecodeName(file), 100);
    QCOMPARE(read.bytes, QByteArray("new"));
    QVERIFY(read.error.isEmpty());
    QCOMPARE(::unlink(file.constData()), 0);
    QCOMPARE(::rmdir(folder.constData()), 0); // nothing else was left in it
  }

  void writeWholeFile_throughLink_keepsTheLink() {
    QTemporaryDir dir;
    const QByteArray target = QFile::encodeName(dir.filePath("real.ini"));
    const QByteArray link = QFile::encodeName(dir.filePath("link.ini"));
    QCOMPARE(::symlink(target.constData(), link.constData()), 0);
    QVERIFY(WriteWholeFileAt(DecodeName(target), "old", false).isEmpty());
    QVERIFY(WriteWholeFileAt(DecodeName(link), "new", false).isEmpty());
    struct stat st;
    QCOMPARE(::lstat(link.constData(), &st), 0);
    QVERIFY(S_ISLNK(st.st_mode));
    QCOMPARE(ReadWholeFile(DecodeName(target), 100).bytes, QByteArray("new"));
  }

  void readWholeFile_refusesWhatIsNoSmallRegularFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "@/none.txt" << true << "does not exist";
    QTest::newRow("folder") << "@" << false << "is not a regular file";
    QTest::newRow("device") << "/dev/zero" << false << "is not a regular file";
    QTest::newRow("too large") << "@/big.txt" << false << "is larger than 0 MB";
  }
  void readWholeFile_refusesWhatIsNoSmallRegularFile() {
    QFETCH(QString, path);
    QFETCH(bool, missing);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(WriteWholeFileAt(dir.filePath("big.txt"), "0123456789", false).isEmpty());
    path.replace(QLatin1Char('@'), dir.path());
    const WholeFileRead read = ReadWholeFile(path, 9);
    QCOMPARE(read.missing, missing);
    QVERIFY2(read.error.contains(message), qPrintable(read.error));
    QVERIFY(read.bytes.isEmpty());
  }

  void absolutePath_takesTheCurrentFolderByItsBytes() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xE9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    char previous[4096];
    QVERIFY(::getcwd(previous, sizeof previous));
    QCOMPARE(::chdir(folder.constData()), 0);
    const QString absolute = NativeAbsolutePath(QStringLiteral("./x.txt"));
    QCOMPARE(::chdir(previous), 0);
    ::rmdir(folder.constData());
    QCOMPARE(EncodeName(absolute), folder + "/x.txt");
    QCOMPARE(NativeAbsolutePath(QStringLiteral("/a/b")), QStringLiteral("/a/b"));
  }

private:
  static int WithRunBits(int mode) { return mode | ((mode & 0444) >> 2); }
  static int CurrentMask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return int(mask);
  }
};

QTEST_GUILESS_MAIN(TestNativeFile)
#include "tst_native_file.moc"
