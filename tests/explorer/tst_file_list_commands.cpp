#include "explorer/file_list_commands.h"
#include "explorer/file_list_view.h"
#include "explorer/shell_helpers.h"
#include "support_folder.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what would have been started.
class RecordingShell final : public ShellCalls {
public:
  bool Open(const QString &path, const QString &folder) override {
    calls << QStringLiteral("open %1 in %2").arg(path, folder);
    return answer;
  }
  bool Run(const QString &program, const QStringList &arguments, const QString &folder) override {
    calls << QStringLiteral("run %1 [%2] in %3").arg(program, arguments.join(QLatin1Char('|')), folder);
    return answer;
  }
  bool OpenWithAppFor(const QString &mimeType, const QString &file, const QString &folder) override {
    calls << QStringLiteral("app for %1: %2 in %3").arg(mimeType, file, folder);
    return answer;
  }
  QStringList calls;
  bool answer = true;
};

// Volumes mounted at folders of a temporary folder; removable ones answer as told.
class FolderVolumes final : public VolumeTable {
public:
  std::vector<Volume> Volumes() override { return volumes; }
  DriveType TypeOf(const QByteArray &root) override {
    for (const Volume &v : volumes)
      if (v.MountPoint == root)
        return v.Type;
    return DriveType::NoRoot;
  }
  bool Ready(const QByteArray &root) override {
    return TypeOf(root) != DriveType::Removable || removableReady;
  }
  std::vector<Volume> volumes;
  bool removableReady = false;
};

int RowOf(const TZelvoRenameFileListView &list, const QString &caption) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.Entry(i).Caption == caption)
      return i;
  return -1;
}

void Select(TZelvoRenameFileListView &list, const QString &caption) {
  list.ClearSelection();
  list.SetSelected(RowOf(list, caption), true);
}

} // namespace

class TestFileListCommands : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString m_root; // m_dir's path ending with "/"

