// Replacing by regular expression in the preview: the replacement's syntax, case, the extension tab,
// and the one line a pattern or replacement that cannot be used leaves.
#include "engine/option_fields.h"
#include "engine/preview.h"
#include "platform/name_codec.h"
#include "support_entries.h"

#include <QtTest>

namespace {

RenameOptions With(const QStringList &settings) {
  RenameOptions o;
  for (const QString &s : settings) {
    const qsizetype eq = s.indexOf(QLatin1Char('='));
    const QString error = SetOptionFromText(o, QStringView(s).left(eq), s.mid(eq + 1));
    if (!error.isEmpty())
      qFatal("%s", qPrintable(error));
  }
  return o;
}

// The name tab replacing find by replacement as a regular expression.
QStringList Pattern(const QString &find, const QString &replacement, QStringList more = {}) {
  return QStringList{"opReplaceText=1", "opRegularExpression=1", "tReplaceText=" + find,
                     "tReplaceTextNew=" + replacement} +
         more;
}

// Brackets every text it expands, so that a test sees which pieces went through the variables.
class BracketExpansion : public TextExpansion {
public:
  QString WriteTextExtended(const FileListEntry &, const QString &text, ExpansionContext &) override {
    return QLatin1Char('[') + text + QLatin1Char(']');
  }
};

} // namespace

