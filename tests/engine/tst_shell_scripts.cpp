#include "engine/batch_scripts.h"
#include "support_disk_files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <dirent.h>
#include <unistd.h>

namespace {

// The names in a folder as the bytes the file system holds, sorted.
QByteArrayList NamesOnDisk(const QByteArray &folder) {
  QByteArrayList names;
  if (DIR *d = opendir(folder.constData())) {
    while (const dirent *e = readdir(d))
      if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
        names.append(e->d_name);
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct ScriptRun {
  int status = -1;
  QByteArray err;
};

// Writes the script into its own folder and runs it with sh from the folder of the files.
ScriptRun RunWithSh(const ScriptText &script, const QString &workingFolder) {
  QTemporaryDir scripts;
  const QString path = scripts.filePath("script.sh");
  if (!WriteWholeFile(path, script.text, FileMode::Runnable).isEmpty())
    return {};
  QProcess sh;
  sh.setWorkingDirectory(workingFolder);
  sh.start(QStringLiteral("sh"), {path});
  sh.waitForFinished();
  return {sh.exitStatus() == QProcess::NormalExit ? sh.exitCode() : -1, sh.readAllStandardError()};
}

} // namespace

class TestShellScripts : public QObject {
  Q_OBJECT
private slots:
  // The run renames, its undo script restores every name, and the rename script then does what the
  // run did: nothing in any name is ever run by the shell.
  void renameUndoRename_byteExactForAnyName_data() {
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("quotes and spaces")
        << QByteArrayList{"it's \"q\".txt"} << QStringList{"new 'it''s' x.txt"};
    QTest::newRow("commands in names") << QByteArrayList{"$(touch PWNED).txt", "`touch PWNED`"}
                                       << QStringList{"$HOME `id` $(touch PWNED2).txt", "; touch PWNED3 #."};
    // A new name may not hold a line break; an old one may.
    QTest::newRow("line breaks") << QByteArrayList{"a\nb.txt"} << QStringList{"c '' d.txt"};
    QTest::newRow("leading dash") << QByteArrayList{"-rf.txt", "-"} << QStringList{"--help.txt", "-n."};
    QTest::newRow("not UTF-8") << QByteArrayList{"caf\xe9 \\ %.txt"} << QStringList{"cafe.txt"};
    // b becomes c, then a becomes b: only newest-first undo brings both back.
    QTest::newRow("chain") << QByteArrayList{"b", "a"} << QStringList{"c.", "b."};
    QTest::newRow("chain against list order") << QByteArrayList{"a", "b"} << QStringList{"b.", "c."};
    QTest::newRow("swap") << QByteArrayList{"a", "b", "x"} << QStringList{"b.", "a.", "y."};
  }
  void renameUndoRename_byteExactForAnyName() {
    QFETCH(QByteArrayList, names);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const QByteArray &name : names) {
      Make(folder + name, "content of " + name);
      entries.push_back(Entry(folder, name));
    }
    const QByteArrayList before = NamesOnDisk(folder);

    const RenameRunResult run = RenameAllEntries(RenameOptions(), entries, lines);
    QVERIFY(run.errors.isEmpty());
    const QByteArrayList renamed = NamesOnDisk(folder);
    QVERIFY(renamed != before);

    ScriptRun sh = RunWithSh(MakeUndoScript(run.undo, ScriptFormat::Shell), dir.path());
    QCOMPARE(sh.status, 0);
    QCOMPARE(NamesOnDisk(folder), before);
    for (const QByteArray &name : names)
      QCOMPARE(ContentOf(folder + name), "content of " + name);

    sh = RunWithSh(MakeRenameScript(RenameOptions(), entries, lines, ScriptFormat::Shell), dir.path());
    QCOMPARE(sh.status, 0);
    QCOMPARE(NamesOnDisk(folder), renamed);
  }

  // A file, a folder, a link or a dangling link under the new name stays; the other moves go on.
  void taken_neverReplaced_reportedAndExitOne() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    std::vector<FileListEntry> entries;
    for (const char *name : {"a", "b", "c", "d", "e"}) {
      Make(folder + name, name);
      entries.push_back(Entry(folder, name));
    }
    const ScriptText script = MakeRenameScript(
        RenameOptions(), entries, {"file.", "folder.", "link.", "dangling.", "free."}, ScriptFormat::Shell);
    Make(folder + "file", "kept");
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(symlink("a", (folder + "link").constData()) == 0);
    QVERIFY(symlink("nowhere", (folder + "dangling").constData()) == 0);

    const ScriptRun sh = RunWithSh(script, dir.path());
    QCOMPARE(sh.status, 1);
    QCOMPARE(sh.err.count("Not renamed: " + folder), 4);
    QVERIFY(sh.err.contains("4 of 5 moves failed"));
    QCOMPARE(NamesOnDisk(folder),
             (QByteArrayList{"a", "b", "c", "d", "dangling", "file", "folder", "free", "link"}));
    QCOMPARE(ContentOf(folder + "file"), QByteArray("kept"));
    QVERIFY(QDir(dir.filePath("folder")).isEmpty());
  }

  void written_runsByItself() {
    QTemporaryDir dir;
    Make(QFile::encodeName(dir.filePath("x")), "");
    const std::vector entries{Entry(QFile::encodeName(dir.path()) + '/', "x")};
    const QString path = dir.filePath("run.sh");
    QCOMPARE(WriteWholeFile(path,
                            MakeRenameScript(RenameOptions(), entries, {"y."}, ScriptFormat::Shell).text,
                            FileMode::Runnable),
             QString());
    QVERIFY(QFile::permissions(path) & QFileDevice::ExeOwner);
    QCOMPARE(QProcess::execute(path, {}), 0);
    QVERIFY(QFile::exists(dir.filePath("y")));
  }
};

QTEST_GUILESS_MAIN(TestShellScripts)
#include "tst_shell_scripts.moc"
