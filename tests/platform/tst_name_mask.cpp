#include "platform/name_mask.h"

#include <QtTest>

class TestNameMask : public QObject {
  Q_OBJECT
private slots:
  void pattern_matchesNames_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("star dot star, no dot") << "*.*"
                                           << "Makefile" << true;
    QTest::newRow("star dot star, hidden") << "*.*"
                                           << ".bashrc" << true;
    QTest::newRow("star") << "*"
                          << "x.y" << true;
    QTest::newRow("extension, other case") << "*.JPG"
                                           << "photo.jpg" << true;
    QTest::newRow("extension must end") << "*.jp"
                                        << "photo.jpg" << false;
    QTest::newRow("question is one char") << "a?c"
                                          << "abc" << true;
    QTest::newRow("question needs a char") << "a?c"
                                           << "ac" << false;
    QTest::newRow("star in the middle backtracks") << "a*b*c"
                                                   << "aXbYbZc" << true;
    QTest::newRow("star in the middle, no end") << "a*b*c"
                                                << "aXbYbZ" << false;
    QTest::newRow("trailing dot star matches bare name") << "notes.*"
                                                         << "notes" << true;
    QTest::newRow("trailing dot star needs the base") << "notes.*"
                                                      << "note" << false;
    QTest::newRow("empty pattern") << ""
                                   << "a" << false;
    QTest::newRow("leading blank kept") << " *.txt"
                                        << "a.txt" << false;
    QTest::newRow("accented letters ignore case") << "ÉTÉ*"
                                                  << "été 2020.jpg" << true;
    QTest::newRow("non-ASCII question mark") << "caf?.txt"
                                             << "café.txt" << true;
    QTest::newRow("character outside the BMP is one") << "?.png"
                                                      << "😀.png" << true;
    QTest::newRow("replacement character") << "*.txt" << QString::fromUtf8("caf\xef\xbf\xbd.txt") << true;
  }
  void pattern_matchesNames() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(NamePattern(pattern).Matches(name), matches);
  }

  void splitMask_keepsPiecesUnchanged_data() {
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("one") << "*.txt" << QStringList{"*.txt"};
    QTest::newRow("two") << "*.txt;*.jpg" << QStringList{"*.txt", "*.jpg"};
    QTest::newRow("trailing separator gives an empty piece") << "*.txt;" << QStringList{"*.txt", ""};
    QTest::newRow("blanks kept") << "*.a; *.b" << QStringList{"*.a", " *.b"};
    QTest::newRow("empty") << "" << QStringList{""};
  }
  void splitMask_keepsPiecesUnchanged() {
    QFETCH(QString, mask);
    QFETCH(QStringList, pieces);
    QCOMPARE(SplitMask(mask), pieces);
  }

  void longName_matchesWithoutBlowingUp() {
    // Many stars against a long name that does not match: must stay fast.
    const QString name(5000, QLatin1Char('a'));
    QVERIFY(!NamePattern(QStringLiteral("*a*a*a*a*a*a*a*b")).Matches(name));
  }
};

QTEST_GUILESS_MAIN(TestNameMask)
#include "tst_name_mask.moc"
