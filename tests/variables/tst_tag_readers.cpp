#include "variables/tag_readers.h"

#include "variables/image_readers.h"

#include "variables/support_reader_files.h"

#include <QtTest>

using namespace reader_test;

namespace {

// The last 128 bytes of an MP3 file: "TAG" and five fields, padded with the filler byte.
QByteArray Id3(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
               const QByteArray &year, const QByteArray &comment, char filler = ' ') {
  return "TAG" + title.leftJustified(30, filler, true) + artist.leftJustified(30, filler, true) +
         album.leftJustified(30, filler, true) + year.leftJustified(4, filler, true) +
         comment.leftJustified(30, filler, true) + char(17);
}

// A content description chunk: size, version, then title, author and copyright with 16-bit lengths.
QByteArray Cont(const QByteArray &title, const QByteArray &author, const QByteArray &copyright) {
  return "CONT" + Be32(0x1234) + Be16(0) + Be16(int(title.size())) + title + Be16(int(author.size())) +
         author + Be16(int(copyright.size())) + copyright + Be16(0);
}

// The RealAudio header's codec marker followed by three strings, the first after four bytes.
QByteArray Dnet(const QByteArray &title, const QByteArray &author, const QByteArray &copyright) {
  return "dnet" + Bytes({9, 9, 9, int(title.size())}) + title + char(author.size()) + author +
         char(copyright.size()) + copyright;
}

QByteArray Cartridge(const QByteArray &start, const QByteArray &title) {
  return Put(Put(QByteArray(64, '\x11'), 0, start), 32, title.leftJustified(20, ' ', true));
}

} // namespace

