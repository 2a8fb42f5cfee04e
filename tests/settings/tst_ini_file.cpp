#include "settings/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject {
  Q_OBJECT
private slots:
  void read_valuesByCaseInsensitiveNames_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "<none>" when missing
    const QByteArray file =
        "; comment=1\r\n[Filename]\r\nFile Mask = *.txt \r\nQuoted=\"  a b  \"\r\n"
        "Empty=\"\"\r\nHalf=\"abc\r\nInner=\"a\"b\"\r\nTwice=\"\"x\"\"\r\nFile Mask=second\r\n"
        "[Other]\r\nKey=other\r\n[filename]\r\nLate=late\r\n";
    QTest::newRow("exact") << file << "Filename"
                           << "File Mask"
                           << "*.txt";
    QTest::newRow("other case") << file << "FILENAME"
                                << "file mask"
                                << "*.txt";
    QTest::newRow("quotes keep blanks") << file << "Filename"
                                        << "Quoted"
                                        << "  a b  ";
    QTest::newRow("empty quotes") << file << "Filename"
                                  << "Empty"
                                  << "";
    QTest::newRow("one quote stays") << file << "Filename"
                                     << "Half"
                                     << "\"abc";
    QTest::newRow("inner quote stays") << file << "Filename"
                                       << "Inner"
                                       << "a\"b";
    QTest::newRow("one pair only") << file << "Filename"
                                   << "Twice"
                                   << "\"x\"";
    QTest::newRow("other section") << file << "Other"
                                   << "key"
                                   << "other";
    QTest::newRow("second section of one name unused") << file << "Filename"
                                                       << "Late"
                                                       << "<none>";
    QTest::newRow("comment is no key") << file << ""
                                       << "; comment"
                                       << "<none>";
    QTest::newRow("missing section") << file << "Nope"
                                     << "Key"
                                     << "<none>";
    QTest::newRow("Latin-1 line") << QByteArray("[S]\nK=caf\xe9\n") << "S"
                                  << "K"
                                  << "café";
    QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf[S]\nK=caf\xc3\xa9\n") << "S"
                                     << "K"
                                     << "café";
    QTest::newRow("no final break") << QByteArray("[S]\nK=v") << "S"
                                    << "K"
                                    << "v";
  }
  void read_valuesByCaseInsensitiveNames() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const IniFile ini(bytes);
    QCOMPARE(ini.ReadString(section, key, "<none>"), expected);
  }

  void readInteger_takesDecimalOrDefault_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("one") << QByteArray("1") << 1;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("blanks") << QByteArray("  7  ") << 7;
    QTest::newRow("quoted") << QByteArray("\"5\"") << 5;
    QTest::newRow("text") << QByteArray("abc") << 42;
    QTest::newRow("trailing text") << QByteArray("12abc") << 42;
    QTest::newRow("empty") << QByteArray("") << 42;
    QTest::newRow("too big") << QByteArray("99999999999") << 42;
  }
  void readInteger_takesDecimalOrDefault() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    const IniFile ini("[S]\nK=" + value + "\n");
    QCOMPARE(ini.ReadInteger("S", "K", 42), expected);
    QCOMPARE(ini.ReadBool("S", "K", true), expected != 0);
  }

  void write_replacesInPlaceAndKeepsEverythingElse() {
    const QByteArray before = "; my notes\r\n[Filename]\r\nfile mask=*.txt\r\nOwn Key=own\r\n\r\n"
                              "[Mine]\r\nx=caf\xe9\r\n";
    IniFile ini(before);
    ini.WriteString("FILENAME", "File Mask", "*.jpg");
    ini.WriteString("Filename", "Replace With", "1");
    ini.WriteString("Autonumber", "No Changes", "1");
    ini.WriteInteger("Autonumber", "RgTypeNumber", 3);
    QCOMPARE(ini.ToBytes(), QByteArray("; my notes\r\n[Filename]\r\nFile Mask=*.jpg\r\nOwn Key=own\r\n"
                                       "Replace With=1\r\n\r\n[Mine]\r\nx=caf\xe9\r\n"
                                       "[Autonumber]\r\nNo Changes=1\r\nRgTypeNumber=3\r\n"));
  }

  void write_newFileUsesLineFeeds_andValuesStayOnOneLine() {
    IniFile ini;
    ini.WriteString("S", "K", "two\r\nlines");
    ini.WriteBool("S", "F", true);
    QCOMPARE(ini.ToBytes(), QByteArray("[S]\nK=two  lines\nF=1\n"));
  }

  void garbage_readsAsEmptyWithoutCrashing() {
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
      noise += char((i * 7919 + 13) % 256);
    const IniFile ini(noise + "\n[\n=\n]=x\n[]\n=v\n");
    QCOMPARE(ini.ReadString("Filename", "File Mask", "*.*"), QString("*.*"));
    QCOMPARE(ini.ReadInteger("", "", 9), 9);
  }

  void saveAndLoad_roundTripThroughFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    IniFile empty;
    QCOMPARE(empty.Load(path), QString()); // no file yet: empty, no error
    empty.WriteString("S", "K", "\"é\"");
    QCOMPARE(empty.Save(path), QString());
    IniFile loaded;
    QCOMPARE(loaded.Load(path), QString());
    QCOMPARE(loaded.ReadString("s", "k", {}), QString("é"));
    QVERIFY(!IniFile().Save(dir.filePath("missing/a.ini")).isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
