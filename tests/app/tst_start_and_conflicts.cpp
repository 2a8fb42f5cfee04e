#include "support_app.h"

#include "engine/rename_conflicts.h"
#include "engine/run_journal.h"

#include <memory>

// The offer to put back a run cut short, and the preview's marks of the lines a run would fail on.
class TestStartAndConflicts : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // A run that renamed a.txt to b.txt and was cut short: Yes puts the file back, No keeps the
  // journal for the next start, No then Yes forgets it; a run still going on is not offered.
  void cutShortRun_offeredOnce_data() {
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("stillRunning");
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<bool>("journalKept");
    QTest::addColumn<int>("questions");
    QTest::newRow("yes: put back") << QList<bool>{true} << false << "a.txt" << false << 1;
    QTest::newRow("no: asked again") << QList<bool>{false, false} << false << "b.txt" << true << 2;
    QTest::newRow("no, forget it") << QList<bool>{false, true} << false << "b.txt" << false << 2;
    QTest::newRow("still running") << QList<bool>{true} << true << "b.txt" << true << 0;
  }
  void cutShortRun_offeredOnce() {
    QFETCH(QList<bool>, answers);
    QFETCH(bool, stillRunning);
    QFETCH(QString, onDisk);
    QFETCH(bool, journalKept);
    QFETCH(int, questions);
    CoreFixture f({"b.txt"});
    QTemporaryDir state;
    f.core.SetJournalFolder(state.path());
    auto journal = std::make_unique<RunJournal>();
    QVERIFY(journal->Open(state.path()).isEmpty());
    // The journal holds the file under its old name, which the run then moves.
    QVERIFY(QFile::rename(f.Path("b.txt"), f.Path("a.txt")));
    const QByteArray from = QFile::encodeName(f.Path("a.txt")), to = QFile::encodeName(f.Path("b.txt"));
    journal->Planned({PlannedMove(from, to)});
    QVERIFY(QFile::rename(f.Path("a.txt"), f.Path("b.txt")));
    if (!stillRunning)
      journal.reset(); // closed without its end: cut short
    f.dialogs.answers.assign(answers.begin(), answers.end());
    f.core.OfferRecovery();
    QCOMPARE(f.dialogs.asked.size(), questions);
    QCOMPARE(f.OnDisk(), QStringList{onDisk});
    QCOMPARE(f.core.FileList().Entry(0).Caption, onDisk);
    QCOMPARE(!QDir(state.path()).isEmpty(), journalKept);
    QCOMPARE(f.dialogs.notices.size(), onDisk == "a.txt" ? 1 : 0);
    QVERIFY(f.dialogs.errors.isEmpty());
  }

  // Every refresh marks the lines the run would not rename, with why; the lines stay as they are.
  void refresh_marksFailingLines_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QList<bool>>("failing");
    QTest::newRow("name kept by a file") << QStringList{"a.txt", "b.txt"} << "b" << QList<bool>{true, false};
    QTest::newRow("one name twice") << QStringList{"a.txt", "b.txt", "c.txt"} << "x"
                                    << QList<bool>{false, true, true};
    QTest::newRow("a swap") << QStringList{"a.txt", "b.txt"} << "" << QList<bool>{false, false};
    // Enough new names for the folder to be read whole, and the lines checked from their keys.
    QStringList many;
    QList<bool> allButFirst;
    for (int i = 0; i < 100; ++i) {
      many << QStringLiteral("f%1.txt").arg(i, 3, 10, QLatin1Char('0'));
      allButFirst << (i > 0);
    }
    QTest::newRow("one name a hundred times") << many << "x" << allButFirst;
  }
  void refresh_marksFailingLines() {
    QFETCH(QStringList, files);
    QFETCH(QString, newName);
    QFETCH(QList<bool>, failing);
    CoreFixture f(files);
    if (newName.isEmpty()) { // swapped through the text list: a cycle frees its own names
      f.core.SetTextListText("b\na");
      newName = "\\T";
    }
    f.core.SetText(u"tChangeFilename", newName);
    f.core.SetFlag(u"opReplace", true);
    const PreviewModel &model = f.core.PreviewList();
    QCOMPARE(model.rowCount(), failing.size());
    for (int row = 0; row < failing.size(); ++row) {
      const QModelIndex index = model.index(row);
      QCOMPARE(index.data(PreviewModel::FailsRole).toBool(), failing[row]);
      QCOMPARE(index.data(Qt::ToolTipRole).toString().isEmpty(), !failing[row]);
      QCOMPARE(index.data().toString(), model.Lines().at(row));
    }
    f.core.SetInstantRefresh(false); // the hint has no marks
    f.core.SetFlag(u"opUpperCase", true);
    QVERIFY(!model.index(0).data(PreviewModel::FailsRole).toBool());
  }
};

QTEST_GUILESS_MAIN(TestStartAndConflicts)
#include "tst_start_and_conflicts.moc"
