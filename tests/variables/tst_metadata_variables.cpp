// Photo and music metadata on real files: Exif written through Exiv2, tags written through TagLib; the
// readers' records, the variables built on them, damaged files, and the classic codes left as they were.
#include "support_metadata_files.h"
#include "variables/media/music_metadata.h"
#include "variables/media/photo_metadata.h"
#include "variables/variable_expander.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace metadata_test;

namespace {

FileListEntry EntryFor(const QString &path) {
  const QFileInfo info(path);
  FileListEntry e;
  e.Caption = info.fileName();
  e.SubItems[SubFolder] = info.absolutePath() + QLatin1Char('/');
  e.SubItems[SubSize] = QString::number(info.size());
  const qsizetype dot = e.Caption.lastIndexOf(QLatin1Char('.'));
  e.SubItems[SubExtension] = dot < 0 ? QString() : e.Caption.mid(dot + 1);
  e.SubItems[SubFullPath] = e.SubItems[SubFolder] + e.Caption;
  e.SubItems[SubKind] = QStringLiteral("file");
  return e;
}

QByteArray ReadAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMetadataVariables : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

  QString Make(const QString &name, const QByteArray &bytes) {
    const QString path = m_dir.filePath(name);
    return WriteBytes(path, bytes) ? path : QString();
  }
  QString Expand(const QString &file, const QString &text) {
    RenameOptions options;
    RefreshRunState state;
    ExpansionContext context{options, state, 0, QString()};
    VariableExpander expander;
    return expander.WriteTextExtended(EntryFor(m_dir.filePath(file)), text, context);
  }

private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString camera = Make("camera.jpg", Jpeg(64, 48));
    QVERIFY(WriteExif(camera, {{"Exif.Photo.DateTimeOriginal", "2021:07:14 09:30:05"},
                               {"Exif.Image.Make", "Canon"},
                               {"Exif.Image.Model", "Canon EOS 5D"}}));
    QVERIFY(WriteBytes(camera, WithoutJfif(ReadAll(camera))));
    QVERIFY(ReadAll(camera).startsWith("\xff\xd8\xff\xe1"));
    const QByteArray progressive = Jpeg(40, 30, true);
    QVERIFY(progressive.contains("\xff\xc2") && !progressive.contains("\xff\xc0"));
    const QString nikon = Make("progressive.jpeg", progressive);
    QVERIFY(WriteExif(nikon, {{"Exif.Image.Make", "NIKON CORPORATION"}, {"Exif.Image.Model", "NIKON D750"}}));
    Make("plain.jpg", Jpeg(20, 10));
    QVERIFY(WriteBytes(nikon, WithoutJfif(ReadAll(nikon))));
    // Exif whose first directory lies far beyond its block: the rest is still a good JPEG.
    QByteArray damaged = ReadAll(camera);
    const qsizetype tiff = damaged.indexOf(QByteArray("Exif\0\0", 6)) + 6;
    QVERIFY(tiff > 6);
    damaged.replace(tiff + 4, 4, QByteArray::fromHex(damaged.mid(tiff, 2) == "II" ? "ffffff7f" : "7fffffff"));
    Make("damaged.jpg", damaged);
    // Two large application segments first: the Exif block and frame header lie beyond the first 64 KB.
    const QByteArray filler = QByteArray::fromHex("ffef9c40") + QByteArray(40000 - 2, 'x');
    Make("late.jpg", ReadAll(camera).insert(2, filler + filler));
    Make("notes.txt", "just text, no pictures, no tags\n");
    // Formats beyond JPEG: WebP (Exiv2 and Qt's plugin), PPM (Qt's own reader only).
    for (const char *format : {"webp", "ppm"}) {
      QImage image(33, 17, QImage::Format_RGB32);
      image.fill(Qt::red);
      if (QImageWriter::supportedImageFormats().contains(format))
        QVERIFY(image.save(m_dir.filePath(QStringLiteral("picture.") + QLatin1String(format)), format));
    }

