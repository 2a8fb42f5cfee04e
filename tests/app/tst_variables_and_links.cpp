#include "app/caption_table.h"
#include "app/go_to_web.h"
#include "explorer/shell_calls.h"
#include "support_app.h"
#include "variables/variables_menu.h"

namespace {

// Notes the programs it is asked to start and starts none.
class RecordingShell : public ShellCalls {
public:
  bool Open(const QString &, const QString &) override { return false; }
  bool Run(const QString &program, const QStringList &arguments, const QString &) override {
    runs << QStringList{program} + arguments;
    return true;
  }
  bool OpenWithAppFor(const QString &, const QString &, const QString &) override { return false; }
  QList<QStringList> runs;
};

void Write(const QString &path, const QByteArray &bytes, bool executable = false) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  if (executable)
    file.setPermissions(file.permissions() | QFile::ExeOwner);
}

} // namespace

class TestVariablesAndLinks : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // ---- The variables menu

  void menuTable_nestsEveryItemUnderASubmenu() {
    int depth = -1;
    bool afterSubmenu = true; // the menu itself
    QStringList designCaptionOnly;
    const QHash<QString, QString> captions = WindowCaptions(LanguageTable(LanguageEnglish), {});
    for (const VariablesMenuItem &item : VariablesMenuItems()) {
      QVERIFY2(item.depth <= depth + (afterSubmenu ? 1 : 0), item.name);
      QVERIFY2(afterSubmenu || item.depth <= depth, item.name);
      QCOMPARE(item.kind == VariablesMenuItem::Tag, *item.tag != '\0');
      depth = item.depth;
      afterSubmenu = item.kind == VariablesMenuItem::Submenu;
      if (!captions.contains(QLatin1String(item.name)))
        designCaptionOnly << QLatin1String(item.name);
    }
    QVERIFY(!afterSubmenu);
    // The languages caption every item but these.
    QCOMPARE(designCaptionOnly, QStringList({"RA1", "Copyright1", "CDDisplayComicReader1",
                                             "DisplayComicreaderDo", "DisplayComicreaderUnDo"}));
  }

  void helpWithVariables_appendsToTheFieldPressedLast_data() {
    QTest::addColumn<QStringList>("pressed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no press yet") << QStringList{} << "tInsertAfterEx"
                                  << "old";
    QTest::newRow("after the existing text") << QStringList{"tInsertAfterEx"} << "tInsertAfterEx"
                                             << "old\\5";
    QTest::newRow("search field is no target")
        << QStringList{"tInsertBefore", "tReplaceText"} << "tInsertBefore"
        << "old\\5";
    QTest::newRow("last of two") << QStringList{"tChangeFilename", "tReplaceTextNewEx"} << "tReplaceTextNewEx"
                                 << "old\\5";
  }
  void helpWithVariables_appendsToTheFieldPressedLast() {
    QFETCH(QStringList, pressed);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    CoreFixture f({"a.txt"});
    for (int target = 1; target <= 8; ++target)
      QVERIFY(f.core.SetText(AppCore::VariableTargetName(target), QStringLiteral("old")));
    for (const QString &name : pressed)
      f.core.FieldPressed(name);
    const int refreshes = f.core.RefreshCount();
    f.core.HelpWithVariables(QStringLiteral("\\5"));
    QCOMPARE(f.core.Text(field), expected);
    // The field's change refreshes the preview like a keystroke.
    QCOMPARE(f.core.RefreshCount() > refreshes, !pressed.isEmpty());
  }

  // ---- The text list editor

  void loadTextList_missingFile_keepsTheLinesAndSaysSo() {
    CoreFixture f;
    f.core.SetTextListText(QStringLiteral("kept"));
    f.dialogs.files << f.Path("gone.txt");
    QVERIFY(!f.core.btnLoadTXTClick());
    QCOMPARE(f.dialogs.choices[0].directory, f.core.FileList().Directory());
    QCOMPARE(f.dialogs.choices[0].filter, QStringLiteral("Text Files (*.txt)"));
    QCOMPARE(f.dialogs.errors,
             QStringList{f.core.Texts().sFileError + QStringLiteral(" \"") + f.Path("gone.txt") + "\""});
    QCOMPARE(f.core.TextListLines().Lines(), QStringList{"kept"});
  }

  void newList_emptiesLinesAndCaption() {
    CoreFixture f({"a.txt"});
    Write(f.Path("list.txt"), "one\n");
    f.dialogs.files << f.Path("list.txt");
    QVERIFY(f.core.btnLoadTXTClick());
    f.core.btnNewClick();
    QVERIFY(f.core.TextListLines().Lines().isEmpty());
    QVERIFY(f.core.TextListLines().Caption().isEmpty());
    f.core.SetText(u"tInsertBefore", QStringLiteral("\\T"));
    f.core.SetFlag(u"opInsertBefore", true);
    QCOMPARE(f.core.PreviewList().Lines(), QStringList{"a.txt"});
  }

  void editor_putsTheWorkingFolderBack() {
    CoreFixture f({"a.txt"});
    QTemporaryDir elsewhere;
    f.core.btnEditorClick([&] { QDir::setCurrent(elsewhere.path()); });
    QCOMPARE(QDir::current().canonicalPath(), QDir(f.dir.path()).canonicalPath());
  }

  // ---- Web links

  void splitBrowserCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extra");
    QTest::newRow("quoted path, -nohome, quoted %1") << "\"/opt/Web Browser/browser\" -nohome \"%1\""
                                                     << "/opt/Web Browser/browser"
                                                     << "-nohome";
    QTest::newRow("no extra arguments") << "\"/opt/Web Browser/browser\""
                                        << "/opt/Web Browser/browser"
                                        << "";
    QTest::newRow("desktop field code") << "firefox-esr %u"
                                        << "firefox-esr"
                                        << "";
    QTest::newRow("arguments around a field code") << "/usr/bin/chromium --new-window %U --incognito"
                                                   << "/usr/bin/chromium"
                                                   << "--new-window --incognito";
    QTest::newRow("escaped quote in a quoted path") << "\"/opt/say \\\"hi\\\"/b\" %f"
                                                    << "/opt/say \"hi\"/b"
                                                    << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
  }
  void splitBrowserCommand() {
    QFETCH(QString, command);
    QFETCH(QString, path);
    QFETCH(QString, extra);
    const BrowserCommand split = SplitBrowserCommand(command);
    QCOMPARE(split.path, path);
    QCOMPARE(split.extraArguments, extra);
  }

  void goToWeb_findsTheDesktopBrowser_data() {
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("xdgOpen");
    QTest::addColumn<QString>("started"); // the program started, relative to the folder; empty: none
    QTest::newRow("https handler") << "x-scheme-handler/https" << true << true << "bin/browser";
    QTest::newRow("html handler") << "text/html" << true << false << "bin/browser";
    QTest::newRow("handler not installed") << "x-scheme-handler/https" << false << true << "";
    QTest::newRow("no handler: xdg-open") << "image/png" << true << true << "path/xdg-open";
    QTest::newRow("nothing at all") << "image/png" << true << false << "";
  }
  void goToWeb_findsTheDesktopBrowser() {
    QFETCH(QString, mimeType);
    QFETCH(bool, installed);
    QFETCH(bool, xdgOpen);
    QFETCH(QString, started);
    QTemporaryDir root;
    const QString browser = root.filePath("bin/browser");
    Write(root.filePath("config/mimeapps.list"),
          ("[Default Applications]\n" + mimeType + "=missing.desktop;web.desktop\n").toUtf8());
    Write(root.filePath("data/applications/web.desktop"),
          ("[Desktop Entry]\nName=Web\nExec=\"" + browser + "\" -nohome \"%u\"\n").toUtf8());
    if (installed)
      Write(browser, "#!/bin/sh\n", true);
    if (xdgOpen)
      Write(root.filePath("path/xdg-open"), "#!/bin/sh\n", true);
    RecordingShell shell;
    TGoToWeb web(nullptr, &shell);
    web.SetSearch({{root.filePath("config")}, {root.filePath("data")}, {root.filePath("path")}});
    web.SetUrl(QStringLiteral("https://zelvo-rename.example.org/"));
    QCOMPARE(web.BrowserAvailable(), !started.isEmpty());
    if (started.isEmpty())
      return;
    QVERIFY(web.OpenUrl());
    const QStringList expected = started.startsWith(QLatin1String("bin"))
                                     ? QStringList{root.filePath(started), "-nohome", web.Url()}
                                     : QStringList{root.filePath(started), web.Url()};
    QCOMPARE(shell.runs, QList<QStringList>{expected});
  }
};

QTEST_GUILESS_MAIN(TestVariablesAndLinks)
#include "tst_variables_and_links.moc"
