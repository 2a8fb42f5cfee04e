#include "platform/linux_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void Touch(const QString &path, qint64 size = 0) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.resize(size);
}

const FolderItem *Item(const FolderListing &listing, const char *name) {
  for (const FolderItem &item : listing.Items)
    if (item.Name == name)
      return &item;
  return nullptr;
}

} // namespace

class TestLinuxFileSystem : public QObject {
  Q_OBJECT
private slots:
  void stat_givesKindAttributesAndSize() {
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    Touch(root + "plain", 7);
    Touch(root + ".hidden");
    Touch(root + "readonly");
    ::chmod(QFile::encodeName(root + "readonly").constData(), 0444);
    QDir().mkdir(root + "folder");
    ::mkfifo(QFile::encodeName(root + "fifo").constData(), 0644);
    QVERIFY(QFile::link(root + "plain", root + "link"));
    QVERIFY(QFile::link(root + "gone", root + "dangling"));
    // A socket, bound to a path in the folder.
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(root + "sock");
    const bool haveSocket = socketPath.size() < int(sizeof address.sun_path);
    if (haveSocket) {
      qstrncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path);
      QCOMPARE(::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    }

    LinuxFileSystem fs;
    auto listing = fs.ReadFolder(QFile::encodeName(dir.path()));
    QVERIFY(listing);
    QCOMPARE(listing->Folder, QFile::encodeName(root));
    QVERIFY(!Item(*listing, ".") && !Item(*listing, ".."));
    for (FolderItem &item : listing->Items)
      QVERIFY(fs.Stat(*listing, item) || item.Name == "dangling");

    QCOMPARE(Item(*listing, "plain")->Attributes, AttrArchive);
    QCOMPARE(Item(*listing, "plain")->Size, quint64(7));
    QVERIFY(Item(*listing, "plain")->Modified.Valid);
    QCOMPARE(Item(*listing, ".hidden")->Attributes, AttrArchive | AttrHidden);
    QCOMPARE(Item(*listing, "readonly")->Attributes, AttrArchive | AttrReadOnly);
    QCOMPARE(Item(*listing, "folder")->Attributes, AttrDirectory);
    QCOMPARE(Item(*listing, "folder")->Size, quint64(0));
    QCOMPARE(Item(*listing, "fifo")->Attributes, AttrSystem);
    // A link is described by its target, but remembered as a link.
    QCOMPARE(Item(*listing, "link")->Attributes, AttrArchive);
    QCOMPARE(Item(*listing, "link")->Size, quint64(7));
    QVERIFY(Item(*listing, "link")->IsSymlink);
    QCOMPARE(Item(*listing, "dangling")->Attributes, AttrSystem);
    if (haveSocket)
      QCOMPARE(Item(*listing, "sock")->Attributes, AttrSystem);
    ::close(s);
  }

  void readFolder_failsForMissingOrFile() {
    QTemporaryDir dir;
    Touch(dir.filePath("file"));
    LinuxFileSystem fs;
    QVERIFY(!fs.ReadFolder(QFile::encodeName(dir.filePath("missing"))));
    QVERIFY(!fs.ReadFolder(QFile::encodeName(dir.filePath("file"))));
    QVERIFY(fs.FolderExists(QFile::encodeName(dir.path())));
    QVERIFY(!fs.FolderExists(QFile::encodeName(dir.filePath("file"))));
  }

  void rawName_keepsItsBytes() {
    QTemporaryDir dir;
    const QByteArray name("bad\xff\xfe name");
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    LinuxFileSystem fs;
    auto listing = fs.ReadFolder(QFile::encodeName(dir.path()));
    QVERIFY(listing && listing->Items.size() == 1);
    QCOMPARE(listing->Items[0].Name, name);
    QVERIFY(fs.Stat(*listing, listing->Items[0]));
    ::unlink(path.constData());
  }

  void currentFolder_followsSet() {
    QTemporaryDir dir;
    LinuxFileSystem fs;
    const QByteArray before = fs.CurrentFolder();
    QVERIFY(fs.SetCurrentFolder(QFile::encodeName(dir.path())));
    QCOMPARE(fs.CurrentFolder(), QFile::encodeName(QDir(dir.path()).canonicalPath()));
    QVERIFY(!fs.SetCurrentFolder(QFile::encodeName(dir.filePath("missing"))));
    QVERIFY(fs.SetCurrentFolder(before));
  }
};

QTEST_GUILESS_MAIN(TestLinuxFileSystem)
#include "tst_linux_file_system.moc"
