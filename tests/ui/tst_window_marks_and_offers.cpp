#include "app/app_core.h"
#include "app/preview_model.h"
#include "engine/batch_scripts.h"
#include "engine/run_journal.h"
#include "explorer/folder_tree_model.h"
#include "lang/language_texts.h"
#include "ui/dir_tree_combo.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTreeView>
#include <QtTest>

#include <memory>

// The window's marks of failing preview lines, its offer to put back a run cut short, the name of
// its folder tree's root, and the filter its save dialog reports.
namespace {

class YesDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &message) override {
    asked << message;
    return true;
  }
  void ShowError(const QString &message) override { errors << message; }
  void ShowInformation(const QString &message) override { notices << message; }
  void RunModal(QDialog &) override {}
  QStringList asked, errors, notices;
};

} // namespace

class TestWindowMarksAndOffers : public QObject {
  Q_OBJECT

  QTemporaryDir m_settings;
  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<YesDialogs> m_dialogs;
  std::unique_ptr<TfZelvoRename> m_window;

  template <typename T = QWidget> T *Find(const char *name) {
    T *object = m_window->findChild<T *>(QLatin1String(name));
    if (!object)
      qFatal("no control %s", name);
    return object;
  }
  void ShowFolder(const QStringList &names) {
    for (const QString &name : names) {
      QFile file(m_dir->filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_window->OpenFolder(m_dir->path());
    m_window->resize(800, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  }

private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_settings.filePath("data")));
  }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<YesDialogs>();
    m_window = std::make_unique<TfZelvoRename>(m_dialogs.get());
  }
  void cleanup() {
    m_window.reset();
    m_dialogs.reset();
  }

  // A line the run would fail on carries a mark at its right and says why in its tooltip.
  void failingLine_isMarked() {
    ShowFolder({"a.txt", "b.txt"});
    Find<QCheckBox>("opReplace")->click();
    QTest::keyClicks(Find("tChangeFilename"), "b"); // a.txt would take the name b.txt keeps
    auto *preview = Find<QListView>("lZelvoList");
    QTRY_COMPARE(m_window->Core().PreviewList().Lines(), QStringList({"b.txt", "b.txt"}));
    QVERIFY(!preview->model()->index(0, 0).data(Qt::ToolTipRole).toString().isEmpty());
    QVERIFY(preview->model()->index(1, 0).data(Qt::ToolTipRole).isNull());
    QTRY_VERIFY(preview->indexAt(QPoint(30, 5)).isValid()); // laid out
    const QImage picture = preview->viewport()->grab().toImage();
    const auto markArea = [&](int row) {
      const QRect rect = preview->visualRect(preview->model()->index(row, 0));
      const int right = qMin(rect.right(), preview->viewport()->width() - 1);
      return picture.copy(QRect(right - 18, rect.top(), 16, qMin(16, rect.height())));
    };
    const QImage marked = markArea(0), plain = markArea(1);
    QVERIFY(marked != plain);
    QCOMPARE(plain.pixelColor(8, 8), preview->palette().color(QPalette::Base));
  }

  // After showing, a run cut short is offered; Yes puts its file back and the list shows it.
  void cutShortRun_putBackAfterShowing() {
    QTemporaryDir state;
    ShowFolder({"b.txt"});
    m_window->Core().SetJournalFolder(state.path());
    {
      RunJournal journal;
      QVERIFY(journal.Open(state.path()).isEmpty());
      // The journal holds the file under its old name, which the run then moves.
      QVERIFY(QFile::rename(m_dir->filePath("b.txt"), m_dir->filePath("a.txt")));
      const QByteArray from = QFile::encodeName(m_dir->filePath("a.txt")),
                       to = QFile::encodeName(m_dir->filePath("b.txt"));
      journal.Planned({{from, to}});
      QVERIFY(QFile::rename(m_dir->filePath("a.txt"), m_dir->filePath("b.txt")));
    }
    m_window->OfferRecovery();
    QCOMPARE(m_dialogs->asked.size(), 1);
    QCOMPARE(m_dialogs->notices.size(), 1);
    auto *list = Find<QTreeView>("DirView1");
    QTRY_COMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("a.txt"));
    QCOMPARE(m_window->Core().PreviewList().Lines(), QStringList{"a.txt"});
  }

  // The folder tree's root is named in the window's language.
  void treeRoot_followsTheLanguage() {
    TZelvoRenameFolderTreeModel *tree = Find<TZelvoRenameDirTreeCombo>("DriveView1")->Tree()->Model();
    QCOMPARE(tree->RootIndex().data().toString(), QStringLiteral("Computer"));
    m_window->Core().ChangeLanguage(LanguageFrench);
    QCOMPARE(tree->RootIndex().data().toString(), QStringLiteral("Ordinateur"));
  }

  // The save dialog tells which filter was chosen: the shell script one writes a shell script
  // whatever the name typed.
  void saveDialog_reportsTheChosenFilter() {
    TWidgetDialogs dialogs;
    QTimer answer;
    answer.setInterval(10);
    int ticks = 0; // the filter first; the name typed once the dialog has followed it
    connect(&answer, &QTimer::timeout, this, [&] {
      auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
      if (!dialog)
        return;
      if (++ticks == 1) {
        dialog->selectNameFilter(QLatin1String(kShellScriptFilter));
        return;
      }
      answer.stop();
      dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
          ->setText(QStringLiteral("list")); // typed
      QMetaObject::invokeMethod(dialog, "accept");
    });
    answer.start();
    const auto chosen =
        dialogs.ChooseSaveFile({m_dir->path(), "RenameIt.bat", "*.bat;;Shell scripts (*.sh)", {}});
    QCOMPARE(chosen, std::optional<QString>(m_dir->filePath("list")));
    QCOMPARE(dialogs.ChosenFilter(), QLatin1String(kShellScriptFilter));
  }
};

QTEST_MAIN(TestWindowMarksAndOffers)
#include "tst_window_marks_and_offers.moc"
