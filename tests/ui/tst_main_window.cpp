#include "app/app_core.h"
#include "lang/language_texts.h"
#include "ui/errors_dialog.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
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
  std::optional<QString> ChooseOpenFile(const FileChoice &) override { return std::nullopt; }
  void RunModal(QDialog &dialog) override {
    if (auto *list = qobject_cast<TfErrors *>(&dialog))
      for (int row = 0; row < list->Count(); ++row)
        shownFailures << list->PathAt(row);
  }
  QStringList errors;
  QStringList shownFailures;
};

} // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

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
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = std::make_unique<FakeDialogs>();
    m_window = std::make_unique<TfZelvoRename>(m_dialogs.get());
  }
  void cleanup() {
    m_window.reset();
    m_dialogs.reset();
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
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
