#include "explorer/file_list_view.h"
#include "support_explorer.h"
#include "ui/dir_tree_combo.h"

#include <QtTest>

namespace {

// A temporary folder with two subfolders, a combo and a file list linked to it.
struct Fixture {
  Fixture() {
    QDir(dir.path()).mkpath(QStringLiteral("alpha/inner"));
    QDir(dir.path()).mkpath(QStringLiteral("beta"));
    combo.SetDialogs(&dialogs);
    combo.SetFileList(&list);
    combo.show();
  }
  QString Folder(const QString &name = QString()) const {
    return name.isEmpty() ? dir.path() + QLatin1Char('/')
                          : dir.path() + QLatin1Char('/') + name + QLatin1Char('/');
  }
  QTemporaryDir dir;
  TestPlatform test;
  RecordedDialogs dialogs;
  TZelvoRenameFileListView list{nullptr, &test.platform};
  TZelvoRenameDirTreeCombo combo{nullptr, &test.platform};
};

} // namespace

class TestDirTreeCombo : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void dropDownKey_opensBelowComboAndClosesAgain_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closeFromTree");
    QTest::newRow("F4 twice in the combo") << int(Qt::Key_F4) << int(Qt::NoModifier) << false;
    QTest::newRow("F4, then F4 in the drop-down") << int(Qt::Key_F4) << int(Qt::NoModifier) << true;
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier) << true;
  }
  void dropDownKey_opensBelowComboAndClosesAgain() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closeFromTree);
    Fixture f;
    QVERIFY(!f.combo.IsDroppedDown());
    QTest::keyClick(&f.combo, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(f.combo.IsDroppedDown());
    const QRect tree = f.combo.Tree()->frameGeometry();
    QCOMPARE(tree.topLeft(), f.combo.mapToGlobal(QPoint(0, f.combo.height())));
    QCOMPARE(tree.size(), QSize(f.combo.width(), 240));
    QTest::keyClick(closeFromTree ? static_cast<QWidget *>(f.combo.Tree()) : &f.combo, Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QVERIFY(!f.combo.IsDroppedDown());
  }

  void escape_closesWithoutChoosing() {
    Fixture f;
    f.list.SetDirectory(f.Folder());
    QTest::keyClick(&f.combo, Qt::Key_F4);
    QTest::keyClick(f.combo.Tree(), Qt::Key_Down);
    QTest::keyClick(f.combo.Tree(), Qt::Key_Escape);
    QVERIFY(!f.combo.IsDroppedDown());
    QCOMPARE(f.list.Directory(), f.Folder());
  }

  void listChangingFolder_comboShowsIt() {
    Fixture f;
    f.list.SetDirectory(f.Folder(QStringLiteral("alpha/inner")));
    QCOMPARE(f.combo.text(), QStringLiteral("inner"));
    QCOMPARE(f.combo.SelectedPath(), f.Folder(QStringLiteral("alpha/inner")));
    QCOMPARE(f.combo.Tree()->NodePath(f.combo.Tree()->currentIndex()),
             f.dir.path() + QStringLiteral("/alpha/inner"));
    f.list.SetDirectory(QStringLiteral("Drives"));
    QCOMPARE(f.combo.text(), f.combo.Tree()->Model()->RootCaption());
    QCOMPARE(f.combo.Tree()->currentIndex(), f.combo.Tree()->Model()->RootIndex());
  }

  // From the list's folder, keys move through the tree and Enter or a click chooses.
  void choosingNode_listShowsItsFolder_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("click");
    QTest::addColumn<QString>("chosen"); // below the temporary folder; "Drives" for the computer
    QTest::addColumn<QString>("text");
    QTest::newRow("Down twice, Enter")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << false << "beta"
        << "beta";
    QTest::newRow("Down, Right, Down, Enter")
        << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Enter} << false << "alpha/inner"
        << "inner";
    QTest::newRow("Left goes up") << QList<int>{Qt::Key_Down, Qt::Key_Left, Qt::Key_Return} << false << ""
                                  << "";
    QTest::newRow("click on a label") << QList<int>{Qt::Key_Down, Qt::Key_Down} << true << "beta"
                                      << "beta";
  }
  void choosingNode_listShowsItsFolder() {
    QFETCH(QList<int>, keys);
    QFETCH(bool, click);
    QFETCH(QString, chosen);
    QFETCH(QString, text);
    Fixture f;
    f.list.SetDirectory(f.Folder());
    QTest::keyClick(&f.combo, Qt::Key_F4);
    TKpDirTreeView *tree = f.combo.Tree();
    for (int key : keys)
      QTest::keyClick(tree, Qt::Key(key));
    if (click)
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                        tree->visualRect(tree->currentIndex()).topLeft() + QPoint(20, 4));
    QVERIFY(!f.combo.IsDroppedDown());
    QCOMPARE(f.list.Directory(), f.Folder(chosen));
    QCOMPARE(f.combo.text(), text.isEmpty() ? QFileInfo(f.dir.path()).fileName() : text);
    QCOMPARE(QDir::cleanPath(f.combo.SelectedPath()), QDir::cleanPath(f.Folder(chosen)));
  }

  void choosingComputer_listShowsDrives() {
    Fixture f;
    f.list.SetDirectory(f.Folder());
    f.combo.Tree()->setCurrentIndex(f.combo.Tree()->Model()->RootIndex());
    QTest::keyClick(&f.combo, Qt::Key_Return);
    QCOMPARE(f.list.Directory(), QStringLiteral("Drives"));
    QCOMPARE(f.combo.SelectedPath(), QStringLiteral("Drives"));
    QVERIFY(f.list.IsDrivesView());
  }

  void folderMadeAfterParentWasListed_comboFollows() {
    Fixture f;
    f.list.SetDirectory(f.Folder(QStringLiteral("alpha")));
    QDir(f.dir.path()).mkpath(QStringLiteral("alpha/later"));
    f.list.SetDirectory(f.Folder(QStringLiteral("alpha/later")));
    QCOMPARE(f.combo.text(), QStringLiteral("later"));
    QCOMPARE(f.combo.SelectedPath(), f.Folder(QStringLiteral("alpha/later")));
  }

  void folderUnknownToTree_leavesComboAsItWas() {
    Fixture f;
    f.list.SetDirectory(f.Folder(QStringLiteral("alpha")));
    f.combo.SelectPath(f.Folder(QStringLiteral("missing")));
    QCOMPARE(f.combo.text(), QStringLiteral("alpha"));
    QCOMPARE(f.combo.SelectedPath(), f.Folder(QStringLiteral("alpha")));
  }
};

QTEST_MAIN(TestDirTreeCombo)
#include "tst_dir_tree_combo.moc"
