#include "platform/escaped_text.h"

#include <QtTest>

class TestEscapedText : public QObject {
  Q_OBJECT
private slots:
  void controls_writtenAsEscapes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain text stays") << "caf\u00e9 \u65e5\u672c.txt"
                                      << "caf\u00e9 \u65e5\u672c.txt";
    QTest::newRow("escape sequence of a terminal") << "a\x1b[2Jb"
                                                   << "a\\x1b[2Jb";
    QTest::newRow("line breaks, tab, bell") << "1\n2\r3\t4\a"
                                            << "1\\x0a2\\x0d3\\x094\\x07";
    QTest::newRow("NUL and the last of C0") << QString(QChar(0)) + QChar(0x1F) << "\\x00\\x1f";
    QTest::newRow("DEL") << "a\x7f"
                         << "a\\x7f";
    QTest::newRow("C1: CSI and NEL") << QString(QChar(0x9B)) + QChar(0x85) << "\\u009b\\u0085";
    QTest::newRow("around C1: no break space and tilde")
        << QString(QChar(0xA0)) + "~" << QString(QChar(0xA0)) + "~";
    QTest::newRow("a byte that is not UTF-8 keeps its own form")
        << QString(QChar(0xDC9B)) << QString(QChar(0xDC9B));
    QTest::newRow("backslash stays") << "a\\x1b"
                                     << "a\\x1b";
  }
  void controls_writtenAsEscapes() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(EscapedControls(text), shown);
  }
};

QTEST_GUILESS_MAIN(TestEscapedText)
#include "tst_escaped_text.moc"
