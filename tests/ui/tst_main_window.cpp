#include "ui/main_window.h"

#include <QtTest>

class TestMainWindow : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void newWindow_showsProgramCaption() {
    TfZelvoRename window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zelvo Rename 2000 v4.2b"));
    QVERIFY(window.close());
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
