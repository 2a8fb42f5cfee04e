// The window side by side: the file list and the preview scroll as one, the line that tells what a
// run did, the failure list with its reasons, the fields' edit actions beside the variables, and a
// folder path typed into the drop-down.
#include "app/app_core.h"
#include "ui/dir_tree_combo.h"
#include "ui/errors_dialog.h"
#include "ui/list_aligner.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTreeView>
#include <QtTest>

#include <memory>
#include <unistd.h>

namespace {

class NotingDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &message) override { errors << message; }
  void ShowInformation(const QString &) override {}
  void RunModal(QDialog &dialog) override {
    if (auto *list = qobject_cast<TfErrors *>(&dialog))
      for (int row = 0; row < list->Count(); ++row)
        failures << QStringList{list->PathAt(row), list->NewNameAt(row), list->ReasonAt(row)};
  }
  QStringList errors;
  QList<QStringList> failures;
};

} // namespace

class TestWindowRunsAndLists : public QObject {
  Q_OBJECT

  QTemporaryDir m_settings;
  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<NotingDialogs> m_dialogs;
  std::unique_ptr<TfZelvoRename> m_window;

  template <typename T = QWidget> T *Find(const char *name) {
    T *object = m_window->findChild<T *>(QLatin1String(name));
    if (!object)
      qFatal("no control %s", name);
    return object;
  }
  QTreeView *List() { return Find<QTreeView>("DirView1"); }
  QListView *Preview() { return Find<QListView>("lZelvoList"); }
  void MakeFiles(const QString &folder, int count) {
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i < count; ++i) {
      QFile file(QDir(folder).filePath(QStringLiteral("file%1.txt").arg(i, 3, 10, QLatin1Char('0'))));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
  }
  void ShowFolder(const QString &folder, int lines) {
    m_window->OpenFolder(folder);
    m_window->resize(640, 480);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE(m_window->Core().PreviewList().Lines().size(), lines);
  }
  // Both lists show the same first row, and it is not the top one when expected.
  void CompareFirstRows(int atLeast) {
    QTRY_COMPARE(TListAligner::FirstVisibleRow(*Preview()), TListAligner::FirstVisibleRow(*List()));
    QVERIFY2(TListAligner::FirstVisibleRow(*List()) >= atLeast,
             qPrintable(QString::number(TListAligner::FirstVisibleRow(*List()))));
  }

private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_settings.filePath("data")));
  }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<NotingDialogs>();
    m_window = std::make_unique<TfZelvoRename>(m_dialogs.get());
  }
  void cleanup() {
    m_window.reset();
    m_dialogs.reset();
  }

  void scrollingEitherList_scrollsTheOther_data() {
    QTest::addColumn<bool>("preview"); // which list is scrolled
    QTest::addColumn<QString>("how");
    for (bool preview : {false, true})
      for (const char *how : {"scroll bar", "page down", "wheel", "to the end"})
        QTest::addRow("%s, %s", preview ? "preview" : "file list", how)
            << preview << QString::fromLatin1(how);
  }
  void scrollingEitherList_scrollsTheOther() {
    QFETCH(bool, preview);
    QFETCH(QString, how);
    MakeFiles(m_dir->path(), 200);
    ShowFolder(m_dir->path(), 200);
    QAbstractItemView *view = preview ? static_cast<QAbstractItemView *>(Preview()) : List();
    if (how == QLatin1String("scroll bar")) {
      view->verticalScrollBar()->setValue(37);
    } else if (how == QLatin1String("page down")) {
      view->setFocus();
      view->setCurrentIndex(view->model()->index(0, 0));
      QTest::keyClick(view, Qt::Key_PageDown);
      QTest::keyClick(view, Qt::Key_PageDown);
    } else if (how == QLatin1String("wheel")) {
      const QPoint at = view->viewport()->rect().center();
      QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120 * 3), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(view->viewport(), &wheel);
    } else {
      view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    }
    CompareFirstRows(3);
    if (how == QLatin1String("to the end"))
      QCOMPARE(Preview()->verticalScrollBar()->value(), List()->verticalScrollBar()->value());
  }

  void refreshAndFolderChange_keepTheListsAligned() {
    MakeFiles(m_dir->filePath("one"), 150);
    MakeFiles(m_dir->filePath("two"), 120);
    ShowFolder(m_dir->filePath("one"), 150);
    Preview()->verticalScrollBar()->setValue(60);
    Find<QCheckBox>("opInsertBefore")->click();
    QTest::keyClicks(Find("tInsertBefore"), "x_");
    QTRY_COMPARE(m_window->Core().PreviewList().Lines().first(), QStringLiteral("x_file000.txt"));
    CompareFirstRows(60);

    m_window->OpenFolder(m_dir->filePath("two"));
    QTRY_COMPARE(m_window->Core().PreviewList().Lines().size(), 120);
    List()->verticalScrollBar()->setValue(80);
    m_window->Core().mRefreshClick();
    CompareFirstRows(0);
    const int first = TListAligner::FirstVisibleRow(*List());
    QCOMPARE(Preview()->model()->index(first, 0).data().toString(),
             QStringLiteral("x_") + m_window->Core().FileList().Entry(first).Caption);
  }

  void runWithTwoFailures_listsWhyAndSaysWhatHappened() {
    MakeFiles(m_dir->path(), 4);
    ShowFolder(m_dir->path(), 4);
    Find<QCheckBox>("opReplace")->click();
    QTest::keyClicks(Find("tChangeFilename"), "same");
    Find<QPushButton>("btnRename")->click();
    const QString exists = QString::fromLocal8Bit(strerror(EEXIST));
    QCOMPARE(m_dialogs->failures.size(), 3);
    QCOMPARE(m_dialogs->failures.first(),
             (QStringList{QDir(m_dir->path()).filePath("file001.txt"), "same.txt", exists}));
    auto *line = Find<QLabel>("lRunResult");
    QCOMPARE(line->text(), QStringLiteral("1 renamed, 3 not renamed"));
    QVERIFY(line->isVisible());
    Find<QPushButton>("btnUndo")->click();
    QCOMPARE(line->text(), QStringLiteral("1 name put back"));
  }

  void failureList_givesTheSystemsReason_data() {
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<int>("error");
    QTest::newRow("read-only folder") << QStringLiteral("renamed.txt") << true << EACCES;
    QTest::newRow("name over 255 bytes") << QString(130, QChar(0xe9)) + ".txt" << false << ENAMETOOLONG;
  }
  void failureList_givesTheSystemsReason() {
    QFETCH(QString, newName);
    QFETCH(bool, readOnlyFolder);
    QFETCH(int, error);
    if (readOnlyFolder && ::geteuid() == 0)
      QSKIP("the superuser writes into a read-only folder");
    MakeFiles(m_dir->path(), 1);
    ShowFolder(m_dir->path(), 1);
    if (readOnlyFolder)
      QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    Find<QCheckBox>("opReplace")->click();
    Find<QLineEdit>("tChangeFilename")->setText(newName.chopped(4));
    Find<QPushButton>("btnRename")->click();
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(m_dialogs->failures.size(), 1);
    QCOMPARE(m_dialogs->failures.first().mid(1),
             (QStringList{newName, QString::fromLocal8Bit(strerror(error))}));
    // Nothing was renamed: there is nothing to undo.
    QVERIFY(!Find<QPushButton>("btnUndo")->isEnabled());
    QVERIFY(!Find<QAction>("MakeUndoBAT")->isVisible());
  }

  void everyControl_hasATooltipInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < 9; ++language)
      QTest::addRow("%d", language) << language;
  }
  void everyControl_hasATooltipInEveryLanguage() {
    QFETCH(int, language);
    m_window->Core().ChangeLanguage(0);
    QHash<QString, QString> english;
    const auto controls = [this] {
      QList<QWidget *> found;
      static const QRegularExpression named(
          QStringLiteral("^(op|t[A-Z]|c[A-Z]|btn|rg|bCheck|BitBtn|mPortuguese|"
                         "ProgramIcon|DriveView1)"));
      for (QWidget *w : m_window->centralWidget()->findChildren<QWidget *>())
        if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) ||
             qobject_cast<QComboBox *>(w)) &&
            named.match(w->objectName()).hasMatch())
          found << w;
      return found;
    };
    for (QWidget *control : controls())
      english.insert(control->objectName(), control->toolTip());
    m_window->Core().ChangeLanguage(language);
    const QList<QWidget *> all = controls();
    QVERIFY(all.size() > 70);
    for (QWidget *control : all) {
      QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
      if (language != 0)
        QVERIFY2(control->toolTip() != english.value(control->objectName()),
                 qPrintable(control->objectName()));
    }
  }

  void fieldMenu_hasTheEditActionsThenTheVariables() {
    MakeFiles(m_dir->path(), 1);
    ShowFolder(m_dir->path(), 1);
    auto *field = Find<QLineEdit>("tInsertBefore");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const auto namesOf = [](const QList<QAction *> &actions) {
      QStringList names;
      for (QAction *action : actions)
        names << (action->isSeparator() ? QStringLiteral("-") : action->text());
      return names;
    };
    const QStringList names = namesOf(menu->actions());
    const std::unique_ptr<QMenu> standard(field->createStandardContextMenu());
    const QStringList edit = namesOf(standard->actions());
    QVERIFY(edit.size() >= 6);
    QCOMPARE(names.mid(0, edit.size()), edit);
    QCOMPARE(names.at(edit.size()), QStringLiteral("-"));
    QCOMPARE(names.mid(edit.size() + 1), namesOf(m_window->VariablesMenu()->actions()));
    // Tall menus scroll instead of running off the screen.
    for (QMenu *tall : {menu, m_window->findChild<QMenu *>(QStringLiteral("FileDate1Menu"))}) {
      QVERIFY(tall);
      QVERIFY(tall->style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, tall));
    }
    menu->close();
  }

  void typedPath_opensTheFolder_aMissingOneIsTold() {
    MakeFiles(m_dir->filePath("inner"), 2);
    ShowFolder(m_dir->path(), 1);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto *combo = Find<TZelvoRenameDirTreeCombo>("DriveView1");
    const QString start = m_window->Core().FileList().Directory();

    QTest::keyClick(m_window.get(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(combo->hasFocus());
    QCOMPARE(combo->selectedText(), start);
    QTest::keyClicks(combo, m_dir->filePath("missing"));
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY(m_dialogs->errors.first().contains(m_dir->filePath("missing")));
    QCOMPARE(m_window->Core().FileList().Directory(), start);

    QTest::keyClick(m_window.get(), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClicks(combo, "inn");
    QCOMPARE(combo->Completer()->completionCount(), 1);
    QCOMPARE(combo->Completer()->currentCompletion(), QStringLiteral("inner/"));
    QTest::keyClicks(combo, "er");
    QTest::keyClick(combo, Qt::Key_Return);
    QTRY_COMPARE(m_window->Core().FileList().Directory(), m_dir->filePath("inner") + QLatin1Char('/'));
    QVERIFY(!combo->IsTyping());
    QCOMPARE(combo->text(), QStringLiteral("inner"));
  }
};

QTEST_MAIN(TestWindowRunsAndLists)
#include "tst_window_runs_and_lists.moc"
