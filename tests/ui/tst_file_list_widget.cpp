#include "explorer/file_list_view.h"
#include "ui/file_list_delegate.h"
#include "ui/file_list_header.h"
#include "ui/file_list_widget.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

void MakeFile(const QString &path, const QByteArray &bytes = {}) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
}

class RecordingShell final : public ShellCalls {
public:
  bool Open(const QString &path, const QString &) override {
    calls << "open " + path;
    return true;
  }
  bool Run(const QString &program, const QStringList &, const QString &) override {
    calls << "run " + program;
    return true;
  }
  bool OpenWithAppFor(const QString &mime, const QString &file, const QString &) override {
    calls << mime + " " + file;
    return true;
  }
  QStringList calls;
};

// One volume, mounted at a folder of the test.
class OneVolume final : public VolumeTable {
public:
  explicit OneVolume(const QByteArray &point) : point(point) {}
  std::vector<Volume> Volumes() override { return {Volume{point, "DATA", DriveType::Fixed, "/dev/sdz1"}}; }
  DriveType TypeOf(const QByteArray &root) override {
    return root == point ? DriveType::Fixed : DriveType::NoRoot;
  }
  bool Ready(const QByteArray &) override { return true; }
  QByteArray point;
};

} // namespace

class TestFileListWidget : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_root;
  RecordingShell m_shell;
  std::unique_ptr<OneVolume> m_volumes;
  Platform m_platform;
  std::unique_ptr<TZelvoRenameFileListView> m_list;
  std::unique_ptr<TZelvoRenameFileListWidget> m_view;

  // The widget over a fresh list of folder, shown.
  TZelvoRenameFileListWidget &Show(const QString &folder) {
    m_list = std::make_unique<TZelvoRenameFileListView>(nullptr, &m_platform);
    m_view = std::make_unique<TZelvoRenameFileListWidget>(*m_list);
    m_view->Commands().SetShell(&m_shell);
    m_view->resize(900, 400);
    m_list->SetDirectory(folder);
    if (m_list->IsDrivesView())
      m_list->Reload();
    m_view->show();
    if (!QTest::qWaitForWindowExposed(m_view.get()))
      qWarning("window not exposed");
    m_view->setFocus();
    return *m_view;
  }
  int Row(const QString &caption) const {
    for (int i = 0; i < m_list->Count(); ++i)
      if (m_list->Entry(i).Caption == caption)
        return i;
    return -1;
  }
  void Click(const QString &caption, Qt::KeyboardModifiers modifiers = {}) {
    const QRect rect = m_view->visualRect(m_list->index(Row(caption), 0));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, modifiers, rect.center());
  }
  QStringList Captions() const {
    QStringList captions;
    for (const FileListEntry &e : m_list->Entries())
      captions << e.Caption;
    return captions;
  }

