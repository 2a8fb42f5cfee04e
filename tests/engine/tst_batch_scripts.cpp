#include "engine/batch_scripts.h"
#include "platform/name_codec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

FileListEntry Entry(const QString &folder, const QString &name, const char *kind = "file") {
  FileListEntry e;
  e.Caption = name;
  e.SubItems[SubFolder] = folder;
  e.SubItems[SubFullPath] = folder + name;
  e.SubItems[SubKind] = QString::fromLatin1(kind);
  return e;
}

QByteArray ReadBack(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestBatchScripts : public QObject {
  Q_OBJECT
private slots:
  void undoScript_namesNewPathThenOldName_newestFirst() {
    UndoRecord record;
    record.append("/pics/photo.jpg", "/pics/01.jpg");
    record.append("/pics/n\xc3\xa9"
                  "e.png",
                  "/pics/02.png");
    record.append("/pics/caf\xe9", "/pics/100% cafe");
    const ScriptText script = MakeUndoScript(record);
    QCOMPARE(script.text, QByteArray("REN \"/pics/100%% cafe\" \"caf\xe9\"\r\n"
                                     "REN \"/pics/02.png\" \"n\xc3\xa9"
                                     "e.png\"\r\n"
                                     "REN \"/pics/01.jpg\" \"photo.jpg\"\r\n"));
    QVERIFY(script.leftOut.isEmpty());
  }

  void renameScript_leavesOutExcludedFolders() {
    const QString folder = "/home/u/pics/";
    const std::vector entries{Entry(folder, "sub", "dir"), Entry(folder, "a b.jpg"), Entry(folder, "README")};
    const QStringList lines{"<sub>", "100% a b.jpg", "x_README."};
    const ScriptText script = MakeRenameScript(RenameOptions(), entries, lines);
    QCOMPARE(script.text, QByteArray("REN \"/home/u/pics/a b.jpg\" \"100%% a b.jpg\"\r\n"
                                     "REN \"/home/u/pics/README\" \"x_README.\"\r\n"));
    RenameOptions withFolders;
    withFolders.cWorkWithFolders = true;
    QCOMPARE(MakeRenameScript(withFolders, entries, {"sub2.", "a.jpg", "b."}).text.count("\r\n"), 3);
  }

  void scripts_leaveOutNamesThatCannotBeQuoted() {
    const std::vector entries{Entry("/d/", "a"), Entry("/d/", "b"), Entry("/d/", "c\"x"), Entry("/d/", "e")};
    const ScriptText script =
        MakeRenameScript(RenameOptions(), entries, {"a\" & rm -rf ~ & \"", "b\r\nDEL x", "c.", "f."});
    QCOMPARE(script.text, QByteArray("REN \"/d/e\" \"f.\"\r\n"));
    QCOMPARE(script.leftOut, (QList<qsizetype>{0, 1, 2}));
  }

  void previewText_isEveryLineWithCrLf() {
    QCOMPARE(MakePreviewText({"<sub>", "x_é.txt", ""}), QByteArray("<sub>\r\nx_\xc3\xa9.txt\r\n\r\n"));
    const std::vector entries{Entry("/f/", "README"), Entry("/f/", "readme."),
                              Entry("/f/", DecodeName("caf\xE9"))};
    QCOMPARE(MakePreviewText({"README.", "readme.", DecodeName("CAF\xE9.")}, entries),
             QByteArray("README\r\nreadme.\r\nCAF\xE9\r\n"));
    QCOMPARE(MakePreviewText({}), QByteArray());
  }

  void writtenFiles_matchByteForByte() {
    QTemporaryDir dir;
    UndoRecord record;
    record.append(QFile::encodeName(dir.filePath("photo.jpg")), QFile::encodeName(dir.filePath("01.jpg")));
    const QByteArray undo = MakeUndoScript(record).text;
    const QByteArray preview = MakePreviewText({"01.jpg", "b."});
    const QString undoPath = dir.filePath("Undo.bat"), previewPath = dir.filePath("Preview.txt");
    QCOMPARE(WriteWholeFile(undoPath, undo), QString());
    QCOMPARE(WriteWholeFile(previewPath, preview), QString());
    QCOMPARE(ReadBack(undoPath),
             "REN \"" + QFile::encodeName(dir.filePath("01.jpg")) + "\" \"photo.jpg\"\r\n");
    QCOMPARE(ReadBack(previewPath), QByteArray("01.jpg\r\nb.\r\n"));
    QCOMPARE(WriteWholeFile(previewPath, "x\r\n"), QString()); // an existing file is replaced
    QCOMPARE(ReadBack(previewPath), QByteArray("x\r\n"));
  }

  void unwritableTarget_returnsError() {
    QTemporaryDir dir;
    const QString error = WriteWholeFile(dir.filePath("missing/Preview.txt"), "x");
    QVERIFY(error.contains("missing/Preview.txt"));
  }

  void chosenName_getsRequiredExtension_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("target"); // 0 preview, 1 rename script, 2 undo script, 3 options
    QTest::addColumn<QString>("expected");
    QTest::newRow("no extension") << "notes" << 0 << "notes.txt";
    QTest::newRow("other extension") << "list.cmd" << 1 << "list.cmd.bat";
    QTest::newRow("upper case kept") << "run.BAT" << 2 << "run.BAT";
    QTest::newRow("mixed case kept") << "/x/My.Ini" << 3 << "/x/My.Ini";
    QTest::newRow("extension not last") << "a.ini.txt" << 3 << "a.ini.txt.ini";
    QTest::newRow("shorter than extension") << "ab" << 0 << "ab.txt";
    QTest::newRow("bare extension") << ".txt" << 0 << ".txt";
  }
  void chosenName_getsRequiredExtension() {
    QFETCH(QString, chosen);
    QFETCH(int, target);
    QFETCH(QString, expected);
    const SaveTarget *targets[] = {&kPreviewTextTarget, &kRenameScriptTarget, &kUndoScriptTarget,
                                   &kOptionsFileTarget};
    QCOMPARE(WithRequiredExtension(chosen, *targets[target]), expected);
  }

  void scriptFile_nameDecidesThenFilter_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("shellFilter");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("shell");
    QTest::newRow("bare name, batch filter") << "undo" << false << "undo.bat" << false;
    QTest::newRow("bare name, shell filter") << "undo" << true << "undo.sh" << true;
    QTest::newRow("shell name, batch filter") << "run.SH" << false << "run.SH" << true;
    QTest::newRow("batch name, shell filter") << "run.bat" << true << "run.bat" << false;
    QTest::newRow("other extension, shell filter") << "list.cmd" << true << "list.cmd.sh" << true;
  }
  void scriptFile_nameDecidesThenFilter() {
    QFETCH(QString, chosen);
    QFETCH(bool, shellFilter);
    const ScriptFile file = ChooseScriptFile(chosen, kUndoScriptTarget, shellFilter);
    QTEST(file.path, "path");
    QTEST(file.format == ScriptFormat::Shell, "shell");
  }

  void fileNameFromPath_takesTextAfterLastSlash() {
    QCOMPARE(FileNameFromPath("/a/b/c.txt"), QString("c.txt"));
    QCOMPARE(FileNameFromPath("c.txt"), QString("c.txt"));
    QCOMPARE(FileNameFromPath("/a/"), QString());
  }
};

QTEST_GUILESS_MAIN(TestBatchScripts)
#include "tst_batch_scripts.moc"
