#include "app/app_core.h"
#include "explorer/file_list_view.h"
#include "support_explorer.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

class QuietDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &) override {}
  void ShowInformation(const QString &) override {}
  void RunModal(QDialog &) override {}
};

void ClickRow(QAbstractItemView *view, int row) {
  const QRect rect = view->visualRect(view->model()->index(row, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

// The keys that turn the tabs, and the two lists in the drives view.
class TestWindowKeysAndDrives : public QObject {
  Q_OBJECT
  QTemporaryDir m_home;
  QuietDialogs m_dialogs;
  TestPlatform m_platform; // one drive: the whole file system
  std::unique_ptr<TfZelvoRename> m_window;

  template <typename T = QWidget> T *Find(const QString &name) { return m_window->findChild<T *>(name); }

private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
  }
  void init() {
    m_window = std::make_unique<TfZelvoRename>(&m_dialogs, &m_platform.platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  }
  void cleanup() { m_window.reset(); }

  // A field of a tab keeps its tab whatever Ctrl+Tab says: only the tab strip turns tabs.
  void ctrlTab_inAField_keepsTheTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("field");
    QTest::newRow("mask") << 0 << "tMask";
    QTest::newRow("replace text") << 0 << "tReplaceText";
    QTest::newRow("extension insert") << 1 << "tInsertAfterEx";
    QTest::newRow("start at") << 2 << "tStartAt";
    QTest::newRow("check box") << 3 << "cViewFiles";
  }
  void ctrlTab_inAField_keepsTheTab() {
    QFETCH(int, tab);
    QFETCH(QString, field);
    auto *tabs = Find<QTabWidget>(QStringLiteral("TabControl1"));
    tabs->setCurrentIndex(tab);
    QWidget *target = Find(field);
    if (auto *combo = qobject_cast<QComboBox *>(target))
      target = combo->lineEdit();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), tab);
    QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), tab);
    QVERIFY(target->hasFocus());
  }

  // The drives view: a click on a drive selects it and nothing in the preview; a click on a line
  // of the preview's help changes nothing in the list.
  void drivesView_listsDoNotFollowEachOther() {
    TZelvoRenameFileListView &list = m_window->Core().FileList();
    QVERIFY(list.IsDrivesView());
    QCOMPARE(list.Count(), 1);
    auto *files = Find<QTreeView>(QStringLiteral("DirView1"));
    auto *preview = Find<QListView>(QStringLiteral("lZelvoList"));
    QVERIFY(preview->model()->rowCount() > 2);
    ClickRow(files, 0);
    QCOMPARE(list.SelectedIndexes(), std::vector<int>{0});
    QVERIFY(preview->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(preview->verticalScrollBar()->value(), 0);
    ClickRow(preview, 2);
    QCOMPARE(list.SelectedIndexes(), std::vector<int>{0});
    QCOMPARE(files->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(files->selectionModel()->selectedRows().first().row(), 0);
  }
};

QTEST_MAIN(TestWindowKeysAndDrives)
#include "tst_window_keys_and_drives.moc"
