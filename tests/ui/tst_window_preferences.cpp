#include "app/app_core.h"
#include "lang/language_texts.h"
#include "settings/preference_store.h"
#include "ui/main_window.h"
#include "ui/widget_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTreeView>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

class QuietDialogs : public TWidgetDialogs {
public:
  bool Confirm(const QString &) override { return true; }
  void ShowError(const QString &) override {}
  void ShowInformation(const QString &) override {}
  void RunModal(QDialog &) override {}
};

} // namespace

// Each test starts one window after another on the same settings file, as two runs of the program.
class TestWindowPreferences : public QObject {
  Q_OBJECT
  QTemporaryDir m_home;
  QTemporaryDir m_folder;
  QuietDialogs m_dialogs;
  std::unique_ptr<TfZelvoRename> m_window;

  QString File() const { return PreferenceStore::UserFile(); }
  TfZelvoRename &Start() {
    m_window = std::make_unique<TfZelvoRename>(&m_dialogs);
    return *m_window;
  }
  void Show() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  }
  void End() {
    if (m_window->isVisible())
      m_window->close();
    m_window.reset();
  }
  QVariant Stored(const char *name) const { return QSettings(File(), QSettings::IniFormat).value(name); }
  template <typename T = QWidget> T *Find(const char *name) { return m_window->findChild<T *>(name); }
  TZelvoRenameFileListView &List() { return m_window->Core().FileList(); }
  void Store(const StoredPreferences &values, const char *removed = nullptr) {
    QVERIFY(PreferenceStore().Write(values));
    if (removed)
      QSettings(File(), QSettings::IniFormat).remove(removed);
  }

