#include "engine/option_fields.h"
#include "engine/preview.h"
#include "platform/name_codec.h"
#include "support_entries.h"

#include <QtTest>

namespace {

struct Refresh {
  Preview preview;
  RefreshRunState state;
  QString error;
};

Refresh Run(const RenameOptions &options, const std::vector<FileListEntry> &entries,
            const QString &folder = QStringLiteral("/pics/"), TextExpansion *expansion = nullptr) {
  Refresh r;
  r.error = UpdateAll({options, entries, folder, expansion, nullptr}, r.preview, r.state);
  return r;
}

// Applies "field=value" settings, failing the test on a bad one.
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

// Marks every expanded text so the test sees where the pipeline expanded variables.
class MarkingExpansion : public TextExpansion {
public:
  QString WriteTextExtended(const FileListEntry &, const QString &text, ExpansionContext &context) override {
    ++calls;
    if (text == QLatin1String("FAIL"))
      context.error = QStringLiteral("stop");
    return QLatin1Char('[') + text + QLatin1Char(']');
  }
  int calls = 0;
};

} // namespace

class TestPreview : public QObject {
  Q_OBJECT
private slots:
  void singleEntry_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("line");
    QTest::newRow("no option") << QStringList() << "song.mp3"
                               << "song.mp3";
    QTest::newRow("no extension keeps dot") << QStringList() << "README"
                                            << "README.";
    QTest::newRow("leading dot") << QStringList() << ".profile"
                                 << ".profile.";
    QTest::newRow("upper name") << QStringList{"opUpperCase=1"} << "song.mp3"
                                << "SONG.mp3";
    QTest::newRow("upper both") << QStringList{"opUpperCase=1", "opUpperCaseEx=1"} << "song.mp3"
                                << "SONG.MP3";
    QTest::newRow("crops empty the name")
        << QStringList{"opLeftCutChars=1", "tLeftCutChars=2", "opRightCutChars=1", "tRightCutChars=10"}
        << "abcdef.txt"
        << ".txt";
    QTest::newRow("replace text ignoring case")
        << QStringList{"opReplaceText=1", "tReplaceText=o", "tReplaceTextNew=0"} << "photo.jpg"
        << "ph0t0.jpg";
    QTest::newRow("replace text match case")
        << QStringList{"opReplaceText=1", "tReplaceText=O", "tReplaceTextNew=0", "opMatchCase=1"}
        << "photo.jpg"
        << "photo.jpg";
    QTest::newRow("case after insertions")
        << QStringList{"opInsertBefore=1", "tInsertBefore=x_", "opInsertAfter=1", "tInsertAfter=_y",
                       "opFirstLetter=1"}
        << "photo.jpg"
        << "X_photo_y.jpg";
    QTest::newRow("hex number keeps its case")
        << QStringList{"opLowerCase=1", "opAAfterFilename=1", "rgTypeNumber=1", "tStartAt=10"} << "Photo.jpg"
        << "photo0A.jpg";
    QTest::newRow("no accents") << QStringList{"opNoAccents=1"} << QString::fromUtf8("Éléphant à côté.TXT")
                                << "Elephant a cote.TXT";
    QTest::newRow("accents of extension stay")
        << QStringList{"opNoAccents=1"} << QString::fromUtf8("é.é") << QString::fromUtf8("e.é");
    QTest::newRow("number before emptied name")
        << QStringList{"opLeftCutChars=1", "tLeftCutChars=99", "opABeforeFilename=1"} << "abc.txt"
        << "01.txt";
    QTest::newRow("number after when no position chosen") << QStringList{"opANoChanges=0"} << "abc.txt"
                                                          << "abc01.txt";
    QTest::newRow("replace extension") << QStringList{"opReplaceEx=1", "tChangeFileNameEx=jpeg"} << "a.JPG"
                                       << "a.jpeg";
    QTest::newRow("first letter low on extension") << QStringList{"opFirstLetterLowEx=1"} << "a.jpg"
                                                   << "a.jPG";
    QTest::newRow("empty cleared crop field reads 0")
        << QStringList{"opLeftCutChars=1", "tLeftCutChars="} << "abc.txt"
        << "abc.txt";
    QTest::newRow("full unicode upper case")
        << QStringList{"opUpperCase=1"} << QString::fromUtf8("straße.txt") << "STRASSE.txt";
  }
  void singleEntry() {
    QFETCH(QStringList, settings);
    QFETCH(QString, caption);
    const Refresh r = Run(With(settings), MakeEntries({caption}));
    QVERIFY(r.error.isEmpty());
    QVERIFY(r.preview.PreviewValid);
    QCOMPARE(r.preview.lZelvoList.size(), 1);
    QTEST(r.preview.lZelvoList.at(0), "line");
  }

  // Bytes of a name that are not valid UTF-8 come out of every option that does not change them
  // exactly as they went in.
  void undecodableBytes_keptByEveryOption_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("upper") << QStringList{"opUpperCase=1", "opUpperCaseEx=1"} << QByteArray("caf\xE9.txt")
                           << QByteArray("CAF\xE9.TXT");
    QTest::newRow("upper, two bytes")
        << QStringList{"opUpperCase=1"} << QByteArray("\xC3x\xE9y.txt") << QByteArray("\xC3X\xE9Y.txt");
    QTest::newRow("lower") << QStringList{"opLowerCase=1"} << QByteArray("CAF\xC9.txt")
                           << QByteArray("caf\xC9.txt");
    QTest::newRow("first letters") << QStringList{"opFirstLetter=1"} << QByteArray("\xE9t\xE9 \xE0 ROME.x")
                                   << QByteArray("\xE9t\xE9 \xE0 Rome.x");
    QTest::newRow("crop both ends") << QStringList{"opLeftCutChars=1", "tLeftCutChars=1", "opRightCutChars=1",
                                                   "tRightCutChars=1"}
                                    << QByteArray("a\xE9\xE8z.txt") << QByteArray("\xE9\xE8.txt");
    QTest::newRow("crop an escaped byte") << QStringList{"opRightCutChars=1", "tRightCutChars=1"}
                                          << QByteArray("ab\xE9.txt") << QByteArray("ab.txt");
    QTest::newRow("insert and replace")
        << QStringList{"opInsertBefore=1", "tInsertBefore=x_", "opReplaceText=1", "tReplaceText=a",
                       "tReplaceTextNew=\xC3\xA4"}
        << QByteArray("cat\xE9.txt") << QByteArray("x_c\xC3\xA4t\xE9.txt");
    QTest::newRow("accents") << QStringList{"opNoAccents=1"} << QByteArray("\xC3\xA9t\xE9.txt")
                             << QByteArray("et\xE9.txt");
    QTest::newRow("number") << QStringList{"opANoChanges=0"} << QByteArray("\xFFz") << QByteArray("\xFFz01.");
  }
  void undecodableBytes_keptByEveryOption() {
    QFETCH(QStringList, settings);
    QFETCH(QByteArray, name);
    const Refresh r = Run(With(settings), MakeEntries({DecodeName(name)}));
    QVERIFY(r.error.isEmpty());
    QTEST(EncodeName(r.preview.lZelvoList.value(0)), "line");
  }

  void shownLine_isTheNameTheRenameGives_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no extension") << QByteArray("README") << QStringList() << "README";
    QTest::newRow("leading dot") << QByteArray(".profile") << QStringList() << ".profile";
    QTest::newRow("own trailing dot") << QByteArray("readme.") << QStringList() << "readme.";
    QTest::newRow("extension emptied")
        << QByteArray("a.txt") << QStringList{"opReplaceEx=1", "tChangeFileNameEx="} << "a";
    QTest::newRow("undecodable byte")
        << QByteArray("caf\xE9.txt") << QStringList{"opUpperCase=1"} << "CAF\\xE9.txt";
    QTest::newRow("another byte") << QByteArray("caf\xE8.txt") << QStringList{"opUpperCase=1"}
                                  << "CAF\\xE8.txt";
  }
  void shownLine_isTheNameTheRenameGives() {
    QFETCH(QByteArray, name);
    QFETCH(QStringList, settings);
    const std::vector<FileListEntry> entries = MakeEntries({DecodeName(name)});
    const Refresh r = Run(With(settings), entries);
    QTEST(ShownLine(r.preview.lZelvoList.value(0), entries[0]), "shown");
  }

  void numbering_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("counts down through zero")
        << QStringList{"opABeforeFilename=1", "tStartAt=2", "tIncrement=-1"}
        << QStringList{"02a.", "01b.", "00c.", "-01d.", "-02e."};
    QTest::newRow("negative start fill 2") << QStringList{"opABeforeFilename=1", "tStartAt=-1", "tZeroFill=2"}
                                           << QStringList{"-001a.", "000b.", "001c.", "002d.", "003e."};
    QTest::newRow("malformed start and increment read as 1")
        << QStringList{"opABeforeFilename=1", "tStartAt=-", "tIncrement=x"}
        << QStringList{"01a.", "02b.", "03c.", "04d.", "05e."};
    QTest::newRow("excel letters") << QStringList{"opAAfterFilename=1", "rgTypeNumber=4", "tStartAt=25"}
                                   << QStringList{"aY.", "bZ.", "cAA.", "dAB.", "eAC."};
  }
  void numbering() {
    QFETCH(QStringList, settings);
    const Refresh r = Run(With(settings), MakeEntries({"a", "b", "c", "d", "e"}));
    QVERIFY(r.error.isEmpty());
    QTEST(r.preview.lZelvoList, "lines");
  }

  void numbering_restartsInEveryFolderOnlyWithDirectoryOption() {
    std::vector<FileListEntry> entries = MakeEntries({"a", "b"}, QStringLiteral("/one/"));
    for (const FileListEntry &e : MakeEntries({"c", "d"}, QStringLiteral("/one/two/")))
      entries.push_back(e);
    RenameOptions o = With({"opABeforeFilename=1"});
    QCOMPARE(Run(o, entries).preview.lZelvoList, QStringList({"01a.", "02b.", "01c.", "02d."}));
    o.opDirectory = false;
    QCOMPARE(Run(o, entries).preview.lZelvoList, QStringList({"01a.", "02b.", "03c.", "04d."}));
  }

  void onlySelected_noneSelectedKeepsEveryCaption() {
    RenameOptions o = With({"bCheckOnlySelectedFiles=1", "opUpperCase=1"});
    const Refresh r = Run(o, MakeEntries({"a.txt", "b", "c.d"}));
    QCOMPARE(r.preview.lZelvoList, QStringList({"a.txt", "b", "c.d"}));
    QCOMPARE(r.state.SkippedEntries, 3);
  }

  void onlySelected_unselectedDoNotAdvanceCounter() {
    auto entries = MakeEntries({"a", "b", "c"});
    entries[0].Selected = entries[2].Selected = true;
    const Refresh r = Run(With({"bCheckOnlySelectedFiles=1", "opABeforeFilename=1"}), entries);
    QCOMPARE(r.preview.lZelvoList, QStringList({"01a.", "b", "02c."}));
    QCOMPARE(r.state.SkippedEntries, 1);
    QCOMPARE(r.state.AutoNumberCounter, 3);
  }

  void excludedFolder_shownInBracketsWithoutNumber() {
    std::vector<FileListEntry> entries{MakeEntry("sub", "/pics/", true), MakeEntry("x.jpg")};
    Refresh r = Run(With({"opABeforeFilename=1"}), entries);
    QCOMPARE(r.preview.lZelvoList, QStringList({"<sub>", "01x.jpg"}));
    QCOMPARE(r.state.SkippedEntries, 1);
    r = Run(With({"opABeforeFilename=1", "cWorkWithFolders=1"}), entries);
    QCOMPARE(r.preview.lZelvoList, QStringList({"01sub.", "02x.jpg"}));
  }

  void drivesFolder_showsHelpAndIsNotValid() {
    const Refresh r = Run(RenameOptions(), MakeEntries({"a"}), QStringLiteral("drives"));
    QVERIFY(!r.preview.PreviewValid);
    QCOMPARE(r.preview.lZelvoList.size(), 10);
    QCOMPARE(r.preview.lZelvoList.at(0), QStringLiteral("This is The Preview Windows"));
    QCOMPARE(r.preview.lZelvoList.at(3), QString());
    QCOMPARE(r.preview.lZelvoList.at(8), QStringLiteral("or Save Your current Options..."));
  }

  void conversionError_stopsBeforeFirstEntry_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("crop letters") << "tLeftCutChars"
                                  << "abc";
    QTest::newRow("crop ext pasted sign") << "tRightCutCharsEx"
                                          << "1-2";
    QTest::newRow("zero fill beyond 32 bits") << "tZeroFill"
                                              << "99999999999";
    QTest::newRow("zero fill decimal") << "tZeroFill"
                                       << "1.5";
  }
  void conversionError_stopsBeforeFirstEntry() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    RenameOptions o;
    QVERIFY(SetOptionFromText(o, field, text).isEmpty());
    const Refresh r = Run(o, MakeEntries({"a.txt"}));
    QCOMPARE(r.error, QStringLiteral("'%1' is not a valid integer value").arg(text));
    QVERIFY(r.preview.lZelvoList.isEmpty());
  }

  void expansion_calledForEveryTextOption() {
    MarkingExpansion marks;
    RenameOptions o =
        With({"opReplace=1", "tChangeFilename=N", "opInsertBefore=1", "tInsertBefore=B", "opInsertAfter=1",
              "tInsertAfter=A", "opReplaceTextEx=1", "tReplaceTextEx=t", "tReplaceTextNewEx=T"});
    const Refresh r = Run(o, MakeEntries({"x.txt"}), QStringLiteral("/pics/"), &marks);
    QCOMPARE(r.preview.lZelvoList, QStringList({"[B][N][A].[T]x[T]"})); // the name's own text is no variable
    QCOMPARE(marks.calls, 5);
  }

  void expansionError_keepsLinesBeforeIt() {
    MarkingExpansion marks;
    RenameOptions o = With({"opReplaceText=1", "tReplaceText=bad", "tReplaceTextNew=FAIL"});
    const Refresh r = Run(o, MakeEntries({"ok.txt", "bad.txt", "z.txt"}), QStringLiteral("/p/"), &marks);
    QCOMPARE(r.error, QStringLiteral("stop"));
    QVERIFY(r.preview.PreviewValid);
    QCOMPARE(r.preview.lZelvoList, QStringList({"ok.txt"}));
  }

  void putMessage_writesHintOnce() {
    Preview p;
    p.PreviewValid = true;
    p.lZelvoList << "x";
    PutMessage(p);
    QVERIFY(!p.PreviewValid);
    QCOMPARE(p.lZelvoList.size(), 100);
    QCOMPARE(p.lZelvoList.mid(0, 5),
             QStringList({"Press Double Click", "Inside This Text", "To Refresh the Preview", "Window", ""}));
    p.lZelvoList = QStringList{"kept"};
    PutMessage(p);
    QCOMPARE(p.lZelvoList, QStringList{"kept"});
  }

  void resetAfterRename_clearsOneShotOptionsOnly() {
    RenameOptions o = With({"opUpperCase=1", "opLowerCaseEx=1", "opABeforeFilename=1", "opReplace=1",
                            "opInsertBefore=1", "tInsertBefore=keep", "opNoAccents=1", "tMask=*.jpg",
                            "opLeftCutCharsEx=1", "rgTypeNumber=3", "opMatchCase=1"});
    o.ResetAfterRename();
    RenameOptions expected;
    expected.tInsertBefore = QStringLiteral("keep");
    expected.opNoAccents = true;
    expected.rgTypeNumber = 3;
    expected.opMatchCase = true;
    QVERIFY(o == expected);
  }
};

QTEST_APPLESS_MAIN(TestPreview)
#include "tst_preview.moc"
