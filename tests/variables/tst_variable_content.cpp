// Content variables on files built byte by byte: picture sizes and colours, music tags, page titles,
// cartridge titles; each read afresh from the file the entry names.
#include "support_expand.h"
#include "variables/variable_expander.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int v : values)
    bytes.append(char(v));
  return bytes;
}

QByteArray Le16(int v) {
  return Bytes({char(v & 0xff), char((v >> 8) & 0xff)});
}
QByteArray Be16(int v) {
  return Bytes({char((v >> 8) & 0xff), char(v & 0xff)});
}

// The bytes with value written at offset, zeros filling any gap.
QByteArray Put(QByteArray bytes, qsizetype offset, const QByteArray &value) {
  if (bytes.size() < offset + value.size())
    bytes.resize(offset + value.size(), '\0');
  bytes.replace(offset, value.size(), value);
  return bytes;
}

QByteArray Field(const QByteArray &text, int width) {
  QByteArray f = text;
  f.resize(width, ' ');
  return f;
}

QByteArray Gif(int w, int h, int flags) {
  return Put(Put(Put("GIF89a", 6, Le16(w)), 8, Le16(h)), 10, QByteArray(1, char(flags))) +
         QByteArray(4, '\0');
}
QByteArray Bmp(int w, int h, int bits) {
  return Put(Put(Put("BM", 18, Le16(w)), 22, Le16(h)), 28, QByteArray(1, char(bits))) + QByteArray(8, '\0');
}
QByteArray Png(int w, int h, int depth, int colourType) {
  QByteArray b("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  b = Put(Put(b, 18, Be16(w)), 22, Be16(h));
  return Put(b, 24, Bytes({char(depth), char(colourType), 0, 0, 0}));
}
QByteArray Tga(int w, int h, int bits) {
  return Put(Put(Put(QByteArray(12, '\0'), 12, Le16(w)), 14, Le16(h)), 16, Bytes({char(bits), 0}));
}
QByteArray Pcx(int w, int h, int bitsPerPlane, int planes) {
  QByteArray b = Put(Bytes({10, 5, 1, char(bitsPerPlane)}), 8, Le16(w - 1));
  return Put(Put(b, 10, Le16(h - 1)), 65, QByteArray(1, char(planes)));
}
QByteArray Ilbm(int w, int h, int planes) {
  QByteArray b = Put(Put(QByteArray("FORM\0\0\0\0ILBMBMHD", 16), 20, Be16(w)), 22, Be16(h));
  return Put(b, 28, Bytes({char(planes), 0}));
}
QByteArray Psd(int w, int h, int channels, int depth) {
  QByteArray b = Put(QByteArray("8BPS\0\1", 6), 12, Be16(channels));
  b = Put(Put(b, 16, Be16(h)), 20, Be16(w));
  return Put(b, 22, Be16(depth));
}
QByteArray Jpeg(int w, int h) {
  QByteArray b("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
  b += QByteArray("\xff\xc0\x00\x11\x08", 5) + Be16(h) + Be16(w);
  return b + QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xd9", 12);
}
QByteArray Mp3(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
               const QByteArray &year, const QByteArray &comment) {
  return QByteArray(300, '\x55') + "TAG" + Field(title, 30) + Field(artist, 30) + Field(album, 30) +
         Field(year, 4) + Field(comment, 30) + QByteArray(1, '\x0c');
}
QByteArray Real(const QByteArray &title, const QByteArray &author, const QByteArray &copyright) {
  return QByteArray(".RMF\0\0\0\x12", 8) + "CONT" + QByteArray(4, '\0') + QByteArray(3, '\0') +
         char(title.size()) + title + '\0' + char(author.size()) + author + '\0' + char(copyright.size()) +
         copyright + QByteArray(16, '\0');
}
QByteArray Cartridge(const QByteArray &title, bool swapped) {
  QByteArray b = Put(Bytes({char(0x80), 0x37, 0x12, 0x40}), 32, Field(title, 20));
  b.resize(64, '\0');
  if (swapped) {
    for (qsizetype i = 0; i + 1 < b.size(); i += 2)
      std::swap(b[i], b[i + 1]);
  }
  return b;
}

FileListEntry EntryFor(const QString &path) {
  const QFileInfo info(path);
  FileListEntry e;
  e.Caption = info.fileName();
  e.SubItems[SubFolder] = info.absolutePath() + QLatin1Char('/');
  e.SubItems[SubSize] = QString::number(info.size());
  const qsizetype dot = e.Caption.lastIndexOf(QLatin1Char('.'));
  e.SubItems[SubExtension] = dot < 0 ? QString() : e.Caption.mid(dot + 1);
  e.SubItems[SubAttributes] = QStringLiteral("A");
  e.SubItems[SubFullPath] = e.SubItems[SubFolder] + e.Caption;
  e.SubItems[SubKind] = QStringLiteral("file");
  return e;
}

} // namespace

class TestVariableContent : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

  QString Write(const QString &name, const QByteArray &bytes) {
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
      return QString();
    return path;
  }

  static QString Expand(const FileListEntry &entry, const QString &text) { return ExpandFor(entry, text); }

private slots:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  void contentOfFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // Pictures of every reader, with each selector
    QTest::newRow("gif 256 colours") << "a.gif" << Gif(320, 200, 0x70) << "\\G"
                                     << "320x200x256";
    QTest::newRow("gif bits") << "a.gif" << Gif(320, 200, 0x70) << "\\GB \\Gb"
                              << "8 8";
    QTest::newRow("gif count") << "a.gif" << Gif(320, 200, 0x10) << "\\GCC"
                               << "4";
    QTest::newRow("bmp 24 bits") << "b.BMP" << Bmp(640, 480, 24) << "\\G"
                                 << "640x480x16M";
    QTest::newRow("bmp lower-case selectors") << "b.bmp" << Bmp(640, 480, 24) << "\\Gw-\\Gh-\\Gc-\\Gcc"
                                              << "640-480-16M-16777216";
    QTest::newRow("png 16-bit rgba") << "c.png" << Png(1024, 768, 16, 6) << "\\G"
                                     << "1024x768x16M";
    QTest::newRow("png 32 bits, count wraps") << "c.png" << Png(1024, 768, 16, 6) << "\\GCC"
                                              << "0";
    QTest::newRow("png palette") << "c.png" << Png(16, 16, 4, 3) << "\\G"
                                 << "16x16x16";
    QTest::newRow("tga 15 bits") << "d.tga" << Tga(100, 50, 15) << "\\G"
                                 << "100x50x32K";
    QTest::newRow("targa 16 bits") << "e.TARGA" << Tga(100, 50, 16) << "\\GC"
                                   << "64K";
    QTest::newRow("pix 48 bits") << "f.pix" << Tga(100, 50, 48) << "\\G"
                                 << "100x50x48B";
    QTest::newRow("tga 32 bits") << "f.tga" << Tga(7, 9, 32) << "\\G"
                                 << "7x9x16M";
    QTest::newRow("pcx 24 bits") << "g.pcx" << Pcx(800, 600, 8, 3) << "\\G"
                                 << "800x600x16M";
    QTest::newRow("pcc 8 bits") << "g.PCC" << Pcx(80, 60, 8, 1) << "\\Gx\\GCc"
                                << "80x60x256x256";
    QTest::newRow("iff planes") << "h.iff" << Ilbm(320, 256, 5) << "\\G"
                                << "320x256x32";
    QTest::newRow("ilbm") << "h.ilbm" << Ilbm(320, 256, 8) << "\\GH"
                          << "256";
    QTest::newRow("lbm without FORM")
        << "i.lbm" << (Be16(64) + Be16(48) + QByteArray(4, 0) + char(4) + char(0)) << "\\G"
        << "64x48x16";
    QTest::newRow("psd rgb") << "j.psd" << Psd(1000, 700, 3, 8) << "\\G"
                             << "1000x700x16M";
    QTest::newRow("jpeg") << "k.jpeg" << Jpeg(1, 2) << "\\G"
                          << "1x2x16M";
    QTest::newRow("jfif") << "k.JFIF" << Jpeg(3, 4) << "\\GW"
                          << "3";
    QTest::newRow("jif") << "k.jif" << Jpeg(3, 4) << "\\GH"
                         << "4";
    QTest::newRow("not a picture") << "l.txt" << Gif(1, 1, 0) << "\\GWx\\GH"
                                   << "WxH";
    QTest::newRow("broken jpeg") << "m.jpg" << QByteArray("not a picture") << "\\G"
                                 << "0x0x0";
    QTest::newRow("broken gif, selector taken") << "m.gif" << QByteArray("GIX") << "\\GW"
                                                << "0";
    // Music tags
    const QByteArray song = Mp3("Song: Title", "Artist", "Album", "1999", "A/comment");
    QTest::newRow("mp3 title by default") << "s.mp3" << song << "\\A"
                                          << "Song: Title";
    QTest::newRow("mp3 title") << "s.MP3" << song << "\\AT"
                               << "Song: Title";
    QTest::newRow("mp3 artist album") << "s.mp3" << song << "\\Aa - \\AL"
                                      << "Artist - Album";
    QTest::newRow("mp3 year") << "s.mp3" << song << "\\AY"
                              << "1999";
    QTest::newRow("mp3 two-digit year") << "s.mp3" << song << "\\Ay2"
                                        << "99";
    QTest::newRow("mp3 comment, slash turned") << "s.mp3" << song << "\\AC"
                                               << "A,comment";
    QTest::newRow("mp3 other letter stays") << "s.mp3" << song << "\\Ax"
                                            << "Song: Titlex";
    QTest::newRow("mp3 without tag, selector taken") << "t.mp3" << QByteArray(200, 'x') << "[\\AA]"
                                                     << "[]";
    const QByteArray clip = Real("Clip", "Author", "Copy");
    QTest::newRow("ra title") << "r.ra" << clip << "\\A"
                              << "Clip";
    QTest::newRow("rm author") << "r.rm" << clip << "\\AA"
                               << "Author";
    QTest::newRow("ram copyright") << "r.RAM" << clip << "\\Ac"
                                   << "Copy";
    QTest::newRow("ra no title block, letters stay") << "q.ra" << QByteArray(64, 'x') << "\\AT"
                                                     << "T";
    QTest::newRow("tag of another file kind") << "s.wav" << song << "\\AT"
                                              << "T";
    // Page titles
    const QByteArray page = "<html><head><TITLE>My: Page?</TITLE></head><body>text</body></html>";
    QTest::newRow("htm title, forbidden characters") << "p.htm" << page << "\\H"
                                                     << "My# Page#";
    QTest::newRow("html title") << "p.HTML" << QByteArray("<title>a/b</title><p>padding text</p>") << "\\h"
                                << "a#b";
    QTest::newRow("page without title")
        << "p.htm" << QByteArray("<html>no title here at all</html>") << "[\\H]"
        << "[]";
    QTest::newRow("title of another file kind") << "p.txt" << page << "[\\H]"
                                                << "[]";
    // Cartridge titles
    QTest::newRow("z64 title") << "g.z64" << Cartridge("SUPER GAME", false) << "\\Z"
                               << "SUPER GAME";
    QTest::newRow("v64 swapped title") << "g.v64" << Cartridge("SUPER GAME", true) << "\\z"
                                       << "SUPER GAME";
    QTest::newRow("rom title") << "g.ROM" << Cartridge("A/B", false) << "\\Z"
                               << "A,B";
    QTest::newRow("unknown cartridge order") << "g.rom" << QByteArray(64, 'x') << "[\\Z]"
                                             << "[]";
    QTest::newRow("cartridge of another file kind") << "g.bin" << Cartridge("GAME", false) << "[\\Z]"
                                                    << "[]";
  }
  void contentOfFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString path = Write(name, bytes);
    QVERIFY(!path.isEmpty());
    QCOMPARE(Expand(EntryFor(path), text), expected);
  }

  void missingFile_givesZeros_data() {
    QTest::addColumn<QString>("extension");
    for (const char *e : {"JPG", "jpeg", "JIF", "JFIF", "GIF", "PSD", "BMP", "PNG", "TIF", "tiff", "TGA",
                          "TARGA", "PIX", "PCX", "PCC", "IFF", "ILBM", "LBM"})
      QTest::newRow(e) << QString::fromLatin1(e);
  }
  void missingFile_givesZeros() {
    QFETCH(QString, extension);
    const FileListEntry e = EntryFor(m_dir.filePath(QStringLiteral("gone.") + extension));
    QCOMPARE(Expand(e, QStringLiteral("\\G|\\GW|\\GCC")), QStringLiteral("0x0x0|0|0"));
    QCOMPARE(Expand(e, QStringLiteral("\\AT\\H\\Z")), QStringLiteral("T"));
  }

  void everyVariable_readsTheFileAfresh() {
    const QString path = Write(QStringLiteral("fresh.gif"), Gif(10, 20, 0));
    const FileListEntry e = EntryFor(path);
    QCOMPARE(Expand(e, QStringLiteral("\\GW")), QStringLiteral("10"));
    QVERIFY(!Write(QStringLiteral("fresh.gif"), Gif(30, 20, 0)).isEmpty());
    QCOMPARE(Expand(e, QStringLiteral("\\GW")), QStringLiteral("30"));
    const QString song = Write(QStringLiteral("fresh.mp3"), Mp3("One", "", "", "", ""));
    QCOMPARE(Expand(EntryFor(song), QStringLiteral("\\A")), QStringLiteral("One"));
    QVERIFY(!Write(QStringLiteral("fresh.mp3"), Mp3("Two", "", "", "", "")).isEmpty());
    QCOMPARE(Expand(EntryFor(song), QStringLiteral("\\A")), QStringLiteral("Two"));
  }

  void fileNameNotUtf8_isReadThroughNativePath() {
    const QByteArray native = QFile::encodeName(m_dir.path()) + "/pic\xff.gif";
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    const QByteArray bytes = Gif(77, 88, 0);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
    FileListEntry e = EntryFor(QString::fromUtf8(native));
    QCOMPARE(Expand(e, QStringLiteral("\\GW")), QStringLiteral("0")); // the text path names no file
    e.NativePath = native;
    QCOMPARE(Expand(e, QStringLiteral("\\GWx\\GH")), QStringLiteral("77x88"));
    ::unlink(native.constData()); // a name the temporary folder's clean-up cannot spell
  }

  void folderOrPipe_isNotRead() {
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.jpg")));
    QCOMPARE(Expand(EntryFor(m_dir.filePath(QStringLiteral("folder.jpg"))), QStringLiteral("\\G")),
             QStringLiteral("0x0x0"));
    const QByteArray fifo = QFile::encodeName(m_dir.filePath(QStringLiteral("pipe.mp3")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QCOMPARE(Expand(EntryFor(QString::fromUtf8(fifo)), QStringLiteral("[\\A]")), QStringLiteral("[]"));
  }
};

QTEST_GUILESS_MAIN(TestVariableContent)
#include "tst_variable_content.moc"