private slots:
  void initTestCase() {
    // Never the user's own settings or file-manager folders.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    QVERIFY(File().startsWith(m_home.path()));
  }
  void init() { QFile::remove(File()); }
  void cleanup() { m_window.reset(); }

  void preferencesSurviveRestart() {
    Start();
    Find<QCheckBox>("cRemWinProPos")->click();
    Find<QCheckBox>("opInstantRefresh")->click();
    Find<QCheckBox>("cViewFiles")->click();
    m_window->Core().ChangeLanguage(5);
    m_window->OpenFolder(m_folder.path());
    const QRect placed(40, 50, 700, 500); // on the test screen, room for the German texts
    m_window->setGeometry(placed);
    End();
    Start();
    QVERIFY(Find<QCheckBox>("cRemWinProPos")->isChecked());
    QVERIFY(Find<QAction>("mRemWinProPos")->isChecked());
    QVERIFY(!Find<QCheckBox>("opInstantRefresh")->isChecked());
    QVERIFY(!Find<QCheckBox>("cViewFiles")->isChecked());
    QCOMPARE(m_window->Core().CurrentLanguage(), 5);
    QCOMPARE(m_window->geometry(), placed);
    Show();
    QCOMPARE(QDir(List().Directory()), QDir(m_folder.path()));
  }

  void firstRun_storesInitialState() {
    Start();
    QCOMPARE(Stored("Width").toInt(), 640);
    QCOMPARE(Stored("ColWidth_1").toInt(), 0);
    QCOMPARE(Stored("Path").toString(), QStringLiteral("Drives"));
    Show();
    Find<QAction>("mRefresh")->trigger(); // the drives view, at its built-in widths
    QCOMPARE(List().ColumnWidth(1), 160);
    End();
    QCOMPARE(Stored("ColWidthDrives_2").toInt(), 160);
  }

  void missingWidth_keepsLaterPreferencesInitial() {
    StoredPreferences stored;
    stored.rememberWindowsPos = true;
    stored.rememberLastPath = stored.instantPreview = false;
    stored.language = 5;
    Store(stored, "Width");
    Start();
    QVERIFY(Find<QCheckBox>("cRemWinProPos")->isChecked());
    QVERIFY(Find<QCheckBox>("cRememberLastPath")->isChecked());
    QVERIFY(Find<QCheckBox>("opInstantRefresh")->isChecked());
    QCOMPARE(m_window->Core().CurrentLanguage(), 0);
  }

  void commandLineFolder_opensWhenReadingStops() {
    StoredPreferences stored;
    stored.rememberLastPath = false;
    Store(stored, "ColWidth_3");
    Start().OpenFolder(m_folder.path());
    Show();
    QCOMPARE(QDir(List().Directory()), QDir(m_folder.path()));
  }

  void closedMaximised_storesRestoredBounds() {
    StoredPreferences stored;
    stored.rememberWindowsPos = true;
    Store(stored);
    Start();
    Show();
    const QRect normal = m_window->geometry();
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    End();
    QCOMPARE(Stored("Width").toInt(), normal.width());
    QCOMPARE(Stored("Left").toInt(), normal.left());
    QCOMPARE(Stored("Maximize").toInt(), 0);
    Start();
    QCOMPARE(m_window->geometry(), normal);
    QVERIFY(!(m_window->windowState() & Qt::WindowMaximized));
  }

  void unusableFile_startsWithDefaults_andIsRewritten() {
    QVERIFY(QDir().mkpath(QFileInfo(File()).path()));
    QFile file(File());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General\n\x01\xff=\nLanguage=5\nRemember%20Windows%20Pos=1\n");
    file.close();
    Start();
    QCOMPARE(m_window->Core().CurrentLanguage(), 0);
    QVERIFY(!Find<QCheckBox>("cRemWinProPos")->isChecked());
    m_window->Core().ChangeLanguage(3);
    End();
    Start();
    QCOMPARE(m_window->Core().CurrentLanguage(), 3);
  }

  void unknownLanguage_showsEnglish_andIsKept() {
    StoredPreferences stored;
    stored.language = 12;
    Store(stored);
    Start();
    QCOMPARE(Find<QPushButton>("btnRename")->text(), LanguageTable(0).sRename);
    End();
    QCOMPARE(Stored("Language").toInt(), 12);
  }

  void columnWidths_putBackBySort_notedAtClose() {
    StoredPreferences stored;
    stored.columnWidths = {111, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Store(stored);
    Start().OpenFolder(m_folder.path());
    Show();
    QCOMPARE(List().ColumnWidth(0), 111);
    QCOMPARE(List().ColumnWidth(2), 90); // not set: the built-in width
    List().SetColumnWidth(0, 250);       // dragged
    List().SortByColumn(1);
    QCOMPARE(List().ColumnWidth(0), 111);
    List().SetColumnWidth(0, 250);
    End();
    QCOMPARE(Stored("ColWidth_1").toInt(), 250);
    QCOMPARE(Stored("ColWidth_3").toInt(), 90);
    QCOMPARE(Stored("ColWidthDrives_1").toInt(), 0);
  }

  void resizing_keepsMinimumAndPreviewShare() {
    Start();
    Show();
    m_window->resize(100, 100);
    QVERIFY(m_window->minimumHeight() >= 300);
    QTRY_COMPARE(m_window->size(), m_window->minimumSize());
    const int wide = m_window->minimumWidth() + 50;
    m_window->resize(wide, 480);
    auto *upper = Find<QSplitter>("Splitter2");
    QTRY_COMPARE(m_window->width(), wide);
    const int oldUpper = upper->width();
    const int oldPreview = upper->sizes().at(1);
    m_window->resize(wide + 100, 480);
    QTRY_COMPARE(upper->width(), oldUpper + 100);
    QCOMPARE(upper->sizes().at(1), oldPreview + 100 * oldPreview / oldUpper);
  }

  // Whatever was stored, the window starts on the screen: a size beyond the screen's becomes its
  // size, a place off every screen the middle of the screen.
  void storedGeometry_isBroughtOntoTheScreen_data() {
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<bool>("centred");
    QTest::newRow("height 16777215") << QRect(0, 0, 640, 16777215) << false;
    QTest::newRow("size beyond every int") << QRect(10, 10, INT_MAX, INT_MAX) << false;
    QTest::newRow("right of the screen") << QRect(9000, 100, 640, 480) << true;
    QTest::newRow("above the screen") << QRect(100, -5000, 640, 480) << true;
    QTest::newRow("no size") << QRect(0, 0, 0, 0) << false;
  }
  void storedGeometry_isBroughtOntoTheScreen() {
    QFETCH(QRect, stored);
    QFETCH(bool, centred);
    StoredPreferences values;
    values.rememberWindowsPos = true;
    values.left = stored.left();
    values.top = stored.top();
    values.width = stored.width();
    values.height = stored.height();
    Store(values);
    Start();
    const QRect area = m_window->screen()->availableGeometry();
    QVERIFY2(area.contains(m_window->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                 .arg(m_window->x())
                                                                 .arg(m_window->y())
                                                                 .arg(m_window->width())
                                                                 .arg(m_window->height())));
    QVERIFY(m_window->width() >= m_window->minimumWidth());
    QVERIFY(m_window->height() >= m_window->minimumHeight());
    if (centred)
      QCOMPARE(m_window->geometry().center(), area.center());
    Show();
    QVERIFY(area.contains(m_window->geometry()));
  }

  // The drives view has widths of its own; only a view shown since start has its widths written.
  void drivesWidths_keptApartFromTheFolders() {
    StoredPreferences stored;
    stored.columnWidths = {111, 0, 0, 0, 0, 0, 0, 0, 0, 222, 0};
    Store(stored);
    Start();
    Show();
    QVERIFY(List().IsDrivesView());
    QCOMPARE(List().ColumnWidth(0), 222);
    QCOMPARE(List().ColumnWidth(1), 160);
    List().SetColumnWidth(1, 190); // dragged
    End();
    QCOMPARE(Stored("ColWidthDrives_2").toInt(), 190);
    QCOMPARE(Stored("ColWidth_1").toInt(), 111); // the folders were never shown
    QCOMPARE(Stored("ColWidth_2").toInt(), 0);
    Start().OpenFolder(m_folder.path());
    Show();
    QCOMPARE(List().ColumnWidth(0), 111);
    List().SetDirectory(QStringLiteral("Drives"));
    QCOMPARE(List().ColumnWidth(0), 222);
    QCOMPARE(List().ColumnWidth(1), 190);
  }

  // Wider, the window gives the Name column the width the other columns leave, without storing
  // it; narrower again, the stored width is back.
  void widening_givesTheNameColumnTheFreeWidth() {
    Start().OpenFolder(m_folder.path());
    Show();
    auto *header = Find<QTreeView>("DirView1")->header();
    QCOMPARE(header->sectionSize(0), 160);
    m_window->resize(2400, 480);
    QTRY_COMPARE(m_window->width(), 2400);
    int others = 0;
    for (int c = 1; c < header->count(); ++c)
      others += header->sectionSize(c);
    QTRY_COMPARE(header->sectionSize(0), header->width() - others);
    QVERIFY(header->sectionSize(0) > 160);
    QCOMPARE(List().ColumnWidth(0), 160);
    m_window->resize(640, 480);
    QTRY_COMPARE(header->sectionSize(0), 160);
    End();
    QCOMPARE(Stored("ColWidth_1").toInt(), 160);
  }

  void preferenceBoxes_andMenuItems_stayInStep_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("item");
    QTest::newRow("maximised") << "cStartMaximized"
                               << "mStartMaximized";
    QTest::newRow("last path") << "cRememberLastPath"
                               << "mRememberLastPath";
    QTest::newRow("position") << "cRemWinProPos"
                              << "mRemWinProPos";
  }
  void preferenceBoxes_andMenuItems_stayInStep() {
    QFETCH(QString, box);
    QFETCH(QString, item);
    Start();
    auto *check = m_window->findChild<QCheckBox *>(box);
    auto *action = m_window->findChild<QAction *>(item);
    const bool before = check->isChecked();
    check->click();
    QCOMPARE(action->isChecked(), !before);
    action->trigger();
    QCOMPARE(check->isChecked(), before);
  }
};

QTEST_MAIN(TestWindowPreferences)
#include "tst_window_preferences.moc"