class TestTagReaders : public QObject {
  Q_OBJECT
private slots:
  void readerText_keepsEveryByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QByteArray("Song") << QStringLiteral("Song");
    QTest::newRow("utf-8") << QByteArray("Caf\xc3\xa9") << QStringLiteral("Caf\u00e9");
    QTest::newRow("code page 1252") << QByteArray("Caf\xe9 \x92") << QStringLiteral("Caf\u00e9 \u2019");
    QTest::newRow("cut utf-8 sequence") << QByteArray("ab\xc3") << QStringLiteral("ab\u00c3");
    QTest::newRow("overlong zero") << QByteArray("a\xc0\x80") << QStringLiteral("a\u00c0\u20ac");
    QTest::newRow("unassigned in 1252")
        << QByteArray("\x81\x8d\x8f\x90\x9d\xff") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d\u00ff");
    QTest::newRow("byte order mark kept") << QByteArray("\xef\xbb\xbfx") << QStringLiteral("\ufeffx");
    QTest::newRow("zero byte kept") << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString();
  }
  void readerText_keepsEveryByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(ReaderText(bytes), expected);
  }

  void mp3_readsId3Tag_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // title, artist, album, year, comment
    QTest::addColumn<bool>("failed");
    const QByteArray audio(300, '\xff');
    QTest::newRow("blanks trimmed") << audio + Id3("Song", "Artist", "Album", "1999", "Nice")
                                    << QStringList{"Song", "Artist", "Album", "1999", "Nice"} << false;
    QTest::newRow("zero padded") << audio + Id3("Song", "", "B", "2001", "c", '\0')
                                 << QStringList{"Song", "", "B", "2001", "c"} << false;
    QTest::newRow("inner zero byte stays")
        << audio + Id3(QByteArray("A\0B\x01", 4), "x", "y", "12", "z", '\0')
        << QStringList{QStringView(u"A\0B", 3).toString(), "x", "y", "12", "z"} << false;
    QTest::newRow("full width fields")
        << Id3(QByteArray(30, 'T'), QByteArray(30, 'A'), QByteArray(30, 'L'), "2024", QByteArray(30, 'C'))
        << QStringList{QString(30, 'T'), QString(30, 'A'), QString(30, 'L'), "2024", QString(30, 'C')}
        << false;
    QTest::newRow("latin-1 title") << audio + Id3("Caf\xe9", "", "", "", "")
                                   << QStringList{QStringLiteral("Caf\u00e9"), "", "", "", ""} << false;
    QTest::newRow("tag not at the end")
        << Id3("Song", "", "", "", "") + audio << QStringList{"", "", "", "", ""} << true;
    QTest::newRow("shorter than a tag")
        << Id3("Song", "", "", "", "").left(127) << QStringList{"", "", "", "", ""} << true;
    QTest::newRow("empty") << QByteArray() << QStringList{"", "", "", "", ""} << true;
  }
  void mp3_readsId3Tag() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QFETCH(bool, failed);
    QTemporaryDir dir;
    const ReaderResult<Mp3TagInfo> result = ReadMp3Tag(WriteFile(dir, QStringLiteral("a.mp3"), file));
    const Mp3TagInfo &tag = result.value;
    QCOMPARE((QStringList{tag.title, tag.artist, tag.album, tag.year, tag.comment}), expected);
    QCOMPARE(result.ReaderFailed, failed);
    QCOMPARE(ParseMp3Tag(file).value.title, expected[0]);
  }

  void findMarker_searchesEachAlignment_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("found");
    QTest::addColumn<qint64>("position");
    const QByteArray filler(5000, '.');
    QTest::newRow("at start") << Put(filler, 0, "CONT") << true << qint64(4);
    QTest::newRow("odd offset") << Put(filler, 7, "CONT") << true << qint64(11);
    QTest::newRow("aligned start wins over earlier odd one")
        << Put(Put(filler, 5, "CONT"), 8, "CONT") << true << qint64(12);
    QTest::newRow("last group of start 0") << Put(filler, 4000, "CONT") << true << qint64(4004);
    QTest::newRow("last group of start 3") << Put(filler, 4003, "CONT") << true << qint64(4007);
    QTest::newRow("past the reads") << Put(filler, 4004, "CONT") << false << qint64(0);
    QTest::newRow("at the very end") << QByteArray("..CONT") << true << qint64(6);
    QTest::newRow("cut at the end") << QByteArray("CON") << false << qint64(0);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
  }
  void findMarker_searchesEachAlignment() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, found);
    QFETCH(qint64, position);
    const MarkerHit hit = FindMarker(bytes, "CONT");
    QCOMPARE(hit.found, found);
    QCOMPARE(hit.position, position);
  }

  void realTag_readsTitles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // title, author, copyright
    QTest::addColumn<bool>("found");
    const QByteArray head(".RMF", 4);
    QTest::newRow("content chunk") << head + QByteArray(13, '\0') + Cont("Title", "Me", "(c) 2000")
                                   << QStringList{"Title", "Me", "(c) 2000"} << true;
    QTest::newRow("content chunk long title")
        << head + Cont(QByteArray(255, 't'), "", "x") << QStringList{QString(255, 't'), "", "x"} << true;
    QTest::newRow("codec header") << QByteArray(".ra\xfd", 4) + QByteArray(30, '\0') +
                                         Dnet("Song", "Band", "c")
                                  << QStringList{"Song", "Band", "c"} << true;
    QTest::newRow("content chunk wins over codec")
        << Dnet("a", "b", "c") + Cont("T", "A", "C") << QStringList{"T", "A", "C"} << true;
    QTest::newRow("length past the end")
        << head + Cont("Title", "", "").left(15) << QStringList{"Tit", "", ""} << true;
    QTest::newRow("chunk after 4007 bytes")
        << QByteArray(4004, '\0') + Cont("Title", "Me", "c") << QStringList{"", "", ""} << false;
    QTest::newRow("chunk ending at byte 4007")
        << QByteArray(4003, '\0') + Cont(QByteArray(200, 'T'), QByteArray(200, 'A'), QByteArray(200, 'C'))
        << QStringList{QString(200, 'T'), QString(200, 'A'), QString(200, 'C')} << true;
    QTest::newRow("no marker") << QByteArray("nothing here") << QStringList{"", "", ""} << false;
  }
  void realTag_readsTitles() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QFETCH(bool, found);
    QTemporaryDir dir;
    const ReaderResult<RATag> result = ReadRealTag(WriteFile(dir, QStringLiteral("a.rm"), file));
    QCOMPARE((QStringList{result.value.title, result.value.author, result.value.copyright}), expected);
    QCOMPARE(!result.ReaderFailed, found);
  }

  void htmlTitle_findsTitleElement_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("failed");
    QTest::newRow("mixed case tags") << QByteArray("<html><head><TITLE>My page</title></head><body>x</body>")
                                     << QStringLiteral("My page") << false;
    QTest::newRow("kept as stored") << QByteArray("<title>\r\n a &amp; b </TiTlE>..more text")
                                    << QStringLiteral("\r\n a &amp; b ") << false;
    QTest::newRow("attribute not recognised")
        << QByteArray("<title lang=en>Page</title>more text here") << QString() << true;
    QTest::newRow("ends right after closing tag")
        << QByteArray("<title>A page title</title>") << QString() << true;
    QTest::newRow("one byte after closing tag")
        << QByteArray("<title>A page title</title>\n") << QStringLiteral("A page title") << false;
    QTest::newRow("empty title") << QByteArray("<title></title>.........") << QString() << false;
    QTest::newRow("title runs to the first closing tag")
        << QByteArray("<title>one <title>two</title>.............") << QStringLiteral("one <title>two")
        << false;
    // The opening "<" needs 16 bytes after it, one more than an empty title element and one byte.
    QTest::newRow("opening tag too near the end") << QByteArray("<title></title>.") << QString() << true;
    QTest::newRow("opening tag just far enough") << QByteArray("<title></title>..") << QString() << false;
    QTest::newRow("closing tag after 2048 bytes")
        << QByteArray("<title>") + QByteArray(2040, 'a') + "</title>......" << QString() << true;
    QTest::newRow("utf-8 title") << QByteArray("<title>Caf\xc3\xa9</title>........")
                                 << QStringLiteral("Caf\u00e9") << false;
    QTest::newRow("empty file") << QByteArray() << QString() << true;
  }
  void htmlTitle_findsTitleElement() {
    QFETCH(QByteArray, file);
    QFETCH(QString, title);
    QFETCH(bool, failed);
    QTemporaryDir dir;
    const ReaderResult<TStandardHTMLFormat> result =
        ReadHtmlTitle(WriteFile(dir, QStringLiteral("a.htm"), file));
    QCOMPARE(result.value.title, title);
    QCOMPARE(result.ReaderFailed, failed);
  }

  void n64Title_followsByteOrder_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("failed");
    QTest::newRow("big-endian") << Cartridge(Bytes({128, 55, 18, 64}), "ABCD") << QStringLiteral("ABCD")
                                << false;
    QTest::newRow("byte-swapped") << Cartridge(Bytes({55, 128, 64, 18}), "BADC") << QStringLiteral("ABCD")
                                  << false;
    QTest::newRow("byte-swapped pairs")
        << Cartridge(Bytes({55, 128, 64, 18}), "BADCxE") << QStringLiteral("ABCDEx") << false;
    QTest::newRow("little-endian") << Cartridge(Bytes({64, 18, 55, 128}), "DCBA") << QString() << true;
    QTest::newRow("short file") << Cartridge(Bytes({128, 55}), "ZELDA").left(37) << QStringLiteral("ZELDA")
                                << false;
    QTest::newRow("empty") << QByteArray() << QString() << true;
  }
  void n64Title_followsByteOrder() {
    QFETCH(QByteArray, file);
    QFETCH(QString, title);
    QFETCH(bool, failed);
    QTemporaryDir dir;
    const ReaderResult<TStandardNintendo> result =
        ReadN64Title(WriteFile(dir, QStringLiteral("a.z64"), file));
    QCOMPARE(result.value.title, title);
    QCOMPARE(result.ReaderFailed, failed);
  }

  void readers_closeFileOnEveryPath() {
    QTemporaryDir dir;
    const QList<QByteArray> contents{QByteArray(), QByteArray("short"), QByteArray(5000, 'x'),
                                     QByteArray(300, '\0') + Id3("Song", "", "", "", ""),
                                     Cont("T", "A", "C")};
    QStringList paths{dir.filePath(QStringLiteral("missing")), dir.path()};
    for (qsizetype i = 0; i < contents.size(); ++i) {
      paths.append(WriteFile(dir, QStringLiteral("f%1").arg(i), contents[i]));
    }
    const auto openFiles = [] {
      return QDir(QStringLiteral("/proc/self/fd"))
          .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
          .size();
    };
    const qsizetype before = openFiles();
    for (const QString &path : paths) {
      ReadMp3Tag(path);
      ReadRealTag(path);
      ReadHtmlTitle(path);
      ReadN64Title(path);
      for (const char *ext : {"bmp", "gif", "tga", "psd", "tif", "jpg", "pcx", "lbm", "png"}) {
        ReadPictureHeader(QLatin1String(ext), path);
      }
    }
    QCOMPARE(openFiles(), before);
  }

  void readers_missingFile_giveEmptyTexts() {
    const QString path = QStringLiteral("/nonexistent-zelvo-folder/a");
    QVERIFY(ReadMp3Tag(path).ReaderFailed);
    QVERIFY(ReadRealTag(path).ReaderFailed);
    QVERIFY(ReadHtmlTitle(path).ReaderFailed);
    QVERIFY(ReadN64Title(path).ReaderFailed);
    QVERIFY(ReadMp3Tag(path).value.title.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestTagReaders)
#include "tst_tag_readers.moc"
