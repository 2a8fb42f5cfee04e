#include "variables/text_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestTextList : public QObject {
  Q_OBJECT
private slots:
  void bytes_splitIntoLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF") << QByteArray("one\ntwo\n") << QStringList{"one", "two"};
    QTest::newRow("CR LF drops the carriage return")
        << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
    QTest::newRow("lone CR") << QByteArray("one\rtwo") << QStringList{"one", "two"};
    QTest::newRow("no final break") << QByteArray("one\ntwo") << QStringList{"one", "two"};
    QTest::newRow("empty lines and blanks kept")
        << QByteArray(" a \n\n\nb") << QStringList{" a ", "", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\n\xe2\x82\xac") << QStringList{"café", "€"};
    QTest::newRow("byte-order mark skipped") << QByteArray("\xef\xbb\xbfone\r\n") << QStringList{"one"};
    QTest::newRow("not UTF-8 reads as Latin-1")
        << QByteArray("caf\xe9\r\nna\xefve") << QStringList{"café", "naïve"};
    QTest::newRow("cut sequence at the end reads as Latin-1")
        << QByteArray("caf\xc3") << QStringList{"caf\u00c3"};
  }
  void bytes_splitIntoLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextListLinesFromBytes(bytes), lines);
  }

  void load_replacesLinesAndCaption_newEmptiesBoth() {
    QTemporaryDir dir;
    const QString first = dir.filePath("first.txt"), second = dir.filePath("second.txt");
    for (const auto &[path, bytes] : {std::pair{first, QByteArray("a\r\nb\r\nc\r\n")}, {second, "x\n"}}) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    }
    TextList list;
    QCOMPARE(list.Caption(), QString(" "));
    QVERIFY(list.Load(first).ok());
    QCOMPARE(list.Lines(), (QStringList{"a", "b", "c"}));
    QCOMPARE(list.Caption(), first);
    QCOMPARE(list.Line(2), QString("c"));
    QCOMPARE(list.Line(3), QString()); // beyond the list: nothing
    QVERIFY(list.Load(second).ok());
    QCOMPARE(list.Lines(), QStringList{"x"});
    list.New();
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.Caption(), QString());
  }

  void missingFile_keepsLines_unreadableFile_emptiesThem() {
    QTemporaryDir dir;
    TextList list;
    list.SetText("kept\nlines\n");
    QCOMPARE(list.Load(dir.filePath("none.txt")).outcome, TextList::LoadOutcome::Missing);
    QCOMPARE(list.Lines(), (QStringList{"kept", "lines"}));
    QCOMPARE(list.Caption(), QString(" "));
    if (::geteuid() == 0)
      QSKIP("root opens any file");
    const QString locked = dir.filePath("locked.txt");
    QFile f(locked);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("secret\n");
    f.close();
    QVERIFY(f.setPermissions({}));
    QCOMPARE(list.Load(locked).outcome, TextList::LoadOutcome::Unreadable);
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.Caption(), locked);
  }

  void editorText_roundTrips() {
    TextList list;
    list.SetText("one\r\ntwo\n\nfour");
    QCOMPARE(list.Lines(), (QStringList{"one", "two", "", "four"}));
    QCOMPARE(list.Text(), QString("one\ntwo\n\nfour"));
  }
};

QTEST_GUILESS_MAIN(TestTextList)
#include "tst_text_list.moc"