    Make("song.mp3", Mp3Frames());
    QVERIFY(WriteId3v2(m_dir.filePath("song.mp3"), {"Song/One", "The Band", "First Album", "Rock", 1999, 7}));
    Make("song.flac", FlacStream());
    QVERIFY(
        WriteFlacComment(m_dir.filePath("song.flac"), {"Flac Title", "Flac Artist", "", "Jazz", 2005, 12}));
    Make("bare.mp3", Mp3Frames());
    // An ID3 version 2 header that announces far more bytes than follow, and a frame of junk.
    Make("damaged.mp3", QByteArray::fromHex("4944330300007f7f7f7f") +
                            QByteArray("TIT2\x7f\xff\xff\xff\0\0\x03junk", 15) + Mp3Frames());
  }

  void photoReader_givesTheRecord_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("record"); // date|make|model|width|height
    QTest::newRow("camera JPEG, Exif first") << "camera.jpg"
                                             << "20210714093005|Canon|Canon EOS 5D|64|48";
    QTest::newRow("progressive JPEG") << "progressive.jpeg"
                                      << "|NIKON CORPORATION|NIKON D750|40|30";
    QTest::newRow("Exif beyond the first bytes") << "late.jpg"
                                                 << "20210714093005|Canon|Canon EOS 5D|64|48";
    QTest::newRow("JPEG without Exif") << "plain.jpg"
                                       << "|||20|10";
    QTest::newRow("damaged Exif") << "damaged.jpg"
                                  << "|||64|48";
    QTest::newRow("text file") << "notes.txt"
                               << "|||0|0";
    QTest::newRow("no such file") << "gone.jpg"
                                  << "|||0|0";
  }
  void photoReader_givesTheRecord() {
    QFETCH(QString, file);
    QFETCH(QString, record);
    const PhotoInfo p = ReadPhotoMetadata(m_dir.filePath(file)).value;
    QCOMPARE(QStringList({p.dateTaken, p.make, p.model, QString::number(p.width), QString::number(p.height)})
                 .join(u'|'),
             record);
    // The same bytes parsed from memory give the same record.
    const PhotoInfo q = ParsePhotoMetadata(ReadAll(m_dir.filePath(file))).value;
    QCOMPARE(QStringList({q.dateTaken, q.make, q.model, QString::number(q.width), QString::number(q.height)})
                 .join(u'|'),
             record);
  }

  void musicReader_givesTheRecord_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("record"); // title|artist|album|genre|year|track
    QTest::addColumn<bool>("recognised");
    QTest::newRow("MP3 with ID3v2 only") << "song.mp3"
                                         << "Song/One|The Band|First Album|Rock|1999|7" << true;
    QTest::newRow("FLAC with a Vorbis comment") << "song.flac"
                                                << "Flac Title|Flac Artist||Jazz|2005|12" << true;
    QTest::newRow("MP3 without a tag") << "bare.mp3"
                                       << "||||0|0" << true;
    QTest::newRow("damaged ID3v2") << "damaged.mp3"
                                   << "||||0|0" << true;
    QTest::newRow("text file") << "notes.txt"
                               << "||||0|0" << false;
  }
  void musicReader_givesTheRecord() {
    QFETCH(QString, file);
    QFETCH(QString, record);
    QFETCH(bool, recognised);
    const ReaderResult<MusicTagInfo> result = ReadMusicTags(m_dir.filePath(file));
    const MusicTagInfo &m = result.value;
    QCOMPARE(
        QStringList({m.title, m.artist, m.album, m.genre, QString::number(m.year), QString::number(m.track)})
            .join(u'|'),
        record);
    QCOMPARE(!result.ReaderFailed, recognised);
  }

  void variables_giveTheMetadata_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("photo by date taken") << "camera.jpg"
                                         << "\\PY-\\PM-\\PD_\\PH"
                                         << "2021-07-14_093005";
    QTest::newRow("date taken, no selector") << "camera.jpg"
                                             << "\\P"
                                             << "20210714 093005";
    QTest::newRow("two-digit year, parts of the time") << "camera.jpg"
                                                       << "\\py2 \\phh\\phm\\phs \\PS."
                                                       << "21 093005 .";
    QTest::newRow("no date taken: nothing, selectors taken") << "progressive.jpeg"
                                                             << "[\\PY2-\\PM-\\PD_\\PHH]"
                                                             << "[--_]";
    QTest::newRow("camera without the repeated make") << "camera.jpg"
                                                      << "\\K|\\KM|\\KO"
                                                      << "Canon EOS 5D|Canon|Canon EOS 5D";
    QTest::newRow("camera whose model repeats the maker's first word") << "progressive.jpeg"
                                                                       << "\\K"
                                                                       << "NIKON D750";
    QTest::newRow("real size of a camera JPEG") << "camera.jpg"
                                                << "\\W \\WW \\WH"
                                                << "64x48 64 48";
    QTest::newRow("real size of a progressive JPEG") << "progressive.jpeg"
                                                     << "\\W"
                                                     << "40x30";
    if (QFile::exists(m_dir.filePath("picture.webp")))
      QTest::newRow("real size of a WebP picture") << "picture.webp"
                                                   << "\\W"
                                                   << "33x17";
    QTest::newRow("real size from Qt's own reader") << "picture.ppm"
                                                    << "\\WWx\\WH"
                                                    << "33x17";
    QTest::newRow("damaged Exif keeps the size") << "damaged.jpg"
                                                 << "[\\P][\\K]\\W"
                                                 << "[][]64x48";
    QTest::newRow("text file gives nothing") << "notes.txt"
                                             << "[\\W][\\WW][\\K][\\MA]"
                                             << "[][][][]";
    QTest::newRow("music by artist and title") << "song.mp3"
                                               << "\\MA - \\MT"
                                               << "The Band - Song#One";
    QTest::newRow("track, album, year, genre") << "song.mp3"
                                               << "\\MZ \\MN \\ML \\MY \\MY2 \\MG \\M"
                                               << "07 7 First Album 1999 99 Rock Song#One";
    QTest::newRow("Vorbis comment of FLAC") << "song.flac"
                                            << "\\MZ. \\MA - \\MT [\\ML]"
                                            << "12. Flac Artist - Flac Title []";
    QTest::newRow("damaged tag gives empty texts") << "damaged.mp3"
                                                   << "[\\MT][\\MZ]"
                                                   << "[][]";
    // The classic codes read what they always read: no ID3 version 1 tag, and a JPEG whose first
    // segment is the Exif block.
    QTest::newRow("classic MP3 tag of an ID3v2-only file") << "song.mp3"
                                                           << "[\\A][\\AA]"
                                                           << "[][]";
    QTest::newRow("classic picture header of a camera JPEG") << "camera.jpg"
                                                             << "\\G"
                                                             << "0x0x0";
    QTest::newRow("classic picture header of a JFIF JPEG") << "plain.jpg"
                                                           << "\\G"
                                                           << "20x10x16M";
  }
  void variables_giveTheMetadata() {
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Expand(file, text), expected);
  }

  void expander_keepsMetadataWhileSizeAndTimeStay() {
    const QString path = m_dir.filePath("kept.mp3");
    QVERIFY(WriteBytes(path, Mp3Frames()));
    QVERIFY(WriteId3v2(path, {"One", "Band", "", "", 0, 0}));
    RenameOptions options;
    RefreshRunState state;
    ExpansionContext context{options, state, 0, QString()};
    VariableExpander expander;
    const FileListEntry entry = EntryFor(path);
    QCOMPARE(expander.WriteTextExtended(entry, "\\MT", context), QStringLiteral("One"));
    // Same size and modification time: the next refresh keeps what was read.
    const QByteArray native = QFile::encodeName(path);
    struct stat before {};
    QCOMPARE(::stat(native.constData(), &before), 0);
    QVERIFY(WriteId3v2(path, {"Two", "Band", "", "", 0, 0}));
    QCOMPARE(QFileInfo(path).size(), qint64(before.st_size));
    struct timespec times[2] = {before.st_atim, before.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, native.constData(), times, 0), 0);
    QCOMPARE(expander.WriteTextExtended(entry, "\\MT", context), QStringLiteral("One"));
    // Another modification time: read again.
    times[1].tv_sec += 60;
    QCOMPARE(::utimensat(AT_FDCWD, native.constData(), times, 0), 0);
    QCOMPARE(expander.WriteTextExtended(entry, "\\MT", context), QStringLiteral("Two"));
    QCOMPARE(expander.Metadata().size(), 1);
    // A new expander starts with nothing kept.
    VariableExpander fresh;
    QCOMPARE(fresh.WriteTextExtended(entry, "\\MA\\MT", context), QStringLiteral("BandTwo"));
  }

  void dateTakenDigits_acceptsExifAndXmpForms_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Exif") << QByteArray("2001:03:05 14:07:09") << "20010305140709";
    QTest::newRow("XMP with zone") << QByteArray("2001-03-05T14:07:09+01:00") << "20010305140709";
    QTest::newRow("XMP without seconds") << QByteArray("2001-03-05T14:07") << "20010305140700";
    QTest::newRow("date only") << QByteArray("2001-03-05") << "20010305000000";
    QTest::newRow("unset camera clock") << QByteArray("0000:00:00 00:00:00") << "";
    QTest::newRow("blanks") << QByteArray("    :  :     :  :  ") << "";
    QTest::newRow("no separators") << QByteArray("20010305140709") << "";
    QTest::newRow("too short") << QByteArray("2001:03") << "";
  }
  void dateTakenDigits_acceptsExifAndXmpForms() {
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    QCOMPARE(DateTakenDigits(value), expected);
  }
};

QTEST_GUILESS_MAIN(TestMetadataVariables)
#include "tst_metadata_variables.moc"
