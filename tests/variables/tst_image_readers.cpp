#include "variables/image_readers.h"

#include "explorer/file_list_entry.h"

#include "variables/support_reader_files.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace reader_test;

Q_DECLARE_METATYPE(ImageHeaderInfo)

namespace {

using ParseFn = ReaderResult<ImageHeaderInfo> (*)(QByteArrayView);

QByteArray Bmp(quint32 width, quint32 height, int bits) {
  QByteArray b = Put(QByteArray(54, '\0'), 0, "BM");
  b = Put(b, 18, Le32(width));
  b = Put(b, 22, Le32(height));
  b = Put(b, 26, Le16(1));
  return Put(b, 28, Le16(bits));
}

QByteArray Gif(int width, int height, int packed) {
  return QByteArray("GIF89a") + Le16(width) + Le16(height) + Bytes({packed, 0, 0});
}

QByteArray Psd(quint32 width, quint32 height, int channels, int depth, int version = 1) {
  QByteArray b = QByteArray("8BPS") + Be16(version) + QByteArray(6, '\0');
  return b + Be16(channels) + Be32(height) + Be32(width) + Be16(depth) + Be16(3);
}

QByteArray Pcx(int xmin, int ymin, int xmax, int ymax, int bitsPerPlane, int planes) {
  QByteArray b = Bytes({10, 5, 1, bitsPerPlane});
  b += Le16(xmin) + Le16(ymin) + Le16(xmax) + Le16(ymax);
  return Put(Put(b, 65, Bytes({planes})), 127, Bytes({0}));
}

QByteArray Ilbm(int width, int height, int planes) {
  QByteArray b = QByteArray("FORM") + Be32(1000) + "ILBMBMHD" + Be32(20);
  return b + Be16(width) + Be16(height) + Be32(0) + Bytes({planes, 0}) + QByteArray(10, '\0');
}

QByteArray Png(quint32 width, quint32 height, int depth, int colourType) {
  QByteArray b = Bytes({137, 80, 78, 71, 13, 10, 26, 10}) + Be32(13) + "IHDR";
  return b + Be32(width) + Be32(height) + Bytes({depth, colourType, 0, 0, 0}) + Be32(0);
}

// Start of image, a JFIF application segment 0, and filler up to `size` bytes.
QByteArray Jfif(int size = 64) {
  QByteArray b = Bytes({255, 216, 255, 224}) + Be16(16) + QByteArray("JFIF", 5);
  b.resize(size, '\0');
  return b;
}

// A baseline start-of-frame segment at offset.
QByteArray WithFrame(QByteArray b, qsizetype offset, int width, int height, int marker = 192) {
  return Put(b, offset,
             Bytes({255, marker}) + Be16(17) + Bytes({8}) + Be16(height) + Be16(width) + Bytes({3}));
}

// A TIFF whose first directory is at offset 8, with the given 12-byte entries.
QByteArray Tiff(bool little, const QList<QByteArray> &entries, const QByteArray &tail = {}) {
  QByteArray b = little ? QByteArray("II") + Le16(42) + Le32(8) : QByteArray("MM") + Be16(42) + Be32(8);
  b += little ? Le16(int(entries.size())) : Be16(int(entries.size()));
  for (const QByteArray &e : entries) {
    b += e;
  }
  return b + tail;
}

QByteArray Entry(bool little, int tag, int type, quint32 count, const QByteArray &value) {
  QByteArray e = little ? Le16(tag) + Le16(type) + Le32(count) : Be16(tag) + Be16(type) + Be32(count);
  return e + value.leftJustified(4, '\0', true);
}

QByteArray Short(bool little, int v) {
  return little ? Le16(v) : Be16(v);
}
QByteArray Long(bool little, quint32 v) {
  return little ? Le32(v) : Be32(v);
}

} // namespace

