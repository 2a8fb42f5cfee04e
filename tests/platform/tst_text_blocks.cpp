// Names and paths made in shared blocks read, change and outlive their maker as texts of their own.
#include "platform/name_codec.h"
#include "platform/text_blocks.h"

#include <QtTest>

class TestTextBlocks : public QObject {
  Q_OBJECT
private slots:
  void madeTexts_equalThoseMadeAlone_data() {
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("ascii") << QByteArray("/tmp/a/") << QByteArray("photo.jpg");
    QTest::newRow("utf-8") << QByteArray("/tmp/\xC3\xA9t\xC3\xA9/")
                           << QByteArray("caf\xC3\xA9 \xF0\x9F\x98\x80");
    QTest::newRow("not utf-8") << QByteArray("/t/") << QByteArray("na\xEFve\xE9.txt");
    QTest::newRow("empty name") << QByteArray("/t/") << QByteArray();
    QTest::newRow("longer than a share of a block") << QByteArray("/t/") << QByteArray(5000, 'n');
    QTest::newRow("long, not ascii") << QByteArray("/t/") << QByteArray(3000, '\xE9');
  }
  void madeTexts_equalThoseMadeAlone() {
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, name);
    TextBlocks blocks;
    const QString first = blocks.Decode("first.txt");
    const QString decoded = blocks.Decode(name);
    const QString joined = blocks.Joined(DecodeName(folder), decoded);
    const QByteArray path = blocks.Joined(folder, name);
    const QByteArray encoded = blocks.Encoded(folder, DecodeName(name));
    // Many more texts fill further blocks and leave these where they are.
    for (int i = 0; i < 5000; ++i)
      (void)blocks.Joined(folder, blocks.Decode(name.left(30)).toUtf8());
    QCOMPARE(first, QStringLiteral("first.txt"));
    QCOMPARE(decoded, DecodeName(name));
    QCOMPARE(joined, DecodeName(folder) + DecodeName(name));
    QCOMPARE(path, folder + name);
    QCOMPARE(encoded, EncodeNameAfter(folder, DecodeName(name)));
    QCOMPARE(encoded.constData()[encoded.size()], '\0');
    QCOMPARE(decoded.utf16()[decoded.size()], u'\0');
    QCOMPARE(path.constData()[path.size()], '\0');
  }

  void changedText_leavesItsNeighboursAlone() {
    QString a, b;
    QByteArray c, d;
    {
      TextBlocks blocks;
      a = blocks.Add(u"abc");
      b = blocks.Add(u"def");
      c = blocks.Joined("/x/", "abc");
      d = blocks.Joined("/x/", "def");
      a.append(u"XYZ"); // while the maker still holds the block
      c.append("XYZ");
    }
    b.append(u"UVW"); // once it is gone
    d.append("UVW");
    QCOMPARE(a, QStringLiteral("abcXYZ"));
    QCOMPARE(b, QStringLiteral("defUVW"));
    QCOMPARE(c, QByteArray("/x/abcXYZ"));
    QCOMPARE(d, QByteArray("/x/defUVW"));
    a.clear();
    c.clear();
    b.append(u"RST"); // the last text of its block
    QCOMPARE(b, QStringLiteral("defUVWRST"));
  }
};

QTEST_APPLESS_MAIN(TestTextBlocks)
#include "tst_text_blocks.moc"