class TestPatternReplace : public QObject {
  Q_OBJECT
private slots:
  void replaces_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("line");
    QTest::newRow("photo date") << Pattern(R"(^IMG_(\d{4})(\d\d)(\d\d)_)", "$1-$2-$3 ")
                                << "IMG_20240714_093005.jpg"
                                << "2024-07-14 093005.jpg";
    QTest::newRow("whole match both ways") << Pattern("o+", "<$0|$&>") << "foo.txt"
                                           << "f<oo|oo>.txt";
    QTest::newRow("two-digit group") << Pattern("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", "$12$10$1")
                                     << "abcdefghijkl.x"
                                     << "lja.x";
    QTest::newRow("braced group before a digit") << Pattern("(a)(b)", "${2}0${1}") << "ab.x"
                                                 << "b0a.x";
    QTest::newRow("named groups") << Pattern(R"((?<year>\d{4})-(?<month>\d\d))", "${month}.${year}")
                                  << "2024-07.txt"
                                  << "07.2024.txt";
    QTest::newRow("dollar sign") << Pattern("a", "$$1") << "a1.txt"
                                 << "$11.txt";
    QTest::newRow("lone dollars are themselves") << Pattern("a", "$x${ ${y$") << "a.txt"
                                                 << "$x${ ${y$.txt";
    QTest::newRow("group not taking part") << Pattern("(a)|(b)", "<$1$2>") << "ab.txt"
                                           << "<a><b>.txt";
    QTest::newRow("empty matches") << Pattern("x*", "-") << "abc.txt"
                                   << "-a-b-c-.txt";
    QTest::newRow("ignores case") << Pattern("img", "x") << "IMG_1.jpg"
                                  << "x_1.jpg";
    QTest::newRow("match case") << Pattern("img", "x", {"opMatchCase=1"}) << "IMG_1.jpg"
                                << "IMG_1.jpg";
    QTest::newRow("name pattern stays out of the extension") << Pattern("g", "G") << "jpg.jpg"
                                                             << "jpG.jpg";
    QTest::newRow("off: the find text is plain")
        << QStringList{"opReplaceText=1", "tReplaceText=a.c", "tReplaceTextNew=x"} << "abc.a.c.txt"
        << "abc.x.txt";
    QTest::newRow("pattern without replace text")
        << QStringList{"opRegularExpression=1", "tReplaceText=("} << "a(b.txt"
        << "a(b.txt";
    QTest::newRow("extension pattern") << QStringList{"opReplaceTextEx=1", "opRegularExpressionEx=1",
                                                      "tReplaceTextEx=^jpe?g$", "tReplaceTextNewEx=jpg"}
                                       << "a.JPEG"
                                       << "a.jpg";
    QTest::newRow("extension pattern, match case")
        << QStringList{"opReplaceTextEx=1", "opRegularExpressionEx=1", "tReplaceTextEx=^jpe?g$",
                       "tReplaceTextNewEx=jpg", "opMatchCaseEx=1"}
        << "a.JPEG"
        << "a.JPEG";
    QTest::newRow("extension plain, ignoring case")
        << QStringList{"opReplaceTextEx=1", "tReplaceTextEx=jpg", "tReplaceTextNewEx=png"} << "a.JPG"
        << "a.png";
    QTest::newRow("extension plain, match case")
        << QStringList{"opReplaceTextEx=1", "tReplaceTextEx=jpg", "tReplaceTextNewEx=png", "opMatchCaseEx=1"}
        << "a.JPG"
        << "a.JPG";
    QTest::newRow("extension match case does not reach the name")
        << Pattern("img", "x", {"opMatchCaseEx=1"}) << "IMG.jpg"
        << "x.jpg";
  }
  void replaces() {
    QFETCH(QStringList, settings);
    QFETCH(QString, caption);
    Preview preview;
    RefreshRunState state;
    const std::vector<FileListEntry> entries = MakeEntries({caption});
    QCOMPARE(UpdateAll({With(settings), entries, "/pics/", nullptr, nullptr}, preview, state), QString());
    QFETCH(QString, line);
    QCOMPARE(preview.lZelvoList, QStringList{line});
  }

  // Variables of the replacement are expanded after the groups are put in, and only the typed
  // pieces: a backslash the name itself holds is no variable.
  void variablesOfTheReplacement() {
    Preview preview;
    RefreshRunState state;
    BracketExpansion brackets;
    const std::vector<FileListEntry> entries = MakeEntries({"IMG_2024\\x.jpg"});
    const RenameOptions o = With(Pattern(R"(^IMG_(\d{4})(.*))", R"(\PY-$1$2\N)"));
    QCOMPARE(UpdateAll({o, entries, "/pics/", &brackets, nullptr}, preview, state), QString());
    QCOMPARE(preview.lZelvoList, QStringList{"[\\PY-]2024\\x[\\N].jpg"});
  }

  // Bytes of a name that are not valid UTF-8 are characters to the pattern and come out as they were.
  void undecodableBytes_keptAndMatched_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("around a match") << Pattern(R"(_(\d))", "-$1") << QByteArray("caf\xE9_1.txt")
                                    << QByteArray("caf\xE9-1.txt");
    QTest::newRow("one character each")
        << Pattern("f..", "F") << QByteArray("caf\xE9\xE8_.txt") << QByteArray("caF_.txt");
    QTest::newRow("captured") << Pattern("(.)$", "[$1]") << QByteArray("ab\xFF.txt")
                              << QByteArray("ab[\xFF].txt");
  }
  void undecodableBytes_keptAndMatched() {
    QFETCH(QStringList, settings);
    QFETCH(QByteArray, name);
    Preview preview;
    RefreshRunState state;
    const std::vector<FileListEntry> entries = MakeEntries({DecodeName(name)});
    QCOMPARE(UpdateAll({With(settings), entries, "/pics/", nullptr, nullptr}, preview, state), QString());
    QTEST(EncodeName(preview.lZelvoList.value(0)), "line");
  }

  // A pattern that does not compile, or a replacement naming a group the pattern lacks, stops the
  // refresh: one line with the message, which is no name for a run.
  void unusable_stopsTheRefresh_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    QTest::newRow("open parenthesis")
        << Pattern("(", "x") << "Regular expression \"(\": missing closing parenthesis at 1"
        << "tReplaceText";
    QTest::newRow("missing group") << Pattern("(a)", "x$2")
                                   << "Replacement \"x$2\": the regular expression has no group 2 at 1"
                                   << "tReplaceTextNew";
    QTest::newRow("missing braced group")
        << Pattern("(a)(b)", "${3}") << "Replacement \"${3}\": the regular expression has no group 3 at 0"
        << "tReplaceTextNew";
    QTest::newRow("missing named group")
        << Pattern("(?<a>x)", "${b}") << "Replacement \"${b}\": the regular expression has no group b at 0"
        << "tReplaceTextNew";
    QTest::newRow("extension pattern")
        << QStringList{"opReplaceTextEx=1", "opRegularExpressionEx=1", "tReplaceTextEx=a[",
                       "tReplaceTextNewEx=x"}
        << "Regular expression \"a[\": missing terminating ] for character class at 2"
        << "tReplaceTextEx";
  }
  void unusable_stopsTheRefresh() {
    QFETCH(QStringList, settings);
    QFETCH(QString, message);
    Preview preview;
    RefreshRunState state;
    const std::vector<FileListEntry> entries = MakeEntries({"a.txt", "b.txt"});
    QCOMPARE(UpdateAll({With(settings), entries, "/pics/", nullptr, nullptr}, preview, state), message);
    QCOMPARE(preview.lZelvoList, QStringList{message});
    QVERIFY(!preview.PreviewValid);
    QTEST(preview.FieldInError, "field");
    // The next refresh with a usable pattern is valid again and names no field.
    QCOMPARE(UpdateAll({RenameOptions(), entries, "/pics/", nullptr, nullptr}, preview, state), QString());
    QVERIFY(preview.PreviewValid && preview.FieldInError.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestPatternReplace)
#include "tst_pattern_replace.moc"
