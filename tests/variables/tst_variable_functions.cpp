// The pure helpers of the variable expansion: digits in any radix, thousands groups, random names,
// size texts, and the selector and count reading of the scan.
#include "variables/variable_functions.h"
#include "variables/variable_scan.h"

#include <QTest>

class TestVariableFunctions : public QObject {
  Q_OBJECT

private slots:
  void intToDigits_data() {
    QTest::addColumn<quint64>("n");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero is the first character") << quint64(0) << "0123456789"
                                                 << "0";
    QTest::newRow("decimal") << quint64(1234) << "0123456789"
                             << "1234";
    QTest::newRow("binary") << quint64(10) << "01"
                            << "1010";
    QTest::newRow("hex") << quint64(255) << "0123456789ABCDEF"
                         << "FF";
    QTest::newRow("radix 36") << quint64(2147483648u) << "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                              << "ZIK0ZK";
    QTest::newRow("own digit set") << quint64(5) << "ab"
                                   << "bab";
    QTest::newRow("largest number in binary") << ~quint64(0) << "01" << QString(64, QLatin1Char('1'));
    QTest::newRow("one digit, zero") << quint64(0) << "x"
                                     << "x";
    QTest::newRow("one digit, no notation") << quint64(3) << "x"
                                            << "";
    QTest::newRow("empty set") << quint64(3) << ""
                               << "";
  }
  void intToDigits() {
    QFETCH(quint64, n);
    QFETCH(QString, set);
    QFETCH(QString, expected);
    QCOMPARE(IntToDigits(n, set), expected);
  }

  void groupThousands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("seven digits") << "1234567"
                                  << "."
                                  << "1.234.567";
    QTest::newRow("comma") << "1234567"
                           << ","
                           << "1,234,567";
    QTest::newRow("three stay") << "123"
                                << "."
                                << "123";
    QTest::newRow("four") << "1234"
                          << "."
                          << "1.234";
    QTest::newRow("six") << "123456"
                         << ","
                         << "123,456";
    QTest::newRow("empty") << ""
                           << "."
                           << "";
    QTest::newRow("twenty digits") << "18446744073709551615"
                                   << "."
                                   << "18.446.744.073.709.551.615";
  }
  void groupThousands() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(GroupThousands(text, separator.at(0)), expected);
  }

  void randomName_drawsLettersAToYAndDigits() {
    QRandomGenerator random(1234);
    const QString name = RandomName(20000, random);
    QCOMPARE(name.size(), 20000);
    int digits = 0;
    QSet<QChar> seen;
    for (QChar c : name) {
      QVERIFY2((c >= QLatin1Char('A') && c <= QLatin1Char('Y')) || c.isDigit(), qPrintable(QString(c)));
      digits += c.isDigit();
      seen.insert(c);
    }
    // Three draws in ten give a digit; all 25 letters and 10 digits turn up.
    QVERIFY2(digits > 5400 && digits < 6600, qPrintable(QString::number(digits)));
    QCOMPARE(seen.size(), 35);
  }

  void randomName_ofNoCountIsEmpty() {
    QRandomGenerator random(1);
    QCOMPARE(RandomName(0, random), QString());
    QCOMPARE(RandomName(-5, random), QString());
  }

  void parseSizeText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("digits") << "1234567" << true << qint64(1234567);
    QTest::newRow("beyond 32 bits") << "5368709120" << true << qint64(5368709120);
    QTest::newRow("largest") << "9223372036854775807" << true << std::numeric_limits<qint64>::max();
    QTest::newRow("one past the largest") << "9223372036854775808" << false << qint64(0);
    QTest::newRow("lowest") << "-9223372036854775808" << true << std::numeric_limits<qint64>::min();
    QTest::newRow("plus sign") << "+12" << true << qint64(12);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("sign alone") << "-" << false << qint64(0);
    QTest::newRow("blank") << " 12" << false << qint64(0);
    QTest::newRow("grouped") << "1.234" << false << qint64(0);
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << qint64(0);
  }
  void parseSizeText() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const std::optional<qint64> parsed = ParseSizeText(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
      QCOMPARE(*parsed, value);
  }

  void countParameter_data() {
    QTest::addColumn<QString>("rest");
    QTest::addColumn<int>("count"); // -1: no count
    QTest::addColumn<QString>("left");
    QTest::newRow("none") << "x5" << -1 << "x5";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("one digit") << "7x" << 7 << "x";
    QTest::newRow("zero then digit") << "05" << 0 << "5";
    QTest::newRow("ten") << "10" << 10 << "";
    QTest::newRow("fifty-nine") << "599" << 59 << "9";
    QTest::newRow("sixty-four") << "64" << 64 << "";
    QTest::newRow("sixty-five") << "65" << 6 << "5";
    QTest::newRow("seventy") << "70" << 7 << "0";
    QTest::newRow("ninety-nine") << "99" << 9 << "9";
  }
  void countParameter() {
    QFETCH(QString, rest);
    QFETCH(int, count);
    QFETCH(QString, left);
    VariableScan scan(rest);
    QCOMPARE(scan.TakeCount().value_or(-1), count);
    QCOMPARE(scan.Rest().toString(), left);
  }

  void selectorTest_isCaseSensitiveAndTakesOneCharacter() {
    const QString text = QStringLiteral("mMx");
    VariableScan scan(text);
    QVERIFY(!scan.Take(QLatin1StringView("M")));
    QCOMPARE(scan.Take(QLatin1StringView("Mm")).value_or(QChar()), QLatin1Char('m'));
    QCOMPARE(scan.Take(QLatin1StringView("M")).value_or(QChar()), QLatin1Char('M'));
    QVERIFY(!scan.Take(QLatin1StringView("M")));
    QCOMPARE(scan.Rest().toString(), QStringLiteral("x"));
    const QString wide = QString::fromUtf8("\u0141");
    VariableScan other(wide);
    QVERIFY(!other.Take(QLatin1StringView("A")));
  }
};

QTEST_GUILESS_MAIN(TestVariableFunctions)
#include "tst_variable_functions.moc"
