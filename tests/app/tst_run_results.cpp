// What the window is told about a run: the failures while the entries of the run are still listed,
// the result line after a rename and an undo, whether undo is offered, which preview lines change a
// name, and a typed folder.
#include "app/app_core.h"

#include "support_app.h"

#include <QtTest>

class TestRunResults : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void twoFailures_shownBeforeTheReload_thenTheResultLine() {
    CoreFixture f({"a.txt", "b.txt", "c.txt", "d.dat"});
    f.core.SetFlag(u"opReplace", true);
    f.core.SetText(u"tChangeFilename", "same");
    QStringList listedWhenShown;
    bool optionStillSet = false;
    RenameErrorRecord shown;
    connect(&f.core, &AppCore::ErrorsToShow, this, [&](const RenameErrorRecord &errors) {
      shown = errors;
      for (const QString &index : errors.lidItems)
        listedWhenShown << f.core.FileList().Entry(index.toInt()).Caption;
      optionStillSet = f.core.Options().opReplace;
    });
    QSignalSpy lines(&f.core, &AppCore::RunResultChanged);
    f.core.btnRenameClick();

    QCOMPARE(listedWhenShown, QStringList({"b.txt", "c.txt"})); // the entries of the run, not the reload
    QVERIFY(optionStillSet);
    QCOMPARE(shown.newNames, QStringList({"same.txt", "same.txt"}));
    QCOMPARE(shown.reasons.size(), 2);
    QVERIFY(!f.core.Options().opReplace);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(f.core.RunResultText(), QStringLiteral("2 renamed, 2 not renamed"));
    QVERIFY(f.core.UndoAvailable());

    f.core.btnUndoClick();
    QCOMPARE(f.core.RunResultText(), QStringLiteral("2 names put back"));
    f.core.ChangeLanguage(5);
    QCOMPARE(lines.last().at(0).toString(), QStringLiteral("2 Namen wiederhergestellt"));
  }

  void runWhereEveryRenameFails_offersNoUndo() {
    CoreFixture f({"a.txt", "b.txt", "same.txt"});
    f.core.SetFlag(u"opReplace", true);
    f.core.SetText(u"tChangeFilename", "same");
    QSignalSpy undo(&f.core, &AppCore::UndoAvailableChanged);
    f.core.btnRenameClick();
    QCOMPARE(f.OnDisk(), QStringList({"a.txt", "b.txt", "same.txt"}));
    QVERIFY(!f.core.UndoAvailable());
    QVERIFY(undo.isEmpty());
    QCOMPARE(f.core.RunResultText(), QStringLiteral("0 renamed, 2 not renamed"));
  }

  void changedRole_marksOnlyLinesThatGiveANewName_data() {
    QTest::addColumn<QString>("insert");
    QTest::addColumn<bool>("viewFolders");
    QTest::addColumn<QList<bool>>("changed"); // for "a.txt", "readme", "sub"
    QTest::newRow("no option") << QString() << false << QList<bool>{false, false};
    QTest::newRow("a text in front") << QStringLiteral("x") << false << QList<bool>{true, true};
    QTest::newRow("folder left alone") << QStringLiteral("x") << true << QList<bool>{true, true, false};
  }
  void changedRole_marksOnlyLinesThatGiveANewName() {
    QFETCH(QString, insert);
    QFETCH(bool, viewFolders);
    QFETCH(QList<bool>, changed);
    CoreFixture f({"a.txt", "readme", "sub/"});
    f.core.SetFlag(u"cViewFolders", viewFolders);
    if (!insert.isEmpty()) {
      f.core.SetFlag(u"opInsertBefore", true);
      f.core.SetText(u"tInsertBefore", insert);
    }
    f.core.UpdateAll();
    const PreviewModel &model = f.core.PreviewList();
    QMap<QString, bool> byName;
    for (int row = 0; row < f.core.FileList().Count(); ++row)
      byName.insert(f.core.FileList().Entry(row).Caption,
                    model.index(row).data(PreviewModel::ChangedRole).toBool());
    QCOMPARE(byName.values(), changed);
  }

  void typedFolder_opensOrTellsAndChangesNothing() {
    CoreFixture f({"inner/", "a.txt"});
    const QString start = f.core.FileList().Directory();
    QVERIFY(!f.core.OpenTypedFolder(QStringLiteral("no such folder")));
    QCOMPARE(f.dialogs.errors, QStringList{"The folder \"no such folder\" does not exist."});
    QVERIFY(!f.core.OpenTypedFolder(f.Path("a.txt")));
    QCOMPARE(f.core.FileList().Directory(), start);
    QVERIFY(f.core.OpenTypedFolder(QStringLiteral("inner")));
    QCOMPARE(f.core.FileList().Directory(), f.Path("inner") + QLatin1Char('/'));
  }
};

QTEST_GUILESS_MAIN(TestRunResults)
#include "tst_run_results.moc"
