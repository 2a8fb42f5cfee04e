#include "explorer/file_list_view.h"
#include "support_explorer.h"
#include "ui/dir_tree.h"

#include <QLineEdit>
#include <QtTest>

class TestDirTree : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // Edits the caption of the folder "alpha" beside an existing "beta" and answers the question.
  void editingFolderCaption_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("error");      // empty: none
    QTest::addColumn<bool>("asked");         // the confirmation came up
    QTest::addColumn<QString>("afterwards"); // the folder's name on disk and in the tree
    QTest::newRow("plus sign refused")
        << "a+b" << true << "Error - Invalid Directory Name\na+b" << false << "alpha";
    QTest::newRow("semicolon refused")
        << "a;b" << true << "Error - Invalid Directory Name\na;b" << false << "alpha";
    QTest::newRow("slash refused") << "x/y" << true << "Error - Invalid Directory Name\nx/y" << false
                                   << "alpha";
    QTest::newRow("empty refused silently") << "" << true << "" << false << "alpha";
    QTest::newRow("answered No") << "gamma" << false << "" << true << "alpha";
    QTest::newRow("existing name kept") << "beta" << true << "File exists" << true << "alpha";
    QTest::newRow("renamed") << "gamma" << true << "" << true << "gamma";
  }
  void editingFolderCaption() {
    QFETCH(QString, name);
    QFETCH(bool, answer);
    QFETCH(QString, error);
    QFETCH(bool, asked);
    QFETCH(QString, afterwards);
    QTemporaryDir dir;
    const QString parentPath = dir.path() + QLatin1Char('/');
    QDir(dir.path()).mkpath(QStringLiteral("alpha/inner"));
    QDir(dir.path()).mkpath(QStringLiteral("beta"));
    TestPlatform test;
    RecordedDialogs dialogs;
    dialogs.answer = answer;
    TZelvoRenameFileListView list(nullptr, &test.platform);
    list.SetDirectory(parentPath + QStringLiteral("alpha/inner"));
    TZelvoRenameDirTree tree(nullptr, &test.platform);
    tree.SetDialogs(&dialogs);
    tree.SetFileList(&list);
    tree.show();
    tree.SelectPath(parentPath + QStringLiteral("alpha"));
    const QModelIndex alpha = tree.currentIndex();
    QCOMPARE(alpha.data().toString(), QStringLiteral("alpha"));

    tree.edit(alpha);
    auto *editor = tree.viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(name);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!tree.viewport()->findChild<QLineEdit *>()); // the edit ends after the key

    QCOMPARE(dialogs.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(dialogs.beeps, error.startsWith(QLatin1String("Error -")) || name.isEmpty() ? 1 : 0);
    QCOMPARE(
        dialogs.questions,
        asked ? QStringList{QStringLiteral("Do you want to rename the selected folder\n\n    From  : alpha\n"
                                           "    To     : ") +
                            name}
              : QStringList());
    QCOMPARE(alpha.data().toString(), afterwards);
    QVERIFY(QFileInfo::exists(parentPath + afterwards + QStringLiteral("/inner")));
    QVERIFY(QFileInfo::exists(parentPath + QStringLiteral("beta")));
    // After a rename the list shows the folder that holds the renamed one.
    QCOMPARE(list.Directory(),
             afterwards == QLatin1String("alpha") ? parentPath + QStringLiteral("alpha/inner/") : parentPath);
  }

  void volumeAndComputer_cannotBeEdited() {
    TestPlatform test;
    TZelvoRenameDirTree tree(nullptr, &test.platform);
    const QModelIndex root = tree.Model()->RootIndex();
    QVERIFY(!(tree.Model()->flags(root) & Qt::ItemIsEditable));
    QVERIFY(!(tree.Model()->flags(tree.Model()->index(0, 0, root)) & Qt::ItemIsEditable));
  }

  void asterisk_doesNotExpandWholeBranch() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("alpha/inner/deep"));
    TestPlatform test;
    TZelvoRenameDirTree tree(nullptr, &test.platform);
    tree.show();
    tree.SelectPath(dir.path());
    QTest::keyClick(&tree, Qt::Key_Asterisk);
    QVERIFY(!tree.isExpanded(tree.Model()->FindPath(dir.path() + QStringLiteral("/alpha"))));
  }

  void enterOnNode_listShowsItsFolder_data() {
    QTest::addColumn<bool>("computer");
    QTest::newRow("folder") << false;
    QTest::newRow("computer") << true;
  }
  void enterOnNode_listShowsItsFolder() {
    QFETCH(bool, computer);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("alpha"));
    TestPlatform test;
    TZelvoRenameFileListView list(nullptr, &test.platform);
    TZelvoRenameDirTree tree(nullptr, &test.platform);
    tree.SetFileList(&list);
    tree.show();
    tree.SelectPath(dir.path() + QStringLiteral("/alpha"));
    if (computer)
      tree.setCurrentIndex(tree.Model()->RootIndex());
    QTest::keyClick(&tree, Qt::Key_Return);
    QCOMPARE(list.Directory(), computer ? QStringLiteral("Drives") : dir.path() + QStringLiteral("/alpha/"));
  }
};

QTEST_MAIN(TestDirTree)
#include "tst_dir_tree.moc"
