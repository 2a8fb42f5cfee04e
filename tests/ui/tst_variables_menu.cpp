#include "app/app_core.h"
#include "app/go_to_web.h"
#include "explorer/shell_calls.h"
#include "ui/about_dialog.h"
#include "ui/main_window.h"
#include "ui/text_list_dialog.h"
#include "ui/widget_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Starts nothing; notes what it was asked to start.
class RecordingShell : public ShellCalls {
public:
  bool Open(const QString &, const QString &) override { return false; }
  bool Run(const QString &program, const QStringList &arguments, const QString &) override {
    runs << QStringList{program} + arguments;
    return true;
  }
  bool OpenWithAppFor(const QString &, const QString &, const QString &) override { return false; }
  QList<QStringList> runs;
};

// Runs no modal loop: the test acts on each dialog shown, then it counts as closed.
class FakeDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &message) override { errors << message; }
  void ShowInformation(const QString &) override {}
  std::optional<QString> ChooseSaveFile(const FileChoice &) override { return std::nullopt; }
  std::optional<QString> ChooseOpenFile(const FileChoice &) override {
    if (files.isEmpty())
      return std::nullopt;
    return files.takeFirst();
  }
  void RunModal(QDialog &dialog) override {
    shown << dialog.objectName();
    if (onDialog)
      onDialog(dialog);
  }
  QStringList files, errors, shown;
  std::function<void(QDialog &)> onDialog;
};

} // namespace

