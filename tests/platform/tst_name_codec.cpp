// Names that are not valid UTF-8 come back byte for byte and read distinctly in messages.
#include "platform/name_codec.h"

#include <QtTest>

class TestNameCodec : public QObject {
  Q_OBJECT
private slots:
  void decodeThenEncode_givesTheSameBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("escaped"); // how many bytes decode to an escape
    QTest::newRow("ascii") << QByteArray("plain.txt") << 0;
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80") << 0;
    QTest::newRow("U+10080, low half DC80") << QByteArray("\xF0\x90\x82\x80\xE9") << 1;
    QTest::newRow("latin-1 byte") << QByteArray("caf\xE9.txt") << 1;
    QTest::newRow("utf-8 of a surrogate") << QByteArray("\xED\xB3\xA9") << 3;
    QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF") << 2;
    QTest::newRow("cut sequence") << QByteArray("\xE2\x82x") << 2;
    QTest::newRow("lone continuation") << QByteArray("\x80\xBF") << 2;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 4;
    QTest::newRow("every high byte") << [] {
      QByteArray all;
      for (int b = 0x80; b <= 0xFF; ++b)
        all += char(b);
      return all;
    }() << 128;
  }
  void decodeThenEncode_givesTheSameBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, escaped);
    const QString text = DecodeName(bytes);
    QCOMPARE(EncodeName(text), bytes);
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
      count += EscapedByteAt(text, i) >= 0 ? 1 : 0;
    QCOMPARE(count, escaped);
    QCOMPARE(HasEscapedBytes(text), escaped > 0);
    if (escaped == 0)
      QCOMPARE(text, QString::fromUtf8(bytes));
  }

  void shownName_writesEachEscapedByteInHex_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid") << QByteArray("caf\xC3\xA9.txt") << QStringLiteral("caf\u00E9.txt");
    QTest::newRow("latin-1") << QByteArray("caf\xE9.txt") << QStringLiteral("caf\\xE9.txt");
    QTest::newRow("cp437") << QByteArray("caf\x82.txt") << QStringLiteral("caf\\x82.txt");
    QTest::newRow("two") << QByteArray("\xFF\x0A\xC3") << QStringLiteral("\\xFF\n\\xC3");
  }
  void shownName_writesEachEscapedByteInHex() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(ShownName(DecodeName(bytes)), shown);
  }

  void encode_otherLoneSurrogate_givesReplacementCharacter() {
    QCOMPARE(EncodeName(u"a\xD800"), QByteArray("a\xEF\xBF\xBD"));
  }
};

QTEST_GUILESS_MAIN(TestNameCodec)
#include "tst_name_codec.moc"
