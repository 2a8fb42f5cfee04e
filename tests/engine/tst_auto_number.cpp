#include "engine/auto_number.h"

#include <QtTest>

#include <climits>

class TestAutoNumber : public QObject {
  Q_OBJECT
private slots:
  void getAutoNumber_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("zeroFill");
    QTest::addColumn<QString>("manual");
    QTest::addColumn<QString>("number");
    const QString az = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QTest::newRow("dec default fill") << 0 << 7 << 1 << az << "07";
    QTest::newRow("dec ten") << 0 << 10 << 1 << az << "10";
    QTest::newRow("dec fill 3") << 0 << 7 << 3 << az << "0007";
    QTest::newRow("dec no fill") << 0 << 7 << 0 << az << "7";
    QTest::newRow("dec negative fill") << 0 << 7 << -4 << az << "7";
    QTest::newRow("hex FF") << 1 << 255 << 1 << az << "FF";
    QTest::newRow("hex FF fill 3") << 1 << 255 << 3 << az << "00FF";
    QTest::newRow("hex 10 fill 1") << 1 << 10 << 1 << az << "0A";
    QTest::newRow("bin 5") << 3 << 5 << 0 << az << "101";
    QTest::newRow("bin 0") << 3 << 0 << 0 << az << "0";
    QTest::newRow("oct 8") << 2 << 8 << 0 << az << "10";
    QTest::newRow("oct 0") << 2 << 0 << 0 << az << "0";
    QTest::newRow("excel 0 empty") << 4 << 0 << 1 << az << "";
    QTest::newRow("excel -3") << 4 << -3 << 1 << az << "-C";
    QTest::newRow("excel no fill") << 4 << 1 << 5 << az << "A";
    QTest::newRow("manual 28") << 5 << 28 << 3 << "abcdefghijklmnopqrstuvwxyz"
                               << "ab";
    QTest::newRow("manual empty set") << 5 << 28 << 1 << ""
                                      << "";
    QTest::newRow("manual one char") << 5 << 4 << 1 << "x"
                                     << "xxxx";
    QTest::newRow("negative dec") << 0 << -1 << 2 << az << "-001";
    QTest::newRow("zero dec") << 0 << 0 << 2 << az << "000";
    QTest::newRow("unknown index is octal, no fill above 5") << 9 << 8 << 3 << az << "10";
    QTest::newRow("no index selected is octal with fill") << -1 << 8 << 3 << az << "0010";
    QTest::newRow("most negative") << 0 << INT_MIN << 0 << az << "-2147483648";
  }
  void getAutoNumber() {
    QFETCH(int, type);
    QFETCH(int, counter);
    QFETCH(int, zeroFill);
    QFETCH(QString, manual);
    RenameOptions options;
    options.rgTypeNumber = type;
    options.tManualNumber = manual;
    RefreshRunState state;
    state.AutoNumberCounter = counter;
    state.AutoNumberZeroFill = zeroFill;
    QTEST(GetAutoNumber(options, state), "number");
    QCOMPARE(state.AutoNumberCounter, counter);
  }

  void override_takesPrecedenceOverType() {
    RenameOptions options;
    options.rgTypeNumber = 0;
    RefreshRunState state;
    state.AutoNumberCounter = 27;
    state.AutoNumberTypeOverride = 4;
    QCOMPARE(GetAutoNumber(options, state), QStringLiteral("AA"));
  }

  void hugeZeroFill_isBoundedByNameLength() {
    RenameOptions options;
    RefreshRunState state;
    state.AutoNumberCounter = 1;
    state.AutoNumberZeroFill = INT_MAX;
    QCOMPARE(GetAutoNumber(options, state).size(), MaxPaddedDigits);
  }

  void excelNumber_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("letters");
    QTest::newRow("1") << 1 << "A";
    QTest::newRow("26") << 26 << "Z";
    QTest::newRow("27") << 27 << "AA";
    QTest::newRow("52") << 52 << "AZ";
    QTest::newRow("676") << 676 << "YZ";
    QTest::newRow("702") << 702 << "ZZ";
    QTest::newRow("703") << 703 << "AAA";
  }
  void excelNumber() {
    QFETCH(int, n);
    QTEST(ExcelNumber(n, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")), "letters");
  }

  void excelNumber_countsSurrogatePairsAsOneCharacter() {
    const QString set = QString::fromUtf8("\U0001F600\U0001F601");
    QCOMPARE(ExcelNumber(3, set), QString::fromUtf8("\U0001F600\U0001F600"));
  }

  void radix_matchesOrdinaryNotation() {
    for (quint64 n : {0ull, 1ull, 2ull, 7ull, 8ull, 63ull, 64ull, 511ull, 4096ull, 2147483648ull}) {
      QCOMPARE(IntToBin(n), QString::number(n, 2));
      QCOMPARE(BinToOct(IntToBin(n)), QString::number(n, 8));
    }
    QCOMPARE(BinToOct(QStringLiteral("0001")), QStringLiteral("01"));
  }
};

QTEST_APPLESS_MAIN(TestAutoNumber)
#include "tst_auto_number.moc"
