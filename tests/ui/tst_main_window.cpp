#include "app/app_core.h"
#include "lang/language_texts.h"
#include "ui/errors_dialog.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

// Answers every question without a modal loop and notes what was shown.
class FakeDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &message) override { errors << message; }
  void ShowInformation(const QString &) override {}
  std::optional<QString> ChooseSaveFile(const FileChoice &) override { return std::nullopt; }
  std::optional<QString> ChooseOpenFile(const FileChoice &) override {
    return openPath.isEmpty() ? std::nullopt : std::optional<QString>(openPath);
  }
  void RunModal(QDialog &dialog) override {
    if (auto *list = qobject_cast<TfErrors *>(&dialog))
      for (int row = 0; row < list->Count(); ++row)
        shownFailures << list->PathAt(row);
  }
  QStringList errors;
  QStringList shownFailures;
  QString openPath;
};

} // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

  QTemporaryDir m_settings;
  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<FakeDialogs> m_dialogs;
  std::unique_ptr<TfZelvoRename> m_window;

  template <typename T = QWidget> T *Find(const char *name) {
    T *object = m_window->findChild<T *>(QLatin1String(name));
    if (!object)
      qFatal("no control %s", name);
    return object;
  }
  QStringList PreviewLines() const { return m_window->Core().PreviewList().Lines(); }
  void MakeFiles(const QStringList &names) {
    for (const QString &name : names) {
      QFile file(m_dir->filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
  }
  void Leave(QWidget *field) {
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &leave);
  }

private slots:
  void initTestCase() {
    // The windows write their preferences at the end: into a folder of this test's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_settings.filePath("data")));
  }

  void init() {
    // Every window starts as on a first run: no preferences of an earlier test.
    QVERIFY(QDir(m_settings.filePath("config")).removeRecursively());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = std::make_unique<FakeDialogs>();
    m_window = std::make_unique<TfZelvoRename>(m_dialogs.get());
  }
  void cleanup() {
    m_window.reset();
    m_dialogs.reset();
  }

  // The entry goes into this test's own data folder; the next window reads it back at start.
  void shellOptionsButton_addsAndTheNextWindowRemoves() {
    const QString script = m_settings.filePath("data/nautilus/scripts/Zelvo Rename from Here");
    const LanguageTexts &texts = m_window->Core().Texts();
    auto *button = Find<QPushButton>("btnShellOptions");
    QCOMPARE(button->text(), texts.sAddShellEntry);
    button->click();
    QCOMPARE(button->text(), texts.sRemoveShellEntry);
    QVERIFY(QFile::exists(script));

    m_window = std::make_unique<TfZelvoRename>(m_dialogs.get());
    button = Find<QPushButton>("btnShellOptions");
    QCOMPARE(button->text(), texts.sRemoveShellEntry);
    button->click();
    QCOMPARE(button->text(), texts.sAddShellEntry);
    QVERIFY(!QFile::exists(script));
    QVERIFY(m_dialogs->errors.isEmpty());
  }

  void typing_updatesPreview() {
    MakeFiles({"alpha.txt", "beta.txt"});
    m_window->OpenFolder(m_dir->path());
    m_window->show();
    QTRY_COMPARE(PreviewLines(), QStringList({"alpha.txt", "beta.txt"}));
    Find<QCheckBox>("opInsertBefore")->click();
    QTest::keyClicks(Find("tInsertBefore"), "x_");
    QTRY_COMPARE(PreviewLines(), QStringList({"x_alpha.txt", "x_beta.txt"}));
  }

  void refusedKey_neverReachesField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter into crop") << "tLeftCutChars"
                                      << "a"
                                      << "0";
    QTest::newRow("minus into crop") << "tRightCutCharsEx"
                                     << "-"
                                     << "0";
    QTest::newRow("crop keeps three digits") << "tLeftCutCharsEx"
                                             << "12345"
                                             << "012";
    QTest::newRow("letter into start") << "tStartAt"
                                       << "x-"
                                       << "1-";
    QTest::newRow("wildcards into insert") << "tInsertBefore"
                                           << "a?<\\b"
                                           << "a\\b";
  }
  void refusedKey_neverReachesField() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    auto *edit = m_window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setCursorPosition(edit->text().size());
    QTest::keyClicks(edit, keys);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(m_window->Core().Text(field), expected);
  }

  void leavingField_repairsIt_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("repaired");
    QTest::newRow("empty zero fill") << "tZeroFill"
                                     << ""
                                     << "1";
    QTest::newRow("empty crop") << "tRightCutChars"
                                << ""
                                << "0";
    QTest::newRow("minus alone") << "tStartAt"
                                 << "-"
                                 << "1";
    QTest::newRow("number kept") << "tIncrement"
                                 << "-3"
                                 << "-3";
  }
  void leavingField_repairsIt() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, repaired);
    auto *edit = m_window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    Leave(edit);
    QCOMPARE(edit->text(), repaired);
    QCOMPARE(m_window->Core().Text(field), repaired);
  }

  void instantPreviewOff_showsHintOnce() {
    MakeFiles({"one.txt"});
    m_window->OpenFolder(m_dir->path());
    m_window->show();
    QTRY_COMPARE(PreviewLines(), QStringList{"one.txt"});
    Find<QCheckBox>("opInstantRefresh")->click();
    QTest::keyClicks(Find("tInsertAfter"), "a");
    const QStringList hint = PreviewLines();
    QTest::keyClicks(Find("tInsertAfter"), "bc");
    Find<QCheckBox>("opInsertAfter")->click();
    const QStringList lines = PreviewLines();
    QCOMPARE(lines, hint);
    QCOMPARE(lines.size(), 100);
    QCOMPARE(lines.first(), m_window->Core().Texts().sRefreshHint1);
    QCOMPARE(lines.count(m_window->Core().Texts().sRefreshHint1), 20);
    QVERIFY(!m_window->Core().PreviewValid());
  }

  void ctrlTab_cyclesFirstFourTabs() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto *tabs = Find<QTabWidget>("TabControl1");
    tabs->tabBar()->setFocus();
    QTRY_VERIFY(tabs->hasFocus());
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(tabs->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
      seen << tabs->currentIndex();
    }
    QCOMPARE(seen, QList<int>({1, 2, 3, 0}));
    QCOMPARE(Find<QWidget>("gbGrouChangeFilename")->isVisible(), true);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), 3);
    tabs->setCurrentIndex(4);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
  }

  void renameWithCollision_listsOneFailure_undoRestoresTheRest() {
    MakeFiles({"a.txt", "b.txt", "keep.dat"});
    Find<QComboBox>("tMask")->setEditText("*.txt");
    m_window->OpenFolder(m_dir->path());
    m_window->show();
    QTRY_COMPARE(PreviewLines(), QStringList({"a.txt", "b.txt"}));
    Find<QCheckBox>("opReplace")->click();
    QTest::keyClicks(Find("tChangeFilename"), "same");
    QTRY_COMPARE(PreviewLines(), QStringList({"same.txt", "same.txt"}));

    Find<QPushButton>("btnRename")->click();
    QCOMPARE(m_dialogs->shownFailures, QStringList{QDir(m_dir->path()).filePath("b.txt")});
    QDir dir(m_dir->path());
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), QStringList({"b.txt", "keep.dat", "same.txt"}));
    QVERIFY(Find<QPushButton>("btnUndo")->isEnabled());
    QVERIFY(Find<QAction>("MakeUndoBAT")->isVisible());
    QVERIFY(!Find<QCheckBox>("opReplace")->isChecked());

    Find<QPushButton>("btnUndo")->click();
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), QStringList({"a.txt", "b.txt", "keep.dat"}));
    QVERIFY(!Find<QPushButton>("btnUndo")->isEnabled());
    QVERIFY(!Find<QAction>("MakeUndoBAT")->isVisible());
  }

  void setActiveFalse_disablesExactlyTheOptionControls() {
    const auto disabled = [this] {
      QSet<QString> names;
      for (QWidget *widget : Find("centralWidget")->findChildren<QWidget *>())
        if (!widget->isEnabledTo(m_window.get()) && widget->parentWidget()->isEnabledTo(m_window.get()))
          names << widget->objectName();
      return names;
    };
    const QSet<QString> before = disabled();
    m_window->Core().SetActive(false);
    const QSet<QString> switched = disabled() - before;
    QCOMPARE(switched.size(), 23);
    QCOMPARE(switched,
             QSet<QString>(AppCore::ActiveControlNames().cbegin(), AppCore::ActiveControlNames().cend()));
    m_window->Core().SetActive(true);
    QCOMPARE(disabled(), before);
  }

  void languageSwitch_changesCaptions_data() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < LanguageCount; ++language)
      QTest::addRow("language %d", language) << language;
  }
  void languageSwitch_changesCaptions() {
    QFETCH(int, language);
    // Away first, so that every caption has to change back.
    m_window->Core().ChangeLanguage(language == LanguageEnglish ? LanguagePolish : LanguageEnglish);
    m_window->Core().ChangeLanguage(language);
    const LanguageTexts texts = LanguageTable(language);
    QCOMPARE(Find<QPushButton>("btnRename")->text(), texts.sRename);
    QCOMPARE(Find<QLabel>("Label1")->text(), texts.sFileMask);
    QCOMPARE(Find<QLabel>("Label7")->text(), texts.sWithNewText);
    QCOMPARE(Find<QAbstractButton>("opFirstLetterLowEx")->text(), texts.sFirstLetterLow);
    QCOMPARE(Find<QAbstractButton>("rgTypeNumberManual")->text(), texts.sManual);
    QCOMPARE(Find<QAbstractButton>("opInstantRefresh")->text(), texts.sInstantPreview);
    QCOMPARE(Find<QTabWidget>("TabControl1")->tabText(2), texts.sTabAutoNumber);
    QCOMPARE(Find<QTabWidget>("TabControl1")->tabText(4), texts.sLanguage);
    QCOMPARE(Find<QAction>("mRefresh")->text(), texts.sRefresh);
    QCOMPARE(Find<QAction>("mOptions")->text(), texts.sOptions);
    QCOMPARE(Find<QAction>("mRemWinProPos")->text(), texts.sRememberPosition);
    // Captions no language changes.
    QCOMPARE(Find<QAbstractButton>("bCheckOnlySelectedFiles")->text(), QStringLiteral("Only Selected Files"));
    QCOMPARE(Find<QAbstractButton>("rgTypeNumberHex")->text(), QStringLiteral("Hex"));
  }
  void languageShortcut_switchesCaptions_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("language");
    const int keys[LanguageCount] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F9, Qt::Key_F3, Qt::Key_F5,
                                     Qt::Key_F4, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8};
    for (int language = 0; language < LanguageCount; ++language)
      QTest::addRow("language %d", language) << keys[language] << language;
  }
  void languageShortcut_switchesCaptions() {
    QFETCH(int, key);
    QFETCH(int, language);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->Core().ChangeLanguage(language == LanguageEnglish ? LanguageGerman : LanguageEnglish);
    QTest::keyClick(m_window.get(), Qt::Key(key), Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_window->Core().CurrentLanguage(), language);
    QCOMPARE(Find<QPushButton>("btnUndo")->text(), LanguageTable(language).sUndo);
  }

  void refreshShortcut_listsNewFile() {
    MakeFiles({"first.txt"});
    m_window->OpenFolder(m_dir->path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(PreviewLines(), QStringList{"first.txt"});
    MakeFiles({"second.txt"});
    QTest::keyClick(m_window.get(), Qt::Key_F5);
    QCOMPARE(PreviewLines(), QStringList({"first.txt", "second.txt"}));
  }

  void clicks_selectTheSameRowInBothLists() {
    MakeFiles({"a.txt", "b.txt", "c.txt"});
    m_window->OpenFolder(m_dir->path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE(PreviewLines().size(), 3);
    auto *list = Find<QTreeView>("DirView1");
    auto *preview = Find<QListView>("lZelvoList");
    const auto click = [](QAbstractItemView *view, int row) {
      const QRect rect = view->visualRect(view->model()->index(row, 0));
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    };
    click(list, 2);
    QCOMPARE(preview->currentIndex().row(), 2);
    click(preview, 1);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list->selectionModel()->selectedRows().first().row(), 1);
    QCOMPARE(m_window->Core().FileList().SelectedIndexes(), std::vector<int>{1});
  }

  void optionsFile_loadsIntoControls() {
    QFile ini(m_dir->filePath("saved.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Filename]\r\nInsert Before=1\r\nInsert Before text=\" new_\"\r\nCase 2=1\r\n"
              "[Autonumber]\r\nAfter Filename=1\r\nZeroFill=4\r\nRgTypeNumber=1\r\n");
    ini.close();
    m_dialogs->openPath = ini.fileName();
    Find<QAction>("mOpenZROptions")->trigger();
    QCOMPARE(Find<QLineEdit>("tInsertBefore")->text(), QStringLiteral(" new_"));
    QVERIFY(Find<QCheckBox>("opInsertBefore")->isChecked());
    QVERIFY(Find<QRadioButton>("opUpperCase")->isChecked());
    QVERIFY(!Find<QRadioButton>("opNoCaseChanges")->isChecked());
    QVERIFY(Find<QRadioButton>("opAAfterFilename")->isChecked());
    QCOMPARE(Find<QLineEdit>("tZeroFill")->text(), QStringLiteral("4"));
    QVERIFY(Find<QRadioButton>("rgTypeNumberHex")->isChecked());
    QVERIFY(Find<QWidget>("opReplace")->isEnabled());
  }

  void setDefaultValues_resetsControls_keepsNumberType() {
    Find<QRadioButton>("rgTypeNumberHex")->click();
    Find<QRadioButton>("opLowerCaseEx")->click();
    QTest::keyClicks(Find("tReplaceText"), "old");
    Find<QTabWidget>("TabControl1")->setCurrentIndex(2);
    Find<QPushButton>("btnSetDefaultValue")->click();
    QCOMPARE(Find<QLineEdit>("tReplaceText")->text(), QString());
    QVERIFY(Find<QRadioButton>("opNoCaseChangesEx")->isChecked());
    QVERIFY(Find<QRadioButton>("rgTypeNumberHex")->isChecked());
    QCOMPARE(Find<QTabWidget>("TabControl1")->currentIndex(), 0);
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
