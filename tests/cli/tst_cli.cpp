#include "support_cli.h"

#include "engine/journal_recovery.h"

#include <QtTest>

class TestCli : public QObject {
  Q_OBJECT
  // A home of its own: the journals of tests run beside this one stay out of its journal folder.
  QTemporaryDir m_home;

private slots:
  void initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
  }

  void badInput_exitsWithStatusTwo_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown field") << QStringList{"--set", "opNothing=1"} << "unknown field";
    QTest::newRow("flag not 0 or 1") << QStringList{"--set", "opUpperCase=2"} << "1 or 0";
    QTest::newRow("crop not a number")
        << QStringList{"--set", "opLeftCutChars=1", "--set", "tLeftCutChars=abc"}
        << "'abc' is not a valid integer value";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "unknown option";
    QTest::newRow("bad date") << QStringList{"--now", "yesterday"} << "--now";
    QTest::newRow("select beyond list") << QStringList{"--select", "7"} << "no entry 7";
    QTest::newRow("options file that is a device")
        << QStringList{"--options", "/dev/zero"} << "not a regular file";
    QTest::newRow("text list that is a device")
        << QStringList{"--text-list", "/dev/null"} << "not a regular file";
    QTest::newRow("undo script without rename") << QStringList{"--undo-script", "u.bat"} << "--rename";
    QTest::newRow("pattern that does not compile")
        << QStringList{"--set", "opReplaceText=1", "--set",   "opRegularExpression=1",
                       "--set", "tReplaceText=(",  "--rename"}
        << "Regular expression \"(\": missing closing parenthesis at 1";
    QTest::newRow("replacement naming a missing group")
        << QStringList{"--set", "opReplaceTextEx=1",    "--set",   "opRegularExpressionEx=1",
                       "--set", "tReplaceTextNewEx=$1", "--rename"}
        << "no group 1";
  }
  void badInput_exitsWithStatusTwo() {
    QFETCH(QStringList, extra);
    QFETCH(QString, message);
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"));
    const CliRun run = Run(extra << dir.path());
    QCOMPARE(run.status, int(CliBadInput));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(Names(dir.path()), QStringList{"a.txt"});
    // The journal made ahead for a run that did not come is gone with it.
    QCOMPARE(QDir(JournalFolder()).entryList({"*.part", "*.journal"}, QDir::Files), QStringList());
  }

  void missingFolder_exitsWithStatusTwo() {
    const CliRun run = Run({"/no/such/folder/anywhere"});
    QCOMPARE(run.status, int(CliBadInput));
    QVERIFY(run.err.contains("no such folder"));
  }

  // What --lines prints is what a run then gives each file.
  void lines_printTheNamesTheRunGives_data() {
    QTest::addColumn<QStringList>("sets");
    QTest::addColumn<QString>("lines");
    QTest::newRow("case") << QStringList{"opUpperCase=1"} << "<sub>\nA.jpg\nB.txt\nDOTTED.\nREADME\n";
    QTest::newRow("prefix") << QStringList{"opInsertBefore=1", "tInsertBefore=x_"}
                            << "<sub>\nx_a.jpg\nx_b.txt\nx_dotted.\nx_README\n";
  }
  void lines_printTheNamesTheRunGives() {
    QFETCH(QStringList, sets);
    QFETCH(QString, lines);
    QTemporaryDir dir;
    for (const char *name : {"b.txt", "a.jpg", "README", "dotted."})
      Touch(dir.filePath(name));
    QDir(dir.path()).mkdir("sub");
    QStringList args;
    for (const QString &s : sets)
      args << "--set" << s;
    const CliRun run = Run(QStringList(args) << "--lines" << dir.path());
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(run.out, lines);
    // The same lines while the run renames.
    const CliRun renamed = Run(QStringList(args) << "--lines"
                                                 << "--rename" << dir.path());
    QCOMPARE(renamed.status, int(CliDone));
    QCOMPARE(renamed.out, lines);
    QStringList given = lines.split('\n', Qt::SkipEmptyParts);
    given.replace(0, "sub"); // the folder is left alone
    given.sort();
    QCOMPARE(Names(dir.path()), given);
  }

  // Names made unique are what --lines prints, --check passes and the run gives.
  void uniqueNames_seenByLinesCheckAndRun() {
    QTemporaryDir dir;
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "same.jpg"})
      Touch(dir.filePath(name));
    const QStringList set{"--set", "opReplace=1",       "--set", "tChangeFilename=same",
                          "--set", "cMakeNamesUnique=1"};
    const CliRun check = Run(QStringList(set) << "--lines"
                                              << "--check" << dir.path());
    QCOMPARE(check.status, int(CliDone));
    QCOMPARE(check.out, QStringLiteral("same (2).jpg\nsame (3).jpg\nsame (4).jpg\nsame.jpg\n"));
    QCOMPARE(Run(QStringList(set) << "--rename" << dir.path()).status, int(CliDone));
    QCOMPARE(Names(dir.path()), (QStringList{"same (2).jpg", "same (3).jpg", "same (4).jpg", "same.jpg"}));
  }

  void table_marksChangesAndCounts() {
    QTemporaryDir dir;
    Touch(dir.filePath("KEEP.txt"));
    Touch(dir.filePath("low.txt"));
    const CliRun run = Run({"--set", "opUpperCase=1", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QVERIFY(run.out.contains(QRegularExpression("\\* low.txt\\s+->  LOW.txt")));
    QVERIFY(run.out.contains(QRegularExpression("(^|\n)  KEEP.txt\\s+->  KEEP.txt")));
    QVERIFY(run.out.contains("1 of 2 names change"));
    QCOMPARE(Names(dir.path()), QStringList({"KEEP.txt", "low.txt"})); // nothing renamed
  }

  void rename_prefixesEveryFileAndWritesUndoScript() {
    QTemporaryDir dir;
    Touch(dir.filePath("one.txt"));
    Touch(dir.filePath("two"));
    const QString undo = dir.filePath("undo/Undo.bat");
    QDir(dir.path()).mkdir("undo");
    const CliRun run = Run({"--set", "opInsertBefore=1", "--set", "tInsertBefore=x_", "--set",
                            "tMask=*.txt;two", "--rename", "--undo-script", undo, dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(Names(dir.path()), QStringList({"undo", "x_one.txt", "x_two"})); // no trailing dot
    QFile f(undo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString folder = QDir(dir.path()).absolutePath() + QLatin1Char('/');
    QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("REN \"%1x_two\" \"two\"\r\n"
                                                            "REN \"%1x_one.txt\" \"one.txt\"\r\n")
                                                 .arg(folder));
  }

  void rename_collisionFailsWithStatusOneAndLosesNothing() {
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"), "first");
    Touch(dir.filePath("b.txt"), "second");
    const CliRun run = Run({"--set", "opReplace=1", "--set", "tChangeFilename=same", "--rename", dir.path()});
    QCOMPARE(run.status, int(CliSomeFailed));
    QCOMPARE(Names(dir.path()), QStringList({"b.txt", "same.txt"}));
    QVERIFY(run.err.contains(QDir(dir.path()).absoluteFilePath("b.txt")));
    QFile kept(dir.filePath("same.txt"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("first"));
  }

  void noOption_renameChangesNothing() {
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "noext", ".hidden", "trail."})
      Touch(dir.filePath(name));
    const QStringList before = Names(dir.path());
    const CliRun run = Run({"--rename", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(Names(dir.path()), before);
  }

  void renameScript_writesWithoutRenaming() {
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"));
    QTemporaryDir out;
    const QString script = out.filePath("RenameIt.bat");
    const CliRun run = Run({"--set", "opUpperCase=1", "--rename-script", script, dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(Names(dir.path()), QStringList{"a.txt"});
    QFile f(script);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(),
             QStringLiteral("REN \"%1/a.txt\" \"A.txt\"\r\n").arg(QDir(dir.path()).absolutePath()).toUtf8());
  }

  void relativeOutputPath_isTakenFromTheFolderTheUserIsIn() {
    QTemporaryDir dir, here;
    Touch(dir.filePath("a.txt"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(here.path());
    const CliRun run = Run({"--save-preview", "Preview.txt", dir.path()});
    QDir::setCurrent(before);
    QCOMPARE(run.status, int(CliDone));
    QVERIFY(QFile::exists(here.filePath("Preview.txt")));
    QVERIFY(!QFile::exists(dir.filePath("Preview.txt")));
  }

  // A script named "*.sh" (any case) is a runnable shell script; the undo script restores the run.
  void shellScripts_chosenByName_runUndoThenRedo() {
    QTemporaryDir dir, out;
    Touch(dir.filePath("a.txt"));
    Touch(dir.filePath("b"));
    const QStringList prefix{"--set", "opInsertBefore=1", "--set", "tInsertBefore=it's $(x) "};
    const QString undo = out.filePath("undo.sh"), redo = out.filePath("redo.SH");
    QCOMPARE(Run(QStringList(prefix) << "--rename"
                                     << "--undo-script" << undo << dir.path())
                 .status,
             int(CliDone));
    const QStringList renamed{"it's $(x) a.txt", "it's $(x) b"};
    QCOMPARE(Names(dir.path()), renamed);
    QCOMPARE(QProcess::execute(undo, {}), 0);
    QCOMPARE(Names(dir.path()), QStringList({"a.txt", "b"}));
    QCOMPARE(Run(QStringList(prefix) << "--rename-script" << redo << dir.path()).status, int(CliDone));
    QCOMPARE(QProcess::execute(redo, {}), 0);
    QCOMPARE(Names(dir.path()), renamed);
  }

  void selectAndSort_decideWhoIsRenamed() {
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"), "1");
    Touch(dir.filePath("b.txt"), "333");
    Touch(dir.filePath("c.txt"), "22");
    // Sorted by size, largest first: b (3), c (2), a (1); only the first two are selected.
    const CliRun run = Run({"--sort", "2:desc", "--select", "0,1", "--set", "bCheckOnlySelectedFiles=1",
                            "--set", "opABeforeFilename=1", "--lines", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(run.out, QStringLiteral("01b.txt\n02c.txt\na.txt\n"));
  }

  void recursive_listsSubfolderFilesAndRestartsNumbers() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("sub");
    Touch(dir.filePath("a.txt"));
    Touch(dir.filePath("sub/b.txt"));
    Touch(dir.filePath("sub/c.txt"));
    const CliRun run = Run({"--recursive", "--set", "opAAfterFilename=1", "--lines", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(run.out, QStringLiteral("a01.txt\nb01.txt\nc02.txt\n"));
  }

  void savePreview_writesEveryLineWithCrLf() {
    QTemporaryDir dir;
    Touch(dir.filePath("x.txt"));
    QDir(dir.path()).mkdir("sub");
    QTemporaryDir out;
    const CliRun run = Run({"--save-preview", out.filePath("Preview.txt"), dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QFile f(out.filePath("Preview.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("<sub>\r\nx.txt\r\n"));
  }

  void optionsFileThenSet_appliedInOrder() {
    QTemporaryDir dir;
    Touch(dir.filePath("photo.jpg"));
    QTemporaryDir out;
    const QString ini = out.filePath("opts.ini");
    Touch(ini, "[Filename]\r\nCase 2=1\r\nInsert Before=1\r\nInsert Before text=\" a \"\r\n");
    CliRun run = Run({"--options", ini, "--lines", dir.path()});
    QCOMPARE(run.out, QStringLiteral(" A PHOTO.jpg\n"));
    run = Run({"--options", ini, "--set", "opLowerCase=1", "--lines", dir.path()});
    QCOMPARE(run.out, QStringLiteral(" a photo.jpg\n"));
  }

  void textListAndVariables_fromFiles() {
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"));
    Touch(dir.filePath("b.txt"));
    QTemporaryDir out;
    Touch(out.filePath("list.txt"), "first\r\nsecond\r\n");
    const CliRun run = Run({"--text-list", out.filePath("list.txt"), "--set", "opReplace=1", "--set",
                            "tChangeFilename=\\T", "--lines", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(run.out, QStringLiteral("first.txt\nsecond.txt\n"));
  }

  // An output file that cannot be used stops the job before any file is renamed.
  void outputFileRefused_stopsBeforeAnyRename_data() {
    QTest::addColumn<QString>("output"); // relative to the listed folder; "@" is a folder outside it
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder that does not exist") << "@/none/undo.bat" << false << "Cannot create";
    QTest::newRow("existing file") << "@/kept.bat" << false << "--force";
    QTest::newRow("a file the run renames, even forced") << "a.txt" << true << "renames";
    QTest::newRow("a name the run gives, even forced") << "x_b.txt" << true << "renames";
  }
  void outputFileRefused_stopsBeforeAnyRename() {
    QFETCH(QString, output);
    QFETCH(bool, force);
    QFETCH(QString, message);
    QTemporaryDir dir, other;
    Touch(dir.filePath("a.txt"), "A");
    Touch(dir.filePath("b.txt"), "B");
    Touch(other.filePath("kept.bat"), "mine");
    const QString path = output.startsWith('@') ? other.path() + output.mid(1) : dir.filePath(output);
    QStringList args{"--set",    "opInsertBefore=1", "--set", "tInsertBefore=x_",
                     "--rename", "--undo-script",    path};
    if (force)
      args << "--force";
    const CliRun run = Run(args << dir.path());
    QCOMPARE(run.status, int(CliBadInput));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(Names(dir.path()), (QStringList{"a.txt", "b.txt"}));
    QFile kept(other.filePath("kept.bat"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("mine"));
  }

  void existingOutputFile_replacedOnlyWithForce() {
    QTemporaryDir dir, other;
    Touch(dir.filePath("a.txt"));
    const QString preview = other.filePath("p.txt");
    Touch(preview, "old");
    QCOMPARE(Run({"--save-preview", preview, dir.path()}).status, int(CliBadInput));
    QCOMPARE(Run({"--save-preview", preview, "--force", dir.path()}).status, int(CliDone));
    QFile f(preview);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("a.txt\r\n"));
  }

  void summary_countsRenamedUnchangedAndFailedApart() {
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "b.txt", "keep.jpg"})
      Touch(dir.filePath(name));
    Touch(dir.filePath("same.txt")); // outside the mask: held outside the run
    const CliRun run =
        Run({"--set", "tMask=a.txt;b.txt;keep.jpg", "--set", "opReplace=1", "--set", "tChangeFilename=same",
             "--select", "0,1", "--set", "bCheckOnlySelectedFiles=1", "--rename", dir.path()});
    QCOMPARE(run.status, int(CliSomeFailed));
    QVERIFY2(run.out.endsWith("0 renamed, 1 unchanged, 2 failed\n"), qPrintable(run.out));
  }

  // A name the script cannot hold is listed, and the job, a part of which did not happen, ends with 1.
  void undoScript_listsEveryRenameLeftOut() {
    QTemporaryDir dir, other;
    Touch(dir.filePath("a.txt"));
    const QString undo = other.filePath("undo.bat");
    const CliRun run = Run({"--set", "opReplace=1", "--set", "tChangeFilename=say \"hi\"", "--rename",
                            "--undo-script", undo, dir.path()});
    QCOMPARE(run.status, int(CliSomeFailed));
    QVERIFY2(run.err.contains("left out of the script") && run.err.contains("say \"hi\".txt"),
             qPrintable(run.err));
  }

  // Names with control characters reach no output raw: the table, --lines, the failures of a run
  // and the lines left out of a script show them escaped.
  void hostileNames_printedEscaped_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("escaped"); // what the output holds for the name
    const QString upper = QStringLiteral("X\\x1b]0;OWNED\\x07\\x0d0 RENAMED\\x0a.txt");
    const QString lower = QStringLiteral("x\\x1b]0;owned\\x07\\x0d0 renamed\\x0a.txt");
    QTest::newRow("table") << QStringList{"--set", "opUpperCase=1"} << upper;
    QTest::newRow("lines") << QStringList{"--set", "opUpperCase=1", "--lines"} << upper;
    QTest::newRow("lines of a run") << QStringList{"--set", "opUpperCase=1", "--lines", "--rename"} << upper;
    QTest::newRow("failures of a run")
        << QStringList{"--set", "opReplace=1", "--set", "tChangeFilename=same", "--rename"} << lower;
    QTest::newRow("left out of a script")
        << QStringList{"--set", "opUpperCase=1", "--rename-script", "script.bat"} << lower;
  }
  void hostileNames_printedEscaped() {
    QFETCH(QStringList, options);
    QFETCH(QString, escaped);
    QTemporaryDir dir, other;
    Touch(dir.filePath("x\x1b]0;owned\x07\r0 renamed\n.txt"));
    Touch(dir.filePath("same.txt"));
    for (QString &option : options)
      if (option == "script.bat")
        option = other.filePath(option);
    const CliRun run = Run(options + QStringList{dir.path()});
    const QString all = run.out + run.err;
    QVERIFY2(all.contains(escaped), qPrintable(all));
    for (const QChar c : all)
      QVERIFY2(c == '\n' || (c.unicode() >= 0x20 && c.unicode() != 0x7F), qPrintable(all));
  }

  // A run cut short earlier is said, also by a job that stops on bad input.
  void interruptedRun_said_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("listing") << QStringList{"--lines", "DIR"};
    QTest::newRow("bad option") << QStringList{"--set", "noSuchField=1", "DIR"};
    QTest::newRow("missing folder") << QStringList{"/no/such/folder/anywhere"};
  }
  void interruptedRun_said() {
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(JournalFolder()));
    const QString left = QDir(JournalFolder()).filePath("run-1-1.journal");
    Touch(left);
    args.replaceInStrings("DIR", dir.path());
    const CliRun run = Run(args);
    QFile::remove(left);
    QVERIFY2(run.err.contains("a rename run was cut short"), qPrintable(run.err));
  }

  void check_marksLinesThatWouldFailAndExitsOne() {
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "b.txt", "c.jpg"})
      Touch(dir.filePath(name));
    CliRun run = Run({"--set", "opReplace=1", "--set", "tChangeFilename=same", "--check", dir.path()});
    QCOMPARE(run.status, int(CliSomeFailed));
    QVERIFY2(run.out.contains("! b.txt") &&
                 run.out.contains("would fail: an earlier line gives the same name"),
             qPrintable(run.out));
    QVERIFY2(run.out.contains("2 of 3 names change, 1 would fail"), qPrintable(run.out));
    QCOMPARE(Names(dir.path()), (QStringList{"a.txt", "b.txt", "c.jpg"}));
    run = Run({"--set", "opUpperCase=1", "--check", dir.path()});
    QCOMPARE(run.status, int(CliDone));
    QCOMPARE(Run({"--check", "--rename", dir.path()}).status, int(CliBadInput));
  }

  void inputFileOverLimit_isRefused() {
    QTemporaryDir dir;
    Touch(dir.filePath("a.txt"));
    for (const char *option : {"--options", "--text-list"}) {
      QTemporaryDir out;
      QFile big(out.filePath("big"));
      QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(17 << 20)); // sparse: costs no disk
      big.close();
      const CliRun run = Run({option, big.fileName(), dir.path()});
      QCOMPARE(run.status, int(CliBadInput));
      QVERIFY2(run.err.contains("larger than 16 MB"), qPrintable(run.err));
    }
  }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
