#include "platform/name_codec.h"
#include "support_cli.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A music file ending with a version 1 tag whose title field holds these bytes.
QByteArray Mp3WithTitle(const QByteArray &title) {
  QByteArray tag(128, '\0');
  tag.replace(0, 3, "TAG");
  tag.replace(3, title.size(), title);
  return QByteArray(64, '\x55') + tag;
}

} // namespace

class TestCliFidelity : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // Bytes 0x80 to 0x9F of texts written on older systems are typographic characters, not controls.
  void textThatIsNotUtf8_readAsWindows1252_data() {
    QTest::addColumn<QString>("file");     // the file the text comes from
    QTest::addColumn<QByteArray>("bytes"); // what is written into it
    QTest::addColumn<QString>("line");
    QTest::newRow("text list line") << "list.txt" << QByteArray("Don\x92t \x96 \x80\r\n") << "Don’t – €.mp3";
    QTest::newRow("text list in UTF-8") << "list.txt" << QByteArray("na\xc3\xafve\r\n") << "naïve.mp3";
    QTest::newRow("music title") << "song.mp3" << QByteArray("Caf\xe9 \x84Z\x93") << "Café „Z“.mp3";
    QTest::newRow("options file text")
        << "opts.ini" << QByteArray("[Filename]\r\nReplace With=1\r\nReplace With Text=\"\x8a\x9c \x99\"\r\n")
        << "Šœ ™.mp3";
  }
  void textThatIsNotUtf8_readAsWindows1252() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir, out;
    const QString song = dir.filePath("song.mp3");
    Touch(song, file == "song.mp3" ? Mp3WithTitle(bytes) : QByteArray("no tag"));
    QStringList args{"--lines"};
    if (file == "list.txt") {
      Touch(out.filePath(file), bytes);
      args << "--text-list" << out.filePath(file) << "--set"
           << "opReplace=1"
           << "--set"
           << "tChangeFilename=\\T";
    } else if (file == "opts.ini") {
      Touch(out.filePath(file), bytes);
      args << "--options" << out.filePath(file);
    } else {
      args << "--set"
           << "opReplace=1"
           << "--set"
           << "tChangeFilename=\\AT";
    }
    const CliRun run = Run(args << dir.path());
    QCOMPARE(run.status, int(CliDone));
    QTEST(run.out.chopped(1), "line");
  }

  // Linux names may hold "\": it stays as it is, and only the typed replacement is expanded.
  void backslashInName_neverReadAsVariable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("renamed");
    QTest::newRow("no match") << "a\\b.txt"
                              << "zz"
                              << "y"
                              << "a\\b.txt";
    QTest::newRow("digit after backslash") << "back\\2020.txt"
                                           << "back"
                                           << "front"
                                           << "front\\2020.txt";
    QTest::newRow("variable brought in") << "photo.jpg"
                                         << "o"
                                         << "\\5"
                                         << "phjpgtjpg.jpg";
    QTest::newRow("name with backslash in a variable") << "a\\b.txt"
                                                       << "a"
                                                       << "[\\1N]"
                                                       << "[a,b]\\b.txt"; // the value's own "\" becomes ","
  }
  void backslashInName_neverReadAsVariable() {
    QFETCH(QString, name);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QTemporaryDir dir;
    Touch(dir.filePath(name), "kept");
    const CliRun run = Run({"--set", "opReplaceText=1", "--set", "tReplaceText=" + find, "--set",
                            "tReplaceTextNew=" + replacement, "--rename", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QFETCH(QString, renamed);
    QCOMPARE(Names(dir.path()), QStringList{renamed});
  }

  // Names copied from some systems spell "é" as "e" and a combining accent; they lose it all the same.
  void combiningAccents_removedLikeOneLetterAccents_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("renamed");
    QTest::newRow("acute") << QString::fromUtf8("Cafe\u0301.txt") << "Cafe.txt";
    QTest::newRow("all four, both cases")
        << QString::fromUtf8("E\u0301le\u0300phant A\u0308 co\u0302te.TXT") << "Elephant A cote.TXT";
    QTest::newRow("beside one-letter accents") << QString::fromUtf8("\u00e9e\u0301.txt") << "ee.txt";
    QTest::newRow("tilde and other letters stay")
        << QString::fromUtf8("N\u0303andu\u0301 y\u0301.txt") << QString::fromUtf8("N\u0303andu y\u0301.txt");
    QTest::newRow("extension untouched")
        << QString::fromUtf8("note.cafe\u0301") << QString::fromUtf8("note.cafe\u0301");
  }
  void combiningAccents_removedLikeOneLetterAccents() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    Touch(dir.filePath(name), "x");
    const CliRun run = Run({"--set", "opNoAccents=1", "--rename", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QFETCH(QString, renamed);
    QCOMPARE(Names(dir.path()), QStringList{renamed});
  }

  // Choosing "Excel" turns a start of 0 into 1 at that moment, as in the window; an options file
  // read whole reacts as the window does when it loads one.
  void setExcelNumbers_startRuleFollowsOrder_data() {
    QTest::addColumn<QByteArray>("ini"); // the [Autonumber] keys of an options file, or none
    QTest::addColumn<QStringList>("sets");
    QTest::addColumn<QString>("line");
    QTest::newRow("start 0, then Excel")
        << QByteArray() << QStringList{"tStartAt=0", "rgTypeNumber=4"} << "Aa.txt\n";
    QTest::newRow("Excel, then start 0")
        << QByteArray() << QStringList{"rgTypeNumber=4", "tStartAt=0"} << "a.txt\n";
    QTest::newRow("start 5 kept") << QByteArray() << QStringList{"tStartAt=5", "rgTypeNumber=4"}
                                  << "Ea.txt\n";
    QTest::newRow("file: start 0 with Excel")
        << QByteArray("start At=0\r\nRgTypeNumber=4\r\n") << QStringList() << "Aa.txt\n";
    QTest::newRow("file: Excel, then start 0 set")
        << QByteArray("RgTypeNumber=4\r\n") << QStringList{"tStartAt=0"} << "a.txt\n";
  }
  void setExcelNumbers_startRuleFollowsOrder() {
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, sets);
    QTemporaryDir dir, files;
    Touch(dir.filePath("a.txt"), "");
    QStringList args{"--set", "opABeforeFilename=1", "--lines"};
    if (!ini.isEmpty()) {
      Touch(files.filePath("numbers.ini"), "[Autonumber]\r\nBefore Filename=1\r\nNo Changes=0\r\n" + ini);
      args = QStringList{"--options", files.filePath("numbers.ini"), "--lines"};
    }
    for (const QString &s : sets)
      args << "--set" << s;
    const CliRun run = Run(args << dir.path());
    QTEST(run.out, "line");
  }

  void outputFiles_writtenUnderTheNameGiven_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::newRow("preview without extension") << "--save-preview"
                                               << "notes";
    QTest::newRow("script with another extension") << "--rename-script"
                                                   << "list.cmd";
  }
  void outputFiles_writtenUnderTheNameGiven() {
    QFETCH(QString, option);
    QFETCH(QString, name);
    QTemporaryDir dir, out;
    Touch(dir.filePath("a.txt"), "");
    const CliRun run = Run({option, out.filePath(name), dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{name});
  }

  // The table shows the names the rename gives: no dot added to a name without extension, and
  // bytes that are not UTF-8 as "\xE9", each name readable apart from the others.
  void table_showsTheNamesOnDisk() {
    QTemporaryDir dir;
    for (const char *name : {"README", "readme.", "caf\xE9.txt", "caf\xE8.txt"}) {
      const int fd =
          ::open((QFile::encodeName(dir.path()) + '/' + name).constData(), O_CREAT | O_WRONLY, 0644);
      QVERIFY(fd >= 0);
      ::close(fd);
    }
    const CliRun run = Run({"--set", "opUpperCase=1", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    const std::pair<const char *, const char *> rows[] = {{"README", "README"},
                                                          {"readme.", "README."},
                                                          {"caf\\xE9.txt", "CAF\\xE9.txt"},
                                                          {"caf\\xE8.txt", "CAF\\xE8.txt"}};
    for (const auto &[before, after] : rows) {
      const QRegularExpression row(QRegularExpression::escape(QString::fromUtf8(before)) + " +->  " +
                                   QRegularExpression::escape(QString::fromUtf8(after)) + "\n");
      QVERIFY2(run.out.contains(row), qPrintable(run.out));
    }
  }

  // A folder whose path is not valid UTF-8 is listed and renamed in by the bytes of its path.
  void folderThatIsNotUtf8_renamedIn() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xE9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    const int fd = ::open((folder + "/a\xE8.txt").constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    const CliRun run = Run({"--set", "opUpperCase=1", "--rename", DecodeName(folder)});
    QCOMPARE(run.status, int(CliDone));
    QVERIFY2(run.out.contains("a\\xE8.txt") && !run.out.contains(QChar::ReplacementCharacter),
             qPrintable(run.out));
    QVERIFY(::access((folder + "/A\xE8.txt").constData(), F_OK) == 0);
  }

  // Options files, text lists and every file written keep the bytes of a folder name that is not
  // valid UTF-8, given whole or relative to the folder the user is in.
  void filesInFolderThatIsNotUtf8_readAndWrittenThere_data() {
    QTest::addColumn<bool>("relative");
    QTest::newRow("absolute paths") << false;
    QTest::newRow("relative paths") << true;
  }
  void filesInFolderThatIsNotUtf8_readAndWrittenThere() {
    QFETCH(bool, relative);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xE9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    auto write = [&](const char *name, const QByteArray &bytes) {
      const int fd = ::open((folder + '/' + name).constData(), O_CREAT | O_WRONLY, 0644);
      QVERIFY(fd >= 0);
      QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
      ::close(fd);
    };
    write("a.txt", "");
    write("opts.ini", "[Filename]\r\nReplace With=1\r\nReplace With Text=\"\\T\"\r\n");
    write("list.txt", "new\r\n");
    const QString at = relative ? QString() : DecodeName(folder) + QLatin1Char('/');
    char previous[4096];
    QVERIFY(::getcwd(previous, sizeof previous));
    if (relative)
      QCOMPARE(::chdir(folder.constData()), 0);
    const QStringList inputs = {"--options",     at + "opts.ini", "--text-list",
                                at + "list.txt", "--set",         "tMask=a.txt"};
    const QString listed = relative ? QStringLiteral(".") : DecodeName(folder);
    const CliRun written = Run(QStringList(inputs) << "--save-preview" << at + "preview.txt"
                                                   << "--rename-script" << at + "redo.sh" << listed);
    const CliRun run = Run(QStringList(inputs) << "--rename"
                                               << "--undo-script" << at + "undo.sh" << listed);
    QCOMPARE(::chdir(previous), 0);
    QVERIFY2(written.status == int(CliDone), qPrintable(written.err));
    QVERIFY2(run.status == int(CliDone), qPrintable(run.err));
    for (const char *name : {"new.txt", "preview.txt", "redo.sh", "undo.sh"})
      QVERIFY2(::access((folder + '/' + name).constData(), F_OK) == 0, name);
    QVERIFY(::access((folder + "/undo.sh").constData(), X_OK) == 0);
    for (const char *name : {"new.txt", "opts.ini", "list.txt", "preview.txt", "redo.sh", "undo.sh"})
      ::unlink((folder + '/' + name).constData());
    ::rmdir(folder.constData());
  }
};

QTEST_GUILESS_MAIN(TestCliFidelity)
#include "tst_cli_fidelity.moc"
