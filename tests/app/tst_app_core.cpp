#include "support_app.h"

#include <QSignalSpy>

#include <functional>

namespace {

using Step = std::function<void(CoreFixture &)>;

void WriteText(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestAppCore : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // Every command refreshes the preview exactly once, however many reloads and option changes it
  // makes on the way.
  void command_refreshesOnce_data() {
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("refreshes");
    QTest::newRow("typed text") << Step([](CoreFixture &f) { f.core.SetText(u"tInsertBefore", "x"); }) << 1;
    QTest::newRow("typed mask") << Step([](CoreFixture &f) { f.core.SetText(u"tMask", "*.txt"); }) << 1;
    QTest::newRow("view folders off")
        << Step([](CoreFixture &f) { f.core.SetFlag(u"cViewFolders", false); }) << 1;
    QTest::newRow("recursion") << Step([](CoreFixture &f) { f.core.mRecurseDirectoriesClick(); }) << 1;
    QTest::newRow("rename") << Step([](CoreFixture &f) { f.core.btnRenameClick(); }) << 1;
    QTest::newRow("rename, undo") << Step([](CoreFixture &f) {
      f.core.btnRenameClick();
      f.core.btnUndoClick();
    }) << 2;
    QTest::newRow("set default values") << Step([](CoreFixture &f) { f.core.InitAll(); }) << 1;
    QTest::newRow("refresh command") << Step([](CoreFixture &f) { f.core.mRefreshClick(); }) << 1;
    QTest::newRow("open folder") << Step([](CoreFixture &f) {
      f.core.FileList().SetDirectory(f.Path("sub"));
    }) << 1;
    QTest::newRow("first showing") << Step([](CoreFixture &f) {
      f.core.FormShow(f.Path("sub"));
      f.core.FormShow(f.Path("sub")); // later showings do nothing
      QCOMPARE(f.core.FileList().Directory(), f.Path("sub") + "/");
    }) << 1;
    QTest::newRow("sort") << Step([](CoreFixture &f) { f.core.FileList().SortByColumn(1); }) << 1;
    QTest::newRow("language") << Step([](CoreFixture &f) { f.core.ChangeLanguage(LanguageGerman); }) << 1;
    QTest::newRow("load options") << Step([](CoreFixture &f) {
      WriteText(f.Path("o.ini"), "[Filename]\nFile Mask=*.txt\nCase 2=1\n[Autonumber]\nBefore Filename=1\n");
      f.dialogs.files << f.Path("o.ini");
      f.core.mOpenZROptionsClick();
    }) << 1;
    QTest::newRow("save options") << Step([](CoreFixture &f) {
      f.dialogs.files << f.Path("saved");
      f.core.mSaveZROptionsClick();
    }) << 1;
    QTest::newRow("save preview") << Step([](CoreFixture &f) {
      f.dialogs.files << f.Path("p.txt");
      f.core.mSaveToFileClick();
    }) << 1;
  }
  void command_refreshesOnce() {
    QFETCH(Step, step);
    QFETCH(int, refreshes);
    CoreFixture f({"b.txt", "a.txt", "sub/"});
    f.core.SetFlag(u"opUpperCase", true);
    const int before = f.core.RefreshCount();
    step(f);
    QCOMPARE(f.core.RefreshCount() - before, refreshes);
    QVERIFY(f.dialogs.errors.isEmpty());
  }

  void setDefaultValues_keepsNumberingAndResetsTheRest() {
    CoreFixture f({"a.txt"});
    f.core.SetTypeNumber(1);
    f.core.SetText(u"tManualNumber", "XYZ");
    f.core.SetFlag(u"opNoAccents", true);
    f.core.SetFlag(u"opUpperCaseEx", true);
    f.core.SetFlag(u"opInsertAfter", true);
    f.core.SetText(u"tInsertAfter", "_x");
    f.core.SetText(u"tLeftCutChars", "");
    f.core.SetFlag(u"cRemWinProPos", true);
    f.core.mRecurseDirectoriesClick();
    QSignalSpy active(&f.core, &AppCore::ActiveChanged);
    QSignalSpy reset(&f.core, &AppCore::OptionsReset);

    f.core.InitAll();

    const RenameOptions &o = f.core.Options();
    QCOMPARE(o.rgTypeNumber, 1);
    QCOMPARE(o.tManualNumber, QStringLiteral("XYZ"));
    QVERIFY(o.opNoAccents);
    QVERIFY(o.opNoCaseChangesEx && !o.opUpperCaseEx && !o.opInsertAfter);
    QCOMPARE(o.tInsertAfter, QString());
    QCOMPARE(o.tLeftCutChars, QStringLiteral("0"));
    QVERIFY(!f.core.Preferences().cRemWinProPos && f.core.Preferences().cRememberLastPath);
    QVERIFY(o.cViewFolders && !f.core.FileList().RecurseDirs() && f.core.FileList().ShowFolders());
    QCOMPARE(active.size(), 2);
    QCOMPARE(active.at(0).at(0).toBool(), false);
    QCOMPARE(active.at(1).at(0).toBool(), true);
    QCOMPARE(reset.size(), 1);
  }

  void renameCollision_listsOneFailure_undoRestoresTheRest() {
    CoreFixture f({"a.txt", "b.txt", "c.dat"});
    QSignalSpy errors(&f.core, &AppCore::ErrorsToShow);
    f.core.SetFlag(u"opReplace", true);
    f.core.SetText(u"tChangeFilename", "same");
    f.core.btnRenameClick();
    QCOMPARE(f.OnDisk(), QStringList({"b.txt", "same.dat", "same.txt"}));
    QCOMPARE(errors.size(), 1);
    const auto record = errors.at(0).at(0).value<RenameErrorRecord>();
    QCOMPARE(record.lFileNames, QStringList({f.Path("b.txt")}));
    QVERIFY(f.core.UndoAvailable());
    QVERIFY(!f.core.Options().opReplace); // one-shot options back at rest

    f.core.btnUndoClick();
    QCOMPARE(f.OnDisk(), QStringList({"a.txt", "b.txt", "c.dat"}));
    QVERIFY(!f.core.UndoAvailable());
  }

  void cancelledRun_keepsWhatWasRenamed() {
    CoreFixture f({"a.txt", "b.txt", "c.txt"});
    f.core.SetProgressTiming(0, 0);
    f.dialogs.stopAfterReports = 1; // the second report answers Cancel
    f.core.SetFlag(u"opUpperCase", true);
    f.core.btnRenameClick();
    QCOMPARE(f.OnDisk(), QStringList({"A.txt", "b.txt", "c.txt"}));
    QCOMPARE(f.dialogs.progressEnded, 1);
    QVERIFY(f.core.UndoAvailable());
    f.core.btnUndoClick();
    QCOMPARE(f.OnDisk(), QStringList({"a.txt", "b.txt", "c.txt"}));
  }

  void unreadableNumber_showsErrorAndRenamesNothing() {
    CoreFixture f({"a.txt"});
    f.core.SetFlag(u"opLeftCutChars", true);
    f.core.SetText(u"tLeftCutChars", "x1"); // pasted
    QCOMPARE(f.dialogs.errors, QStringList({"'x1' is not a valid integer value"}));
    f.core.btnRenameClick();
    QCOMPARE(f.dialogs.errors.size(), 2);
    QVERIFY(!f.core.UndoAvailable());
    QCOMPARE(f.OnDisk(), QStringList({"a.txt"}));
  }

  void maskResetAfterRun_endsRecursionOnlyWhenTheMaskChanged_data() {
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("recursing");
    QTest::newRow("mask changed") << "*.txt" << false;
    QTest::newRow("mask kept") << "*.*" << true;
  }
  void maskResetAfterRun_endsRecursionOnlyWhenTheMaskChanged() {
    QFETCH(QString, mask);
    QFETCH(bool, recursing);
    CoreFixture f({"a.txt", "sub/"});
    Touch(f.Path("sub/b.txt"));
    f.core.SetText(u"tMask", mask);
    f.core.mRecurseDirectoriesClick();
    QVERIFY(f.core.FileList().RecurseDirs() && !f.core.Options().cViewFolders);
    f.core.SetFlag(u"opUpperCase", true);
    f.core.btnRenameClick();
    QCOMPARE(Names(f.Path("sub")), QStringList({"B.txt"}));
    QCOMPARE(f.core.Options().tMask, QStringLiteral("*.*"));
    QCOMPARE(f.core.FileList().RecurseDirs(), recursing);
    QCOMPARE(f.core.Options().cViewFolders, !recursing);
    QCOMPARE(f.core.FileList().ShowFolders(), !recursing);
  }

  void loadedExcelType_startsAtOne_data() {
    QTest::addColumn<QByteArray>("autonumber");
    QTest::addColumn<QString>("startAt");
    QTest::newRow("excel from 0") << QByteArray("start At=0\nRgTypeNumber=4\n") << "1";
    QTest::newRow("excel from 5") << QByteArray("start At=5\nRgTypeNumber=4\n") << "5";
    QTest::newRow("decimal from 0") << QByteArray("start At=0\nRgTypeNumber=0\n") << "0";
  }
  void loadedExcelType_startsAtOne() {
    QFETCH(QByteArray, autonumber);
    QFETCH(QString, startAt);
    CoreFixture f({"a.txt", "b.log"});
    WriteText(f.Path("o.ini"), "[Filename]\nFile Mask=*.log\n[Autonumber]\n" + autonumber);
    f.dialogs.files << f.Path("o.ini");
    f.core.mOpenZROptionsClick();
    QCOMPARE(f.core.Options().tStartAt, startAt);
    QCOMPARE(f.core.FileList().Mask(), QStringLiteral("*.log")); // the mask reached the list
    QCOMPARE(f.core.FileList().Count(), 1);
    QVERIFY(f.core.Active());
  }

  // The chosen name gets the command's extension (the shell script filter makes a shell script), the
  // file is listed at once, and an existing one is replaced only when confirmed.
  void saveCommand_writesTheChosenFile_data() {
    QTest::addColumn<Step>("command");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    const Step preview = [](CoreFixture &f) { f.core.mSaveToFileClick(); };
    const Step script = [](CoreFixture &f) { f.core.mMakeBATClick(); };
    QTest::newRow("preview") << preview << ""
                             << "out.txt";
    QTest::newRow("batch") << script << "*.bat"
                           << "out.bat";
    QTest::newRow("shell") << script << "Shell scripts (*.sh)"
                           << "out.sh";
  }
  void saveCommand_writesTheChosenFile() {
    QFETCH(Step, command);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    CoreFixture f({"a.txt"});
    f.dialogs.files << f.Path("out") << f.Path(written);
    f.dialogs.filter = filter;
    command(f);
    QCOMPARE(f.dialogs.choices.at(0).title, QStringLiteral("Save Preview Window"));
    QCOMPARE(f.OnDisk(), QStringList({"a.txt", written}));
    QCOMPARE(f.core.FileList().Count(), 2);
    command(f); // exists: answered No
    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(f.dialogs.notices.size(), 1);
  }

  void instantPreviewOff_showsTheHintOnce() {
    CoreFixture f({"a.txt"});
    f.core.SetInstantRefresh(false);
    const int before = f.core.RefreshCount();
    f.core.SetFlag(u"opUpperCase", true);
    QVERIFY(!f.core.PreviewValid());
    QCOMPARE(f.core.PreviewList().rowCount(), 100);
    QSignalSpy resets(&f.core.PreviewList(), &QAbstractItemModel::modelReset);
    f.core.SetFlag(u"opLowerCase", true);
    QCOMPARE(f.core.RefreshCount(), before);
    QCOMPARE(resets.size(), 0); // the hint shown stays where it is
    f.core.lZelvoListDblClick();
    QCOMPARE(f.core.PreviewList().Lines(), QStringList({"a.txt"}));
  }

  void leavingNumberField_repairs_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("empty crop") << "tRightCutChars"
                                << ""
                                << "0";
    QTest::newRow("empty zero fill") << "tZeroFill"
                                     << ""
                                     << "1";
    QTest::newRow("lone minus") << "tStartAt"
                                << "-"
                                << "1";
    QTest::newRow("negative kept") << "tIncrement"
                                   << "-2"
                                   << "-2";
  }
  void leavingNumberField_repairs() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    CoreFixture f({"a.txt"});
    QSignalSpy pushed(&f.core, &AppCore::OptionValueChanged);
    f.core.SetText(field, typed);
    QCOMPARE(f.core.LeaveField(field), left);
    QCOMPARE(f.core.Text(field), left);
    QCOMPARE(pushed.size(), typed == left ? 0 : 1);
  }

  void hiddenEntryInPlace_renamedOnlyWhenConfirmed() {
    CoreFixture f({".h.txt"});
    QCOMPARE(f.core.FileList().Count(), 1);
    QString text = QStringLiteral("v.txt");
    QVERIFY(!f.core.EditInPlace(0, text));
    QCOMPARE(text, QStringLiteral(".h.txt"));
    QCOMPARE(f.dialogs.asked.size(), 1);
    f.dialogs.answers.push_back(true);
    text = QStringLiteral("v.txt");
    const int before = f.core.RefreshCount();
    QVERIFY(f.core.EditInPlace(0, text));
    QCOMPARE(f.OnDisk(), QStringList({"v.txt"}));
    QCOMPARE(f.core.RefreshCount() - before, 1);
  }

  void formCaption_followsTheFolder() {
    CoreFixture f({"a.txt", "sub/"});
    QCOMPARE(f.core.FormCaption(), "Zelvo Rename 2000 v4.2b  [" + f.core.FileList().Directory() + "]");
    QCOMPARE(f.core.FormHint(), QStringLiteral("Files: 1\rFolders: 1"));
  }

  void setActive_listsTheOptionControls() {
    QStringList names = AppCore::ActiveControlNames();
    QCOMPARE(names.size(), 23);
    QCOMPARE(names.removeDuplicates(), 0);
  }

  void nextTab_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("next");
    QTest::newRow("0 forward") << 0 << false << 1;
    QTest::newRow("3 forward wraps") << 3 << false << 0;
    QTest::newRow("0 backward wraps") << 0 << true << 3;
    QTest::newRow("2 backward") << 2 << true << 1;
    QTest::newRow("language forward") << 4 << false << 0;
    QTest::newRow("language backward") << 4 << true << 3;
  }
  void nextTab() {
    QFETCH(int, current);
    QFETCH(bool, backward);
    QFETCH(int, next);
    QCOMPARE(AppCore::NextTab(current, backward), next);
  }
};

QTEST_GUILESS_MAIN(TestAppCore)
#include "tst_app_core.moc"