private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_root = m_dir->path() + QLatin1Char('/');
    QDir().mkpath(m_root + "sub/inner");
    MakeFile(m_root + "a.txt", "a");
    MakeFile(m_root + "b.dat", "bbbb");
    MakeFile(m_root + "c.bin", "cc");
    MakeFile(m_root + ".hidden", "h");
    m_shell.calls.clear();
    m_volumes = std::make_unique<OneVolume>(QFile::encodeName(m_root + "sub"));
    m_platform = DefaultPlatform();
  }
  void cleanup() {
    m_view.reset();
    m_list.reset();
  }

  void backspace_goesUpToTheDrivesViewAndNoFurther() {
    TZelvoRenameFileListWidget &view = Show(m_root + "sub/inner");
    QSignalSpy chosen(&view, &TZelvoRenameFileListWidget::DirectoryChosen);
    QString expected = m_root + "sub/inner/";
    for (int step = 0; step < 64 && expected != "Drives"; ++step) {
      expected =
          expected == "/" ? QStringLiteral("Drives") : expected.left(expected.lastIndexOf('/', -2) + 1);
      QTest::keyClick(&view, Qt::Key_Backspace);
      QCOMPARE(m_list->Directory(), expected);
      QCOMPARE(chosen.last().first().toString(), expected);
    }
    const qsizetype steps = chosen.count();
    QTest::keyClick(&view, Qt::Key_Backspace);
    QCOMPARE(m_list->Directory(), QStringLiteral("Drives"));
    QCOMPARE(chosen.count(), steps);
    QTest::keyClick(&view, Qt::Key_Backspace, Qt::ShiftModifier); // not with a modifier
    QCOMPARE(chosen.count(), steps);
  }

  void enter_entersAFolderOrAVolume_data() {
    QTest::addColumn<bool>("volume");
    QTest::newRow("folder") << false;
    QTest::newRow("volume") << true;
  }
  void enter_entersAFolderOrAVolume() {
    QFETCH(bool, volume);
    if (volume)
      m_platform.Volumes = m_volumes.get();
    TZelvoRenameFileListWidget &view = Show(volume ? QStringLiteral("Drives") : m_root);
    QSignalSpy chosen(&view, &TZelvoRenameFileListWidget::DirectoryChosen);
    QTest::keyClick(&view, Qt::Key_Return); // nothing selected yet
    QCOMPARE(chosen.count(), 0);
    Click(volume ? QStringLiteral(" (") + m_root + "sub)  DATA" : QStringLiteral("sub"));
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(m_list->Directory(), m_root + "sub/");
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(Captions(), QStringList{"inner"});
  }

  void enterAndDoubleClick_openAFileThroughTheShell() {
    TZelvoRenameFileListWidget &view = Show(m_root);
    QSignalSpy doubleClicks(&view, &TZelvoRenameFileListWidget::OnDblClick);
    Click("a.txt");
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(m_shell.calls, QStringList{"open " + m_root + "a.txt"});
    QTest::keyClick(&view, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(m_shell.calls.last(), "text/plain " + m_root + "a.txt");
    const QPoint at = view.visualRect(m_list->index(Row("b.dat"), 1)).center();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_shell.calls.last(), "open " + m_root + "b.dat");
    QCOMPARE(doubleClicks.count(), 1);
    view.SetDblClickEnabled(false);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_shell.calls.count(), 3);
    QCOMPARE(doubleClicks.count(), 1);
  }

  void f5_listsTheFolderAgain() {
    TZelvoRenameFileListWidget &view = Show(m_root);
    const int before = m_list->Count();
    MakeFile(m_root + "new.txt");
    QTest::keyClick(&view, Qt::Key_F5);
    QCOMPARE(m_list->Count(), before + 1);
    QVERIFY(Row("new.txt") >= 0);
    QCOMPARE(view.currentIndex().row(), 0); // the first entry has the focus, nothing is selected
    QVERIFY(view.selectionModel()->selectedRows().isEmpty());
  }

  void f4AndEsc_askForTheDropDown() {
    TZelvoRenameFileListWidget &view = Show(m_root);
    QSignalSpy open(&view, &TZelvoRenameFileListWidget::DropDownRequested);
    QSignalSpy close(&view, &TZelvoRenameFileListWidget::DropDownCloseRequested);
    QTest::keyClick(&view, Qt::Key_F4);
    QCOMPARE(open.count(), 1);
    QTest::keyClick(&view, Qt::Key_Escape);
    QCOMPARE(close.count(), 1);
    QCOMPARE(open.count(), 1);
  }

  void hiddenName_greyInTheNameColumnOnly_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("grey");
    QTest::newRow("hidden name") << ".hidden" << 0 << false << true;
    QTest::newRow("hidden, other column") << ".hidden" << 2 << false << false;
    QTest::newRow("hidden, selected") << ".hidden" << 0 << true << false;
    QTest::newRow("plain name") << "a.txt" << 0 << false << false;
  }
  void hiddenName_greyInTheNameColumnOnly() {
    QFETCH(QString, caption);
    QFETCH(int, column);
    QFETCH(bool, selected);
    QFETCH(bool, grey);
    TZelvoRenameFileListWidget &view = Show(m_root);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    if (selected)
      option.state |= QStyle::State_Selected;
    view.Delegate()->initStyleOption(&option, m_list->index(Row(caption), column));
    const QColor greyText = view.palette().color(QPalette::Disabled, QPalette::Text);
    QCOMPARE(option.palette.color(QPalette::Text) == greyText, grey);
    if (column == 0)
      QVERIFY(!option.icon.isNull());
    view.SetDimmHiddenFiles(false);
    option = QStyleOptionViewItem();
    option.initFrom(&view);
    view.Delegate()->initStyleOption(&option, m_list->index(Row(caption), column));
    QVERIFY(option.palette.color(QPalette::Text) != greyText);
  }

  void headerClicks_flipTheMarkerAndTheOrder() {
    TZelvoRenameFileListWidget &view = Show(m_root);
    FileListHeader *header = view.Header();
    QCOMPARE(header->MarkerOf(0), FileListHeader::DownArrow); // listed by name, ascending
    const auto clickSize = [&] {
      const int x = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickSize();
    QCOMPARE(header->MarkerOf(2), FileListHeader::DownArrow);
    QCOMPARE(header->MarkerOf(0), FileListHeader::NoMarker);
    QCOMPARE(Captions(), QStringList({"sub", ".hidden", "a.txt", "c.bin", "b.dat"}));
    clickSize();
    QCOMPARE(header->MarkerOf(2), FileListHeader::UpArrow);
    QCOMPARE(Captions(), QStringList({"b.dat", "c.bin", ".hidden", "a.txt", "sub"}));
    // The marker is really drawn: the section looks different without it.
    const QRect size(header->sectionViewportPosition(2), 0, header->sectionSize(2), header->height());
    const QImage marked = header->grab(size).toImage();
    view.SetShowColumnIcon(false);
    QCOMPARE(header->MarkerOf(2), FileListHeader::NoMarker);
    QVERIFY(header->grab(size).toImage() != marked);
  }

  void inPlaceRename_neverTakesAnExistingName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("renamed");
    QTest::newRow("free name") << "z.txt" << true;
    QTest::newRow("name of another file") << "b.dat" << false;
  }
  void inPlaceRename_neverTakesAnExistingName() {
    QFETCH(QString, typed);
    QFETCH(bool, renamed);
    TZelvoRenameFileListWidget &view = Show(m_root);
    QSignalSpy added(m_list.get(), &TZelvoRenameFileListView::OnAddFiles);
    Click("a.txt");
    QTest::keyClick(&view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setText(typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(QFileInfo::exists(m_root + "a.txt"), !renamed);
    QTest::qWait(10);
    QCOMPARE(QFileInfo(m_root + "b.dat").size(), 4);
    QCOMPARE(Row(typed) >= 0, true);
    QCOMPARE(Row("a.txt") >= 0, !renamed);
    QCOMPARE(added.count(), renamed ? 1 : 0);
  }

  void inPlaceRename_handedToTheWindowWhenItListens() {
    TZelvoRenameFileListWidget &view = Show(m_root);
    int editedRow = -1;
    connect(&view, &TZelvoRenameFileListWidget::OnEdited, this, [&](int row, QString &text) {
      editedRow = row;
      text = "ignored";
    });
    view.EditDone(Row("a.txt"), "y.txt");
    QCOMPARE(editedRow, Row("a.txt")); // the window renames: the list did not
    QVERIFY(QFileInfo::exists(m_root + "a.txt"));
  }

  void selection_isSharedWithTheList() {
    TZelvoRenameFileListWidget &view = Show(m_root);
    Click("a.txt");
    Click("c.bin", Qt::ShiftModifier);
    QCOMPARE(m_list->SelectedIndexes(), (std::vector<int>{Row("a.txt"), Row("b.dat"), Row("c.bin")}));
    QCOMPARE(m_list->FocusedIndex(), Row("c.bin"));
    m_list->ClearSelection();
    m_list->SetSelected(Row("sub"), true);
    QCOMPARE(view.selectionModel()->selectedRows().count(), 1);
    QCOMPARE(view.selectionModel()->selectedRows().first().row(), Row("sub"));
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(int(m_list->SelectedIndexes().size()), m_list->Count());
  }
};

QTEST_MAIN(TestFileListWidget)
#include "tst_file_list_widget.moc"
