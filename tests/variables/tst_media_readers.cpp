// The media module loaded by path: the built module reads photos and music, anything else is refused with
// the loader's reason, and a module that cannot be loaded leaves the variables empty with one message.
#include "support_expand.h"
#include "support_metadata_files.h"
#include "variables/media_readers.h"
#include "variables/variable_expander.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace metadata_test;

class TestMediaReaders : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString m_photo, m_song, m_missing;

  // A fresh expander each time: nothing kept from an earlier read.
  static QString Expand(const QString &path, const QString &text) {
    FileListEntry entry;
    entry.Caption = path.section(u'/', -1);
    entry.SubItems[SubFullPath] = path;
    return ExpandFor(entry, text);
  }

private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    // Before any read: the process then looks for the module there only, and finds nothing.
    m_missing = m_dir.filePath("lib/zelvo-rename-media.so");
    SetMediaModulePath(QFile::encodeName(m_missing));
    m_photo = m_dir.filePath("shot.jpg");
    QVERIFY(WriteBytes(m_photo, Jpeg(32, 24)));
    QVERIFY(WriteExif(
        m_photo, {{"Exif.Photo.DateTimeOriginal", "2021:07:14 09:30:05"}, {"Exif.Image.Make", "Canon"}}));
    m_song = m_dir.filePath("song.mp3");
    QVERIFY(WriteBytes(m_song, Mp3Frames()));
    QVERIFY(WriteId3v2(m_song, {"Song", "The Band", "", "", 1999, 7}));
    QVERIFY(WriteBytes(m_dir.filePath("text.so"), "not a shared object, only text\n"));
  }

  void loadMediaModule_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason"); // a part of the loader's message; empty: the module loads
    QTest::newRow("the built module") << ZELVO_MEDIA_MODULE_FILE << QString();
    QTest::newRow("no such file") << m_dir.filePath("none.so") << "No such file";
    QTest::newRow("not a shared object") << m_dir.filePath("text.so") << "text.so";
    QTest::newRow("a library without the entry") << "libm.so.6" << kMediaReadersEntry;
  }

  void loadMediaModule() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const MediaModule module = LoadMediaModule(QFile::encodeName(path));
    if (!reason.isEmpty()) {
      QVERIFY(!module.readers);
      QVERIFY2(module.error.contains(reason.toUtf8()), module.error.constData());
      return;
    }
    QVERIFY2(module.readers, module.error.constData());
    QCOMPARE(module.readers->readPhoto(m_photo).value.dateTaken, QStringLiteral("20210714093005"));
    QCOMPARE(module.readers->readPhoto(m_photo).value.width, 32);
    QCOMPARE(module.readers->readMusic(m_song).value.artist, QStringLiteral("The Band"));
    QVERIFY(module.readers->readMusic(m_photo).ReaderFailed);
  }

  void missingModule_variablesGiveNothing_oneMessage() {
    const QString log = m_dir.filePath("stderr.txt");
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int fd = ::open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(saved >= 0 && fd >= 0);
    ::dup2(fd, 2);
    ::close(fd);
    QStringList results;
    for (int round = 0; round < 2; ++round)
      results << Expand(m_photo, R"([\P][\KM][\W])") << Expand(m_song, R"([\MA][\MT][\MY])");
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    QCOMPARE(results, QStringList({"[][][]", "[][][]", "[][][]", "[][][]"}));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.filter(QStringLiteral("photo and music")).size(), 1);
    const QString line = lines.filter(QStringLiteral("photo and music")).first();
    QVERIFY2(line.contains(m_missing) && line.contains(QStringLiteral("No such file")), qPrintable(line));
  }
};

QTEST_GUILESS_MAIN(TestMediaReaders)
#include "tst_media_readers.moc"