private slots:
  void initTestCase() {
    m_root = m_dir.path() + QLatin1Char('/');
    MakeFolder(m_dir.path(), "one/two");
    MakeFolder(m_dir.path(), "notes.txt.d");
    for (const char *name :
         {"one/a.txt", "notes.TxT", "main.cpp", "letter.Rtf", "scan.BMP", "song.mp3", "noext"})
      MakeFile(m_dir.path(), name);
  }

  void goUp_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two levels deep") << "one/two"
                                     << "one/";
    QTest::newRow("one level deep") << "one"
                                    << "";
    QTest::newRow("root shows the drives") << "/"
                                           << "Drives";
    QTest::newRow("drives view stays") << "Drives"
                                       << "Drives";
  }
  void goUp() {
    QFETCH(QString, from);
    QFETCH(QString, expected);
    const auto absolute = [&](const QString &p) {
      return p.startsWith('/') || p == "Drives" ? p : m_root + p;
    };
    TZelvoRenameFileListView list;
    list.SetDirectory(absolute(from));
    RecordingShell shell;
    FileListCommands commands(list, &shell);
    const CommandResult result = commands.GoUp();
    QCOMPARE(list.Directory(), absolute(expected));
    QCOMPARE(result.kind, from == "Drives" ? CommandResult::Nothing : CommandResult::EnteredFolder);
    QCOMPARE(result.folder, from == "Drives" ? QString() : absolute(expected));
  }

  void goUp_passesOverAVanishedFolder() {
    QTemporaryDir dir;
    MakeFolder(dir.path(), "a/b/c");
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path() + "/a/b/c");
    QVERIFY(QDir(dir.path() + "/a/b").removeRecursively());
    FileListCommands commands(list);
    QCOMPARE(commands.GoUp().kind, CommandResult::EnteredFolder);
    QCOMPARE(list.Directory(), dir.path() + "/a/");
  }

  void openEntry_entersFoldersAndOpensFiles() {
    TZelvoRenameFileListView list;
    list.SetDirectory(m_root);
    RecordingShell shell;
    FileListCommands commands(list, &shell);
    QCOMPARE(commands.OpenEntry().kind, CommandResult::Nothing); // nothing selected
    Select(list, "notes.TxT");
    QCOMPARE(commands.OpenEntry().kind, CommandResult::OpenedFile);
    QCOMPARE(shell.calls, QStringList{"open " + m_root + "notes.TxT in " + m_root});
    QCOMPARE(list.Directory(), m_root);
    shell.answer = false;
    const CommandResult failed = commands.OpenEntry();
    QCOMPARE(failed.kind, CommandResult::Refused);
    QCOMPARE(failed.message, QStringLiteral("ERROR - Can't Open file  notes.TxT"));
    Select(list, "one");
    const CommandResult entered = commands.OpenEntry();
    QCOMPARE(entered.kind, CommandResult::EnteredFolder);
    QCOMPARE(entered.folder, m_root + "one/");
    QCOMPARE(list.Directory(), m_root + "one/");
  }

  void openEntry_entersAVolumeThatAnswers_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<bool>("entered");
    QTest::newRow("fixed disk") << int(DriveType::Fixed) << false << true;
    QTest::newRow("removable with a medium") << int(DriveType::Removable) << true << true;
    QTest::newRow("removable without a medium") << int(DriveType::Removable) << false << false;
  }
  void openEntry_entersAVolumeThatAnswers() {
    QFETCH(int, type);
    QFETCH(bool, ready);
    QFETCH(bool, entered);
    FolderVolumes volumes;
    volumes.volumes = {Volume{QFile::encodeName(m_dir.path() + "/one"), "ONE", DriveType(type), "/dev/sdz1"}};
    volumes.removableReady = ready;
    Platform platform = DefaultPlatform();
    platform.Volumes = &volumes;
    TZelvoRenameFileListView list(nullptr, &platform);
    list.Reload();
    QCOMPARE(list.Count(), 1);
    list.SetSelected(0, true);
    RecordingShell shell;
    const CommandResult result = FileListCommands(list, &shell).OpenEntry();
    QCOMPARE(list.Directory(), entered ? m_root + "one/" : QStringLiteral("Drives"));
    QCOMPARE(result.kind, entered ? CommandResult::EnteredFolder : CommandResult::Refused);
    if (!entered)
      QVERIFY(result.message.startsWith(QStringLiteral("There is no disk in Drive ")));
  }

  void openWithTool_opensTheEditorOfTheType_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("mime");
    QTest::newRow("text in mixed case") << "notes.TxT"
                                        << "text/plain";
    QTest::newRow("program source") << "main.cpp"
                                    << "text/plain";
    QTest::newRow("document") << "letter.Rtf"
                              << "application/rtf";
    QTest::newRow("bitmap") << "scan.BMP"
                            << "image/bmp";
    QTest::newRow("other extension") << "song.mp3"
                                     << "";
    QTest::newRow("no extension") << "noext"
                                  << "";
    QTest::newRow("folder named like a document") << "notes.txt.d"
                                                  << "";
  }
  void openWithTool_opensTheEditorOfTheType() {
    QFETCH(QString, caption);
    QFETCH(QString, mime);
    TZelvoRenameFileListView list;
    list.SetDirectory(m_root);
    Select(list, caption);
    RecordingShell shell;
    const CommandResult result = FileListCommands(list, &shell).OpenWithTool();
    QCOMPARE(result.kind, mime.isEmpty() ? CommandResult::Nothing : CommandResult::OpenedFile);
    QCOMPARE(shell.calls, mime.isEmpty()
                              ? QStringList()
                              : QStringList{"app for " + mime + ": " + m_root + caption + " in " + m_root});
  }

  void rename_neverReplacesAnotherItem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("free name") << "b.txt" << int(CommandResult::Renamed);
    QTest::newRow("name of another file") << "c.txt" << int(CommandResult::Refused);
    QTest::newRow("name of a folder") << "sub" << int(CommandResult::Refused);
    QTest::newRow("unchanged") << "a.txt" << int(CommandResult::Nothing);
    QTest::newRow("with a slash") << "sub/a.txt" << int(CommandResult::Refused);
    QTest::newRow("empty") << "" << int(CommandResult::Refused);
    QTest::newRow("dot dot") << ".." << int(CommandResult::Refused);
  }
  void rename_neverReplacesAnotherItem() {
    QFETCH(QString, name);
    QFETCH(int, kind);
    QTemporaryDir dir;
    MakeFile(dir.path(), "a.txt", 1);
    MakeFile(dir.path(), "c.txt", 3);
    MakeFolder(dir.path(), "sub");
    TZelvoRenameFileListView list;
    list.SetDirectory(dir.path());
    const CommandResult result = FileListCommands(list).RenameEntry(RowOf(list, "a.txt"), name);
    QCOMPARE(int(result.kind), kind);
    QCOMPARE(QFileInfo(dir.filePath("c.txt")).size(), 3);
    const bool renamed = kind == CommandResult::Renamed;
    QCOMPARE(QFileInfo::exists(dir.filePath("a.txt")), !renamed);
    if (renamed)
      QCOMPARE(QFileInfo(dir.filePath(name)).size(), 1);
  }

  void rename_refusedInTheDrivesView() {
    TZelvoRenameFileListView list;
    list.Reload();
    QVERIFY(list.Count() > 0);
    QCOMPARE(FileListCommands(list).CheckRename(0, "x").kind, CommandResult::Refused);
  }

  void shellOpen_honoursItsParameters_data() {
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("call");
    QTest::newRow("open a document") << "Open"
                                     << "/d/a b.txt"
                                     << ""
                                     << "open /d/a b.txt in /w";
    QTest::newRow("relative file from the folder") << ""
                                                   << "a.txt"
                                                   << ""
                                                   << "open /w/a.txt in /w";
    QTest::newRow("program with parameters") << "open"
                                             << "/bin/ed"
                                             << "-s \"a b.txt\""
                                             << "run /bin/ed [-s|a b.txt] in /w";
    QTest::newRow("explore a file's folder") << "explore"
                                             << "/d/a.txt"
                                             << ""
                                             << "open /d in /w";
    QTest::newRow("unknown verb") << "print"
                                  << "/d/a.txt"
                                  << ""
                                  << "";
    QTest::newRow("no file") << "open"
                             << ""
                             << ""
                             << "";
  }
  void shellOpen_honoursItsParameters() {
    QFETCH(QString, verb);
    QFETCH(QString, file);
    QFETCH(QString, parameters);
    QFETCH(QString, call);
    RecordingShell shell;
    const ShellOpenResult result = ShellOpen(shell, verb, file, parameters, QStringLiteral("/w"));
    QCOMPARE(shell.calls, call.isEmpty() ? QStringList() : QStringList{call});
    QCOMPARE(result.ok(), !call.isEmpty());
    QCOMPARE(result.message, call.isEmpty() ? "ERROR - Can't " + verb + " file  " + file : QString());
  }

  void defaultApplication_followsTheMimeAppsLists() {
    QTemporaryDir config, data;
    MakeFile(data.path(), "applications/editor.desktop");
    MakeFile(data.path(), "applications/vendor/paint.desktop");
    const auto write = [](const QString &path, const QByteArray &text) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(text);
    };
    write(config.filePath("mimeapps.list"),
          "[Added Associations]\ntext/plain=gone.desktop;\n[Default Applications]\n"
          "text/plain=gone.desktop;editor.desktop;\n");
    write(data.filePath("applications/mimeinfo.cache"), "[MIME Cache]\nimage/bmp=vendor-paint.desktop;\n");
    const QStringList configs{config.path()}, datas{data.path()};
    QCOMPARE(DefaultApplicationFor("text/plain", configs, datas), QStringLiteral("editor.desktop"));
    QCOMPARE(DefaultApplicationFor("image/bmp", configs, datas), QStringLiteral("vendor-paint.desktop"));
    QCOMPARE(DesktopFilePath("vendor-paint.desktop", datas),
             data.filePath("applications/vendor/paint.desktop"));
    QCOMPARE(DefaultApplicationFor("application/rtf", configs, datas), QString());
  }

  void desktopExec_takesTheFile_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("command");
    QTest::newRow("file code") << "gedit %U" << QStringList{"gedit", "/d/a b.txt"};
    QTest::newRow("quoted program, other codes dropped")
        << "\"/opt/my ed/ed\" --name %c %i %f" << QStringList{"/opt/my ed/ed", "--name", "/d/a b.txt"};
    QTest::newRow("no code: file appended") << "mousepad" << QStringList{"mousepad", "/d/a b.txt"};
    QTest::newRow("percent sign") << "ed --ratio=100%% %f" << QStringList{"ed", "--ratio=100%", "/d/a b.txt"};
    QTest::newRow("nothing to run") << "" << QStringList();
  }
  void desktopExec_takesTheFile() {
    QFETCH(QString, exec);
    QFETCH(QStringList, command);
    QCOMPARE(DesktopExecCommand(exec, QStringLiteral("/d/a b.txt")), command);
  }
};

QTEST_GUILESS_MAIN(TestFileListCommands)
#include "tst_file_list_commands.moc"