class TestVariablesMenu : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<FakeDialogs> m_dialogs;
  std::unique_ptr<TfZelvoRename> m_window;

  template <typename T = QWidget> T *Find(QObject *parent, const QString &name) {
    T *object = parent->findChild<T *>(name);
    if (!object)
      qFatal("no object %s", qPrintable(name));
    return object;
  }
  void ShowFolder(const QStringList &files) {
    for (const QString &name : files) {
      QFile file(m_dir->filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_window->OpenFolder(m_dir->path());
    m_window->show();
    QTRY_COMPARE(m_window->Core().PreviewList().Lines().size(), files.size());
  }
  // A right click in a field: the press, then the context menu it asks for.
  void RightClick(QWidget *field) {
    QTest::mousePress(field, Qt::RightButton);
    QTest::mouseRelease(field, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(field, &menu);
  }

private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<FakeDialogs>();
    m_window = std::make_unique<TfZelvoRename>(m_dialogs.get());
  }
  void cleanup() {
    m_window.reset();
    m_dialogs.reset();
  }

  void rightClickThenItem_appendsTheTag_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extension after the text") << "tInsertAfterEx"
                                              << "Extension1" << 1 << "old\\5";
    QTest::newRow("twice, twice appended") << "tInsertBefore"
                                           << "WidthxHeightxBits1" << 2 << "old\\GWx\\GHx\\GB\\GWx\\GHx\\GB";
    QTest::newRow("file time") << "tChangeFilename"
                               << "HHMM2" << 1 << "old\\7H'\\7M";
    QTest::newRow("RA title as MP3 title") << "tReplaceTextNewEx"
                                           << "Title4" << 1 << "old\\A";
  }
  void rightClickThenItem_appendsTheTag() {
    QFETCH(QString, field);
    QFETCH(QString, item);
    QFETCH(int, times);
    QFETCH(QString, expected);
    ShowFolder({"a.txt"});
    auto *edit = Find<QLineEdit>(m_window.get(), field);
    edit->setText(QStringLiteral("old"));
    edit->setCursorPosition(0); // the tag goes to the end, not to the caret
    for (int i = 0; i < times; ++i) {
      RightClick(edit);
      QTRY_VERIFY(QApplication::activePopupWidget());
      Find<QAction>(m_window.get(), item)->trigger();
      QApplication::activePopupWidget()->close();
    }
    QCOMPARE(edit->text(), expected);
    QCOMPARE(m_window->Core().Text(field), expected);
  }

  void onlyTheEightFields_haveTheVariablesMenu_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("hasMenu");
    for (int target = 1; target <= 8; ++target)
      QTest::newRow(qPrintable(AppCore::VariableTargetName(target)))
          << AppCore::VariableTargetName(target) << true;
    QTest::newRow("tReplaceText") << "tReplaceText" << false;
    QTest::newRow("tReplaceTextEx") << "tReplaceTextEx" << false;
  }
  void onlyTheEightFields_haveTheVariablesMenu() {
    QFETCH(QString, field);
    QFETCH(bool, hasMenu);
    m_window->show();
    auto *edit = Find<QLineEdit>(m_window.get(), field);
    QCOMPARE(edit->contextMenuPolicy() == Qt::CustomContextMenu, hasMenu);
    if (!hasMenu)
      return; // the field's own editing menu would run a modal loop
    RightClick(edit);
    // The field's menu holds the variables menu's items after its own.
    QTRY_VERIFY(QApplication::activePopupWidget());
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && menu->actions().contains(m_window->VariablesMenu()->actions().first()));
    menu->close();
    QCOMPARE(m_window->Core().VariableTarget(), AppCore::VariableTargetOf(field));
  }

  void languageSwitch_captionsTheMenu_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Spanish") << int(LanguageSpanish) << "Graphics1"
                             << "Gráficos";
    QTest::newRow("Catalan") << int(LanguageCatalan) << "Graphics1"
                             << "Gràfics";
    QTest::newRow("German keeps English") << int(LanguageGerman) << "CurrentDate1"
                                          << "Today Date";
    QTest::newRow("Spanish leaves RA") << int(LanguageSpanish) << "RA1"
                                       << "&RA";
  }
  void languageSwitch_captionsTheMenu() {
    QFETCH(int, language);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    m_window->Core().ChangeLanguage(language);
    QCOMPARE(Find<QAction>(m_window.get(), item)->text(), caption);
  }

  void everyCaptionName_findsItsObject() {
    // A name misspelt in the caption table or in a menu table leaves a caption nowhere.
    const QHash<QString, QString> captions = m_window->Core().Captions();
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
      if (!it.key().contains(u'#') && it.key() != QLatin1String("TfZelvoRename"))
        QVERIFY2(m_window->findChild<QObject *>(it.key()), qPrintable(it.key()));
  }

  void textList_linesReachTheNextRefresh_data() {
    QTest::addColumn<QString>("opener"); // btnEditor, or the menu's item
    QTest::addColumn<bool>("typed");     // typed into the editor instead of loaded
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("expected");
    const QStringList all{"one.txt", "two.txt", "three.txt", ".txt", ".txt"};
    QTest::newRow("loaded") << "btnEditor" << false << QList<int>{} << all;
    QTest::newRow("typed, from the menu") << "OpenEditor1" << true << QList<int>{} << all;
    QTest::newRow("only selected") << "btnEditor" << false << QList<int>{2, 4}
                                   << QStringList{"a.txt", "b.txt", "one.txt", "d.txt", "two.txt"};
  }
  void textList_linesReachTheNextRefresh() {
    QFETCH(QString, opener);
    QFETCH(bool, typed);
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, expected);
    ShowFolder({"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"});
    QTemporaryDir lists;
    QFile file(lists.filePath("seasons.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("one\ntwo\nthree\n");
    file.close();
    m_dialogs->files << file.fileName();
    QString caption;
    m_dialogs->onDialog = [&](QDialog &dialog) {
      auto *lines = Find<QPlainTextEdit>(&dialog, "oListBox");
      if (typed) {
        for (const char *line : {"one", "two"}) {
          QTest::keyClicks(lines, line);
          QTest::keyClick(lines, Qt::Key_Return);
        }
        QTest::keyClicks(lines, "three");
      } else
        Find<QToolButton>(&dialog, "btnLoadTXT")->click();
      caption = dialog.windowTitle();
      Find<QPushButton>(&dialog, "btnOk")->click();
    };
    if (opener == QLatin1String("btnEditor"))
      Find<QPushButton>(m_window.get(), opener)->click();
    else
      Find<QAction>(m_window.get(), opener)->trigger();
    QCOMPARE(m_dialogs->shown, QStringList{"TfTextList"});
    QCOMPARE(caption, typed ? QStringLiteral(" ") : file.fileName());
    auto *view = Find<QTreeView>(m_window.get(), "DirView1");
    for (int row : selected)
      view->selectionModel()->select(view->model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!selected.isEmpty())
      Find<QCheckBox>(m_window.get(), "bCheckOnlySelectedFiles")->click();
    Find<QCheckBox>(m_window.get(), "opReplace")->click();
    QTest::keyClicks(Find(m_window.get(), "tChangeFilename"), "\\T");
    QTRY_COMPARE(m_window->Core().PreviewList().Lines(), expected);
  }

  void aboutBox_showsTheProgramAndOpensItsPages_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("language");
    QTest::newRow("Info button") << "btnInfo" << int(LanguageEnglish);
    QTest::newRow("program icon, in Polish") << "ProgramIcon" << int(LanguagePolish);
  }
  void aboutBox_showsTheProgramAndOpensItsPages() {
    QFETCH(QString, opener);
    QFETCH(int, language);
    m_window->Core().ChangeLanguage(language);
    QTemporaryDir desktop;
    QFile opener_(desktop.filePath("xdg-open"));
    QVERIFY(opener_.open(QIODevice::WriteOnly));
    opener_.close();
    opener_.setPermissions(opener_.permissions() | QFile::ExeOwner);
    RecordingShell shell;
    QStringList texts;
    QString requestPage;
    m_dialogs->onDialog = [&](QDialog &dialog) {
      auto &about = static_cast<TfAbout &>(dialog);
      about.GoToWeb().SetShell(&shell);
      about.GoToWeb().SetSearch({{desktop.path()}, {desktop.path()}, {desktop.path()}});
      for (const char *name : {"lProductName", "lWebPage", "lEmail", "lfreeware"})
        texts << Find<QLabel>(&dialog, name)->text();
      requestPage = about.RequestPage();
      QTest::mouseClick(Find(&dialog, "lWebPage"), Qt::LeftButton);
      QTest::mouseClick(Find(&dialog, "lEmail"), Qt::LeftButton);
      Find<QPushButton>(&dialog, "OKButton")->click();
    };
    Find<QAbstractButton>(m_window.get(), opener)->click();
    QCOMPARE(m_dialogs->shown, QStringList{"TfAbout"});
    QCOMPARE(texts.at(0), QStringLiteral("Zelvo Rename 2000 v4.2b"));
    QCOMPARE(texts.at(2), QStringLiteral("email"));
    QCOMPARE(texts.at(3), QStringLiteral("Freeware"));
    const QString xdgOpen = opener_.fileName();
    QCOMPARE(shell.runs, QList<QStringList>({{xdgOpen, texts.at(1)}, {xdgOpen, requestPage}}));
    QVERIFY(requestPage.startsWith(texts.at(1))); // a page of the same site
  }
};

QTEST_MAIN(TestVariablesMenu)
#include "tst_variables_menu.moc"
