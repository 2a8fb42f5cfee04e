#include "support_app.h"

#include <QSignalSpy>

class TestAppCore : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void typedText_refreshesOnce() {
    CoreFixture f({"a.txt", "b.txt"});
    const int before = f.core.RefreshCount();
    QVERIFY(f.core.SetFlag(u"opInsertBefore", true));
    QVERIFY(f.core.SetText(u"tInsertBefore", "x_"));
    QCOMPARE(f.core.RefreshCount() - before, 2);
    QCOMPARE(f.core.PreviewList().Lines(), QStringList({"x_a.txt", "x_b.txt"}));
  }

  void renameRun_refreshesOnce() {
    CoreFixture f({"a.txt", "b.txt"});
    f.core.SetFlag(u"opUpperCase", true);
    const int before = f.core.RefreshCount();
    f.core.btnRenameClick();
    QCOMPARE(f.core.RefreshCount() - before, 1);
    QCOMPARE(f.OnDisk(), QStringList({"A.txt", "B.txt"}));
    QVERIFY(f.core.UndoAvailable());
  }

  void setActive_listsTheOptionControls() {
    QCOMPARE(AppCore::ActiveControlNames().size(), 23);
    QStringList names = AppCore::ActiveControlNames();
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
