#include "engine/string_functions.h"

#include <QtTest>

class TestStringFunctions : public QObject {
  Q_OBJECT
private slots:
  void splitName_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("plain") << "song.mp3"
                           << "song"
                           << "mp3";
    QTest::newRow("last dot splits") << "archive.tar.gz"
                                     << "archive.tar"
                                     << "gz";
    QTest::newRow("no dot") << "README"
                            << "README"
                            << "";
    QTest::newRow("leading dot only") << ".profile"
                                      << ".profile"
                                      << "";
    QTest::newRow("leading dot and more") << ".config.bak"
                                          << ".config"
                                          << "bak";
    QTest::newRow("trailing dot") << "name."
                                  << "name"
                                  << "";
    QTest::newRow("only a dot") << "."
                                << "."
                                << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
  }
  void splitName() {
    QFETCH(QString, caption);
    const NameParts parts = SplitName(caption);
    QTEST(parts.name, "name");
    QTEST(parts.extension, "extension");
  }

  void replaceAllText_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QString>("result");
    QTest::newRow("ignore case") << "photo"
                                 << "o"
                                 << "0" << true << "ph0t0";
    QTest::newRow("upper find ignoring case") << "photo"
                                              << "O"
                                              << "0" << true << "ph0t0";
    QTest::newRow("match case misses") << "photo"
                                       << "O"
                                       << "0" << false << "photo";
    QTest::newRow("replacement not searched again") << "banana"
                                                    << "a"
                                                    << "aa" << false << "baanaanaa";
    QTest::newRow("matches do not overlap") << "aaa"
                                            << "aa"
                                            << "b" << false << "ba";
    QTest::newRow("empty find") << "abc"
                                << ""
                                << "x" << false << "abc";
    QTest::newRow("no match") << "abc"
                              << "z"
                              << "x" << true << "abc";
    QTest::newRow("accented ignoring case")
        << QString::fromUtf8("ÉTÉ") << QString::fromUtf8("é") << "e" << true << "eTe";
    QTest::newRow("delete") << "a-b-c"
                            << "-"
                            << "" << false << "abc";
  }
  void replaceAllText() {
    QFETCH(QString, source);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(bool, ignoreCase);
    QTEST(ReplaceAllText(source, find, replacement, ignoreCase), "result");
  }

  void firstLetter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("low");
    QTest::newRow("words and parenthesis") << "the BEST of (live)"
                                           << "The Best Of (Live)"
                                           << "tHE bEST oF (lIVE)";
    QTest::newRow("hyphen is no separator") << "rock-and-roll"
                                            << "Rock-and-roll"
                                            << "rOCK-AND-ROLL";
    QTest::newRow("run of separators") << "a  ((b"
                                       << "A  ((B"
                                       << "a  ((b";
    QTest::newRow("accented") << QString::fromUtf8("émile ÉCOLE") << QString::fromUtf8("Émile École")
                              << QString::fromUtf8("éMILE éCOLE");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
  }
  void firstLetter() {
    QFETCH(QString, text);
    QTEST(FirstLetterUp(text), "up");
    QTEST(FirstLetterLow(text), "low");
  }

  void replaceForbiddenChars() {
    QCOMPARE(ReplaceForbiddenChars(QStringLiteral("a\\b/c:d*e?f\"g<h>i|j")),
             QStringLiteral("a#b#c#d#e#f#g#h#i#j"));
  }

  void removeAccents_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("mixed") << QString::fromUtf8("Éléphant à côté") << "Elephant a cote";
    QTest::newRow("tilde and cedilla stay")
        << QString::fromUtf8("Ñandú ção ý") << QString::fromUtf8("Ñandu ção ý");
    QTest::newRow("all forty") << QString::fromUtf8("áéíóúàèìòùäëïöüâêîôûÁÉÍÓÚÀÈÌÒÙÄËÏÖÜÂÊÎÔÛ")
                               << "aeiouaeiouaeiouaeiouAEIOUAEIOUAEIOUAEIOU";
    QTest::newRow("others untouched") << QString::fromUtf8("ÃÕãõÿÇÅåøæ") << QString::fromUtf8("ÃÕãõÿÇÅåøæ");
    QTest::newRow("plain") << "plain"
                           << "plain";
  }
  void removeAccents() {
    QFETCH(QString, text);
    QTEST(RemoveAccents(text), "result");
  }

  void crop_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("ascii") << "abcdef" << 2 << "cdef"
                           << "abcd";
    QTest::newRow("zero") << "abc" << 0 << "abc"
                          << "abc";
    QTest::newRow("negative") << "abc" << -2 << "abc"
                              << "abc";
    QTest::newRow("whole") << "abc" << 3 << ""
                           << "";
    QTest::newRow("beyond") << "abc" << 10 << ""
                            << "";
    // e + combining acute is one letter; so is a surrogate pair (an emoji).
    QTest::newRow("combining mark") << QString::fromUtf8("e\u0301tude") << 1 << "tude"
                                    << QString::fromUtf8("e\u0301tud");
    QTest::newRow("combining at end")
        << QString::fromUtf8("cafe\u0301") << 1 << QString::fromUtf8("afe\u0301") << "caf";
    QTest::newRow("surrogate pair") << QString::fromUtf8("\U0001F600ab\U0001F600") << 1
                                    << QString::fromUtf8("ab\U0001F600") << QString::fromUtf8("\U0001F600ab");
  }
  void crop() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QTEST(CropLeft(text, n), "left");
    QTEST(CropRight(text, n), "right");
  }
};

QTEST_APPLESS_MAIN(TestStringFunctions)
#include "tst_string_functions.moc"