class TestImageReaders : public QObject {
  Q_OBJECT
private slots:
  void power2_wrapsIn32Bits_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("8") << 8 << 256;
    QTest::newRow("24") << 24 << 16777216;
    QTest::newRow("31 wraps negative") << 31 << std::numeric_limits<qint32>::min();
    QTest::newRow("32") << 32 << 0;
    QTest::newRow("255") << 255 << 0;
    QTest::newRow("negative") << -3 << 1;
  }
  void power2_wrapsIn32Bits() {
    QFETCH(int, n);
    QFETCH(qint32, expected);
    QCOMPARE(Power2(n), expected);
  }

  void parse_givesHeaderValues_data() {
    QTest::addColumn<ParseFn>("parse");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ImageHeaderInfo>("expected");
    QTest::addColumn<bool>("failed");
    const ImageHeaderInfo zero{};

    QTest::newRow("bmp 24-bit") << ParseFn(ParseBmpHeader) << Bmp(640, 480, 24)
                                << ImageHeaderInfo{640, 480, 24, 16777216} << false;
    QTest::newRow("bmp 32-bit has colours 0")
        << ParseFn(ParseBmpHeader) << Bmp(16, 16, 32) << ImageHeaderInfo{16, 16, 32, 0} << false;
    QTest::newRow("bmp wide keeps low 16 bits")
        << ParseFn(ParseBmpHeader) << Bmp(70000, 2, 1) << ImageHeaderInfo{4464, 2, 1, 2} << false;
    QTest::newRow("bmp wrong signature")
        << ParseFn(ParseBmpHeader) << Put(Bmp(640, 480, 24), 0, "BA") << zero << true;
    QTest::newRow("bmp truncated after width")
        << ParseFn(ParseBmpHeader) << Bmp(640, 480, 24).left(20) << ImageHeaderInfo{640, 0, 0, 1} << false;

    QTest::newRow("gif packed 247") << ParseFn(ParseGifHeader) << Gif(320, 200, 247)
                                    << ImageHeaderInfo{320, 200, 8, 256} << false;
    QTest::newRow("gif packed 128") << ParseFn(ParseGifHeader) << Gif(1, 2, 128)
                                    << ImageHeaderInfo{1, 2, 1, 2} << false;
    QTest::newRow("gif wrong signature")
        << ParseFn(ParseGifHeader) << Put(Gif(1, 2, 128), 0, "GIT") << zero << true;

    const QByteArray text = "this is only some plain text";
    QTest::newRow("tga takes any bytes")
        << ParseFn(ParseTgaHeader) << text << ImageHeaderInfo{0x7320, 0x6d6f, 'e', 0} << false;
    QTest::newRow("tga empty") << ParseFn(ParseTgaHeader) << QByteArray() << ImageHeaderInfo{0, 0, 0, 1}
                               << false;

    QTest::newRow("psd rgb") << ParseFn(ParsePsdHeader) << Psd(800, 600, 3, 8)
                             << ImageHeaderInfo{800, 600, 24, 16777216} << false;
    QTest::newRow("psd low halves") << ParseFn(ParsePsdHeader) << Psd(65537, 65538, 1, 16)
                                    << ImageHeaderInfo{1, 2, 16, 65536} << false;
    QTest::newRow("psd version 2") << ParseFn(ParsePsdHeader) << Psd(800, 600, 3, 8, 2) << zero << true;

    QTest::newRow("pcx window") << ParseFn(ParsePcxHeader) << Pcx(10, 20, 649, 499, 8, 3)
                                << ImageHeaderInfo{640, 480, 24, 16777216} << false;
    QTest::newRow("pcx reversed window wraps")
        << ParseFn(ParsePcxHeader) << Pcx(5, 0, 2, 0, 1, 1) << ImageHeaderInfo{65534, 1, 1, 2} << false;
    QTest::newRow("pcx bits kept to 8 bits")
        << ParseFn(ParsePcxHeader) << Pcx(0, 0, 0, 0, 8, 33) << ImageHeaderInfo{1, 1, 8, 256} << false;
    QTest::newRow("pcx wrong signature")
        << ParseFn(ParsePcxHeader) << Put(Pcx(0, 0, 1, 1, 8, 1), 0, "\x0b") << zero << true;

    QTest::newRow("ilbm") << ParseFn(ParseIlbmHeader) << Ilbm(320, 256, 5) << ImageHeaderInfo{320, 256, 5, 32}
                          << false;
    QTest::newRow("ilbm other form") << ParseFn(ParseIlbmHeader) << Put(Ilbm(320, 256, 5), 8, "PBM ") << zero
                                     << true;
    QTest::newRow("bmhd bare header")
        << ParseFn(ParseBmhdHeader) << (Be16(320) + Be16(200) + Be32(0) + "\x04")
        << ImageHeaderInfo{320, 200, 4, 16} << false;

    QTest::newRow("png grey 16") << ParseFn(ParsePngHeader) << Png(10, 20, 16, 0)
                                 << ImageHeaderInfo{10, 20, 16, 65536} << false;
    QTest::newRow("png rgb 8") << ParseFn(ParsePngHeader) << Png(10, 20, 8, 2)
                               << ImageHeaderInfo{10, 20, 24, 16777216} << false;
    QTest::newRow("png rgb 16") << ParseFn(ParsePngHeader) << Png(10, 20, 16, 2)
                                << ImageHeaderInfo{10, 20, 32, 0} << false;
    QTest::newRow("png palette 4") << ParseFn(ParsePngHeader) << Png(10, 20, 4, 3)
                                   << ImageHeaderInfo{10, 20, 4, 16} << false;
    QTest::newRow("png rgba 8") << ParseFn(ParsePngHeader) << Png(1, 1, 8, 6)
                                << ImageHeaderInfo{1, 1, 24, 16777216} << false;
    QTest::newRow("png unknown colour type")
        << ParseFn(ParsePngHeader) << Png(1, 1, 8, 5) << ImageHeaderInfo{1, 1, 0, 1} << false;
    QTest::newRow("png low halves") << ParseFn(ParsePngHeader) << Png(0x12345, 0x10002, 1, 0)
                                    << ImageHeaderInfo{0x2345, 2, 1, 2} << false;
    QTest::newRow("png without IHDR")
        << ParseFn(ParsePngHeader) << Put(Png(1, 1, 8, 6), 12, "IDAT") << zero << true;

    const ImageHeaderInfo jpeg{640, 480, 24, 16777216};
    QTest::newRow("jpeg baseline") << ParseFn(ParseJpegHeader) << WithFrame(Jfif(), 20, 640, 480) << jpeg
                                   << false;
    QTest::newRow("jpeg last frame wins")
        << ParseFn(ParseJpegHeader) << WithFrame(WithFrame(Jfif(100), 20, 1, 2), 60, 640, 480) << jpeg
        << false;
    QTest::newRow("jpeg app1 start") << ParseFn(ParseJpegHeader)
                                     << Put(WithFrame(Jfif(), 20, 640, 480), 3, Bytes({225})) << zero << true;
    QTest::newRow("jpeg progressive")
        << ParseFn(ParseJpegHeader) << WithFrame(Jfif(), 20, 640, 480, 194) << zero << true;
    QTest::newRow("jpeg frame before offset 19")
        << ParseFn(ParseJpegHeader) << WithFrame(Jfif(), 18, 640, 480) << zero << true;
    QTest::newRow("jpeg frame needs 12 bytes")
        << ParseFn(ParseJpegHeader) << WithFrame(Jfif(), 20, 640, 480).left(31) << zero << true;
    QTest::newRow("jpeg frame with 12 bytes")
        << ParseFn(ParseJpegHeader) << WithFrame(Jfif(), 20, 640, 480).left(32) << jpeg << false;
    QTest::newRow("jpeg frame after 8192 bytes")
        << ParseFn(ParseJpegHeader) << WithFrame(Jfif(9000), 8185, 640, 480) << zero << true;
    QTest::newRow("jpeg frame ending at 8192 bytes")
        << ParseFn(ParseJpegHeader) << WithFrame(Jfif(9000), 8180, 640, 480) << jpeg << false;
  }
  void parse_givesHeaderValues() {
    QFETCH(ParseFn, parse);
    QFETCH(QByteArray, bytes);
    QFETCH(ImageHeaderInfo, expected);
    QFETCH(bool, failed);
    const ReaderResult<ImageHeaderInfo> result = parse(bytes);
    QCOMPARE(result.value.width, expected.width);
    QCOMPARE(result.value.height, expected.height);
    QCOMPARE(result.value.bits, expected.bits);
    QCOMPARE(result.value.colours, expected.colours);
    QCOMPARE(result.ReaderFailed, failed);
  }

  void tiff_walksFirstDirectory_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ImageHeaderInfo>("expected");
    QTest::addColumn<bool>("failed");
    for (bool little : {true, false}) {
      const QByteArray order = little ? "le " : "be ";
      QTest::addRow("%s shorts", order.constData())
          << Tiff(little,
                  {Entry(little, 254, 4, 1, Long(little, 0)), Entry(little, 256, 3, 1, Short(little, 640)),
                   Entry(little, 257, 3, 1, Short(little, 480)), Entry(little, 258, 3, 1, Short(little, 8))})
          << ImageHeaderInfo{640, 480, 8, 256} << false;
      // Eight bits per sample for three samples, listed after the directory at offset 8+2+12+4.
      QTest::addRow("%s bits per sample list", order.constData())
          << Tiff(little, {Entry(little, 258, 3, 3, Long(little, 26))},
                  Long(little, 0) + Short(little, 8) + Short(little, 8) + Short(little, 8))
          << ImageHeaderInfo{0, 0, 24, 16777216} << false;
      QTest::addRow("%s bits list past the end", order.constData())
          << Tiff(little, {Entry(little, 258, 3, 4, Long(little, 26))}, Long(little, 0) + Short(little, 16))
          << ImageHeaderInfo{0, 0, 16, 65536} << false;
      QTest::addRow("%s stops after three tags", order.constData())
          << Tiff(little,
                  {Entry(little, 256, 3, 1, Short(little, 1)), Entry(little, 256, 3, 1, Short(little, 2)),
                   Entry(little, 258, 3, 1, Short(little, 4)), Entry(little, 257, 3, 1, Short(little, 9))})
          << ImageHeaderInfo{2, 0, 4, 16} << false;
      QTest::addRow("%s no bits tag leaves colours 0", order.constData())
          << Tiff(little, {Entry(little, 256, 3, 1, Short(little, 5))}) << ImageHeaderInfo{5, 0, 0, 0}
          << false;
      QTest::addRow("%s directory past the end", order.constData())
          << Put(Tiff(little, {}), 4, Long(little, 5000)) << ImageHeaderInfo{} << false;
    }
    // A LONG width: the first two bytes of the value field in the file's byte order.
    QTest::newRow("be long width gives high half")
        << Tiff(false, {Entry(false, 256, 4, 1, Be32(70000)), Entry(false, 257, 4, 1, Be32(500))})
        << ImageHeaderInfo{1, 0, 0, 0} << false;
    QTest::newRow("le long width gives low half")
        << Tiff(true, {Entry(true, 256, 4, 1, Le32(70000)), Entry(true, 257, 4, 1, Le32(500))})
        << ImageHeaderInfo{4464, 500, 0, 0} << false;
    QTest::newRow("mixed byte order mark") << Put(Tiff(true, {}), 0, "IM") << ImageHeaderInfo{} << true;
    QTest::newRow("le with 42 in the wrong byte")
        << (QByteArray("II") + Be16(42) + Le32(8)) << ImageHeaderInfo{} << true;
    QTest::newRow("empty") << QByteArray() << ImageHeaderInfo{} << true;
  }
  void tiff_walksFirstDirectory() {
    QFETCH(QByteArray, bytes);
    QFETCH(ImageHeaderInfo, expected);
    QFETCH(bool, failed);
    const ReaderResult<ImageHeaderInfo> result = ParseTiffHeader(QByteArrayView(bytes));
    QCOMPARE(result.value.width, expected.width);
    QCOMPARE(result.value.height, expected.height);
    QCOMPARE(result.value.bits, expected.bits);
    QCOMPARE(result.value.colours, expected.colours);
    QCOMPARE(result.ReaderFailed, failed);
  }

  void readPicture_readsFileByExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ImageHeaderInfo>("expected");
    QTest::addColumn<bool>("failed");
    QTest::newRow("bmp") << "a.BMP" << Bmp(640, 480, 24) << ImageHeaderInfo{640, 480, 24, 16777216} << false;
    QTest::newRow("gif") << "a.gif" << Gif(3, 4, 247) << ImageHeaderInfo{3, 4, 8, 256} << false;
    QTest::newRow("text named tga") << "x.tga" << QByteArray("0123456789ab") + Bytes({2, 1, 3, 0, 16})
                                    << ImageHeaderInfo{0x102, 3, 16, 65536} << false;
    QTest::newRow("psd") << "a.psd" << Psd(5, 6, 4, 8) << ImageHeaderInfo{5, 6, 32, 0} << false;
    QTest::newRow("pcc") << "a.pcc" << Pcx(0, 0, 9, 9, 1, 4) << ImageHeaderInfo{10, 10, 4, 16} << false;
    QTest::newRow("png") << "a.png" << Png(7, 8, 8, 6) << ImageHeaderInfo{7, 8, 24, 16777216} << false;
    QTest::newRow("jfif") << "a.jfif" << WithFrame(Jfif(4000), 3000, 9, 10)
                          << ImageHeaderInfo{9, 10, 24, 16777216} << false;
    QTest::newRow("tiff far directory") << "a.tiff"
                                        << Put(Put(QByteArray("II") + Le16(42) + Le32(20000), 20000, Le16(1)),
                                               20002, Entry(true, 257, 3, 1, Le16(77)))
                                        << ImageHeaderInfo{0, 77, 0, 0} << false;
    QTest::newRow("iff with FORM") << "a.iff" << Ilbm(320, 256, 5) << ImageHeaderInfo{320, 256, 5, 32}
                                   << false;
    QTest::newRow("lbm without FORM falls back")
        << "a.lbm" << (Be16(320) + Be16(200) + Be32(0) + "\x02") << ImageHeaderInfo{320, 200, 2, 4} << false;
    QTest::newRow("wrong signature") << "a.png" << Gif(3, 4, 247) << ImageHeaderInfo{} << true;
    QTest::newRow("not a picture") << "a.txt" << Bmp(640, 480, 24) << ImageHeaderInfo{} << true;
  }
  void readPicture_readsFileByExtension() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(ImageHeaderInfo, expected);
    QFETCH(bool, failed);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, name, bytes);
    QVERIFY(!path.isEmpty());
    const ReaderResult<ImageHeaderInfo> result = ReadPictureHeader(QFileInfo(name).suffix(), path);
    QCOMPARE(result.value, expected);
    QCOMPARE(result.ReaderFailed, failed);
  }

  void readers_unreadableFile_giveZeroRecord_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("no permission") << "no permission";
  }
  void readers_unreadableFile_giveZeroRecord() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("x.bmp"));
    if (kind == QLatin1String("folder")) {
      QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.bmp")));
    } else if (kind == QLatin1String("pipe")) {
      // Opening a pipe that nobody writes to must not wait.
      QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("no permission")) {
      if (::geteuid() == 0) {
        QSKIP("permissions do not stop the superuser from reading");
      }
      path = WriteFile(dir, QStringLiteral("x.bmp"), Bmp(1, 1, 1));
      QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    for (const char *ext : {"bmp", "gif", "tga", "psd", "tif", "jpg", "pcx", "lbm", "png"}) {
      const ReaderResult<ImageHeaderInfo> result = ReadPictureHeader(QLatin1String(ext), path);
      QCOMPARE(result.value, ImageHeaderInfo{});
      QVERIFY2(result.ReaderFailed, ext);
    }
  }

  void readers_nativePathNotUtf8_isRead() {
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9.bmp";
    // Written through the native name itself so the bytes of the name stay as they are.
    FILE *out = ::fopen(native.constData(), "wb");
    QVERIFY(out != nullptr);
    const QByteArray bytes = Bmp(33, 44, 8);
    QCOMPARE(::fwrite(bytes.constData(), 1, size_t(bytes.size()), out), size_t(bytes.size()));
    ::fclose(out);
    FileListEntry entry;
    entry.SubItems[SubFullPath] = QFile::decodeName(native);
    entry.NativePath = native;
    const ReaderResult<ImageHeaderInfo> byBytes = ReadBmpHeader(native);
    const ReaderResult<ImageHeaderInfo> byEntry = ReadBmpHeader(EntryReaderPath(entry));
    ::unlink(native.constData());
    QCOMPARE(byBytes.value, (ImageHeaderInfo{33, 44, 8, 256}));
    QVERIFY(!byBytes.ReaderFailed);
    QCOMPARE(byEntry.value, byBytes.value);
  }

  void entryReaderPath_withoutNativePath_usesFullPath() {
    QTemporaryDir dir;
    FileListEntry entry;
    entry.SubItems[SubFullPath] = WriteFile(dir, QStringLiteral("\u00e9t\u00e9.gif"), Gif(5, 6, 128));
    QCOMPARE(ReadGifHeader(EntryReaderPath(entry)).value, (ImageHeaderInfo{5, 6, 1, 2}));
  }
};

QTEST_GUILESS_MAIN(TestImageReaders)
#include "tst_image_readers.moc"
